#include "pdf/FieldPlans.h"

#include "pdf/PdfValues.h"
#include "report/Report.h"

#include <array>
#include <utility>

namespace {

const QString kYes = QStringLiteral("Yes");
const QString kNo = QStringLiteral("No");
const QString kMarked = QStringLiteral("X");

class PlanBuilder {
public:
    PlanBuilder(const QString& printZero)
        : m_printZero(printZero)
    {
    }

    void set(const QString& name, const QString& value) { m_plan.push_back({ name, value }); }

    // Under "Yes" every amount prints, 0 as "0"; under "No" only amounts
    // above 0; with any other value none.
    bool amountShown(qint32 amount) const { return m_printZero == kYes || (m_printZero == kNo && amount > 0); }

    void amount(const QString& name, const QString& text, qint32 amount)
    {
        if (amountShown(amount))
            set(name, text);
    }

    const QString& printZero() const { return m_printZero; }
    FieldPlan take() { return std::move(m_plan); }

private:
    QString m_printZero;
    FieldPlan m_plan;
};

enum class Form { INB, FEI, BUS, ETP, PEN, SLS };

void commonFields(PlanBuilder& plan, const PdfValues& values, const Report& report, Form form)
{
    const CCards& card = values.card;
    const QString payerAbn = AbnInGroups(report.payerAbn);
    plan.set(QStringLiteral("PayerName1"), report.payerName);
    plan.set(QStringLiteral("PayerABN1"), payerAbn);
    plan.set(QStringLiteral("Year1"), report.reportYear);
    // A payer without an ABN of its own (the "00" placeholder) has no branch.
    const bool noBranch = form == Form::INB && payerAbn.startsWith(QLatin1String("00"));
    plan.set(QStringLiteral("Branch1"), noBranch ? QStringLiteral("000") : report.payerBranch);
    plan.set(QStringLiteral("Authorised1"), report.payerContact);
    plan.set(QStringLiteral("Date1"), report.declarationDate);
    plan.set(QStringLiteral("Name1"), values.fullName);
    plan.set(QStringLiteral("Name2"), card.addLine1);
    if (!card.addLine2.isEmpty()) {
        plan.set(QStringLiteral("Name3"), card.addLine2);
        plan.set(QStringLiteral("Name4"), values.address);
        plan.set(QStringLiteral("Name5"), card.country);
    } else {
        plan.set(QStringLiteral("Name3"), values.address);
        plan.set(QStringLiteral("Name4"), card.country);
    }
    if (form != Form::BUS || card.busPaymentType != QLatin1String("Voluntary Agreement"))
        plan.set(QStringLiteral("TFN1"), card.tfn);
    plan.amount(QStringLiteral("Tax1"), values.texts.taxWithheld, card.taxWithheld);
}

void periodFields(PlanBuilder& plan, const PdfValues& values)
{
    plan.set(QStringLiteral("FromDate"), values.date1);
    plan.set(QStringLiteral("ToDate"), values.date2);
}

// The exempt-from-FBT markers exist from 2017; under "No" they follow the
// reportable fringe benefits amount.
void fbtMarkers(PlanBuilder& plan, const PdfValues& values, const Report& report)
{
    if (report.reportYearNumber <= 2016)
        return;
    const bool shown = plan.printZero() == kYes || (plan.printZero() == kNo && values.card.rfbt > 0);
    if (!shown)
        return;
    if (values.card.fbtExempt == QLatin1String("Y"))
        plan.set(QStringLiteral("RFBTYes"), kMarked);
    if (values.card.fbtExempt == QLatin1String("N"))
        plan.set(QStringLiteral("RFBTNo"), kMarked);
}

void lumpSumELines(PlanBuilder& plan, const PdfValues& values)
{
    if (values.card.lumpE <= 0)
        return;
    plan.set(QStringLiteral("Title1"), QStringLiteral("Details of Lump Sum E:"));
    plan.set(QStringLiteral("Detail1"), values.texts.lumpEYrMinus2);
    plan.set(QStringLiteral("Detail2"), values.texts.lumpEYrMinus3);
    plan.set(QStringLiteral("Detail3"), values.texts.lumpEPreYrMinus3);
}

// The details box: a column of titles "Title2".."Title6" and one of detail
// lines "Detail5".."Detail9", each filled from its own cursor.
void detailsBox(PlanBuilder& plan, const PdfValues& values, Form form)
{
    const CCards& card = values.card;
    const AmountTexts& texts = values.texts;
    int title = 2;
    int detail = 5;
    auto titleField = [](int n) { return QStringLiteral("Title%1").arg(n); };
    auto detailField = [](int n) { return QStringLiteral("Detail%1").arg(n); };

    if (card.totalAllow > 0) {
        plan.set(titleField(title++), QStringLiteral("Allowances:"));
        plan.set(detailField(detail++), texts.allow1);
        const std::array<std::pair<qint32, const QString*>, 3> more
            = { { { card.allow2, &texts.allow2 }, { card.allow3, &texts.allow3 }, { card.allow4, &texts.allow4 } } };
        for (const auto& [amount, text] : more) {
            // FEI prints the allowance names alone, so a named one shows.
            const bool shown = form == Form::FEI ? !text->isEmpty() : amount > 0;
            if (shown)
                plan.set(detailField(detail++), *text);
        }
    }
    if (card.unionFees > 0) {
        plan.set(titleField(title), QStringLiteral("Deductions:"));
        if (title == 2) {
            title = 3;
            detail = 5;
        } else if (title == 3) {
            title = 4;
            detail = 9;
        }
        plan.set(detailField(detail), texts.unionFees);
    }
    if (card.giving > 0)
        plan.set(titleField(title++), texts.giving);
    if (form == Form::FEI)
        return;
    if (card.exemptForeign > 0)
        plan.set(titleField(title++), texts.exemptForeign);
    if (card.annuity > 0)
        plan.set(titleField(title), texts.annuity);
}

QString incomeTypeCode(const QString& incomeType)
{
    if (incomeType == QLatin1String("Non-Super Pension or Annuity"))
        return QStringLiteral("P");
    if (incomeType == QLatin1String("Working Holiday Maker"))
        return QStringLiteral("H");
    return QStringLiteral("S");
}

FieldPlan lumpSumPlan(const PdfValues& values, const Report& report, const QString& printZero)
{
    PlanBuilder plan(printZero);
    const CCards& card = values.card;
    const AmountTexts& texts = values.texts;
    commonFields(plan, values, report, Form::SLS);
    plan.set(QStringLiteral("Date"), values.date3);
    plan.amount(QStringLiteral("TCTaxed"), texts.taxable, card.taxable);
    plan.amount(QStringLiteral("Tax Free"), texts.taxFree, card.taxFree);
    plan.amount(QStringLiteral("TCUntaxed"), texts.other1, card.other1);
    plan.set(QStringLiteral("Code1"), card.deathBenefit());
    plan.set(QStringLiteral("Tax Offset"), card.deathBenefitRecipient());
    return plan.take();
}

} // namespace

