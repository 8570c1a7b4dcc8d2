#pragma once

#include "payees/PayeeRuleGroups.h"

#include <array>

// What SLS and DAS share: the texts cleaned, the members stored, and the
// four amounts: the taxable component's taxed element (`taxable`) and
// untaxed element (`other1`), the tax-free component and the tax withheld,
// read, tested for 999999 and weighed alike.
namespace slsdas
{

inline constexpr std::array kNumbers {
    NumberField { &CCards::pCode, 4 },
    NumberField { &CCards::taxable },
    NumberField { &CCards::taxFree },
    NumberField { &CCards::taxWithheld },
    NumberField { &CCards::other1 },
};

inline constexpr qint32 CCards::*kAmounts[]
    = { &CCards::taxable, &CCards::taxFree, &CCards::taxWithheld, &CCards::other1 };
inline constexpr PlaceholderAmounts kPlaceholders { kAmounts, kAmounts };

inline constexpr QStringView kTaxAboveTaxableMessage
    = u"Tax Withheld should not be greater than the Taxable Components. This will be accepted by the ATO, however a "
      u"Warning will be generated. \n\nEnsure the figures are correct.";
inline constexpr QStringView kNoTaxableMessage
    = u"Taxable Components should be > $0. This will be accepted by the ATO, however a Warning will be generated. "
      u"\n\nEnsure the figures are correct.";

// Both elements of the taxable component count; the tax-free one never.
inline constexpr AmountTerm kTaxable[] = { { &CCards::taxable }, { &CCards::other1 } };
inline constexpr TaxAndReportable kTax {
    { kTaxable, kTaxable },
    { kTaxable, kTaxable },
    kTaxAboveTaxableMessage,
    kNoTaxableMessage,
};

// Cleaned before the rules. The recipient is not among them: SLS uses it
// as the list gives it (the form) or as stored (the check); DAS passes it
// through.
inline constexpr QString CCards::*kTexts[] = {
    &CCards::etpPaymentType,
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
    &CCards::dataSource,
    &CCards::paymentDay,
    &CCards::paymentMonth,
    &CCards::paymentYear,
    &CCards::payrollNo,
    &CCards::origAmended,
};
inline constexpr TextCleaning kCleaning { kTexts };

// No ABN, no period. The answer, the birth date and the recipient are
// SLS fields; a DAS check passes what a record holds there through.
inline constexpr CardMember kStored[] = {
    member(&CCards::payrollNo),
    member(&CCards::dataSource),
    member(&CCards::etpPaymentType),
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
    member(&CCards::paymentDay),
    member(&CCards::paymentMonth),
    member(&CCards::paymentYear),
    member(&CCards::taxWithheld),
    member(&CCards::other1),
    member(&CCards::origAmended),
    member(&CCards::taxable),
    member(&CCards::taxFree),
    member(&CCards::spare1),
};

} // namespace slsdas
