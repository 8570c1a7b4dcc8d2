#include "payees/PayeeFEI.h"

#include "payees/PayeeLumpSumRules.h"
#include "payees/PayeeRuleGroups.h"
#include "payees/PayeeTypeInb.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"

#include <array>
#include <limits>

namespace
{

using F = PayeeField;

const QString kForeignIncome = QStringLiteral("Foreign Income");
const QString kJpdaIncome = QStringLiteral("JPDA Income");
constexpr int kLastJpdaYear = 2020;
constexpr int kFirstS57AYear = 2017;

constexpr std::array kNumbers {
    NumberField { &CCards::pCode, 4 },
    NumberField { &CCards::gross },
    NumberField { &CCards::cdep }, // Foreign Tax Paid
    NumberField { &CCards::taxWithheld },
    NumberField { &CCards::lumpA },
    NumberField { &CCards::lumpB },
    NumberField { &CCards::lumpD },
    NumberField { &CCards::lumpE },
    NumberField { &CCards::lumpEYrMinus2 },
    NumberField { &CCards::lumpEYrMinus3 },
    NumberField { &CCards::lumpEPreYrMinus3 },
    NumberField { &CCards::allow1 },
    NumberField { &CCards::allow2 },
    NumberField { &CCards::allow3 },
    NumberField { &CCards::allow4 },
    NumberField { &CCards::totalAllow },
    NumberField { &CCards::unionFees },
    NumberField { &CCards::rfbt, 8, true },
    NumberField { &CCards::resc, 8, true },
    NumberField { &CCards::exemptForeign, 8, true },
    NumberField { &CCards::giving, 8, true },
    NumberField { &CCards::annuity, 8, true },
    // Other Income of very old lodgement files: shown, read, never judged.
    NumberField { &CCards::other1, std::numeric_limits<int>::max() },
};

constexpr PlaceholderAmounts kPlaceholders { kInbAmountMembers, kInbAmountMembers };

// The s57A indicator is taken as it stands: only the form's list maps "-".
constexpr QString CCards::*kDashLists[] = { &CCards::fbtExempt };
constexpr TextCleaning kCleaning { kInbTextMembers, false, kDashLists };

constexpr BirthDateRules kBirthDate { kRelativeBirthYears, kRelativeBirthYears };

// The form has no place for these: whatever a record held, it stores 0.
void hiddenAmounts(RuleRun& run)
{
    run.card.lumpB = 0;
    run.card.exemptForeign = 0;
    run.card.annuity = 0;
}

// ... so a record that holds them fails its check.
void noHiddenAmounts(RuleRun& run)
{
    const CCards& c = run.card;
    if (qint64(c.exemptForeign) + c.annuity + c.lumpB > 0)
        run.error(F::ExemptForeign);
}

void incomeType(RuleRun& run)
{
    if (!FeiIncomeTypes(run.settings.reportYear).contains(run.card.incomeType))
        run.error(F::IncomeType);
}

void noAllowanceTotal(RuleRun& run)
{
    if (run.card.totalAllow > 0)
        run.error(F::TotalAllow);
}

// The sums of the amount warnings differ between the form and the check:
// the check leaves Total Allowances out of the taxable amount, counts
// Exempt Foreign Employment Income as reportable and, for "only Lump Sum D",
// Foreign Tax Paid too.
constexpr AmountTerm kFormTaxable[]
    = { { &CCards::gross }, { &CCards::lumpA }, { &CCards::lumpE }, { &CCards::totalAllow }, { &CCards::lumpB, 20 } };
constexpr AmountTerm kCheckTaxable[]
    = { { &CCards::gross }, { &CCards::lumpA }, { &CCards::lumpE }, { &CCards::lumpB, 20 } };
constexpr AmountTerm kFormReportable[] = { { &CCards::gross }, { &CCards::lumpA }, { &CCards::lumpB },
    { &CCards::lumpD }, { &CCards::lumpE }, { &CCards::totalAllow }, { &CCards::rfbt }, { &CCards::resc } };
constexpr AmountTerm kCheckReportable[] = { { &CCards::gross }, { &CCards::lumpA }, { &CCards::lumpB },
    { &CCards::lumpD }, { &CCards::lumpE }, { &CCards::rfbt }, { &CCards::resc }, { &CCards::exemptForeign } };
constexpr AmountTerm kCheckLumpDOnly[] = { { &CCards::gross }, { &CCards::lumpA }, { &CCards::lumpB },
    { &CCards::lumpD }, { &CCards::lumpE }, { &CCards::totalAllow }, { &CCards::rfbt }, { &CCards::resc },
    { &CCards::exemptForeign }, { &CCards::cdep } };

constexpr AmountSum kTaxable { kFormTaxable, kCheckTaxable };
constexpr AmountSum kReportable { kFormReportable, kCheckReportable };
constexpr AmountSum kLumpDOnly { kFormReportable, kCheckLumpDOnly };

constexpr QStringView kTaxAbove
    = u"Aust Tax Withheld should not be greater than Taxable Amounts. This will be accepted "
      u"by the ATO, however a Warning will be generated. \n\nEnsure the figures are "
      u"correct.";
constexpr QStringView kNothingReportable
    = u"There should be at least one Taxable or Reportable field. This will be accepted by the ATO, however a Warning "
      u"will be generated. \n\nEnsure the figures are correct.";
constexpr QStringView kOnlyLumpD
    = u"Payment Summary should not include only Lump Sum D, there should be at least one Taxable or Reportable field. "
      u"This will be accepted by the ATO, however a Warning will be generated. \n\nEnsure the figures are correct.";

void amounts(RuleRun& run)
{
    if (!run.amountWarningsActive())
        return;
    const CCards& c = run.card;
    if (c.taxWithheld > 0) {
        if (c.taxWithheld > rules::sumOf(c, rules::termsFor(run, kTaxable)))
            run.amountWarning(kTaxAbove);
    } else if (rules::sumOf(c, rules::termsFor(run, kReportable)) == 0) {
        run.amountWarning(kNothingReportable);
    } else if (c.lumpD > 0 && c.lumpD == rules::sumOf(c, rules::termsFor(run, kLumpDOnly))) {
        run.amountWarning(kOnlyLumpD);
    }
}

constexpr PayeeRule kRules[] = {
    formOnly(&rules::readNumbersOf<kNumbers>),
    formOnly(&hiddenAmounts),
    { &rules::placeholdersOf<kPlaceholders> },
    checkOnly(&rules::amountRange),
    { &rules::normaliseTexts<kCleaning> },
    { &rules::tfn },
    { &incomeType },
    { &rules::surname },
    { &rules::givenNames },
    { &rules::birthDateOf<kBirthDate> },
    { &rules::addressAndSuburb },
    { &rules::postcodeStateCountry },
    { &rules::periodDates },
    { &rules::payrollNumber },
    { &rules::lumpSumAType },
    { &rules::lumpSumE },
    { &noAllowanceTotal },
    { &rules::unionName },
    { &rules::origAmended },
    { &rules::fbtExemptS57AOf<true> },
    { &rules::rfbtMinimum },
    checkOnly(&noHiddenAmounts),
    { &amounts },
};

} // namespace

