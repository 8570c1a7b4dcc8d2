#include "widgets/CSortListCtrl.h"

#include "report/AppContext.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "support/ListColumn.h"
#include "support/ScriptedUi.h"
#include "widgets/SortListCompare.h"
#include "support/TestProfile.h"

#include <QHeaderView>

#include <gtest/gtest.h>

namespace {

class SortListWidget : public ::testing::Test {
protected:
    SortListWidget() : context(ui, files) {}

    void fill(CSortListCtrl& list)
    {
        list.setHeaderLabels({QStringLiteral("Payee"), QStringLiteral("Name"), QStringLiteral("Gross")});
        list.LoadColumnInfo(3);
        list.DeleteAllItems();
        list.AddItem({QStringLiteral("10"), QStringLiteral("Brown"), QStringLiteral("12.50")});
        list.AddItem({QStringLiteral("9"), QStringLiteral("Adams"), QStringLiteral("100.00")});
        list.AddItem({QStringLiteral("200"), QStringLiteral("Chen"), QStringLiteral("7.25")});
    }

    static QStringList column(const CSortListCtrl& list, int c) { return columnTexts(list, c); }

    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
};

TEST_F(SortListWidget, ClickingAHeadingTwiceReverses)
{
    CSortListCtrl list(context);
    fill(list);
    list.setChecked(1, true);
    list.OnColumnClick(0);
    EXPECT_EQ(column(list, 0), (QStringList{"9", "10", "200"}));
    EXPECT_TRUE(list.isChecked(0)); // the tick travels with its row
    EXPECT_EQ(list.header()->sortIndicatorSection(), 0);
    list.OnColumnClick(0);
    EXPECT_EQ(column(list, 0), (QStringList{"200", "10", "9"}));
    EXPECT_FALSE(list.isAscending());
    EXPECT_EQ(context.sortColumn, 0);
    EXPECT_EQ(context.sortAscending, 0);
    list.OnColumnClick(2);
    EXPECT_TRUE(list.isAscending());
    EXPECT_EQ(column(list, 1), (QStringList{"Chen", "Brown", "Adams"}));
}

TEST_F(SortListWidget, NothingMovesWhileAPayeeIsAdded)
{
    CSortListCtrl list(context);
    fill(list);
    context.report().payeeMode = 4;
    list.OnColumnClick(1);
    EXPECT_EQ(column(list, 1), (QStringList{"Brown", "Adams", "Chen"}));
    EXPECT_EQ(list.sortColumn(), -1);
    EXPECT_FALSE(list.header()->isSortIndicatorShown());
}

TEST_F(SortListWidget, RowsNeedOneTextPerColumn)
{
    CSortListCtrl list(context);
    EXPECT_EQ(list.AddItem({QStringLiteral("a")}), -1); // no columns yet
    fill(list);
    EXPECT_EQ(list.AddItem({QStringLiteral("a"), QStringLiteral("b")}), -1);
    EXPECT_EQ(list.AddItem({QStringLiteral("1"), QStringLiteral("b"), QStringLiteral("c")}), 3);
    list.DeleteAllItems();
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(SortListWidget, StoredWidthsApplyOnlyToTheSameColumnCount)
{
    {
        const auto settings = openProfile();
        settings->beginGroup(QString::fromLatin1(kListCtrlsGroup));
        settings->setValue(kSortListLayoutValue, EncodeColumnLayout({33, 44, 55}));
    }
    CSortListCtrl list(context);
    fill(list);
    EXPECT_EQ(list.columnWidth(1), 44);

    CSortListCtrl other(context);
    other.setHeaderLabels({QStringLiteral("A"), QStringLiteral("B")});
    other.setColumnWidth(0, 70);
    other.setColumnWidth(1, 80);
    other.LoadColumnInfo(2);
    EXPECT_EQ(other.columnWidth(0), 70);
    EXPECT_EQ(other.columnWidth(1), 80);
}

} // namespace
