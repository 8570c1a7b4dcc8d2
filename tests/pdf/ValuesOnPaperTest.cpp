#include "pdf/BlankForms.h"
#include "pdf/FieldPlans.h"
#include "pdf/FormFiller.h"
#include "pdf/PaymentSummary.h"
#include "pdf/PdfTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace
{

using PlanFunction = FieldPlan (*)(const PdfValues&, const Report&, const QString&);

const std::pair<const char*, PlanFunction> kPlans[] = {
    { "INB", &PlanINB },
    { "ETP", &PlanETP },
    { "BUS", &PlanBUS },
    { "FEI", &PlanFEI },
    { "PEN", &PlanPEN },
    { "SLS", &PlanSLS },
    { "DAS", &PlanDAS },
};

// The library starts a value this far inside its box; a value that fits
// ends as far inside the other edge.
constexpr double kPadding = 1;
constexpr double kSmallestSize = 6;
// Sizes and places are written with two decimals.
constexpr double kRounding = 0.01;

Report reportOf(int year)
{
    Report report;
    setSummaryPayer2018(report);
    report.reportYear = QString::number(year);
    report.priorYear = QString::number(year - 1);
    report.reportYearNumber = year;
    report.declarationDate = QStringLiteral("14/07/%1").arg(year);
    return report;
}

// A payee of the type whose every text is as long as its lodgement record
// holds it, in the widest letter of the font: surname 30, given names 15
// each, address lines 38, suburb 27, country 20; a Northern Territory
// postcode below 1000; amounts of eight digits.
CCards widestPayee(const QString& type)
{
    CCards c = samplePayee(type);
    c.payeeId = 12;
    c.origAmended = QStringLiteral("O");
    c.tfn = QStringLiteral("123456782");
    c.surname = QString(30, QLatin1Char('W'));
    c.firstName = QString(15, QLatin1Char('W'));
    c.secName = QString(15, QLatin1Char('W'));
    c.addLine1 = QString(38, QLatin1Char('W'));
    c.addLine2 = QString(38, QLatin1Char('W'));
    c.suburb = QString(27, QLatin1Char('W'));
    c.state = QStringLiteral("NT");
    c.pCode = 870;
    c.country = QString(20, QLatin1Char('W'));
    for (qint32 CCards::*amount : { &CCards::taxWithheld, &CCards::gross, &CCards::cdep, &CCards::rfbt, &CCards::resc,
             &CCards::lumpA, &CCards::lumpB, &CCards::lumpD, &CCards::lumpE, &CCards::taxable, &CCards::taxFree,
             &CCards::other1, &CCards::allow1, &CCards::allow2 })
        c.*amount = 99999999;
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2017");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2018");
    c.paymentDay = QStringLiteral("15");
    c.paymentMonth = QStringLiteral("03");
    c.paymentYear = QStringLiteral("2018");
    return c;
}

QString describe(const DrawnText& t)
{
    return QStringLiteral("\"%1\" in %2 %3 pt from %4, %5 wide, in a box %6 wide")
        .arg(t.text, t.font)
        .arg(t.size)
        .arg(t.x)
        .arg(t.width)
        .arg(t.boxWidth);
}

// Every value drawn in the font the forms use, at the smallest size or
// above, and whole inside its box's padding.
void expectEveryValueInsideItsBox(const std::vector<DrawnText>& drawn)
{
    ASSERT_FALSE(drawn.empty());
    for (const DrawnText& t : drawn) {
        EXPECT_EQ(t.font, QStringLiteral("Helvetica")) << describe(t).toStdString();
        EXPECT_GE(t.size, kSmallestSize) << describe(t).toStdString();
        EXPECT_GE(t.x, kPadding - kRounding) << describe(t).toStdString();
        EXPECT_LE(t.x + t.width, t.boxWidth - kPadding + kRounding) << describe(t).toStdString();
    }
}

const DrawnText* drawnAs(const std::vector<DrawnText>& drawn, const QString& text)
{
    const auto found = std::find_if(drawn.begin(), drawn.end(), [&](const DrawnText& t) { return t.text == text; });
    return found == drawn.end() ? nullptr : &*found;
}

