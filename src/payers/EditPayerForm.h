#pragma once

#include "payers/PayerValidation.h"

#include <QString>
#include <QtGlobal>

class AppContext;

// What the Edit Payer dialog decides: it edits the Payer List entry whose
// key the Payer List left in the report's payerJustAddedKey. The key never
// changes, whatever the new ABN/WPN or branch.
class EditPayerForm
{
public:
    explicit EditPayerForm(AppContext& context);

    PayerFields fields;
    PayerMarkers markers;

    const QString& key() const { return m_key; }
    qint64 date() const { return m_date; }

    // Checks the fields and writes them into the entry as the Payer List
    // file holds it now; once written, brings the report's payer up to date
    // when the report uses this entry. An entry another copy of the program
    // has removed meanwhile is said so and nothing is written. True when the
    // dialog closes: not while the file is held by another copy, so that the
    // user's entries can be saved again.
    bool save();

private:
    AppContext& m_context;
    QString m_key;
    qint64 m_date = 0;
};
