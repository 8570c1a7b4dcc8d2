#include "widgets/CSortListCtrl.h"

#include "report/AppContext.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "support/DrawnCells.h"
#include "support/ListColumn.h"
#include "support/ScriptedUi.h"
#include "widgets/SortListCompare.h"
#include "support/TestProfile.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

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

// ---- Numbers are never cut; a cut text shows whole as its tooltip ----

const QString kKey = QStringLiteral("51824753556001");
const QString kAbn = QStringLiteral("51 824 753 556");
const QString kLongName = QStringLiteral("Pottery and Ceramics Wholesale of Australia Pty Ltd");

// The least width that shows a text whole in a cell without a check box:
// the text and the style's margin either side.
int widthShowing(const CSortListCtrl& list, const QString& text)
{
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return QFontMetrics(list.font()).horizontalAdvance(text) + 2 * margin;
}

// Columns as the Payer List makes them: key, name, ABN.
void payerColumns(CSortListCtrl& list, int nameWidth, int abnWidth)
{
    list.setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Legal Name"), QStringLiteral("ABN")});
    list.setColumnWidth(0, 130);
    list.setColumnWidth(1, nameWidth);
    list.setColumnWidth(2, abnWidth);
    list.LoadColumnInfo(3);
}

TEST_F(SortListWidget, AnAbnOrKeyIsNeverCutANameMayBe)
{
    // The ABN column's width as the Payer List and the Payee List set it, one
    // far too narrow, and one wider than needed.
    // The grid's frame around each cell takes a pixel on either side.
    for (const int abnWidth : {100, 90, 20, 300}) {
        for (const bool oneByOne : {false, true}) {
            for (const bool grid : {false, true}) {
                SCOPED_TRACE(testing::Message() << "ABN column " << abnWidth << (oneByOne ? ", rows one by one" : "")
                                                << (grid ? ", grid lines" : ""));
                CSortListCtrl list(context);
                payerColumns(list, 60, abnWidth);
                list.setGridLines(grid);
                const int frame = grid ? 2 : 0;
                if (oneByOne) {
                    list.AddItem({QStringLiteral("12"), QStringLiteral("Ann"), QStringLiteral("7")});
                    list.AddItem({kKey, kLongName, kAbn});
                } else {
                    list.fillRows({{QStringLiteral("12"), QStringLiteral("Ann"), QStringLiteral("7")},
                                   {kKey, kLongName, kAbn}});
                }
                EXPECT_GE(list.columnWidth(2), widthShowing(list, kAbn) + frame);
                EXPECT_GE(list.columnWidth(2), abnWidth); // never narrower than the dialog made it
                EXPECT_EQ(list.cutText(1, 2), QString());
                EXPECT_EQ(list.cutText(1, 0), QString()); // the key, beside its check box
                EXPECT_EQ(list.columnWidth(1), 60);       // a name is left to be cut
                EXPECT_EQ(list.cutText(1, 1), kLongName);
                EXPECT_EQ(list.cutText(0, 1), QString());

                // A larger font widens the columns of numbers again.
                QFont larger = list.font();
                larger.setPointSize(larger.pointSize() * 2);
                list.setFont(larger);
                EXPECT_GE(list.columnWidth(2), widthShowing(list, kAbn) + frame);
                EXPECT_EQ(list.cutText(1, 2), QString());
            }
        }
    }
}

TEST_F(SortListWidget, AStoredWidthIsKeptAndItsCutNumberShowsAsTooltipText)
{
    {
        const auto settings = openProfile();
        settings->beginGroup(QString::fromLatin1(kListCtrlsGroup));
        settings->setValue(kSortListLayoutValue, EncodeColumnLayout({130, 60, 30}));
    }
    CSortListCtrl list(context);
    payerColumns(list, 230, 100);
    list.fillRows({{kKey, kLongName, kAbn}});
    EXPECT_EQ(list.columnWidth(2), 30);
    EXPECT_EQ(list.cutText(0, 2), kAbn);
}

TEST_F(SortListWidget, PointingAtACutCellShowsItsWholeTextOnly)
{
    CSortListCtrl list(context);
    payerColumns(list, 60, 100);
    list.fillRows({{kKey, kLongName, kAbn}});
    list.resize(600, 200);
    list.show();
    QApplication::processEvents();

    const auto point = [&list](int column) {
        const QPoint at = list.visualRect(list.rows().index(0, column)).center();
        QHelpEvent event(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &event);
    };
    point(2);
    EXPECT_FALSE(QToolTip::isVisible()) << QToolTip::text().toStdString();
    point(1);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), kLongName);
    QToolTip::hideText();
}

// ---- Grid lines ----

// The grid frames every cell around what the style paints in it, so a
// selected row keeps its highlight and its texts as it does without a grid.
TEST_F(SortListWidget, GridLinesFrameTheCellsAndASelectedRowKeepsItsTexts)
{
    const QColor gridLine(0xd9, 0xd9, 0xd9);
    for (const bool grid : {false, true}) {
        SCOPED_TRACE(grid ? "grid lines" : "no grid lines");
        CSortListCtrl list(context);
        fill(list);
        list.setGridLines(grid);
        list.resize(400, 200);
        list.show();
        QApplication::processEvents();

        const QImage drawn = list.viewport()->grab().toImage();
        const QRect cell = list.visualRect(list.model()->index(1, 1));
        EXPECT_EQ(drawn.pixelColor(cell.center().x(), cell.top()) == gridLine, grid) << "top edge";
        EXPECT_EQ(drawn.pixelColor(cell.left(), cell.center().y()) == gridLine, grid) << "left edge";
        EXPECT_EQ(drawn.pixelColor(cell.right(), cell.center().y()) == gridLine, grid) << "right edge";

        const QList<DrawnCell> unselected = drawnRow(&list, 1);
        list.setCurrentIndex(list.model()->index(1, 1));
        expectSelectedCellsRead(unselected, drawnRow(&list, 1), {0, 1, 2});
    }
}

} // namespace
