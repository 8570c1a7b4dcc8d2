#include "shell/StartupChecks.h"

#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "report/AppContext.h"
#include "report/Preferences.h"
#include "shell/LocalHttpServer.h"
#include "shell/UpdateCheckRunner.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

using namespace std::chrono_literals;

namespace {

// Start-up as the program runs it: started, then the event loop until the
// version check has ended.
void runStartupChecks(AppContext& context, VersionCheckOptions options = {})
{
    StartupChecks checks(context, std::move(options));
    checks.start();
    EXPECT_TRUE(spinUntil([&checks] { return !checks.checking(); }));
}

const QString kFirstRunOffer = QStringLiteral(
    "To save you having to repeat entering Payer Details, Quillastrand saves this data in a permanent file. \n\nQuillastrand will create the PayerList file in a default location only you can access.\n\nAlternatively you can specify a different location, especially if using a shared PayerList file. \n\nSelect Preferences under the File menu and choose a suitable location, or Save the default \nprovided to prevent this pop-up at restart.  \n\nYou can also specify default folders for other file types. \n\nDo you want to open the Preferences screen now?");

class StartupChecksTest : public ::testing::Test {
protected:
    StartupChecksTest()
    {
        const auto settings = openProfile();
        context.prefs = ReadPreferences(*settings, QStringLiteral("/documents/Quillastrand"));
        context.webBase = server.base();
        ui.onDialog(QStringLiteral("CSettings"), [] { return 1; });
    }

    TestProfile profile; // fresh: nothing stored
    LocalHttpServer server{LocalHttpServer::Mode::Reply, "4.0.0.0"};
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context{ui, files};
};

TEST_F(StartupChecksTest, AFreshProfileChecksTheVersionAndOffersThePreferences)
{
    ui.answer(Answer::Yes);
    runStartupChecks(context);
    EXPECT_EQ(server.requests(), 1);
    EXPECT_EQ(context.report().productVersion, QStringLiteral("4.0.0.0"));
    EXPECT_EQ(context.ownVersion, 4000000);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kFirstRunOffer);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(ui.dialogsRun, QStringList{QStringLiteral("CSettings")});
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(StartupChecksTest, NoOrCancelLeaveTheOfferForNextTime)
{
    for (Answer a : {Answer::No, Answer::Cancel}) {
        ui.answer(a);
        runStartupChecks(context);
        EXPECT_TRUE(ui.dialogsRun.isEmpty());
        EXPECT_EQ(context.prefs.prefsSet, QStringLiteral("0"));
    }
    EXPECT_EQ(ui.texts(), (QStringList{kFirstRunOffer, kFirstRunOffer}));
}

TEST_F(StartupChecksTest, WithoutCheckUpdatesTwoNoRequestIsMade)
{
    context.prefs.prefsSet = QStringLiteral("1");
    for (const char* value : {"1", "", "3"}) {
        context.prefs.checkUpdates = QString::fromLatin1(value);
        context.report().productVersion.clear();
        runStartupChecks(context);
        EXPECT_EQ(context.report().productVersion, QStringLiteral("4.0.0.0")) << value;
    }
    EXPECT_EQ(server.requests(), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.dialogsRun.isEmpty());
}

TEST_F(StartupChecksTest, ANewerVersionIsAnnouncedBeforeTheOffer)
{
    LocalHttpServer newer(LocalHttpServer::Mode::Reply, "4.0.1.2");
    context.webBase = newer.base();
    ui.answer(Answer::No);
    runStartupChecks(context);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(ui.messages[0].text.startsWith(QStringLiteral("Version 4.0.1.2 is now available")));
    EXPECT_EQ(ui.messages[1].text, kFirstRunOffer);
}

TEST_F(StartupChecksTest, SavedPreferencesAskNothing)
{
    context.prefs.prefsSet = QStringLiteral("1");
    runStartupChecks(context);
    EXPECT_EQ(server.requests(), 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartupChecksTest, TheEventLoopRunsWhileTheServerIsSilent)
{
    LocalHttpServer silent(LocalHttpServer::Mode::Stall);
    context.webBase = silent.base();
    ui.answer(Answer::No);
    std::optional<StartupChecks> checks;
    checks.emplace(context);
    checks->start();
    // Whatever the server does, start() has returned and timers fire.
    EXPECT_GE(spinFor(400ms), 3);
    EXPECT_TRUE(checks->checking());
    EXPECT_EQ(silent.requests(), 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.waitDepth, 0);

    // The window closes: the check ends at once, and says nothing.
    QElapsedTimer closing;
    closing.start();
    checks.reset();
    EXPECT_LT(closing.elapsed(), 5000); // the silent server would hold it 30 s
    spinFor(50ms);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.dialogsRun.isEmpty());
}

TEST_F(StartupChecksTest, TheOfferWaitsForTheCheck)
{
    ui.answer(Answer::No);
    StartupChecks checks(context);
    checks.start();
    // The reply is read on the event loop, never inside start().
    EXPECT_TRUE(checks.checking());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(spinUntil([&checks] { return !checks.checking(); }));
    EXPECT_EQ(server.requests(), 1);
    EXPECT_EQ(ui.texts(), QStringList{kFirstRunOffer});
}

} // namespace
