#pragma once

#include "payees/PayeeFormFrame.h"
#include "payees/PayeeRuleGroups.h"
#include "payees/PayeeRules.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <array>
#include <ostream>
#include <set>

// A scripted user and a report of their own, in report year 2019.
struct PayeeWorld {
    FaultyFileSystem files;
    ScriptedUi ui;
    AppContext context { ui, files };

    PayeeWorld()
    {
        report().reportYear = QStringLiteral("2019");
        report().reportYearNumber = 2019;
    }
    Report& report() { return context.report(); }
};

// A small payee type for the frame: one error rule (surname), one field
// warning (a one-letter first name) and one amount warning (no tax
// withheld), with the number reading of the form and a store that keeps a
// few members.
namespace testtype
{

inline constexpr std::array kNumbers {
    NumberField { &CCards::pCode, 4 },
    NumberField { &CCards::taxWithheld },
    NumberField { &CCards::gross, 8, true },
};

inline void surnameRequired(RuleRun& run)
{
    if (run.card.surname.isEmpty())
        run.error(PayeeField::Surname);
}

inline void shortFirstName(RuleRun& run)
{
    if (run.card.firstName.size() == 1)
        run.warning(PayeeField::FirstName);
}

inline constexpr QStringView kNoTaxMessage = u"Tax Withheld should be > $0.";

inline void someTax(RuleRun& run)
{
    if (run.amountWarningsActive() && run.card.taxWithheld <= 0)
        run.amountWarning(kNoTaxMessage);
}

inline constexpr PayeeRule kRules[] = {
    formOnly(&rules::readNumbersOf<kNumbers>),
    { &surnameRequired },
    { &shortFirstName },
    { &someTax },
};

inline constexpr CardMember kStored[] = {
    member(&CCards::payrollNo),
    member(&CCards::dataSource),
    member(&CCards::surname),
    member(&CCards::firstName),
    member(&CCards::origAmended),
    member(&CCards::pCode),
    member(&CCards::taxWithheld),
    member(&CCards::gross),
};

inline const PayeeTypeRules kType { PayeeType::ETP, kRules, kStored };

} // namespace testtype

// A payee the test type accepts as it stands.
inline CCards passingTestPayee()
{
    CCards c;
    c.surname = QStringLiteral("Citizen");
    c.firstName = QStringLiteral("Jane");
    c.taxWithheld = 100;
    c.gross = 1000;
    c.origAmended = QStringLiteral("O");
    return c;
}

// Copies a payee into a form's controls as a user leaves them: the record's
// texts, and its numbers as the edits hold them.
inline void typeInto(PayeeFormFrame& form, const CCards& payee)
{
    const QString source = form.values.dataSource;
    form.values = payee;
    form.values.dataSource = source;
    for (std::size_t i = 0; i < kCardNumbers.size(); ++i)
        form.numberTexts[i] = IntToString(payee.*kCardNumbers[i].member);
}

using FieldSet = std::set<PayeeField>;

inline std::ostream& operator<<(std::ostream& out, PayeeField field)
{
    return out << int(field);
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
