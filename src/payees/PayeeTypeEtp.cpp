#include "payees/PayeeTypeEtp.h"

#include "payees/PayeeRuleGroups.h"

namespace
{

constexpr std::array kNumbers {
    NumberField { &CCards::pCode, 4 },
    NumberField { &CCards::taxable },
    NumberField { &CCards::taxFree },
    NumberField { &CCards::taxWithheld },
};

constexpr qint32 CCards::*kAmounts[] = { &CCards::taxable, &CCards::taxFree, &CCards::taxWithheld };
constexpr PlaceholderAmounts kPlaceholders { kAmounts, kAmounts };

constexpr QString CCards::*kTexts[] = {
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
constexpr TextCleaning kCleaning { kTexts };

// The form judges the birth year against fixed years and refuses 29
// February without a year; the check measures from the report year.
constexpr BirthDateRules kBirthDate { kFixedBirthYears, kRelativeBirthYears };

// Only the taxable component counts: tax is never withheld from the
// tax-free component.
constexpr AmountTerm kTaxable[] = { { &CCards::taxable } };
constexpr TaxAndReportable kTax {
    { kTaxable, kTaxable },
    { kTaxable, kTaxable },
    kEtpTaxAboveTaxableMessage,
    kEtpNoTaxableMessage,
};

void paymentType(RuleRun& run)
{
    if (!EtpPaymentTypes().contains(run.card.etpPaymentType))
        run.error(PayeeField::EtpPaymentType);
}

constexpr PayeeRule kRules[] = {
    formOnly(&rules::readNumbersOf<kNumbers>),
    { &rules::placeholdersOf<kPlaceholders> },
    checkOnly(&rules::amountRange),
    { &rules::normaliseTexts<kCleaning> },
    { &rules::tfn },
    { &paymentType },
    { &rules::surname },
    { &rules::givenNames },
    { &rules::birthDateOf<kBirthDate> },
    { &rules::addressAndSuburb },
    { &rules::postcodeStateCountry },
    { &rules::paymentDate },
    { &rules::payrollNumber },
    { &rules::origAmended },
    { &rules::taxAndReportableOf<kTax> },
};

// No ABN, no period, none of the other types' amounts.
constexpr CardMember kStored[] = {
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
    member(&CCards::origAmended),
    member(&CCards::taxable),
    member(&CCards::taxFree),
};

} // namespace

const PayeeTypeRules kEtpType { PayeeType::ETP, kRules, kStored };

const QStringList& EtpPaymentTypes()
{
    static const QStringList types { QStringLiteral("R"), QStringLiteral("O"), QStringLiteral("S"), QStringLiteral("P"),
        QStringLiteral("D"), QStringLiteral("B"), QStringLiteral("N"), QStringLiteral("T") };
    return types;
}
