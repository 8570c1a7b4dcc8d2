#include "shell/SettingsLogic.h"

#include "platform/Profile.h"
#include "report/AppContext.h"
#include "report/Preferences.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Op = FaultyFileSystem::Op;

const char* const kBrowseSorry =
    " - you do not seem to have write access to this \nfolder, please try a different location.";

class SettingsLogicTest : public ::testing::Test {
protected:
    SettingsLogicTest()
    {
        for (const char* name : {"reports", "lodgement", "payers", "pdf", "default", "chosen"})
            QDir(dir.path()).mkpath(QString::fromLatin1(name));
        Preferences& prefs = context.prefs;
        prefs.defaultFolder = path("default");
        prefs.pathSavedReports = path("reports");
        prefs.pathSavedD01Files = path("lodgement");
        prefs.pathPayerListFile = path("payers");
        prefs.pathPayeePDFFiles = path("pdf");
    }

    QString path(const char* name) const { return dir.path() + QLatin1Char('/') + QString::fromLatin1(name); }

    static QString stored(const QString& key)
    {
        const auto settings = openProfile();
        settings->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        return settings->value(key, QStringLiteral("<absent>")).toString();
    }

    static QStringList storedKeys()
    {
        const auto settings = openProfile();
        settings->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        return settings->childKeys();
    }

    TestProfile profile;
    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context{ui, files};
    SettingsLogic logic{context};
};

// ---- Opening and the two option boxes --------------------------------------

TEST_F(SettingsLogicTest, OpeningSettlesTheOptionsToWhatTheBoxesShow)
{
    struct Case {
        const char* stored;
        bool ticked;
        const char* after;
    };
    for (const Case c : {Case{"2", true, "2"}, Case{"", true, "2"}, Case{"1", false, "1"}, Case{"x", false, "1"}}) {
        context.prefs.checkUpdates = QString::fromLatin1(c.stored);
        logic.init();
        EXPECT_EQ(logic.checkUpdatesTicked(), c.ticked) << c.stored;
        EXPECT_EQ(context.prefs.checkUpdates, QString::fromLatin1(c.after)) << c.stored;
    }
    for (const Case c : {Case{"Yes", true, "Yes"}, Case{"", true, "Yes"}, Case{"No", false, "No"},
                         Case{"yes", false, "No"}}) {
        context.prefs.printZero = QString::fromLatin1(c.stored);
        logic.init();
        EXPECT_EQ(logic.printZeroTicked(), c.ticked) << c.stored;
        EXPECT_EQ(context.prefs.printZero, QString::fromLatin1(c.after)) << c.stored;
    }
}

TEST_F(SettingsLogicTest, TogglesChangeOnlyKnownValues)
{
    struct Case {
        const char* before;
        const char* after;
    };
    for (const Case c : {Case{"2", "1"}, Case{"", "1"}, Case{"1", "2"}, Case{"7", "7"}}) {
        context.prefs.checkUpdates = QString::fromLatin1(c.before);
        logic.toggleCheckUpdates();
        EXPECT_EQ(context.prefs.checkUpdates, QString::fromLatin1(c.after)) << c.before;
    }
    for (const Case c : {Case{"Yes", "No"}, Case{"No", "Yes"}, Case{"", ""}, Case{"x", "x"}}) {
        context.prefs.printZero = QString::fromLatin1(c.before);
        logic.togglePrintZero();
        EXPECT_EQ(context.prefs.printZero, QString::fromLatin1(c.after)) << c.before;
    }
}

TEST_F(SettingsLogicTest, EmptyCheckUpdatesIsSavedAsTwoAndUntickedAsOne)
{
    context.prefs.checkUpdates.clear();
    logic.init();
    ASSERT_TRUE(logic.save());
    EXPECT_EQ(stored(kPrefCheckUpdates), QStringLiteral("2"));
    logic.toggleCheckUpdates();
    ASSERT_TRUE(logic.save());
    EXPECT_EQ(stored(kPrefCheckUpdates), QStringLiteral("1"));
}

// ---- Browse 1, 2 and 4 -----------------------------------------------------

struct BrowseCase {
    SettingsFolder which;
    const char* title;
    bool KnownWritable::*flag;
};

void PrintTo(const BrowseCase& c, std::ostream* os)
{
    const char* const names[] = {"Reports", "Lodgement", "PayerList", "Pdf"};
    *os << names[int(c.which)];
}

const BrowseCase kBrowseCases[] = {
    {SettingsFolder::Reports, "Please select a folder for storing Report files:", &KnownWritable::reports},
    {SettingsFolder::Lodgement, "Please select a folder for saving VESK.A01 files:", &KnownWritable::lodgement},
    {SettingsFolder::Pdf, "Please select a folder for saving Payment Summaries:", &KnownWritable::pdf},
};

