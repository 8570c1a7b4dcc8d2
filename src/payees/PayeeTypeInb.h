#pragma once

#include "payees/PayeeRules.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The INB payee type (salary and wages, non-super pensions, working holiday
// makers): one rule list shared by the INB form's Save and its check, and
// the members its record keeps.
extern const PayeeTypeRules kInbType;

// The Income Type choices of a report year (a third from 2017).
QStringList InbIncomeTypes(int reportYear);
// True when the report year asks the s57A question (from 2017).
bool InbAsksS57A(int reportYear);

// The amount plausibility messages, in the order the cases are tried.
inline constexpr QStringView kInbTaxAboveTaxable
    = u"Tax Withheld should not be greater than Taxable Amounts. This will be accepted by the ATO, however a "
      u"Warning will be generated. \n\nEnsure the figures are correct.";
inline constexpr QStringView kInbNothingReportable
    = u"There should be at least one Taxable or Reportable field. This will be accepted by the ATO, however a "
      u"Warning will be generated. \n\nEnsure the figures are correct.";
inline constexpr QStringView kInbLumpDAndExemptOnly
    = u"Payment Summary should not include Lump Sum D and Exempt Foreign Income only, there should be at least one "
      u"Taxable or Reportable field. This will be accepted by the ATO, however a Warning will be generated. "
      u"\n\nEnsure the figures are correct.";
inline constexpr QStringView kInbLumpDOnly
    = u"Payment Summary should not include only Lump Sum D, there should be at least one Taxable or Reportable "
      u"field. This will be accepted by the ATO, however a Warning will be generated. \n\nEnsure the figures are "
      u"correct.";
inline constexpr QStringView kInbExemptOnly
    = u"Payment Summary should not include only Exempt Foreign Income, there should be at least one Taxable or "
      u"Reportable field. This will be accepted by the ATO, however a Warning will be generated. \n\nEnsure the "
      u"figures are correct.";

// INB's own rule groups; those it shares with FEI (Lump Sum A and E, the
// union name, the RFBT minimum) live in PayeeLumpSumRules.h.
namespace inb
{
// A check only: Lump Sum E above 0 needs the accrual year texts.
void lumpSumEAccrualYears(RuleRun& run);
// Total Allowances is the sum of the four, each amount has a name and each
// name an amount (all relaxed for a lodgement-file-only report).
void allowances(RuleRun& run);
} // namespace inb

// Every amount but the postcode, for the 999999 rule and the amount range
// (Other Income takes part in no rule); an FEI record has the same.
inline constexpr qint32 CCards::*kInbAmountMembers[] = {
    &CCards::gross,
    &CCards::cdep,
    &CCards::taxWithheld,
    &CCards::lumpA,
    &CCards::lumpB,
    &CCards::lumpD,
    &CCards::lumpE,
    &CCards::lumpEYrMinus2,
    &CCards::lumpEYrMinus3,
    &CCards::lumpEPreYrMinus3,
    &CCards::allow1,
    &CCards::allow2,
    &CCards::allow3,
    &CCards::allow4,
    &CCards::totalAllow,
    &CCards::rfbt,
    &CCards::resc,
    &CCards::exemptForeign,
    &CCards::giving,
    &CCards::annuity,
    &CCards::unionFees,
};

// The texts an INB or FEI record has trimmed; the data source and the s57A
// indicator are taken as they are.
inline constexpr QString CCards::*kInbTextMembers[] = {
    &CCards::tfn,
    &CCards::incomeType,
    &CCards::surname,
    &CCards::firstName,
    &CCards::secName,
    &CCards::dobDay,
    &CCards::dobMonth,
    &CCards::dobYear,
    &CCards::addLine1,
    &CCards::addLine2,
    &CCards::suburb,
    &CCards::country,
    &CCards::state,
    &CCards::startDay,
    &CCards::startMonth,
    &CCards::startYear,
    &CCards::endDay,
    &CCards::endMonth,
    &CCards::endYear,
    &CCards::payrollNo,
    &CCards::lumpAType,
    &CCards::allow1Name,
    &CCards::allow2Name,
    &CCards::allow3Name,
    &CCards::allow4Name,
    &CCards::unionName,
    &CCards::origAmended,
    &CCards::spare1,
    &CCards::spare2,
};

// The members an INB record keeps; an FEI record keeps the same ones. spare1
// and spare2 hold the accrual years the form showed.
inline constexpr CardMember kInbStoredMembers[] = {
    member(&CCards::payrollNo),
    member(&CCards::dataSource),
    member(&CCards::incomeType),
    member(&CCards::tfn),
    member(&CCards::dobDay),
    member(&CCards::dobMonth),
    member(&CCards::dobYear),
    member(&CCards::surname),
    member(&CCards::firstName),
    member(&CCards::secName),
    member(&CCards::addLine1),
    member(&CCards::addLine2),
    member(&CCards::suburb),
    member(&CCards::state),
    member(&CCards::pCode),
    member(&CCards::country),
    member(&CCards::startDay),
    member(&CCards::startMonth),
    member(&CCards::startYear),
    member(&CCards::endDay),
    member(&CCards::endMonth),
    member(&CCards::endYear),
    member(&CCards::taxWithheld),
    member(&CCards::gross),
    member(&CCards::totalAllow),
    member(&CCards::allow1Name),
    member(&CCards::allow1),
    member(&CCards::allow2Name),
    member(&CCards::allow2),
    member(&CCards::allow3Name),
    member(&CCards::allow3),
    member(&CCards::allow4Name),
    member(&CCards::allow4),
    member(&CCards::lumpA),
    member(&CCards::lumpB),
    member(&CCards::lumpD),
    member(&CCards::lumpE),
    member(&CCards::lumpEYrMinus2),
    member(&CCards::lumpEYrMinus3),
    member(&CCards::lumpEPreYrMinus3),
    member(&CCards::lumpAType),
    member(&CCards::cdep),
    member(&CCards::rfbt),
    member(&CCards::resc),
    member(&CCards::giving),
    member(&CCards::unionFees),
    member(&CCards::unionName),
    member(&CCards::exemptForeign),
    member(&CCards::annuity),
    member(&CCards::other1),
    member(&CCards::origAmended),
    member(&CCards::spare1),
    member(&CCards::spare2),
    member(&CCards::fbtExempt),
};