QString AbnInGroups(const QString& abn)
{
    if (abn.size() != 11)
        return abn;
    return abn.mid(0, 2) + QLatin1Char(' ') + abn.mid(2, 3) + QLatin1Char(' ') + abn.mid(5, 3) + QLatin1Char(' ')
        + abn.mid(8, 3);
}

FieldPlan PlanINB(const PdfValues& values, const Report& report, const QString& printZero)
{
    PlanBuilder plan(printZero);
    const CCards& card = values.card;
    const AmountTexts& texts = values.texts;
    commonFields(plan, values, report, Form::INB);
    periodFields(plan, values);
    plan.amount(QStringLiteral("Gross1"), texts.gross, card.gross);
    plan.amount(QStringLiteral("CDEP1"), texts.cdep, card.cdep);
    plan.amount(QStringLiteral("RFBT1"), texts.rfbt, card.rfbt);
    fbtMarkers(plan, values, report);
    plan.amount(QStringLiteral("RESC1"), texts.resc, card.resc);
    plan.amount(QStringLiteral("TotalAllow1"), texts.totalAllow, card.totalAllow);
    plan.amount(QStringLiteral("LumpA1"), texts.lumpA, card.lumpA);
    plan.amount(QStringLiteral("LumpB1"), texts.lumpB, card.lumpB);
    plan.amount(QStringLiteral("LumpD1"), texts.lumpD, card.lumpD);
    plan.amount(QStringLiteral("LumpE1"), texts.lumpE, card.lumpE);
    if (report.reportYearNumber > 2016)
        plan.set(QStringLiteral("IncomeType"), incomeTypeCode(card.incomeType));
    plan.set(QStringLiteral("LumpAType"), card.lumpAType);
    lumpSumELines(plan, values);
    detailsBox(plan, values, Form::INB);
    return plan.take();
}

