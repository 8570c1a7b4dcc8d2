#include "payees/PayeeTypeSls.h"

#include "payees/PayeeRuleGroups.h"

namespace
{

const QString kTrustee = QStringLiteral("Trustee of Deceased Estate");
const QString kNonDependent = QStringLiteral("Non-Dependent");
const QString kNotApplicable = QStringLiteral("N/A");

// The form judges the birth year against fixed years and refuses 29
// February without a year; the check measures from the report year.
constexpr BirthDateRules kBirthDate { kFixedBirthYears, kRelativeBirthYears };

void deathBenefit(RuleRun& run)
{
    if (!SlsDeathBenefitAnswers().contains(run.card.deathBenefit()))
        run.error(PayeeField::EtpPaymentType);
}

void recipient(RuleRun& run)
{
    const QString& answer = run.card.deathBenefit();
    // Another answer is already refused; its recipient is not judged.
    if (!SlsDeathBenefitAnswers().contains(answer))
        return;
    if (!SlsRecipientAllowed(answer, run.card.deathBenefitRecipient()))
        run.error(PayeeField::Spare1);
}

// Whatever the answer: tax withheld from a payment to a deceased estate.
void trusteeTax(RuleRun& run)
{
    if (run.amountWarningsActive() && run.card.deathBenefitRecipient() == kTrustee && run.card.taxWithheld > 0)
        run.amountWarning(kSlsTrusteeTaxMessage, PayeeField::TaxWithheld);
}

constexpr PayeeRule kRules[] = {
    formOnly(&rules::readNumbersOf<slsdas::kNumbers>),
    { &rules::placeholdersOf<slsdas::kPlaceholders> },
    { &rules::amountRange },
    { &rules::normaliseTexts<slsdas::kCleaning> },
    { &rules::tfn },
    { &deathBenefit },
    { &recipient },
    { &rules::surname },
    { &rules::givenNames },
    { &rules::birthDateOf<kBirthDate> },
    { &rules::addressAndSuburb },
    { &rules::postcodeStateCountry },
    { &rules::paymentDate },
    { &rules::payrollNumber },
    { &rules::origAmended },
    { &rules::taxAndReportableOf<slsdas::kTax> },
    { &trusteeTax },
};

} // namespace

const PayeeTypeRules kSlsType { PayeeType::SLS, kRules, slsdas::kStored };

const QStringList& SlsDeathBenefitAnswers()
{
    static const QStringList answers { QStringLiteral("Y"), QStringLiteral("N") };
    return answers;
}

const QStringList& SlsRecipients()
{
    static const QStringList recipients { kNotApplicable, kTrustee, kNonDependent };
    return recipients;
}

bool SlsRecipientAllowed(const QString& answer, const QString& recipient)
{
    if (answer == QLatin1String("Y"))
        return recipient == kTrustee || recipient == kNonDependent;
    if (answer == QLatin1String("N"))
        return recipient.isEmpty() || recipient == kNotApplicable;
    return false;
}
