#pragma once

#include <QString>

class AppContext;

inline const QString kLivePayerListName = QStringLiteral("LivePayerList.mpl");

// LivePayerList.mpl in the Payer List folder.
QString LivePayerListPath(const AppContext& context);

// Rewrites LivePayerList.mpl from the whole Payer List and sets the
// preference "Set1". A file on disk that cannot be read in full is first
// kept beside it under a new name, so none of its entries is lost. False,
// after telling the user, when the file was not written.
bool SaveLivePayerList(AppContext& context);

enum class PayerListLoad {
    Loaded, // the Payer List now holds the file's entries
    NotOpened, // no file (or none readable): the Payer List kept what it held
    Damaged, // read in part: the Payer List holds the entries before the damage
};
// Empties the Payer List and fills it from LivePayerList.mpl. A damaged
// file is reported with standardFailureText for a standard failure and
// "Unable to load Payer data from file" for any other.
PayerListLoad LoadLivePayerList(AppContext& context, const QString& standardFailureText);

// Asks for a file and writes the whole Payer List to it.
void ExportPayerList(AppContext& context);
// Asks for a file, merges its entries into the Payer List (asking before
// replacing an entry of the same key) and rewrites LivePayerList.mpl.
// Cancel at a question, or a damaged file, leaves the Payer List and its
// file as they were.
void ImportPayerList(AppContext& context);

// Rereads the Payer List file and reconciles the report's payer with it.
// Called after a report was opened.
void LoadPayerListAndMatchPayer(AppContext& context);
