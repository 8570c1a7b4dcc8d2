#include "pdf/BlankForms.h"
#include "pdf/PdfTestKit.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace
{

// The page inside its margins, in points from the top left corner.
constexpr double kLeft = 40;
constexpr double kRight = 595 - 40;
constexpr double kTop = 40;
constexpr double kBottom = 842 - 40;

bool overlap(const PdfWord& a, const PdfWord& b)
{
    // Boxes that merely touch, as neighbouring lines of small text may, do
    // not count.
    constexpr double kSlack = 0.1;
    return std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin) > kSlack
        && std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin) > kSlack;
}

QString describe(const PdfWord& w)
{
    return QStringLiteral("\"%1\" (%2,%3)-(%4,%5)").arg(w.text).arg(w.xMin).arg(w.yMin).arg(w.xMax).arg(w.yMax);
}

// Every pair of words that overlap, and every word outside the margins.
QStringList layoutFaults(const QByteArray& pdf)
{
    const std::vector<PdfWord> words = pdfWords(pdf);
    QStringList faults;
    for (size_t i = 0; i < words.size(); ++i) {
        const PdfWord& w = words[i];
        if (w.xMin < kLeft || w.xMax > kRight || w.yMin < kTop || w.yMax > kBottom)
            faults.append(describe(w) + QStringLiteral(" lies outside the margins"));
        for (size_t j = i + 1; j < words.size(); ++j) {
            if (overlap(w, words[j]))
                faults.append(describe(w) + QStringLiteral(" overlaps ") + describe(words[j]));
        }
    }
    return faults;
}

class EveryBlankForm : public ::testing::TestWithParam<int>
{
};

