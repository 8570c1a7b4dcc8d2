#include "payees/PayeeLumpSumRules.h"

#include "payees/PayeeFormFrame.h"

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

namespace rules
{

void lumpSumAType(RuleRun& run)
{
    const CCards& c = run.card;
    const bool typed = c.lumpAType == QLatin1String("R") || c.lumpAType == QLatin1String("T");
    if ((c.lumpA > 0 && !typed) || (c.lumpA == 0 && typed))
        run.error(PayeeField::LumpAType);
}

void lumpSumE(RuleRun& run)
{
    const CCards& c = run.card;
    const qint64 accrued = qint64(c.lumpEYrMinus2) + c.lumpEYrMinus3 + c.lumpEPreYrMinus3;
    const bool unaccrued = !run.settings.a01FileOnly && c.lumpE != accrued;
    if (unaccrued || (c.lumpE >= 1 && c.lumpE < LumpSumEMinimum(run.settings.reportYear)))
        run.error(PayeeField::LumpE);
}

void unionName(RuleRun& run)
{
    const CCards& c = run.card;
    if ((!run.settings.a01FileOnly && c.unionFees > 0 && c.unionName.isEmpty())
        || (c.unionFees == 0 && !c.unionName.isEmpty()))
        run.error(PayeeField::UnionName);
}

void rfbtMinimum(RuleRun& run)
{
    const qint32 rfbt = run.card.rfbt;
    if (rfbt > 0 && rfbt < RfbtMinimum(run.settings.reportYear))
        run.warning(PayeeField::Rfbt);
}

void fbtExemptS57A(RuleRun& run, bool refuseNegativeRfbt)
{
    CCards& c = run.card;
    if (run.settings.reportYear < 2017) {
        c.fbtExempt = QStringLiteral(" ");
        return;
    }
    const bool answered = c.fbtExempt == QLatin1String("Y") || c.fbtExempt == QLatin1String("N");
    if ((c.rfbt > 0 && !answered) || (refuseNegativeRfbt && c.rfbt < 0)
        || (c.rfbt == 0 && c.fbtExempt != QLatin1String(" ")))
        run.error(PayeeField::FbtExempt);
}

} // namespace rules

void SetOtherAmountsZero(PayeeFormFrame& form)
{
    for (qint32 CCards::*m :
        { &CCards::rfbt, &CCards::resc, &CCards::exemptForeign, &CCards::giving, &CCards::annuity })
        form.numberText(m) = QStringLiteral("0");
}
