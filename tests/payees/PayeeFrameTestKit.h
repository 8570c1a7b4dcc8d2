#pragma once

#include "payees/PayeeFormFrame.h"
#include "payees/PayeeRuleGroups.h"
#include "payees/PayeeRules.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <array>

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
