#include "payees/PayeeTypeBus.h"

#include "payees/PayeeRuleGroups.h"
#include "platform/UserInterface.h"
#include "report/FieldRules.h"

namespace
{

// Gross and Tax Withheld read empty as 0; RESC must be given, 0 for nil.
constexpr std::array kNumbers {
    NumberField { &CCards::pCode, 4 },
    NumberField { &CCards::gross },
    NumberField { &CCards::taxWithheld },
    NumberField { &CCards::resc, 8, true },
};

constexpr qint32 CCards::*kAmounts[] = { &CCards::gross, &CCards::resc, &CCards::taxWithheld };
constexpr PlaceholderAmounts kPlaceholders { kAmounts, kAmounts };

constexpr QString CCards::*kTexts[] = {
    &CCards::busPaymentType,
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
    &CCards::startDay,
    &CCards::startMonth,
    &CCards::startYear,
    &CCards::endDay,
    &CCards::endMonth,
    &CCards::endYear,
    &CCards::payrollNo,
    &CCards::origAmended,
};
constexpr TextCleaning kCleaning { kTexts, true };

// Both measure the birth year from the report year; only the form refuses
// 29 February without a year.
constexpr BirthDateRules kBirthDate { { kTenYearsBefore, kThreeYearsBefore, true }, kRelativeBirthYears };

constexpr AmountTerm kGross[] = { { &CCards::gross } };
constexpr AmountTerm kGrossAndResc[] = { { &CCards::gross }, { &CCards::resc } };
constexpr TaxAndReportable kTax {
    { kGross, kGross },
    { kGrossAndResc, kGrossAndResc },
    kBusTaxAboveGrossMessage,
    kBusNothingReportableMessage,
};

bool quotesAbn(const CCards& card)
{
    return card.busPaymentType == kVoluntaryAgreement;
}

void paymentType(RuleRun& run)
{
    if (!BusPaymentTypes().contains(run.card.busPaymentType))
        run.error(PayeeField::BusPaymentType);
}

// The payment type decides which number is examined. The ABN's verdict is
// the payer details' own (CheckABN may speak about a malformed number).
void tfnOrAbn(RuleRun& run)
{
    if (!quotesAbn(run.card)) {
        rules::tfn(run);
        return;
    }
    UserInterface* ui = run.settings.ui;
    if (!ui || !CheckAbnOrWpn(run.card.abn, false, *ui).ok)
        run.error(PayeeField::Abn);
}

// Runs last: reached by a check that passed; on the form the record is
// stored only once every rule has passed.
void placeholderNumber(RuleRun& run)
{
    if (quotesAbn(run.card))
        run.card.tfn = kNoTfnQuoted.toString();
    else
        run.card.abn = kNoAbnQuoted.toString();
}

constexpr PayeeRule kRules[] = {
    formOnly(&rules::readNumbersOf<kNumbers>),
    { &rules::placeholdersOf<kPlaceholders> },
    checkOnly(&rules::amountRange),
    { &rules::normaliseTexts<kCleaning> },
    { &paymentType },
    { &tfnOrAbn },
    { &rules::surname },
    { &rules::givenNames },
    { &rules::birthDateOf<kBirthDate> },
    { &rules::addressAndSuburb },
    { &rules::postcodeStateCountry },
    { &rules::periodDates },
    { &rules::payrollNumber },
    { &rules::origAmended },
    { &rules::taxAndReportableOf<kTax> },
    { &placeholderNumber },
};

// No payment date, none of the other types' amounts.
constexpr CardMember kStored[] = {
    member(&CCards::payrollNo),
    member(&CCards::dataSource),
    member(&CCards::busPaymentType),
    member(&CCards::tfn),
    member(&CCards::abn),
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
    member(&CCards::resc),
    member(&CCards::origAmended),
};

} // namespace

const PayeeTypeRules kBusType { PayeeType::BUS, kRules, kStored };

const QStringList& BusPaymentTypes()
{
    static const QStringList types { QStringLiteral("Labour Hire"), QStringLiteral("Other Specified Payments"),
        kVoluntaryAgreement.toString(), QStringLiteral("PS Attributed Income") };
    return types;
}