class BrowseTest : public SettingsLogicTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowseTest, TakesAFolderProvedWritable)
{
    const BrowseCase c = GetParam();
    // A file of the user's that happens to bear the old probe name.
    QFile mine(path("chosen") + QStringLiteral("/mytemp.foo"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("keep me");
    mine.close();

    ui.answerFolder(path("chosen"));
    EXPECT_TRUE(logic.browse(c.which));
    EXPECT_EQ(ui.folderTitles, QStringList{QString::fromLatin1(c.title)});
    EXPECT_EQ(logic.folder(c.which), path("chosen"));
    EXPECT_TRUE(context.writable.*c.flag);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(QDir(path("chosen")).entryList(QDir::Files), QStringList{QStringLiteral("mytemp.foo")});
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), QByteArray("keep me"));
    // Nothing reaches the profile before Save.
    EXPECT_TRUE(storedKeys().isEmpty());
}

TEST_P(BrowseTest, RefusesAFolderThatCannotBeWritten)
{
    const BrowseCase c = GetParam();
    struct Kind {
        FileError error;
        const char* prefix;
    };
    for (const Kind k : {Kind{FileError::AccessDenied, "Sorry1"}, Kind{FileError::Other, "Sorry3"},
                         Kind{FileError::NotFound, "Sorry3"}}) {
        files.clear();
        files.fail(Op::Create, path("chosen"), k.error);
        ui.messages.clear();
        const QString before = logic.folder(c.which);
        ui.answerFolder(path("chosen"));
        EXPECT_FALSE(logic.browse(c.which));
        EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(k.prefix) + QString::fromLatin1(kBrowseSorry)});
        EXPECT_EQ(logic.folder(c.which), before);
        EXPECT_FALSE(context.writable.*c.flag);
    }
}

TEST_P(BrowseTest, CancelChangesNothing)
{
    const BrowseCase c = GetParam();
    const QString before = logic.folder(c.which);
    ui.answerFolder(std::nullopt);
    EXPECT_FALSE(logic.browse(c.which));
    EXPECT_EQ(logic.folder(c.which), before);
    EXPECT_FALSE(context.writable.*c.flag);
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Folders, BrowseTest, ::testing::ValuesIn(kBrowseCases));

// ---- Browse 3, the Payer List folder ----------------------------------------

const QString kMoveQuestion = QStringLiteral(
    "This will not move your existing Payer List. Before changing the Payer List location, you should export your "
    "existing Payer List. \n\nThis will allow you to later import all the Payers into another Payer List file at the "
    "new location. \n\nDo you want to proceed with changing the Payer List location?");

TEST_F(SettingsLogicTest, PayerListFolderWithoutAPayerListFileAsksNothing)
{
    context.payers[QStringLiteral("51824753556001")] = CPayers{};
    ui.answerFolder(path("chosen"));
    EXPECT_TRUE(logic.browse(SettingsFolder::PayerList));
    EXPECT_EQ(ui.folderTitles, QStringList{QStringLiteral("Please select a folder for the PayerList file:")});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(context.prefs.pathPayerListFile, path("chosen"));
    EXPECT_EQ(context.prefs.prefsSet, QStringLiteral("1"));
    EXPECT_TRUE(context.writable.payerList);
    EXPECT_TRUE(context.payers.empty()); // the next load reads the new folder
}

TEST_F(SettingsLogicTest, PayerListFolderAsksFirstOnceAPayerListWasWritten)
{
    context.prefs.prefsSet1 = QStringLiteral("1");
    context.payers[QStringLiteral("51824753556001")] = CPayers{};
    for (Answer refusal : {Answer::No, Answer::Cancel}) {
        ui.answer(refusal);
        EXPECT_FALSE(logic.browse(SettingsFolder::PayerList));
        EXPECT_TRUE(ui.folderTitles.isEmpty());
        EXPECT_EQ(context.prefs.pathPayerListFile, path("payers"));
        EXPECT_EQ(context.payers.size(), 1u);
    }
    ui.answer(Answer::Yes);
    ui.answerFolder(path("chosen"));
    EXPECT_TRUE(logic.browse(SettingsFolder::PayerList));
    EXPECT_EQ(context.prefs.pathPayerListFile, path("chosen"));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].text, kMoveQuestion);
    EXPECT_EQ(ui.messages[2].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(ui.messages[2].icon, MessageIcon::Question);
}

TEST_F(SettingsLogicTest, PayerListFolderWithAPayerListFileSaysItWillBeUsed)
{
    QFile existing(path("chosen") + QStringLiteral("/LivePayerList.mpl"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    ui.answerFolder(path("chosen"));
    EXPECT_TRUE(logic.browse(SettingsFolder::PayerList));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral(
                              "Quillastrand will use the existing Payer List file located in this folder.")});
    EXPECT_EQ(context.prefs.pathPayerListFile, path("chosen"));
}

TEST_F(SettingsLogicTest, PayerListFolderThatCannotBeWrittenIsRefused)
{
    context.payers[QStringLiteral("51824753556001")] = CPayers{};
    files.fail(Op::Create, path("chosen"), FileError::AccessDenied);
    ui.answerFolder(path("chosen"));
    EXPECT_FALSE(logic.browse(SettingsFolder::PayerList));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Sorry1") + QString::fromLatin1(kBrowseSorry)});
    EXPECT_EQ(context.prefs.pathPayerListFile, path("payers"));
    EXPECT_EQ(context.prefs.prefsSet, QStringLiteral("0"));
    EXPECT_EQ(context.payers.size(), 1u);
    EXPECT_FALSE(context.writable.payerList);
}

