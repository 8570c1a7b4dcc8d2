#pragma once

#include "payers/PayerValidation.h"

#include <QtGlobal>

class AppContext;

// What the Add Payer dialog decides: the fields it shows, the markers, the
// fill from an imported lodgement file and Save.
class AddPayerForm
{
public:
    // createdAt becomes the new entry's date (seconds since 1970 UTC).
    AddPayerForm(AppContext& context, qint64 createdAt);
    explicit AddPayerForm(AppContext& context);

    PayerFields fields;
    PayerMarkers markers;

    qint64 date() const { return m_date; }
    // "Load from original VESK.A01" is offered for a report loaded from a
    // lodgement file.
    bool offersLoadFromOriginal() const;
    // Fills the fields from the payer of the imported lodgement file; Ref
    // keeps what was typed, State changes only to one of the list's items.
    void loadFromOriginal();

    // Checks the fields, refuses a key the Payer List holds and adds the new
    // entry to the Payer List file as it is now, refusing the key as well when
    // another copy of the program has added it meanwhile. True when the
    // dialog closes: only once the file holds the entry, so that the user's
    // entries can be saved again after a busy or failed write.
    bool save();

private:
    AppContext& m_context;
    qint64 m_date;
};

inline const QString kDuplicatePayer = QStringLiteral(
    "A Payer with this ABN/Branch combination already exists in the Payer List.\r\n\r\nYou should use or edit the "
    "existing Payer.");
