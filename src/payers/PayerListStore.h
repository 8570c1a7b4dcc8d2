#pragma once

#include "report/CPayers.h"

#include <QString>

#include <functional>

class AppContext;

inline const QString kLivePayerListName = QStringLiteral("LivePayerList.mpl");

// LivePayerList.mpl in the Payer List folder.
QString LivePayerListPath(const AppContext& context);

// What became of one change to the Payer List file.
enum class PayerListChange {
    Written, // the file holds the change
    Refused, // the change refused the list as the file holds it: nothing written
    Busy, // another copy of the program held the file for the whole wait, or left a lock this copy cannot take
          // over: nothing written
    NotWritten, // the file could not be written: it is as it was
};

// Applies one change to LivePayerList.mpl as the file is at this moment, so
// that what other copies of the program sharing it wrote since this copy read
// it is kept. Under the lock beside the file, held for this read, change and
// write only (a disk that gives no lock is written without one): reads the
// file's entries, hands them to change and, when change returns true, writes
// them back whole and sets the preference "Set1". change returns false to
// refuse, and its caller tells the user why once the lock is let go. A file
// on disk that cannot be read in full is first kept beside it under a new
// name, so none of its entries is lost; one that cannot be read at all gives
// way to the Payer List this copy holds. Afterwards the Payer List holds what
// the file holds (Busy leaves it as it was). Busy and NotWritten are told
// the user here.
PayerListChange ChangeLivePayerList(AppContext& context, const std::function<bool(PayerMap& entries)>& change);

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
// Asks for a file and merges its entries into LivePayerList.mpl as it is
// when they are written, asking before replacing an entry of the same key
// (again for a key another copy added while the questions were asked).
// Cancel at a question, or a damaged file, leaves the Payer List file as it
// was.
void ImportPayerList(AppContext& context);

// Rereads the Payer List file and reconciles the report's payer with it.
// Called after a report was opened.
void LoadPayerListAndMatchPayer(AppContext& context);

inline const QString kPayerListBusy = QStringLiteral(
    "Another copy of Quillastrand is changing the Payer List file, so nothing was changed.\n\nPlease try again in a "
    "moment.");
inline const QString kPayerRemovedMeanwhile = QStringLiteral(
    "This Payer has been removed from the Payer List by another copy of Quillastrand. Nothing was changed.");
inline const QString kPayerListNothingSaved = QStringLiteral("Nothing has been saved: the Payer List file is as it was.");
inline const QString kPayerListHeldBy = QStringLiteral(
    "Nothing was changed: the Payer List file is held by the lock file\n\n%1\n\nwhich this copy of Quillastrand can "
    "neither read nor take over.\n\nIf no copy of Quillastrand is changing the Payer List, have that file deleted, "
    "then try again.");