// ---- Save --------------------------------------------------------------------

TEST_F(SettingsLogicTest, SaveProvesEveryFolderThenWritesThePreferences)
{
    context.prefs.checkUpdates = QStringLiteral("1");
    context.prefs.printZero = QStringLiteral("No");
    EXPECT_TRUE(logic.save());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(stored(kPrefPathSavedReports), path("reports"));
    EXPECT_EQ(stored(kPrefPathSavedD01Files), path("lodgement"));
    EXPECT_EQ(stored(kPrefPathPayerListFile), path("payers"));
    EXPECT_EQ(stored(kPrefPathPayeePDFFiles), path("pdf"));
    EXPECT_EQ(stored(kPrefCheckUpdates), QStringLiteral("1"));
    EXPECT_EQ(stored(kPrefSet), QStringLiteral("1"));
    EXPECT_EQ(stored(kPrefPrintZero), QStringLiteral("No"));
    // The names and "Set1" are written elsewhere.
    EXPECT_EQ(storedKeys().size(), 7);
    EXPECT_TRUE(context.writable.reports && context.writable.lodgement && context.writable.payerList &&
                context.writable.pdf);
    for (const char* folder : {"reports", "lodgement", "payers", "pdf"})
        EXPECT_TRUE(QDir(path(folder)).isEmpty()) << folder;

    // Proved once, never tested again in this run.
    for (const char* folder : {"reports", "lodgement", "payers", "pdf"})
        files.fail(Op::Create, path(folder), FileError::AccessDenied);
    EXPECT_TRUE(logic.save());
    EXPECT_TRUE(ui.messages.empty());
}

struct SaveRefusal {
    SettingsFolder which;
    const char* folder;
    const char* rest;
};

void PrintTo(const SaveRefusal& c, std::ostream* os)
{
    *os << c.folder;
}

class SaveRefusalTest : public SettingsLogicTest, public ::testing::WithParamInterface<SaveRefusal> {};

TEST_P(SaveRefusalTest, StopsAtTheFirstUnwritableFolderAndWritesNothing)
{
    const SaveRefusal c = GetParam();
    for (const auto& [error, prefix] : {std::pair{FileError::AccessDenied, "Sorry1 - "},
                                        std::pair{FileError::Other, "Sorry3 - "},
                                        std::pair{FileError::NotFound, "Sorry3 - "}}) {
        files.clear();
        context.writable = KnownWritable{};
        ui.messages.clear();
        files.fail(Op::Create, path(c.folder), error);
        EXPECT_FALSE(logic.save());
        EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(prefix) + QString::fromLatin1(c.rest)});
        EXPECT_TRUE(storedKeys().isEmpty());
        EXPECT_EQ(context.prefs.prefsSet, QStringLiteral("1")); // in memory only
        const bool flags[] = {context.writable.reports, context.writable.lodgement, context.writable.payerList,
                              context.writable.pdf};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(flags[i], i < int(c.which)) << "flag " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SaveRefusalTest,
    ::testing::Values(
        SaveRefusal{SettingsFolder::Reports, "reports",
                    "you do not seem to have write access to the Report folder, Click Browse 1 to select a different "
                    "location."},
        SaveRefusal{SettingsFolder::Lodgement, "lodgement",
                    "you do not seem to have write access to the VESK.A01 folder, Click Browse 2 to select a different "
                    "location."},
        SaveRefusal{SettingsFolder::PayerList, "payers",
                    "you do not seem to have write access to the PayerList folder, Click Browse 3 to select a "
                    "different location."},
        SaveRefusal{SettingsFolder::Pdf, "pdf",
                    "you do not seem to have write access to the Payment Summaries folder, Click Browse 4 to select "
                    "a different location."}));

TEST_F(SettingsLogicTest, SaveSkipsAFolderProvedByBrowse)
{
    ui.answerFolder(path("chosen"));
    ASSERT_TRUE(logic.browse(SettingsFolder::Pdf));
    files.fail(Op::Create, path("chosen"), FileError::AccessDenied);
    EXPECT_TRUE(logic.save());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(stored(kPrefPathPayeePDFFiles), path("chosen"));
}

TEST_F(SettingsLogicTest, SaveProvesTheDefaultFolderForAnEmptyPreference)
{
    context.prefs.pathSavedD01Files.clear();
    files.fail(Op::Create, path("default"), FileError::Other);
    EXPECT_FALSE(logic.save());
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Sorry3 - you do not seem to have write access to the VESK.A01 "
                                                     "folder, Click Browse 2 to select a different location.")});
    files.clear();
    EXPECT_TRUE(logic.save());
    EXPECT_EQ(stored(kPrefPathSavedD01Files), QString()); // stays empty: the default applies
}

TEST_F(SettingsLogicTest, SetButtonsOpenTheNameLists)
{
    logic.setAllowances();
    logic.setOrganisations();
    EXPECT_EQ(ui.dialogsRun, (QStringList{"CAllowances1", "COrganisations1"}));
}

} // namespace