// Every form of every type, report year and indicator the program offers,
// flattened as the payee gets it.
TEST(ValuesOnPaper, TheLongestValuesAreDrawnWholeInsideTheirBoxesOnEveryForm)
{
    int forms = 0;
    for (const auto& [type, plan] : kPlans) {
        for (int year = 2012; year <= 2027; ++year) {
            for (const char* indicator : { "O", "A" }) {
                SCOPED_TRACE(std::string(type) + " " + std::to_string(year) + " " + indicator);
                CCards payee = widestPayee(QString::fromLatin1(type));
                payee.origAmended = QString::fromLatin1(indicator);
                const Report report = reportOf(year);
                const int number = FormNumber(payee.payeeType, year, payee.origAmended);
                ASSERT_NE(number, 0);
                const PdfValues values = PreparePaymentSummaryValues(payee, report, PdfNamePattern::defaults());
                QStringList cut;
                const QByteArray pdf = FillForm(
                    BlankForms::bytes(number), plan(values, report, QStringLiteral("Yes")), FormFinish::Flatten, &cut);
                ++forms;
                EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('|')).toStdString();

                const std::vector<DrawnText> drawn = drawnTexts(pdf);
                expectEveryValueInsideItsBox(drawn);
                const QString name = QString(15, QLatin1Char('W')) + QLatin1Char(' ') + QString(15, QLatin1Char('W'))
                    + QLatin1Char(' ') + QString(30, QLatin1Char('W'));
                const QString address = QString(27, QLatin1Char('W')) + QStringLiteral(" NT 0870");
                // Too wide at the form's 9 points: drawn smaller.
                for (const QString& whole : { name, payee.addLine1, address }) {
                    const DrawnText* t = drawnAs(drawn, whole);
                    ASSERT_TRUE(t) << whole.toStdString();
                    EXPECT_LT(t->size, 9) << describe(*t).toStdString();
                }
                EXPECT_TRUE(drawnAs(drawn, payee.country));
                EXPECT_TRUE(drawnAs(drawn, QStringLiteral("99999999"))) << "an amount of eight digits";
            }
        }
    }
    EXPECT_EQ(forms, 7 * 16 * 2);
}

// The name that ran past its box: it fits at the form's size now, and a
// value that fits is drawn as the form asks, left-aligned.
TEST(ValuesOnPaper, ALongRealNameIsDrawnWholeAtTheFormsSize)
{
    CCards payee = fullSummaryPayee(QStringLiteral("INB"));
    payee.firstName = QStringLiteral("Bartholomew-Jon");
    payee.secName = QStringLiteral("Alexander-James");
    payee.surname = QStringLiteral("Maximilian-Worthington-Smythe");
    const std::vector<DrawnText> drawn = drawnTexts(flattenedSummary2018(payee));
    expectEveryValueInsideItsBox(drawn);
    const DrawnText* name
        = drawnAs(drawn, QStringLiteral("Bartholomew-Jon Alexander-James Maximilian-Worthington-Smythe"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->size, 9);
    EXPECT_EQ(name->x, kPadding);
}

// A value too wide even at the smallest size is drawn at that size, and
// the filler names its field as the form labels it.
TEST(ValuesOnPaper, AValueTooWideEvenAtTheSmallestSizeIsDrawnAtItAndNamed)
{
    struct Row {
        const char* field;
        QString value;
        const char* named;
    };
    const QString tooWide(90, QLatin1Char('W'));
    const Row rows[] = {
        { "Name1", tooWide, "Payee's name" },
        { "PayerName1", tooWide, "Payer's name" },
        { "Gross1", QString(90, QLatin1Char('9')), "Gross payments" },
        { "Detail6", QString(120, QLatin1Char('W')), "Allowances, deductions and union fees, line 3" },
        { "Year1", QString(20, QLatin1Char('W')), "Year ending 30 June" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        QStringList cut;
        const QByteArray pdf = FillForm(BlankForms::bytes(368),
            { { QString::fromLatin1(row.field), row.value },
                { QStringLiteral("TFN1"), QStringLiteral("123 456 782") } },
            FormFinish::Flatten, &cut);
        EXPECT_EQ(cut, QStringList { QString::fromUtf8(row.named) });
        const std::vector<DrawnText> drawn = drawnTexts(pdf);
        const DrawnText* t = drawnAs(drawn, row.value);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->size, kSmallestSize);
        EXPECT_GT(t->x + t->width, t->boxWidth);
        // Cut on the right, never moved out on the left.
        EXPECT_EQ(t->x, kPadding);
        const DrawnText* tfn = drawnAs(drawn, QStringLiteral("123 456 782"));
        ASSERT_TRUE(tfn);
        EXPECT_EQ(tfn->size, 9);
    }
}

// ---- A business payee's name ----

TEST(ValuesOnPaper, ANameWithoutAFirstNameStartsWithItsFirstLetter)
{
    CCards payee = fullSummaryPayee(QStringLiteral("INB"));
    payee.firstName.clear();
    payee.surname = QStringLiteral("Smith & Sons");
    const std::vector<DrawnText> drawn = drawnTexts(flattenedSummary2018(payee));
    EXPECT_TRUE(drawnAs(drawn, QStringLiteral("Smith & Sons")));
    for (const DrawnText& t : drawn)
        EXPECT_FALSE(t.text.startsWith(QLatin1Char(' '))) << describe(t).toStdString();
}

} // namespace
