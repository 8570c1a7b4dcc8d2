#include "payees/PayeeTypeInb.h"

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

// Every amount but the postcode: Other Income takes part in no rule.
constexpr qint32 CCards::*kInbAmounts[] = {
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
constexpr PlaceholderAmounts kInbPlaceholders { kInbAmounts, kInbAmounts };

// The data source and s57A are taken as they are.
constexpr QString CCards::*kInbTexts[] = {
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
constexpr QString CCards::*kInbDashLists[] = { &CCards::fbtExempt };
constexpr TextCleaning kInbCleaning { kInbTexts, false, kInbDashLists, {} };

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
    { &inb::lumpSumAType },
    { &inb::lumpSumE },
    checkOnly(&inb::lumpSumEAccrualYears),
    { &inb::allowances },
    { &inb::unionName },
    { &rules::origAmended },
    { &s57A },
    { &inb::rfbtMinimum },
    { &amountValidation },
};


bool isRorT(const QString& type)
{
    return type == QLatin1String("R") || type == QLatin1String("T");
}

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

qint32 RfbtMinimum(int reportYear)
{
    if (reportYear < 2015)
        return 0;
    if (reportYear == 2015)
        return 3774;
    if (reportYear <= 2017)
        return 3921;
    return 3773;
}

qint32 LumpSumEMinimum(int reportYear)
{
    return reportYear <= 2015 ? 400 : 1200;
}

namespace inb
{

void lumpSumAType(RuleRun& run)
{
    const CCards& c = run.card;
    if ((c.lumpA > 0 && !isRorT(c.lumpAType)) || (c.lumpA == 0 && isRorT(c.lumpAType)))
        run.error(F::LumpAType);
}

void lumpSumE(RuleRun& run)
{
    const CCards& c = run.card;
    const qint64 accrued = qint64(c.lumpEYrMinus2) + c.lumpEYrMinus3 + c.lumpEPreYrMinus3;
    if (!run.settings.a01FileOnly && accrued != c.lumpE) {
        run.error(F::LumpE);
        return;
    }
    if (c.lumpE >= 1 && c.lumpE < LumpSumEMinimum(run.settings.reportYear))
        run.error(F::LumpE);
}

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

void unionName(RuleRun& run)
{
    const CCards& c = run.card;
    const bool nameMissing = !run.settings.a01FileOnly && c.unionFees > 0 && c.unionName.isEmpty();
    if (nameMissing || (c.unionFees == 0 && !c.unionName.isEmpty()))
        run.error(F::UnionName);
}

void rfbtMinimum(RuleRun& run)
{
    const qint32 rfbt = run.card.rfbt;
    if (rfbt > 0 && rfbt < RfbtMinimum(run.settings.reportYear))
        run.warning(F::Rfbt);
}

} // namespace inb
