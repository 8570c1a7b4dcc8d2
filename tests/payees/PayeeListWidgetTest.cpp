#include "payees/dialogs/CPayeeList.h"

#include "lodgement/PdfServices.h"
#include "payees/PayeeRows.h"
#include "payees/PayeeServices.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "shell/ReportCommands.h"
#include "shell/dialogs/CMainFrame.h"
#include "support/DrawnCells.h"
#include "support/ListColumn.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"
#include "widgets/CSortListCtrl.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

class PayeeListWindow : public ::testing::Test
{
protected:
    PayeeListWindow()
        : context(ui, files)
        , commands(context, [this] { frame->RefreshView(); })
    {
        context.report().reportYear = QStringLiteral("2019");
        const char* surnames[] = { "Chen", "Adams", "Brown" };
        const char* checked[] = { "Yes", "Error", "Yes" };
        for (int i = 0; i < 3; ++i) {
            CCards c;
            c.payeeId = i + 1;
            c.payeeType = QStringLiteral("INB");
            c.surname = QString::fromLatin1(surnames[i]);
            c.tfn = QStringLiteral("123456782");
            c.checked = QString::fromLatin1(checked[i]);
            context.report().payees[i + 1] = c;
        }
    }

    template <typename T> static T* find(QWidget* parent, const char* name)
    {
        T* widget = parent->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static QStringList column(const CSortListCtrl& list, int c) { return columnTexts(list, c); }

    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
    CSumbridge1App commands;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(PayeeListWindow, OpensFromTheMainFormAndItsCountsReachIt)
{
    frame = std::make_unique<CMainFrame>(context, commands);
    frame->show();
    ui.onDialog(QStringLiteral("CPayeeList"), [this] {
        CPayeeList dialog(context, noPayeeServices(), noPdfServices(), frame.get());
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Payee List"));
        CSortListCtrl* list = dialog.list();
        EXPECT_EQ(list->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Given Name"));
        EXPECT_EQ(column(*list, 0), (QStringList { "1", "2", "3" }));
        EXPECT_EQ(list->rowText(0, 5), QStringLiteral("123 456 782"));
        EXPECT_EQ(find<QLineEdit>(&dialog, "count")->text(), QStringLiteral("3"));
        EXPECT_EQ(find<QLineEdit>(&dialog, "checked")->text(), QStringLiteral("2"));
        EXPECT_EQ(find<QPushButton>(&dialog, "copy")->toolTip(),
            QStringLiteral("Click here to Copy the entire Payee List to the Clipboard"));

        // A click on the "Surname" heading sorts by it.
        list->header()->sectionClicked(3);
        EXPECT_EQ(column(*list, 3), (QStringList { "Adams", "Brown", "Chen" }));
        EXPECT_EQ(context.sortColumn, 3);

        // Un-Check All, then the boxes and counts follow.
        find<QPushButton>(&dialog, "unCheckAll")->click();
        EXPECT_EQ(find<QLineEdit>(&dialog, "checked")->text(), QStringLiteral("0"));
        EXPECT_EQ(column(*list, 3), (QStringList { "Adams", "Brown", "Chen" }));
        find<QCheckBox>(&dialog, "all")->click();
        EXPECT_EQ(list->rows().checkedRows().size(), 3u);

        find<QPushButton>(&dialog, "close")->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(list->rowCount(), 0);
        return dialog.result();
    });
    find<QPushButton>(frame.get(), "payeesButton")->click();
    EXPECT_EQ(ui.dialogsRun, QStringList { "CPayeeList" });
    EXPECT_EQ(find<QLineEdit>(frame.get(), "payeesIncludedEdit")->text(), QStringLiteral("3"));
    EXPECT_EQ(find<QLineEdit>(frame.get(), "toBeCheckedEdit")->text(), QStringLiteral("3"));
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(PayeeListWindow, TheA01BoxGoesBackWhenTheAnswerIsNo)
{
    CPayeeList dialog(context, noPayeeServices(), noPdfServices());
    dialog.show();
    auto* box = find<QCheckBox>(&dialog, "a01FileOnly");
    ui.answer(Answer::No);
    box->click();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(context.report().a01FileOnly, 0);
    ui.answer(Answer::Yes);
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(context.report().a01FileOnly, 1);
}

TEST_F(PayeeListWindow, ColumnsTakeTheScreensScale)
{
    CPayeeList dialog(context, noPayeeServices(), noPdfServices());
    const int dpi = dialog.logicalDpiX();
    EXPECT_EQ(dialog.list()->columnWidth(3), PayeeListColumnWidth(3, dpi));
    EXPECT_EQ(dialog.list()->selectionMode(), QAbstractItemView::ExtendedSelection);
}

// After each action that refills the list, the heading's triangle marks the
// column and direction the rows really are in.
TEST_F(PayeeListWindow, TheSortTriangleFollowsEveryResort)
{
    CPayeeList dialog(context, noPayeeServices(), noPdfServices());
    dialog.show();
    CSortListCtrl* list = dialog.list();
    QHeaderView* header = list->header();
    const auto expectOrder = [&](int sorted, Qt::SortOrder order, const QStringList& texts, const char* after) {
        EXPECT_TRUE(header->isSortIndicatorShown()) << after;
        EXPECT_EQ(header->sortIndicatorSection(), sorted) << after;
        EXPECT_EQ(header->sortIndicatorOrder(), order) << after;
        EXPECT_EQ(column(*list, sorted), texts) << after;
    };
    expectOrder(0, Qt::AscendingOrder, { "1", "2", "3" }, "opening");
    header->sectionClicked(3);
    header->sectionClicked(3);
    expectOrder(3, Qt::DescendingOrder, { "Chen", "Brown", "Adams" }, "two clicks on Surname");

    // Adding shows the rows by ID.
    ui.onDialog(QStringLiteral("CAddPayee1"), [this] {
        context.report().payeeMode = 4;
        CCards c;
        c.payeeId = 4;
        c.payeeType = QStringLiteral("INB");
        c.surname = QStringLiteral("Baker");
        c.checked = QStringLiteral("Yes");
        context.report().payees[4] = c;
        context.report().payeesChanged = 1;
        return 1;
    });
    find<QPushButton>(&dialog, "add")->click();
    expectOrder(0, Qt::AscendingOrder, { "1", "2", "3", "4" }, "Add");

    header->sectionClicked(3);
    expectOrder(3, Qt::AscendingOrder, { "Adams", "Baker", "Brown", "Chen" }, "a click on Surname");
    list->setChecked(1, true); // Baker
    ui.answer(Answer::Yes);
    find<QPushButton>(&dialog, "delete")->click();
    expectOrder(3, Qt::AscendingOrder, { "Adams", "Brown", "Chen" }, "Delete");

    header->sectionClicked(0);
    header->sectionClicked(0);
    find<QPushButton>(&dialog, "unCheckAll")->click();
    expectOrder(0, Qt::DescendingOrder, { "3", "2", "1" }, "Un-Check All");

    find<QPushButton>(&dialog, "checkAll")->click();
    expectOrder(kPayeeCheckedColumn, Qt::AscendingOrder, { "No", "No", "No" }, "Check All");
}

// The selected payee's row keeps every text it shows unselected, over the
// selection's highlight, whether the list's window is active or not.
TEST_F(PayeeListWindow, ASelectedRowShowsItsTexts)
{
    for (const bool active : { true, false }) {
        SCOPED_TRACE(active ? "active window" : "inactive window");
        CPayeeList dialog(context, noPayeeServices(), noPdfServices());
        dialog.show();
        WindowActivity activity;
        if (!activity.set(&dialog, active))
            GTEST_SKIP() << "the platform does not make the window " << (active ? "active" : "inactive");
        CSortListCtrl* list = dialog.list();
        const QList<DrawnCell> unselected = drawnRow(list, 1);
        list->setCurrentIndex(list->model()->index(1, 3));
        ASSERT_EQ(list->rows().selectedRows(), (std::vector<int> { 1 }));
        QList<int> texts;
        for (int c = 0; c < list->columnCount(); ++c) {
            if (!list->rowText(1, c).isEmpty())
                texts << c;
        }
        expectSelectedCellsRead(unselected, drawnRow(list, 1), texts);
    }
}

} // namespace