TEST_P(EveryBlankForm, NoWordTouchesAnotherAndAllLieInsideTheMargins)
{
    if (const QString why = popplerMissing(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    const QStringList faults = layoutFaults(BlankForms::bytes(GetParam()));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_P(EveryBlankForm, LabelsNameWhatTheBoxesHold)
{
    if (const QString why = popplerMissing(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    const QString text = pdfText(BlankForms::bytes(GetParam())).simplified();
    // Labels that name a box by its place, not by what it holds.
    static const QRegularExpression placeholder(QStringLiteral("\\b(Heading|Detail|Title)\\b|accrual line"));
    EXPECT_FALSE(text.contains(placeholder)) << text.toStdString();
    const bool detailsArea = std::set<int> { 353, 356, 368, 369, 370, 371 }.count(GetParam()) > 0;
    EXPECT_EQ(text.contains(QStringLiteral("Allowances, deductions and union fees")), detailsArea);
    EXPECT_EQ(text.contains(QStringLiteral("Lump Sum E: financial year of accrual and amount")), detailsArea);
}

TEST_P(EveryBlankForm, AmountBoxesAreRightAlignedAndTextBoxesLeftAligned)
{
    const int number = GetParam();
    std::set<QString> amounts { "Tax1", "Gross1", "CDEP1", "TotalAllow1", "RFBT1", "RESC1", "LumpA1", "LumpB1",
        "LumpD1", "LumpE1", "FTax2", "Taxable1", "TaxFree1", "TCTaxed", "TCUntaxed", "Tax Free", "LSTaxed", "LSUntaxed",
        "LSTaxFree" };
    // The superannuation lump sum forms put the type of death benefit, a
    // text, into the box the income stream forms keep for the tax offset.
    if (std::set<int> { 372, 373, 378, 379 }.count(number))
        amounts.insert(QStringLiteral("Tax Offset"));
    for (const auto& [name, field] : readFormFields(BlankForms::bytes(number)))
        EXPECT_EQ(field.quadding, amounts.count(name) ? 2 : 0) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Forms, EveryBlankForm, ::testing::ValuesIn(BlankForms::kNumbers),
    [](const auto& info) { return std::to_string(info.param); });

TEST(FilledSummary, NoWordTouchesAnotherAndAllLieInsideTheMargins)
{
    if (const QString why = popplerMissing(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    for (const char* type : { "INB", "FEI" }) {
        const QStringList faults = layoutFaults(flattenedSummary2018(fullSummaryPayee(QString::fromLatin1(type))));
        EXPECT_TRUE(faults.isEmpty()) << type << '\n' << faults.join(QLatin1Char('\n')).toStdString();
    }
}

// Amounts end at their box's right edge, as on every printed form; texts
// start at the left. Read from the flattened page the payee gets, since
// the box's alignment alone is not drawn by every renderer.
TEST(FilledSummary, AmountsEndAtTheRightOfTheirBoxesAndTextsStartAtTheLeft)
{
    if (const QString why = popplerMissing(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    for (const char* type : { "INB", "FEI" }) {
        const CCards payee = fullSummaryPayee(QString::fromLatin1(type));
        const std::map<QString, FormField> fields = readFormFields(filledSummary2018(payee, FormFinish::KeepFillable));
        const std::vector<PdfWord> words = pdfWords(flattenedSummary2018(payee));
        int amounts = 0;
        int texts = 0;
        for (const auto& [name, field] : fields) {
            // A value of one word that no other box repeats can be found on the page.
            if (field.value.isEmpty() || field.value.contains(QLatin1Char(' ')))
                continue;
            std::vector<PdfWord> found;
            std::copy_if(words.begin(), words.end(), std::back_inserter(found),
                [&field](const PdfWord& w) { return w.text == field.value; });
            if (found.size() != 1)
                continue;
            const PdfWord& word = found.front();
            if (field.quadding == 2) {
                ++amounts;
                EXPECT_GT(word.xMax, field.right - 4) << type << ' ' << name.toStdString();
                EXPECT_LE(word.xMax, field.right) << type << ' ' << name.toStdString();
            } else {
                ++texts;
                EXPECT_GE(word.xMin, field.left) << type << ' ' << name.toStdString();
                EXPECT_LT(word.xMin, field.left + 4) << type << ' ' << name.toStdString();
            }
        }
        EXPECT_GE(amounts, 6) << type;
        EXPECT_GE(texts, 3) << type;
    }
}

// The details area of a filled summary reads, top to bottom: each heading
// the filler writes, directly above the first line it introduces, then its
// other lines, then the next heading or a line standing alone.
TEST(FilledSummary, DetailsAreaReadsInTheOrderTheFillerWritesIt)
{
    if (const QString why = popplerMissing(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    auto payee = [](const char* type, qint32 allowances, qint32 unionFees, qint32 giving) {
        CCards c = samplePayee(QString::fromLatin1(type));
        c.incomeType = QStringLiteral("Salary or Wages");
        c.gross = 50000;
        if (allowances > 0) {
            c.totalAllow = allowances;
            c.allow1Name = QStringLiteral("Tools");
            c.allow1 = allowances;
        }
        c.unionName = QStringLiteral("AWU");
        c.unionFees = unionFees;
        c.giving = giving;
        return c;
    };
    CCards lumpSumE = payee("INB", 0, 0, 0);
    lumpSumE.lumpE = 900;
    lumpSumE.lumpEYrMinus2 = 300;
    lumpSumE.lumpEYrMinus3 = 200;
    lumpSumE.lumpEPreYrMinus3 = 400;
    CCards twoAllowances = payee("INB", 1000, 0, 0);
    twoAllowances.allow1Name = QStringLiteral("Car");
    twoAllowances.allow1 = 400;
    twoAllowances.allow2Name = QStringLiteral("Tools");
    twoAllowances.allow2 = 600;
    CCards feiAllowances = payee("FEI", 100, 52, 0);
    feiAllowances.allow2Name = QStringLiteral("Car");

    // A group's first text is the line that must stand directly under the
    // area's caption or under the group before.
    using Groups = std::vector<QStringList>;
    struct Row {
        const char* what;
        CCards card;
        Groups groups;
    };
    const QString giving = QStringLiteral("Workplace Giving DGR(s) $25");
    const Row rows[] = {
        { "allowances only", twoAllowances, { { "Allowances:", "Car $400", "Tools $600" } } },
        { "deductions only", payee("INB", 0, 52, 25), { { "Deductions:", "AWU $52" }, { giving } } },
        { "allowances and union fees", payee("INB", 100, 52, 0),
            { { "Allowances:", "Tools $100" }, { "Deductions:", "AWU $52" } } },
        { "allowance, deduction and union fee", payee("INB", 100, 52, 25),
            { { "Allowances:", "Tools $100" }, { "Deductions:", "AWU $52" }, { giving } } },
        { "everything", fullSummaryPayee(QStringLiteral("INB")),
            { { "Allowances:", "Car $400", "Tools $600", "Laundry $50", "Uniform $20" }, { "Deductions:", "AWU $52" },
                { giving }, { "Exempt foreign employment income $7000" },
                { "Deductible amount of the undeducted purchase price of the annuity $150" } } },
        { "FEI allowances by name and union fees", feiAllowances,
            { { "Allowances:", "Tools", "Car" }, { "Deductions:", "AWU $52" } } },
    };
    const QString caption = QStringLiteral("Allowances, deductions and union fees");
    const QString lumpSumCaption = QStringLiteral("Lump Sum E: financial year of accrual and amount");
    struct Area {
        const char* what;
        CCards card;
        QString caption;
        Groups groups;
    };
    std::vector<Area> areas;
    for (const Row& row : rows)
        areas.push_back({ row.what, row.card, caption, row.groups });
    areas.push_back({ "Lump Sum E lines", lumpSumE, lumpSumCaption,
        { { "Details of Lump Sum E:", "Accrued in 2016 $300", "Accrued in 2015 $200",
            "Accrued prior to 2015 $400" } } });

    for (const Area& area : areas) {
        SCOPED_TRACE(area.what);
        const std::vector<PdfLine> lines = pdfReadingLines(flattenedSummary2018(area.card));
        QStringList page;
        for (const PdfLine& line : lines)
            page.append(line.text);
        qsizetype at = page.indexOf(area.caption);
        ASSERT_GE(at, 0) << page.join(QLatin1Char('\n')).toStdString();
        // Whole lines: nothing stands beside a heading or a line.
        for (const QStringList& group : area.groups) {
            for (qsizetype i = 0; i < group.size(); ++i) {
                ++at;
                ASSERT_LT(at, page.size());
                EXPECT_EQ(page[at], group[i]) << page.join(QLatin1Char('\n')).toStdString();
                // A heading stands in the row directly above its first line.
                if (i == 1) {
                    EXPECT_LT(lines[size_t(at)].bottom - lines[size_t(at) - 1].bottom, 20.0) << group[i].toStdString();
                }
            }
        }
        // The area holds nothing more: what follows is the next caption or
        // the payer's details.
        ASSERT_LT(at + 1, page.size());
        EXPECT_TRUE(page[at + 1] == caption || page[at + 1] == QLatin1String("Payer details"))
            << page[at + 1].toStdString();
    }
}

} // namespace
