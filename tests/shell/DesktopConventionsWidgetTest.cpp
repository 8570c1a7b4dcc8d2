#include "shell/dialogs/CMainFrame.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "shell/ReportCommands.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class DesktopConventions : public ::testing::Test {
protected:
    DesktopConventions() : commands(context, [this] { frame.RefreshView(); }) { frame.show(); }

    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context{ui, files};
    CSumbridge1App commands;
    CMainFrame frame{context, commands};
};

// Without a desktop icon theme the program's own icons stand in, so no
// toolbar button falls back to showing its name.
TEST_F(DesktopConventions, EveryToolbarButtonShowsAnIcon)
{
    const QString theme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    CSumbridge1App otherCommands(context, {});
    CMainFrame themeless(context, otherCommands);
    QIcon::setThemeName(theme);

    auto* bar = themeless.findChild<QToolBar*>(QStringLiteral("mainToolBar"));
    ASSERT_NE(bar, nullptr);
    int buttons = 0;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator())
            continue;
        ++buttons;
        EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->text().toStdString();
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    EXPECT_EQ(buttons, 8);
}

TEST_F(DesktopConventions, ReadyComesBackAfterATip)
{
    QStatusBar* bar = frame.statusBar();
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Ready"));
    QStatusTipEvent tip(QStringLiteral("Create a new Report"));
    QApplication::sendEvent(&frame, &tip);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Create a new Report"));
    QStatusTipEvent gone{QString()};
    QApplication::sendEvent(&frame, &gone);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Ready"));
}

// The tab key visits what can be seen, in the order of the form.
QStringList tabStops(QWidget* window)
{
    QStringList stops;
    QWidget* w = window;
    do {
        w = w->nextInFocusChain();
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            stops << w->objectName();
    } while (w != window && stops.size() < 100);
    return stops;
}

TEST_F(DesktopConventions, TabFollowsTheFormAndSkipsTheScrollArea)
{
    auto* scroll = frame.findChild<QScrollArea*>(QStringLiteral("formScroll"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->focusPolicy() & Qt::TabFocus);

    // A new report: "7. Generate Files" is disabled, so it is passed by.
    EXPECT_EQ(tabStops(&frame).join(u' ').toStdString(),
              "payerButton yearButton yearEdit changeYearButton payeesButton payeesIncludedEdit supplierButton "
              "refNoButton fileReferenceEdit dataReviewButton toBeCheckedEdit loadA01Button helpButton "
              "howToUseButton");
}

} // namespace
