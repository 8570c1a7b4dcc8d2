#include "widgets/SortListCompare.h"
#include "widgets/SortListModel.h"

#include "report/AppContext.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "support/ListColumn.h"
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

namespace {

// The order a plain merge sort gives with CompareSortTexts at every
// comparison: what the keyed sort must reproduce exactly.
std::vector<int> referenceOrder(const std::vector<QStringList>& rows, int column, bool ascending)
{
    std::vector<int> order(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        order[i] = int(i);
    const int n = int(rows.size());
    std::vector<int> buffer(n);
    for (int width = 1; width < n; width *= 2) {
        for (int left = 0; left < n; left += 2 * width) {
            const int mid = std::min(left + width, n), right = std::min(left + 2 * width, n);
            int i = left, j = mid, k = left;
            while (i < mid && j < right)
                buffer[k++] = CompareSortTexts(rows[order[j]].at(column), rows[order[i]].at(column), ascending) < 0
                                  ? order[j++]
                                  : order[i++];
            while (i < mid)
                buffer[k++] = order[i++];
            while (j < right)
                buffer[k++] = order[j++];
        }
        order.swap(buffer);
    }
    return order;
}

TEST(SortRows, KeyedSortOrdersAsTheCellComparison)
{
    const char* cells[] = {"abc", "Abc", "2", "", "12.50", "12.99", "01/01/2017", "31/12/2016", "1/07/2017", "x",
                           "10", "1,2.00", "zz", "0", "-5", " 7", "1000000000", "Ábc", "Zoë", "zoe", "O'Brien",
                           "\xF0\x9F\x98\x80", "\xEE\x80\x80", "99/99/9999", "ab/cd/efgh", "12x.50", "-1.00"};
    const int kinds = int(std::size(cells));
    std::vector<QStringList> rows;
    unsigned seed = 12345;
    for (int i = 0; i < 400; ++i) {
        seed = seed * 1103515245u + 12345u;
        rows.push_back({QString::fromUtf8(cells[(seed >> 8) % kinds]), QString::fromUtf8(cells[i % kinds])});
    }
    for (const int column : {0, 1})
        for (const bool ascending : {true, false})
            EXPECT_EQ(SortedRowOrder(rows, column, ascending), referenceOrder(rows, column, ascending))
                << column << ascending;
}

class SortModel : public ::testing::Test {
protected:
    SortModel() : context(ui, files), model(context)
    {
        model.setColumnCount(2);
        model.fillRows({{"10", "Brown"}, {"9", "Adams"}, {"200", "Chen"}});
    }

    QStringList column(int c) const { return columnTexts(model, c); }

    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
    SortListModel model;
};

TEST_F(SortModel, TicksAndSelectionTravelWithTheirRows)
{
    model.setChecked(0, true); // "10"
    model.selectRow(1);        // "9"
    int ticks = 0;
    QObject::connect(&model, &SortListModel::ticked, [&ticks] { ++ticks; });
    model.SortColumn(0, true);
    EXPECT_EQ(column(0), (QStringList{"9", "10", "200"}));
    EXPECT_EQ(model.checkedRows(), std::vector<int>{1});
    EXPECT_EQ(model.selectedRows(), std::vector<int>{0});
    model.OnColumnClick(0);
    EXPECT_EQ(column(0), (QStringList{"200", "10", "9"}));
    EXPECT_EQ(model.checkedRows(), std::vector<int>{1});
    EXPECT_EQ(model.selectedRows(), std::vector<int>{2});
    EXPECT_EQ(ticks, 0); // the program's own ticks are not the user's
    // A tick by the user, as the view sets it.
    model.setData(model.index(2, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(model.checkedRows(), (std::vector<int>{1, 2}));
}

TEST_F(SortModel, AFillIsOneResetAndNeedsOneTextPerColumn)
{
    int resets = 0, inserts = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&inserts] { ++inserts; });
    model.setChecked(1, true);
    std::vector<QStringList> many(1000, QStringList{QStringLiteral("1"), QStringLiteral("a")});
    EXPECT_TRUE(model.fillRows(many));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(inserts, 0);
    EXPECT_EQ(model.rowCount(), 1000);
    EXPECT_TRUE(model.checkedRows().empty());
    EXPECT_FALSE(model.fillRows({{"1", "a"}, {"2"}}));
    EXPECT_EQ(model.rowCount(), 1000);
    EXPECT_EQ(model.AddItem({QStringLiteral("1")}), -1);
    EXPECT_EQ(model.rowText(5000, 0), QString());
}

TEST_F(SortModel, NothingMovesWhileAPayeeIsAdded)
{
    context.report().payeeMode = 4;
    bool sorted = false;
    QObject::connect(&model, &SortListModel::sorted, [&sorted] { sorted = true; });
    model.OnColumnClick(1);
    EXPECT_EQ(column(1), (QStringList{"Brown", "Adams", "Chen"}));
    EXPECT_EQ(model.sortColumn(), -1);
    EXPECT_FALSE(sorted);
}

} // namespace
