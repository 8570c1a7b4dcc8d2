#include "shell/VersionCheck.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "shell/AboutDlgLogic.h"
#include "shell/LocalHttpServer.h"
#include "shell/UpdateCheckRunner.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace {

const QString kNewer = QStringLiteral(
    " is now available from our website. \n\nIt is recommended you use the Download Update function from the Help "
    "menu and download the new version. \n\nOnce downloaded, you can un-install this version and install and use the "
    "newer version. \n\nSaved files and settings will not be affected.");
const QString kNoInternet = QStringLiteral("Unable to check for updates\nas there is no Internet connection available.");
const QString kNotANumber = QStringLiteral("Version number does not convert to a valid integer.");
const QString kTimedOut = QStringLiteral("Unable to check for updates\nas the Torvek website did not answer in time.");
const QString kUnreachable = QStringLiteral("Unable to check for updates\nas the Torvek website could not be reached.");

// ---- The version number rule --------------------------------------------

struct ParseCase {
    const char* text;
    VersionParse parse;
    qint32 value;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << '"' << QString::fromLatin1(c.text).toUtf8().toPercentEncoding().toStdString() << '"';
}

class VersionNumberRule : public ::testing::TestWithParam<ParseCase> {};

TEST_P(VersionNumberRule, ReadsTheDigitPositions)
{
    const ParseCase c = GetParam();
    const VersionNumber n = ParseVersionNumber(QString::fromLatin1(c.text));
    EXPECT_EQ(n.parse, c.parse) << c.text;
    if (c.parse == VersionParse::Number) {
        EXPECT_EQ(n.value, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionNumberRule,
    ::testing::Values(ParseCase{"4.0.0.0", VersionParse::Number, 4000000},
                      ParseCase{"4.0.1.2", VersionParse::Number, 4000102},
                      ParseCase{"4.0.0.10", VersionParse::Number, 4000010},
                      ParseCase{"4-0-1-2", VersionParse::Number, 4000102}, // separators are not examined
                      ParseCase{"9.9.9.99", VersionParse::Number, 9090999},
                      ParseCase{"4.x.1.2", VersionParse::NotANumber, 0},
                      ParseCase{" .0.1.2", VersionParse::NotANumber, 0},
                      ParseCase{"+.0.1.2", VersionParse::NotANumber, 0},
                      ParseCase{"4.0.0.1x", VersionParse::NotANumber, 0},
                      ParseCase{"4.0.1", VersionParse::WrongLength, 0}, ParseCase{"", VersionParse::WrongLength, 0},
                      ParseCase{"4.0.0.0\n", VersionParse::NotANumber, 0}, // 8 characters: "0\n" is no number
                      ParseCase{"4.0.0.0\r\n", VersionParse::WrongLength, 0},
                      ParseCase{"4.0.0.100", VersionParse::WrongLength, 0}));

TEST(VersionNumberRule, ComparesPartByPart)
{
    const auto value = [](const char* text) { return ParseVersionNumber(QString::fromLatin1(text)).value; };
    EXPECT_LT(value("4.0.0.10"), value("4.1.0.0"));
    EXPECT_LT(value("4.0.0.9"), value("4.0.0.10"));
    EXPECT_LT(value("4.0.0.99"), value("4.0.1.0"));
    EXPECT_LT(value("3.9.9.99"), value("4.0.0.0"));
    EXPECT_EQ(value("4.0.0.1"), value("4.0.0.01"));
}

// ---- The checks against a real server -------------------------------------

class VersionCheckTest : public ::testing::Test {
protected:
    VersionCheckTest() { options.productVersion = QStringLiteral("4.0.0.0"); }

    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context{ui, files};
    VersionCheckOptions options{2000ms, 5000ms};
};

struct ReplyCase {
    const char* name;
    const char* own;
    QByteArray body;
    int status;
    // What the start-up check shows, and what Check for Update shows.
    QStringList atStartup;
    QStringList onRequest;
    qint32 latest;
};

void PrintTo(const ReplyCase& c, std::ostream* os)
{
    *os << c.name;
}

class VersionReplyTest : public VersionCheckTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(VersionReplyTest, StartupCheckAndCheckForUpdate)
{
    const ReplyCase c = GetParam();
    options.productVersion = QString::fromLatin1(c.own);
    LocalHttpServer server(LocalHttpServer::Mode::Reply, c.body, c.status);
    context.webBase = server.base();

    EXPECT_NE(checkAtStartup(context, options), UpdateCheckResult::NoInternet);
    EXPECT_EQ(ui.texts(), c.atStartup);
    EXPECT_EQ(context.report().latestVersion, c.latest);
    EXPECT_EQ(context.report().noInternet, 0);
    EXPECT_EQ(context.report().versionText, QStringLiteral("Version: ") + QString::fromLatin1(c.own));

    ScriptedUi ui2;
    AppContext context2(ui2, files);
    context2.webBase = server.base();
    checkOnRequest(context2, options);
    EXPECT_EQ(ui2.texts(), c.onRequest);
    EXPECT_EQ(server.requests(), 2);
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_EQ(ui2.waitDepth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, VersionReplyTest,
    ::testing::Values(
        ReplyCase{"Newer", "4.0.0.0", "4.0.1.2", 200, {"Version 4.0.1.2" + kNewer}, {"Version 4.0.1.2" + kNewer}, 4000102},
        ReplyCase{"Same", "4.0.0.0", "4.0.0.0", 200, {}, {"Latest Version is 4.0.0.0"}, 4000000},
        ReplyCase{"OlderByParts", "4.1.0.0", "4.0.0.10", 200, {}, {"Latest Version is 4.0.0.10"}, 4000010},
        ReplyCase{"NewerByParts", "4.0.0.10", "4.1.0.0", 200, {"Version 4.1.0.0" + kNewer}, {"Version 4.1.0.0" + kNewer},
                  4010000},
        ReplyCase{"Dashes", "4.0.0.0", "4-0-1-2", 200, {"Version 4-0-1-2" + kNewer}, {"Version 4-0-1-2" + kNewer},
                  4000102},
        ReplyCase{"WrongLength", "4.0.0.0", "4.0.0.0\r\n", 200, {}, {"Latest Version is 4.0.0.0\r\n"}, 0},
        ReplyCase{"Empty", "4.0.0.0", "", 200, {}, {"Latest Version is "}, 0},
        ReplyCase{"NotANumber", "4.0.0.0", "4.x.1.2", 200, {kNotANumber}, {kNotANumber, "Latest Version is 4.x.1.2"}, 0},
        // An error page is no version page, whatever its length.
        ReplyCase{"ErrorPage", "4.0.0.0", "4.9.9.9", 404, {}, {kUnreachable}, 0},
        // A reply far beyond the page's size is refused, not collected.
        ReplyCase{"Huge", "4.0.0.0", QByteArray(200 * 1024, '4'), 200, {}, {kUnreachable}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VersionCheckTest, StalledServerEndsWithinTheOverallTimeout)
{
    LocalHttpServer server(LocalHttpServer::Mode::Stall);
    context.webBase = server.base();
    options.overallTimeout = 1000ms;

    const auto started = std::chrono::steady_clock::now();
    checkOnRequest(context, options);
    const auto took = std::chrono::steady_clock::now() - started;

    EXPECT_EQ(ui.texts(), QStringList{kTimedOut});
    EXPECT_EQ(server.requests(), 1);
    EXPECT_GE(took, 900ms);
    EXPECT_LT(took, 10s);
    EXPECT_EQ(context.report().latestVersion, 0);
}

TEST_F(VersionCheckTest, StalledServerAtStartupSaysNothing)
{
    LocalHttpServer server(LocalHttpServer::Mode::Stall);
    context.webBase = server.base();
    options.overallTimeout = 500ms;
    EXPECT_EQ(checkAtStartup(context, options), UpdateCheckResult::TimedOut);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(VersionCheckTest, NoServerAtAll)
{
    context.webBase = LocalHttpServer::baseWithNoServer();
    EXPECT_EQ(checkAtStartup(context, options), UpdateCheckResult::TransferFailed);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(context.report().noInternet, 0);

    checkOnRequest(context, options);
    EXPECT_EQ(ui.texts(), QStringList{kUnreachable});
}

TEST_F(VersionCheckTest, AFailedCheckKeepsTheLastReply)
{
    {
        LocalHttpServer server(LocalHttpServer::Mode::Reply, "4.0.1.2");
        context.webBase = server.base();
        checkAtStartup(context, options);
    }
    context.webBase = LocalHttpServer::baseWithNoServer();
    checkAtStartup(context, options);
    // Still newer than ours, and still quoted as it was received.
    EXPECT_EQ(ui.texts(), (QStringList{"Version 4.0.1.2" + kNewer, "Version 4.0.1.2" + kNewer}));
    EXPECT_EQ(context.report().versionReply, QStringLiteral("4.0.1.2"));
}

TEST_F(VersionCheckTest, NoInternetShowsOneMessageAndMakesNoRequest)
{
    context.webBase = QStringLiteral("http://version-check.invalid");
    EXPECT_EQ(checkAtStartup(context, options), UpdateCheckResult::NoInternet);
    EXPECT_EQ(ui.texts(), QStringList{kNoInternet});
    ui.messages.clear();
    checkOnRequest(context, options);
    EXPECT_EQ(ui.texts(), QStringList{kNoInternet});
    EXPECT_EQ(context.report().noInternet, 1);

    // A later check that reaches the server clears the flag.
    LocalHttpServer server(LocalHttpServer::Mode::Reply, "4.0.0.0");
    context.webBase = server.base();
    checkAtStartup(context, options);
    EXPECT_EQ(context.report().noInternet, 0);
}

struct OwnVersionCase {
    const char* own;
    const char* message;
};

void PrintTo(const OwnVersionCase& c, std::ostream* os)
{
    *os << c.own;
}

class OwnVersionTest : public VersionCheckTest, public ::testing::WithParamInterface<OwnVersionCase> {};

TEST_P(OwnVersionTest, ABadOwnVersionStopsBeforeTheNetwork)
{
    LocalHttpServer server(LocalHttpServer::Mode::Reply, "4.0.1.2");
    context.webBase = server.base();
    context.ownVersion = 1234;
    options.productVersion = QString::fromLatin1(GetParam().own);
    checkOnRequest(context, options);
    EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(GetParam().message)});
    EXPECT_EQ(server.requests(), 0);
    EXPECT_EQ(context.ownVersion, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnVersionTest,
    ::testing::Values(OwnVersionCase{"4.a.0.0", "Error - Version number does not convert to a valid integer."},
                      OwnVersionCase{"4.0.0.1a", "Error- Version number does not convert to a valid integer."}));

TEST_F(VersionCheckTest, AnOwnVersionOfAnotherLengthKeepsTheLastNumber)
{
    LocalHttpServer server(LocalHttpServer::Mode::Reply, "4.0.1.2");
    context.webBase = server.base();
    context.ownVersion = 9999999;
    options.productVersion = QStringLiteral("4.0");
    checkAtStartup(context, options);
    EXPECT_EQ(context.ownVersion, 9999999);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(server.requests(), 1);
}

TEST_F(VersionCheckTest, OwnVersionIsTheBuiltOne)
{
    EXPECT_EQ(AppContext::builtVersion(), QStringLiteral("4.0.0.0"));
    EXPECT_EQ(AboutVersionText(context), QStringLiteral("Version: 4.0.0.0"));
    EXPECT_EQ(context.report().productVersion, QStringLiteral("4.0.0.0"));
    EXPECT_EQ(context.report().versionText, QStringLiteral("Version: 4.0.0.0"));
}

// ---- Download Update and Visit our website -------------------------------

class RefusingBrowserUi : public ScriptedUi {
public:
    bool openUrl(const QString& url) override
    {
        ScriptedUi::openUrl(url);
        return false;
    }
};

TEST(AboutPages, OpenTheirPagesInTheBrowser)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.webBase = QStringLiteral("http://example.test");
    OnDownloadUpdate(context);
    OnVisitWebsite(context);
    EXPECT_EQ(ui.urlsOpened, (QStringList{"http://example.test/veskq/Release4Updates508wkqr6/",
                                          "http://example.test/index.php"}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.waitCursorsShown, 2);
}

TEST(AboutPages, SayWhenThePageCannotBeOpened)
{
    RefusingBrowserUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    OnDownloadUpdate(context);
    OnVisitWebsite(context);
    EXPECT_EQ(ui.texts(),
              (QStringList{"An error occurred while trying to access the Quillastrand Updates page.\n\r\n\rPlease e-mail "
                           "this message to sales@torvek.com.au.",
                           "An error occurred while trying to access the Torvek website.\n\r\n\rPlease e-mail this "
                           "message to sales@torvek.com.au."}));
}

} // namespace
