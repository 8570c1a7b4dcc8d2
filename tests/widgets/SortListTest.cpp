#include "widgets/SortListCompare.h"

#include "report/AppContext.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <gtest/gtest.h>

namespace {

struct CompareCase {
    const char* first;
    const char* second;
    bool ascending;
    int expected;
    SortKind kind;
};

class SortCompare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(SortCompare, OrdersCellsByTheKindOfTheFirst)
{
    const CompareCase& c = GetParam();
    const QString a = QString::fromUtf8(c.first);
    const QString b = QString::fromUtf8(c.second);
    EXPECT_EQ(SortKindOf(a), c.kind) << c.first;
    EXPECT_EQ(CompareSortTexts(a, b, c.ascending), c.expected) << c.first << " vs " << c.second;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortCompare,
    ::testing::Values(
        // Numbers of up to nine digits compare by value, not as text.
        CompareCase{"9", "10", true, -1, SortKind::Number},
        CompareCase{"123456789", "99", true, 1, SortKind::Number},
        CompareCase{"0042", "42", true, 0, SortKind::Number},
        // Ten digits are text ("1" < "9").
        CompareCase{"1000000000", "9", true, -1, SortKind::Text},
        CompareCase{"1000000000", "2", true, -1, SortKind::Text},
        // An empty first cell is the number 0.
        CompareCase{"", "5", true, -1, SortKind::Number},
        CompareCase{"", "abc", true, 0, SortKind::Number},
        // The kind follows the first operand: a word against a number.
        CompareCase{"2", "abc", true, 1, SortKind::Number},
        // Dates: year, then month, then day.
        CompareCase{"01/07/2017", "30/06/2018", true, -1, SortKind::Date},
        CompareCase{"01/07/2017", "30/06/2017", true, 1, SortKind::Date},
        CompareCase{"15/03/2016", "15/03/2016", true, 0, SortKind::Date},
        CompareCase{"1/07/2017", "30/06/2017", true, -1, SortKind::Text},
        // Amounts: only the whole-dollar part counts.
        CompareCase{"12.50", "12.99", true, 0, SortKind::Amount},
        CompareCase{"12.50", "9.99", true, 1, SortKind::Amount},
        CompareCase{"100.00", "25", true, 1, SortKind::Amount},
        // A whole-dollar part that does not convert: text, with no message.
        CompareCase{"1,234.50", "2", true, -1, SortKind::Text},
        CompareCase{"12x.50", "12.50", true, 1, SortKind::Text},
        // Text.
        CompareCase{"Brown", "Adams", true, 1, SortKind::Text},
        CompareCase{"Adams", "Adams", true, 0, SortKind::Text},
        // Descending swaps the operands; the kind still follows the first.
        CompareCase{"9", "10", false, 1, SortKind::Number},
        CompareCase{"01/07/2017", "30/06/2018", false, 1, SortKind::Date},
        CompareCase{"Brown", "Adams", false, -1, SortKind::Text},
        CompareCase{"2", "abc", false, -1, SortKind::Number}),
    [](const ::testing::TestParamInfo<CompareCase>& info) { return "row" + std::to_string(info.index); });

TEST(SortCompare, AmountCheckIsShapeOnly)
{
    EXPECT_TRUE(IsDecimalNumber(QStringLiteral("1.00")));
    EXPECT_FALSE(IsDecimalNumber(QStringLiteral(".50")));
    EXPECT_FALSE(IsDecimalNumber(QStringLiteral("12.5")));
    EXPECT_FALSE(IsDate(QStringLiteral("01-07-2017")));
    EXPECT_TRUE(IsNumber(QString()));
    EXPECT_FALSE(IsNumber(QStringLiteral("-5")));
}

TEST(SortCompare, LeadingIntReadsLikeTheRuntime)
{
    EXPECT_EQ(LeadingInt(QStringLiteral("  -42abc")), -42);
    EXPECT_EQ(LeadingInt(QStringLiteral("abc")), 0);
    EXPECT_EQ(LeadingInt(QStringLiteral("+7")), 7);
    EXPECT_EQ(LeadingInt(QStringLiteral("99999999999")), 2147483647);
    EXPECT_EQ(LeadingInt(QStringLiteral("-99999999999")), -2147483647 - 1);
}

std::vector<QStringList> rowsOf(std::initializer_list<std::pair<const char*, const char*>> cells)
{
    std::vector<QStringList> rows;
    for (const auto& [a, b] : cells)
        rows.push_back({QString::fromUtf8(a), QString::fromUtf8(b)});
    return rows;
}

TEST(SortRows, EqualRowsKeepTheirOrderBothWays)
{
    const auto rows = rowsOf({{"5", "a"}, {"1", "b"}, {"5", "c"}, {"3", "d"}, {"5", "e"}});
    EXPECT_EQ(SortedRowOrder(rows, 0, true), (std::vector<int>{1, 3, 0, 2, 4}));
    EXPECT_EQ(SortedRowOrder(rows, 0, false), (std::vector<int>{0, 2, 4, 3, 1}));
    EXPECT_EQ(SortedRowOrder(rows, 1, false), (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST(SortRows, InconsistentColumnStaysAPermutation)
{
    std::vector<QStringList> rows;
    const char* cells[] = {"abc", "2", "", "12.50", "01/01/2017", "x", "10", "1,2.00", "zz", "0"};
    for (int i = 0; i < 40; ++i)
        rows.push_back({QString::fromUtf8(cells[(i * 7) % 10])});
    for (const bool ascending : {true, false}) {
        std::vector<int> order = SortedRowOrder(rows, 0, ascending);
        std::sort(order.begin(), order.end());
        for (int i = 0; i < 40; ++i)
            ASSERT_EQ(order[i], i);
    }
    EXPECT_TRUE(SortedRowOrder({}, 0, true).empty());
}

TEST(SortClick, SameColumnFlipsOtherStartsAscending)
{
    EXPECT_FALSE(ClickDirection(2, 2, true));
    EXPECT_TRUE(ClickDirection(2, 2, false));
    EXPECT_TRUE(ClickDirection(3, 2, false));
    EXPECT_TRUE(ClickDirection(0, -1, true));
}

TEST(SortRemember, AddingAPayeeBlocksSorting)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    EXPECT_TRUE(SortAllowed(context));
    RememberSort(context, 3, false);
    EXPECT_EQ(context.sortColumn, 3);
    EXPECT_EQ(context.sortAscending, 0);
    context.report().payeeMode = 4;
    EXPECT_FALSE(SortAllowed(context));
}

TEST(ColumnLayout, AppliesOnlyALayoutOfTheSameColumnCount)
{
    const QByteArray three = EncodeColumnLayout({40, 120, 75});
    EXPECT_EQ(three, QByteArray::fromHex("03000000" "28000000" "78000000" "4b000000"));
    EXPECT_EQ(DecodeColumnLayout(three, 3), (std::vector<qint32>{40, 120, 75}));
    EXPECT_TRUE(DecodeColumnLayout(three, 4).empty());
    EXPECT_TRUE(DecodeColumnLayout(QByteArray(), 3).empty());
    EXPECT_TRUE(DecodeColumnLayout(QByteArray("\x03\x00", 2), 3).empty());
    // Cut short: only the widths present, never past the stored bytes.
    EXPECT_EQ(DecodeColumnLayout(three.left(9), 3), (std::vector<qint32>{40}));
}

TEST(ColumnLayout, ReadFromTheListCtrlsSection)
{
    TestProfile profile;
    EXPECT_TRUE(ReadColumnLayout(kSortListLayoutValue, 2).empty());
    {
        const auto settings = openProfile();
        settings->beginGroup(QString::fromLatin1(kListCtrlsGroup));
        settings->setValue(kSortListLayoutValue, EncodeColumnLayout({10, 20}));
    }
    EXPECT_EQ(ReadColumnLayout(kSortListLayoutValue, 2), (std::vector<qint32>{10, 20}));
    EXPECT_TRUE(ReadColumnLayout(kSortListLayoutValue, 5).empty());
}

} // namespace
