#include "shell/dialogs/AboutDlg.h"
#include "shell/dialogs/CMainFrame.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "shell/LocalHttpServer.h"
#include "shell/ReportCommands.h"
#include "shell/StartupChecks.h"
#include "shell/UpdateCheckRunner.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

using namespace std::chrono_literals;

namespace {

class SilentServer : public ::testing::Test {
protected:
    SilentServer()
    {
        context.webBase = server.base();
        context.prefs.checkUpdates = QStringLiteral("2");
        context.prefs.prefsSet = QStringLiteral("1");
    }

    TestProfile profile;
    LocalHttpServer server{LocalHttpServer::Mode::Stall};
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context{ui, files};
};

TEST_F(SilentServer, TheMainWindowAnswersAndClosesWhileTheStartupCheckWaits)
{
    CMainFrame* shown = nullptr;
    CSumbridge1App commands(context, [&shown] {
        if (shown)
            shown->RefreshView();
    });
    CMainFrame frame(context, commands);
    shown = &frame;
    frame.show();
    std::optional<StartupChecks> startup;
    startup.emplace(context);
    QTimer::singleShot(0, &frame, [&startup] { startup->start(); });

    // A click that arrives while the server is silent is handled.
    ui.onDialog(QStringLiteral("CPayer"), [] { return 1; });
    auto* payer = frame.findChild<QPushButton*>(QStringLiteral("payerButton"));
    ASSERT_NE(payer, nullptr);
    QTimer::singleShot(100, payer, &QPushButton::click);
    EXPECT_GE(spinFor(400ms), 3);
    EXPECT_TRUE(startup->checking());
    EXPECT_EQ(server.requests(), 1);
    EXPECT_EQ(ui.dialogsRun, QStringList{QStringLiteral("CPayer")});

    // Closing the window ends the check (the application drops it on leaving
    // its event loop), without a message.
    QElapsedTimer closing;
    closing.start();
    EXPECT_TRUE(frame.close());
    startup.reset();
    EXPECT_LT(closing.elapsed(), 5000); // the silent server would hold it 30 s
    spinFor(50ms);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SilentServer, TheAboutBoxWaitsForTheAnswerWithoutFreezing)
{
    std::optional<CAboutDlg> about;
    about.emplace(context);
    about->show();
    auto* check = about->findChild<QPushButton*>(QStringLiteral("checkForUpdate"));
    ASSERT_NE(check, nullptr);
    check->click();
    EXPECT_FALSE(check->isEnabled());
    EXPECT_EQ(ui.waitDepth, 1);
    EXPECT_GE(spinFor(300ms), 3);
    EXPECT_EQ(server.requests(), 1);

    // Closing the box ends the request and its wait cursor.
    QElapsedTimer closing;
    closing.start();
    about->reject();
    about.reset();
    EXPECT_LT(closing.elapsed(), 5000); // the silent server would hold it 30 s
    EXPECT_EQ(ui.waitDepth, 0);
    spinFor(50ms);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(AboutBoxCheck, TheButtonComesBackWithTheAnswer)
{
    LocalHttpServer server(LocalHttpServer::Mode::Reply, "4.0.0.0");
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.webBase = server.base();
    CAboutDlg about(context);
    auto* check = about.findChild<QPushButton*>(QStringLiteral("checkForUpdate"));
    ASSERT_NE(check, nullptr);
    check->click();
    EXPECT_TRUE(spinUntil([check] { return check->isEnabled(); }));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Latest Version is 4.0.0.0")});
    EXPECT_EQ(ui.waitDepth, 0);
}

} // namespace
