#include "payees/PayeeInbForm.h"

#include "payees/PayeeTypeInb.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"

PayeeInbForm::PayeeInbForm(AppContext& context)
    : PayeeFormFrame(context, kInbType)
{
}

void PayeeInbForm::OnInitDialog()
{
    PayeeFormFrame::OnInitDialog();
    const Report& report = m_context.report();
    const qint32 year = StringToInt(report.reportYear);
    const bool known = report.reportYear.size() == 4 && year >= 2012 && year <= 2027;
    accruedYearMinus2 = known ? IntToString(year - 2) : QString();
    accruedYearMinus3 = accruedPriorTo = known ? IntToString(year - 3) : QString();
    // The stored accrual years are never read back: Save stores what is shown.
    values.spare1 = accruedYearMinus2;
    values.spare2 = accruedYearMinus3;

    incomeTypes = InbIncomeTypes(report.reportYearNumber);
    s57AVisible = InbAsksS57A(report.reportYearNumber);
    allowanceNames.clear();
    for (const QString& name : m_context.prefs.allowanceNames)
        allowanceNames << name;
    organisationNames.clear();
    for (const QString& name : m_context.prefs.organisationNames)
        organisationNames << name;

    if (adding()) {
        values.incomeType = incomeTypes.first();
        values.fbtExempt = QStringLiteral("-");
    } else if (values.fbtExempt.isEmpty() || values.fbtExempt == QLatin1String(" ")) {
        values.fbtExempt = QStringLiteral("-");
    }
}

// Before the s57A years its list is hidden and the rules store " ".
bool PayeeInbForm::listHidden(QString CCards::*member) const
{
    return member == &CCards::fbtExempt && !s57AVisible;
}

void PayeeInbForm::OnBnClickedAllZero()
{
    for (qint32 CCards::*m :
        { &CCards::rfbt, &CCards::resc, &CCards::exemptForeign, &CCards::giving, &CCards::annuity })
        numberText(m) = QStringLiteral("0");
}

QStringList InbTfnChoices()
{
    return { QStringLiteral(" "), QStringLiteral("000 000 000"), QStringLiteral("111 111 111"),
        QStringLiteral("333 333 333"), QStringLiteral("444 444 444") };
}

