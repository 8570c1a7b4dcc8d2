#include "checks/dialogs/CDataReview1.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/DrawnCells.h"
#include "support/ListColumn.h"
#include "support/ScriptedUi.h"
#include "widgets/CSortListCtrl.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(DataReviewDialog, ShowsThePayeesAndRunsCheckAll)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    for (const qint32 id : {2, 1, 3}) {
        CCards c;
        c.payeeId = id;
        c.payeeType = id == 3 ? QStringLiteral("XYZ") : QStringLiteral("INB");
        c.checked = QStringLiteral("Yes");
        context.report().payees[id] = c;
    }
    context.report().a01FileOnly = 1;

    CDataReview1 dialog(context);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Payee Data Review"));
    EXPECT_EQ(columnTexts(*dialog.list(), 0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("count"))->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("checked"))->text(), QStringLiteral("3"));
    auto* a01 = dialog.findChild<QCheckBox*>(QStringLiteral("a01FileOnly"));
    EXPECT_TRUE(a01->isChecked());
    EXPECT_FALSE(a01->isEnabled());

    EXPECT_EQ(dialog.list()->header()->sortIndicatorSection(), 0);
    dialog.list()->header()->sectionClicked(3);
    dialog.findChild<QPushButton*>(QStringLiteral("checkAll"))->click();
    EXPECT_EQ(dialog.list()->rowText(0, 6), QStringLiteral("Error"));
    // Errors first: the heading's triangle moves to "Checked" with the rows.
    EXPECT_EQ(dialog.list()->header()->sortIndicatorSection(), 6);
    EXPECT_EQ(dialog.list()->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_NE(dialog.findChild<QLineEdit*>(QStringLiteral("checked"))->text(), QStringLiteral("3"));
}

// A click selects one cell of a payee's row; that cell keeps its text over
// the selection's highlight, whether the window is active or not.
TEST(DataReviewDialog, TheSelectedCellShowsItsText)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    const char* surnames[] = {"Whitmore", "Castellano", "Brightwater"};
    for (int i = 0; i < 3; ++i) {
        CCards c;
        c.payeeId = i + 1;
        c.payeeType = QStringLiteral("INB");
        c.surname = QString::fromLatin1(surnames[i]);
        c.checked = QStringLiteral("Yes");
        context.report().payees[i + 1] = c;
    }

    for (const bool active : {true, false}) {
        SCOPED_TRACE(active ? "active window" : "inactive window");
        CDataReview1 dialog(context);
        dialog.show();
        WindowActivity activity;
        if (!activity.set(&dialog, active))
            GTEST_SKIP() << "the platform does not make the window " << (active ? "active" : "inactive");
        CSortListCtrl* list = dialog.list();
        const QList<DrawnCell> unselected = drawnRow(list, 1);
        list->setCurrentIndex(list->model()->index(1, 3));
        ASSERT_TRUE(list->selectionModel()->isSelected(list->model()->index(1, 3)));
        expectSelectedCellsRead(unselected, drawnRow(list, 1), {3});
    }
}