FieldPlan PlanFEI(const PdfValues& values, const Report& report, const QString& printZero)
{
    PlanBuilder plan(printZero);
    const CCards& card = values.card;
    const AmountTexts& texts = values.texts;
    commonFields(plan, values, report, Form::FEI);
    periodFields(plan, values);
    plan.amount(QStringLiteral("Gross1"), texts.gross, card.gross);
    if (plan.amountShown(card.gross)) {
        const bool jpda = card.incomeType == QLatin1String("JPDA Income");
        plan.set(QStringLiteral("GType"), jpda ? QStringLiteral("J") : QStringLiteral("F"));
    }
    plan.amount(QStringLiteral("FTax2"), texts.cdep, card.foreignTaxPaid());
    plan.amount(QStringLiteral("RFBT1"), texts.rfbt, card.rfbt);
    fbtMarkers(plan, values, report);
    plan.amount(QStringLiteral("RESC1"), texts.resc, card.resc);
    plan.amount(QStringLiteral("LumpA1"), texts.lumpA, card.lumpA);
    plan.amount(QStringLiteral("LumpD1"), texts.lumpD, card.lumpD);
    plan.amount(QStringLiteral("LumpE1"), texts.lumpE, card.lumpE);
    plan.set(QStringLiteral("LumpAType"), card.lumpAType);
    lumpSumELines(plan, values);
    detailsBox(plan, values, Form::FEI);
    return plan.take();
}

FieldPlan PlanBUS(const PdfValues& values, const Report& report, const QString& printZero)
{
    PlanBuilder plan(printZero);
    const CCards& card = values.card;
    commonFields(plan, values, report, Form::BUS);
    periodFields(plan, values);
    if (card.busPaymentType == QLatin1String("Voluntary Agreement"))
        plan.set(QStringLiteral("ABN1"), card.abn);
    plan.amount(QStringLiteral("Gross1"), values.texts.gross, card.gross);
    plan.amount(QStringLiteral("RESC1"), values.texts.resc, card.resc);
    plan.set(QStringLiteral("PaymentType"), card.busPaymentType);
    return plan.take();
}

FieldPlan PlanETP(const PdfValues& values, const Report& report, const QString& printZero)
{
    PlanBuilder plan(printZero);
    const CCards& card = values.card;
    commonFields(plan, values, report, Form::ETP);
    plan.set(QStringLiteral("FromDate"), values.date3);
    plan.amount(QStringLiteral("Taxable1"), values.texts.taxable, card.taxable);
    plan.amount(QStringLiteral("TaxFree1"), values.texts.taxFree, card.taxFree);
    plan.set(QStringLiteral("Code1"), card.etpPaymentType);
    return plan.take();
}

FieldPlan PlanPEN(const PdfValues& values, const Report& report, const QString& printZero)
{
    PlanBuilder plan(printZero);
    const CCards& card = values.card;
    const AmountTexts& texts = values.texts;
    commonFields(plan, values, report, Form::PEN);
    periodFields(plan, values);
    plan.amount(QStringLiteral("TCTaxed"), texts.gross, card.taxedElement());
    plan.amount(QStringLiteral("TCUntaxed"), texts.cdep, card.untaxedElement());
    plan.amount(QStringLiteral("Tax Free"), texts.allow1, card.taxFreeComponent());
    plan.amount(QStringLiteral("Tax Offset"), texts.allow2, card.taxOffset());
    plan.amount(QStringLiteral("LSTaxed"), texts.lumpA, card.arrearsTaxedElement());
    plan.amount(QStringLiteral("LSUntaxed"), texts.lumpB, card.arrearsUntaxedElement());
    plan.amount(QStringLiteral("LSTaxFree"), texts.lumpD, card.arrearsTaxFree());
    // The reversionary markers exist from 2018, whatever "Print Zero" says.
    if (report.reportYearNumber > 2017) {
        if (card.reversionaryIndicator() == QLatin1String("Y"))
            plan.set(QStringLiteral("DBRISYes"), kMarked);
        if (card.reversionaryIndicator() == QLatin1String("N"))
            plan.set(QStringLiteral("DBRISNo"), kMarked);
    }
    return plan.take();
}

FieldPlan PlanSLS(const PdfValues& values, const Report& report, const QString& printZero)
{
    return lumpSumPlan(values, report, printZero);
}

FieldPlan PlanDAS(const PdfValues& values, const Report& report, const QString& printZero)
{
    return lumpSumPlan(values, report, printZero);
}
