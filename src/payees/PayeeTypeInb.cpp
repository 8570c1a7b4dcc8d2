#include "payees/PayeeTypeInb.h"

#include "payees/PayeeLumpSumRules.h"
#include "payees/PayeeRuleGroups.h"

#include <array>

namespace
{

using F = PayeeField;

constexpr std::array kInbNumbers {
    NumberField { &CCards::pCode, 4 },
    NumberField { &CCards::gross },
    NumberField { &CCards::cdep },
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
};

constexpr PlaceholderAmounts kInbPlaceholders { kInbAmountMembers, kInbAmountMembers };

constexpr QString CCards::*kInbDashLists[] = { &CCards::fbtExempt };
constexpr TextCleaning kInbCleaning { kInbTextMembers, false, kInbDashLists, {} };

constexpr BirthDateRules kInbBirthDate { kRelativeBirthYearWarning, kRelativeBirthYearWarning };

void incomeType(RuleRun& run)
{
    if (!InbIncomeTypes(run.settings.reportYear).contains(run.card.incomeType))
        run.error(F::IncomeType);
}

void s57A(RuleRun& run)
{
    QString& value = run.card.fbtExempt;
    if (!InbAsksS57A(run.settings.reportYear)) {
        value = QStringLiteral(" ");
        return;
    }
    const bool yesOrNo = value == QLatin1String("Y") || value == QLatin1String("N");
    if (run.card.rfbt > 0 ? !yesOrNo : value != QLatin1String(" "))
        run.error(F::FbtExempt);
}

// The first of the six cases that applies; the second (tax within the
// taxable amounts) is silent.
void amountValidation(RuleRun& run)
{
    if (!run.amountWarningsActive())
        return;
    const CCards& c = run.card;
    const qint64 taxable = qint64(c.gross) + c.cdep + c.lumpA + c.lumpE + c.totalAllow + c.lumpB / 20;
    const qint64 all = qint64(c.gross) + c.cdep + c.lumpA + c.lumpB + c.lumpD + c.lumpE + c.totalAllow + c.rfbt + c.resc
        + c.exemptForeign;
    if (c.taxWithheld > 0) {
        if (c.taxWithheld > taxable)
            run.amountWarning(kInbTaxAboveTaxable);
    } else if (all == 0) {
        run.amountWarning(kInbNothingReportable);
    } else if (c.exemptForeign > 0 && c.lumpD > 0 && all == qint64(c.exemptForeign) + c.lumpD) {
        run.amountWarning(kInbLumpDAndExemptOnly);
    } else if (c.exemptForeign <= 0 && c.lumpD > 0 && all == c.lumpD) {
        run.amountWarning(kInbLumpDOnly);
    } else if (c.lumpD <= 0 && c.exemptForeign > 0 && all == c.exemptForeign) {
        run.amountWarning(kInbExemptOnly);
    }
}

constexpr PayeeRule kInbRules[] = {
    formOnly(&rules::readNumbersOf<kInbNumbers>),
    { &rules::placeholdersOf<kInbPlaceholders> },
    checkOnly(&rules::amountRange),
    { &rules::normaliseTexts<kInbCleaning> },
    { &rules::tfn },
    { &incomeType },
    { &rules::surname },
    { &rules::givenNames },
    { &rules::birthDateOf<kInbBirthDate> },
    { &rules::addressAndSuburb },
    { &rules::postcodeStateCountry },
    { &rules::periodDates },
    { &rules::payrollNumber },
    { &rules::lumpSumAType },
    { &rules::lumpSumE },
    checkOnly(&inb::lumpSumEAccrualYears),
    { &inb::allowances },
    { &rules::unionName },
    { &rules::origAmended },
    { &s57A },
    { &rules::rfbtMinimum },
    { &amountValidation },
};

} // namespace

const PayeeTypeRules kInbType { PayeeType::INB, kInbRules, kInbStoredMembers };

QStringList InbIncomeTypes(int reportYear)
{
    QStringList types { QStringLiteral("Salary or Wages"), QStringLiteral("Non-Super Pension or Annuity") };
    if (reportYear >= 2017)
        types << QStringLiteral("Working Holiday Maker");
    return types;
}

bool InbAsksS57A(int reportYear)
{
    return reportYear >= 2017;
}

namespace inb
{

void lumpSumEAccrualYears(RuleRun& run)
{
    const CCards& c = run.card;
    if (!run.settings.a01FileOnly && c.lumpE > 0 && (c.spare1.isEmpty() || c.spare2.isEmpty()))
        run.error(F::LumpE);
}

void allowances(RuleRun& run)
{
    if (run.settings.a01FileOnly)
        return;
    const CCards& c = run.card;
    if (qint64(c.allow1) + c.allow2 + c.allow3 + c.allow4 != c.totalAllow) {
        run.error(F::TotalAllow);
        if (run.failed())
            return;
    }
    const struct {
        const QString& name;
        qint32 amount;
        PayeeField field;
    } each[] = {
        { c.allow1Name, c.allow1, F::Allow1 },
        { c.allow2Name, c.allow2, F::Allow2 },
        { c.allow3Name, c.allow3, F::Allow3 },
        { c.allow4Name, c.allow4, F::Allow4 },
    };
    for (const auto& a : each) {
        if ((a.amount > 0 && a.name.isEmpty()) || (a.amount == 0 && !a.name.isEmpty())) {
            run.error(a.field);
            if (run.failed())
                return;
        }
    }
}

} // namespace inb