const PayeeTypeRules kFeiRules { PayeeType::FEI, kRules, kInbStoredMembers };

QStringList FeiIncomeTypes(int reportYear)
{
    if (reportYear <= kLastJpdaYear)
        return { kForeignIncome, kJpdaIncome };
    return { kForeignIncome };
}

PayeeFeiForm::PayeeFeiForm(AppContext& context)
    : PayeeFormFrame(context, kFeiRules)
{
}

void PayeeFeiForm::OnInitDialog()
{
    PayeeFormFrame::OnInitDialog();
    const Report& report = m_context.report();
    const int year = report.reportYearNumber;
    incomeTypes = FeiIncomeTypes(year);
    s57AVisible = year >= kFirstS57AYear;
    const qint32 named = StringToInt(report.reportYear);
    if (report.reportYear.size() == 4 && named >= 2012 && named <= 2027) {
        accruedYearMinus2 = IntToString(named - 2);
        accruedYearMinus3 = IntToString(named - 3);
    }
    // The edits show the current year's accrual years, and Save stores them.
    values.spare1 = accruedYearMinus2;
    values.spare2 = accruedYearMinus3;
    allowanceNames.clear();
    organisationNames.clear();
    for (const QString& name : m_context.prefs.allowanceNames)
        allowanceNames << name;
    for (const QString& name : m_context.prefs.organisationNames)
        organisationNames << name;

    for (qint32 CCards::*hidden : { &CCards::lumpB, &CCards::exemptForeign, &CCards::annuity }) {
        values.*hidden = 0;
        numberText(hidden) = QStringLiteral("0");
    }
    if (adding()) {
        values.incomeType = kForeignIncome;
        values.fbtExempt = QStringLiteral("-");
    } else if (values.fbtExempt.isEmpty() || values.fbtExempt == QLatin1String(" ")) {
        values.fbtExempt = QStringLiteral("-");
    }
}

// Before the s57A years its list is hidden and the rules store " ".
bool PayeeFeiForm::listHidden(QString CCards::*member) const
{
    return member == &CCards::fbtExempt && !s57AVisible;
}

void PayeeFeiForm::OnBnClickedAllZero()
{
    SetOtherAmountsZero(*this);
}
