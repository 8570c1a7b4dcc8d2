#pragma once

#include "payers/PayerValidation.h"

#include <QString>
#include <QtGlobal>

#include <array>

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
    qint64 date() const { return m_read.date; }

    // Checks the fields and writes them into the entry as the Payer List
    // file holds it now, keeping what another copy of the program changed
    // there meanwhile in fields this dialog did not change, and asking before
    // writing over a field both changed; once written, brings the report's
    // payer up to date when the report uses this entry. An entry another
    // copy has removed meanwhile is said so and nothing is written. True
    // when the dialog closes: only once the file holds the edit (or the entry
    // is gone), so that the user's entries can be saved again after a busy
    // or failed write or a No.
    bool save();

private:
    AppContext& m_context;
    QString m_key;
    CPayers m_read; // the entry as this dialog read it
};

// An edit merged into the entry another copy of the program may have changed
// since it was read.
struct EditMerge {
    CPayers entry;
    bool clash; // a field changed here and there to different values; entry holds this copy's
};
// mine is the edit of read; theirs, the entry as the file holds it now.
// changedHere tells, in the order of PayerFieldValues, which fields the user
// changed in the dialog: the others take theirs where theirs changed.
EditMerge MergePayerEdit(
    const CPayers& read, const CPayers& theirs, const CPayers& mine, const std::array<bool, 14>& changedHere);

inline const QString kPayerChangedMeanwhile = QStringLiteral(
    "Another copy of Quillastrand has changed the Payer \"%1\" in the Payer List since you opened it here, in "
    "details you have changed too.\n\nDo you want to save your details over those changes?");
