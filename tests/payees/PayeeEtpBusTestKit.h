#pragma once

#include "payees/PayeeFrameTestKit.h"
#include "report/FieldHelpers.h"

#include <ostream>
#include <set>

// Running the ETP and BUS forms and checks over a payee given as a record:
// the form gets its texts and its numbers as the edits would hold them.

using FieldSet = std::set<PayeeField>;

inline std::ostream& operator<<(std::ostream& out, PayeeField field)
{
    return out << int(field);
}

// Copies a payee into a form's controls, numbers as their decimal texts.
inline void typeInto(PayeeFormFrame& form, const CCards& payee)
{
    const QString source = form.values.dataSource;
    form.values = payee;
    form.values.dataSource = source;
    for (std::size_t i = 0; i < kCardNumbers.size(); ++i)
        form.numberTexts[i] = IntToString(payee.*kCardNumbers[i].member);
}

// What one Save of a new payee did.
struct FormResult {
    bool stored = false;
    FieldSet errors;
    FieldSet warnings;
    QStringList messages;
    CCards record; // the record stored, when stored
};

// Opens Form in adding mode, types `payee` (and `adjust` afterwards, for
// texts the record cannot hold), ticks "Ignore Warnings" when asked, saves.
template <class Form, class Adjust> FormResult saveNewPayee(const CCards& payee, Adjust adjust, bool ticked = false)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    Form form(w.context);
    form.OnInitDialog();
    typeInto(form, payee);
    adjust(form);
    if (ticked)
        form.OnBnClickedIgnoreWarnings();
    FormResult result;
    result.stored = form.OnBnClickedSave() == PayeeSaveOutcome::Stored;
    for (const Finding& f : form.findings())
        (f.kind == FindingKind::Error ? result.errors : result.warnings).insert(f.field);
    result.messages = w.ui.texts();
    if (result.stored)
        result.record = w.report().payees.begin()->second;
    return result;
}

template <class Form> FormResult saveNewPayee(const CCards& payee, bool ticked = false)
{
    return saveNewPayee<Form>(
        payee, [](PayeeFormFrame&) {}, ticked);
}

// The check of one stored record in report year 2019; the record is updated
// as Check All would leave it. `messages` gets what was shown.
inline bool checkRecord(const PayeeTypeRules& type, CCards& record, QStringList* messages = nullptr)
{
    ScriptedUi ui;
    RuleSettings settings(RuleMode::Check, type.type, 2019, false);
    settings.ui = &ui;
    const bool passed = CheckPayeeRecord(type, record.payeeId, record, settings);
    if (messages)
        *messages = ui.texts();
    return passed;
}
