#include "shell/ReportCommands.h"

#include "report/AppContext.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"
#include "shell/MainFormModel.h"
#include "shell/RecentFileList.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>

#include <sys/stat.h>

namespace {

class ReportCommands : public ::testing::Test {
protected:
    ReportCommands() : context(ui, files), app(context, [this] { ++refreshes; })
    {
        context.prefs.defaultFolder = dir.path();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // A report file holding one payee and the given payer.
    QString writeReport(const QString& name, const QString& payer, qint32 payeeId)
    {
        Report report;
        ResetReportGlobals(report);
        report.payerName = payer;
        report.reportYear = QStringLiteral("2019");
        CCards card;
        card.payeeId = payeeId;
        card.surname = payer + QStringLiteral(" payee");
        report.payees[payeeId] = card;
        writeBytes(name, StoreReport(report));
        return path(name);
    }

    void writeBytes(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bytesOf(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString payerInFile(const QString& file)
    {
        ScriptedUi quiet;
        Report saved;
        LoadReport(bytesOf(file), saved, quiet);
        return saved.payerName;
    }

    // An open, modified report with a path.
    void openModified(const QString& file)
    {
        ASSERT_TRUE(app.OpenCommandLineFile(file));
        context.report().payerName = QStringLiteral("Changed");
        context.document.SetModifiedFlag();
    }

    TestProfile profile;
    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context;
    CSumbridge1App app;
    int refreshes = 0;
};

TEST_F(ReportCommands, NewPromptCancelLeavesEverything)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    openModified(first);
    ui.answer(Answer::Cancel);
    app.OnFileNew();
    ASSERT_EQ(ui.texts(), QStringList{kSaveBeforeOpeningPrompt});
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(context.report().payerName, QStringLiteral("Changed"));
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_EQ(context.document.pathName, first);
}

TEST_F(ReportCommands, NewPromptNoDiscardsWithoutASecondQuestion)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    const QByteArray before = bytesOf(first);
    openModified(first);
    ui.answer(Answer::No);
    app.OnFileNew();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(context.report().payerName.isEmpty());
    EXPECT_TRUE(context.report().payees.empty());
    EXPECT_EQ(context.document.title, QStringLiteral("Untitled"));
    EXPECT_TRUE(context.document.pathName.isEmpty());
    EXPECT_FALSE(context.document.IsModified());
    EXPECT_EQ(bytesOf(first), before);
    EXPECT_GE(refreshes, 1);
}

TEST_F(ReportCommands, NewPromptYesSavesThenGoesOn)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    openModified(first);
    ui.answer(Answer::Yes);
    app.OnFileNew();
    EXPECT_TRUE(ui.fileRequests.empty()); // saved under its own path
    Report saved;
    LoadReport(bytesOf(first), saved, ui);
    EXPECT_EQ(saved.payerName, QStringLiteral("Changed"));
    EXPECT_EQ(context.document.title, QStringLiteral("Untitled"));
}

TEST_F(ReportCommands, CancelledSaveEndsTheCommandUnchanged)
{
    context.report().payerName = QStringLiteral("Unsaved");
    context.document.SetModifiedFlag();
    ui.answer(Answer::Yes);
    ui.answerFile(std::nullopt); // the save dialog is cancelled
    app.OnFileNew();
    EXPECT_EQ(context.report().payerName, QStringLiteral("Unsaved"));
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(ReportCommands, FailedSaveEndsTheCommandUnchanged)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    const QString second = writeReport(QStringLiteral("b.vkrd"), QStringLiteral("Beta"), 9);
    const QByteArray before = bytesOf(first);
    openModified(first);
    files.fail(FaultyFileSystem::Op::Write, first, fileFailure(ENOSPC));
    ui.answer(Answer::Yes);
    ui.answerFile(second); // Open would ask for this, but must never get there
    app.OnFileOpen();
    EXPECT_EQ(ui.texts(), (QStringList{kSaveBeforeOpeningPrompt,
                                       QStringLiteral("Failed to save document.\n\nNo space left on device.")}));
    EXPECT_EQ(bytesOf(first), before);
    EXPECT_EQ(context.report().payerName, QStringLiteral("Changed"));
    EXPECT_EQ(context.document.pathName, first);
    EXPECT_TRUE(ui.fileRequests.empty());
}

TEST_F(ReportCommands, OpenThenSaveAsksForAName)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    const QByteArray before = bytesOf(first);
    ui.answerFile(first);
    app.OnFileOpen();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter, kOpenFilter);
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, QStringLiteral("vkrd"));
    EXPECT_EQ(ui.fileRequests[0].initialFolder, context.prefs.reportsFolder());
    EXPECT_EQ(context.report().payerName, QStringLiteral("Alpha"));
    EXPECT_EQ(context.document.title, QStringLiteral("a"));
    EXPECT_TRUE(context.document.pathName.isEmpty());
    EXPECT_TRUE(app.recentFiles().isEmpty());

    context.document.SetModifiedFlag();
    ui.answerFile(std::nullopt);
    EXPECT_FALSE(app.OnFileSave());
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.fileRequests[1].filter, kSaveFilter);
    EXPECT_TRUE(ui.fileRequests[1].defaultName.isEmpty());
    EXPECT_TRUE(ui.fileRequests[1].overwritePrompt);
    EXPECT_EQ(bytesOf(first), before);

    const QString copy = path(QStringLiteral("copy.vkrd"));
    ui.answerFile(copy);
    EXPECT_TRUE(app.OnFileSave());
    EXPECT_EQ(context.document.pathName, copy);
    EXPECT_EQ(context.document.title, QStringLiteral("copy"));
    EXPECT_FALSE(context.document.IsModified());
    EXPECT_EQ(app.recentFiles(), QStringList{copy});
}

TEST_F(ReportCommands, OpenCancelledChangesNothing)
{
    context.report().payerName = QStringLiteral("Kept");
    ui.answerFile(std::nullopt);
    app.OnFileOpen();
    EXPECT_EQ(context.report().payerName, QStringLiteral("Kept"));
    EXPECT_EQ(refreshes, 1);
}

TEST_F(ReportCommands, OpenOfAForeignFileLeavesAnEmptyUntitledReport)
{
    writeBytes(QStringLiteral("foreign.vkrd"), QByteArrayLiteral("PK\x03\x04 not a report"));
    context.report().payerName = QStringLiteral("Before");
    ui.answerFile(path(QStringLiteral("foreign.vkrd")));
    app.OnFileOpen();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Wrong Format, cannot open this file.")});
    EXPECT_TRUE(context.report().payerName.isEmpty());
    EXPECT_EQ(context.report().openState, 0);
    EXPECT_EQ(context.document.title, QStringLiteral("untitled"));
    EXPECT_TRUE(context.document.pathName.isEmpty());
}

// A file that cannot be read replaces nothing: after its message the report
// on screen stays as it was, a saved one saved and one whose changes the
// user chose to drop still unsaved, so closing asks.
TEST_F(ReportCommands, OpenOfAnUnreadableFileLeavesTheReportAsItWas)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    const QString broken = writeReport(QStringLiteral("b.vkrd"), QStringLiteral("Beta"), 9);
    const QString denied = QStringLiteral("Access to %1 was denied.").arg(broken);
    files.fail(FaultyFileSystem::Op::Read, broken, FileError::AccessDenied);
    for (const bool modified : {false, true}) {
        SCOPED_TRACE(modified ? "changes dropped with No" : "saved");
        ui.messages.clear();
        if (modified) {
            openModified(first);
            ui.answer(Answer::No);
        } else {
            ASSERT_TRUE(app.OpenCommandLineFile(first));
        }
        ui.answerFile(broken);
        app.OnFileOpen();
        EXPECT_EQ(ui.texts(), modified ? (QStringList{kSaveBeforeOpeningPrompt, denied}) : QStringList{denied});
        EXPECT_EQ(context.report().payerName, modified ? QStringLiteral("Changed") : QStringLiteral("Alpha"));
        EXPECT_EQ(context.report().payees.size(), 1u);
        EXPECT_EQ(context.document.pathName, first);
        EXPECT_EQ(context.document.title, QStringLiteral("a"));
        EXPECT_EQ(context.document.IsModified(), modified);
    }
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(app.CanCloseFrame());
    EXPECT_EQ(ui.texts().last(), QStringLiteral("Save changes to a?"));
}

TEST_F(ReportCommands, OpenOfAnEmptyFileLeavesTheResetReport)
{
    writeBytes(QStringLiteral("empty.vkrd"), QByteArray());
    ui.answerFile(path(QStringLiteral("empty.vkrd")));
    app.OnFileOpen();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(context.document.title, QStringLiteral("empty"));
}

TEST_F(ReportCommands, RecentOfTheOpenReportReloadsNothing)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    ASSERT_TRUE(app.OpenCommandLineFile(first));
    context.report().payerName = QStringLiteral("In memory");
    app.OnOpenRecentFile(0);
    EXPECT_EQ(context.report().payerName, QStringLiteral("In memory"));
    EXPECT_EQ(context.document.pathName, first);
}

// No drops the changes only for the report opened in their place: an Open
// the user cancels leaves them on screen and unsaved, so closing still asks.
TEST_F(ReportCommands, OpenCancelledAfterNoKeepsTheChangesUnsaved)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    const QByteArray before = bytesOf(first);
    openModified(first);
    ui.answer(Answer::No);
    ui.answerFile(std::nullopt);
    app.OnFileOpen();
    EXPECT_EQ(context.report().payerName, QStringLiteral("Changed"));
    EXPECT_EQ(context.document.pathName, first);
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_EQ(bytesOf(first), before);

    ui.answer(Answer::Cancel);
    EXPECT_FALSE(app.CanCloseFrame());
    EXPECT_EQ(ui.texts(), (QStringList{kSaveBeforeOpeningPrompt, QStringLiteral("Save changes to a?")}));
}

// The open report chosen again from the recent list while it has changes:
// Yes saves and keeps them; No goes back to what its file holds, so a later
// Save writes nothing the user dropped; Cancel leaves everything as it was.
TEST_F(ReportCommands, RecentOfTheOpenReportWithChanges)
{
    struct Case {
        Answer answer;
        const char* shown;
        size_t payeesShown;
        bool modified;
        const char* inFile;
    };
    const Case cases[] = {
        {Answer::Yes, "Changed", 0, false, "Changed"},
        {Answer::No, "Alpha", 1, false, "Alpha"},
        {Answer::Cancel, "Changed", 0, true, "Alpha"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        SCOPED_TRACE(int(c.answer));
        ui.messages.clear();
        const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
        openModified(first);
        context.report().payees.clear();
        ui.answer(c.answer);
        app.OnOpenRecentFile(0);
        EXPECT_EQ(ui.texts(), QStringList{kSaveBeforeOpeningPrompt});
        EXPECT_EQ(context.report().payerName, QLatin1String(c.shown));
        EXPECT_EQ(context.report().payees.size(), c.payeesShown);
        EXPECT_EQ(context.document.IsModified(), c.modified);
        EXPECT_EQ(context.document.pathName, first);
        EXPECT_EQ(app.recentFiles(), QStringList{first});
        EXPECT_EQ(payerInFile(first), QLatin1String(c.inFile));
        if (c.answer == Answer::Cancel)
            continue;
        EXPECT_TRUE(app.OnFileSave());
        EXPECT_EQ(payerInFile(first), QLatin1String(c.inFile));
        EXPECT_EQ(ui.messages.size(), 1u);
    }
}

TEST_F(ReportCommands, RecentOfAnotherReportReplacesItWholly)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    const QString second = writeReport(QStringLiteral("b.vkrd"), QStringLiteral("Beta"), 9);
    ASSERT_TRUE(app.OpenCommandLineFile(second));
    ASSERT_TRUE(app.OpenCommandLineFile(first));
    ASSERT_EQ(app.recentFiles(), (QStringList{first, second}));
    app.OnOpenRecentFile(1);
    EXPECT_EQ(context.report().payerName, QStringLiteral("Beta"));
    ASSERT_EQ(context.report().payees.size(), 1u);
    EXPECT_EQ(context.report().payees.begin()->first, 9);
    EXPECT_EQ(context.document.pathName, second);
    EXPECT_EQ(context.document.title, QStringLiteral("b"));
    EXPECT_EQ(app.recentFiles(), (QStringList{second, first}));
}

TEST_F(ReportCommands, RecentOfAMissingFileDropsItAndLeavesTheReportAsItWas)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    const QString gone = writeReport(QStringLiteral("gone.vkrd"), QStringLiteral("Gone"), 7);
    ASSERT_TRUE(app.OpenCommandLineFile(gone));
    openModified(first);
    const QByteArray before = bytesOf(first);
    QFile::remove(gone);
    ui.answer(Answer::No);
    app.OnOpenRecentFile(1);
    EXPECT_EQ(ui.texts(), (QStringList{kSaveBeforeOpeningPrompt, QStringLiteral("%1 was not found.").arg(gone)}));
    EXPECT_EQ(app.recentFiles(), QStringList{first});
    EXPECT_EQ(context.report().payerName, QStringLiteral("Changed"));
    EXPECT_EQ(context.document.pathName, first);
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_EQ(bytesOf(first), before);
    EXPECT_FALSE(QFile::exists(gone));
}

TEST_F(ReportCommands, RecentOfAForeignFileLeavesNoPath)
{
    writeBytes(QStringLiteral("foreign.vkrd"), QByteArray("garbage!"));
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    AddRecentFile(path(QStringLiteral("foreign.vkrd")));
    app.OnOpenRecentFile(0);
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Wrong Format, cannot open this file.")});
    EXPECT_TRUE(context.document.pathName.isEmpty());
    EXPECT_EQ(context.document.title, QStringLiteral("untitled"));
    EXPECT_TRUE(context.report().payerName.isEmpty());
    Q_UNUSED(first);
}

TEST_F(ReportCommands, RecentEntryOutsideTheListIsRefused)
{
    EXPECT_THROW(app.OnOpenRecentFile(0), std::invalid_argument);
    AddRecentFile(path(QStringLiteral("x.vkrd")));
    EXPECT_THROW(app.OnOpenRecentFile(1), std::invalid_argument);
    EXPECT_THROW(app.OnOpenRecentFile(-1), std::invalid_argument);
}

TEST_F(ReportCommands, RecentListKeepsFourNewestFirst)
{
    for (const char* name : {"1.vkrd", "2.vkrd", "3.vkrd", "4.vkrd", "5.vkrd"})
        AddRecentFile(path(QString::fromLatin1(name)));
    AddRecentFile(path(QStringLiteral("3.vkrd")));
    EXPECT_EQ(ReadRecentFiles(), (QStringList{path("3.vkrd"), path("5.vkrd"), path("4.vkrd"), path("2.vkrd")}));
}

TEST_F(ReportCommands, SaveAsProposesTheFileName)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    ASSERT_TRUE(app.OpenCommandLineFile(first));
    ui.answerFile(std::nullopt);
    EXPECT_FALSE(app.OnFileSaveAs());
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].defaultName, QStringLiteral("a.vkrd"));
    EXPECT_TRUE(ui.fileRequests[0].overwritePrompt);
    EXPECT_EQ(context.document.pathName, first);
}

// The window caption names the report the same way whichever way it came.
TEST_F(ReportCommands, OneTitleWhicheverWayAReportIsOpened)
{
    const QString file = writeReport(QStringLiteral("Payroll 2026.vkrd"), QStringLiteral("Alpha"), 5);
    ASSERT_TRUE(app.OpenCommandLineFile(file));
    const QString fromCommandLine = context.document.title;
    EXPECT_EQ(fromCommandLine, QStringLiteral("Payroll 2026"));

    app.OnFileNew();
    ui.answerFile(file);
    app.OnFileOpen();
    EXPECT_EQ(context.document.title, fromCommandLine);

    app.OnFileNew();
    app.OnOpenRecentFile(0);
    EXPECT_EQ(context.document.title, fromCommandLine);

    ui.answerFile(path(QStringLiteral("Payroll 2027.vkrd")));
    ASSERT_TRUE(app.OnFileSaveAs());
    EXPECT_EQ(context.document.title, QStringLiteral("Payroll 2027"));
}

TEST_F(ReportCommands, CommandLineFile)
{
    const QString first = writeReport(QStringLiteral("a.vkrd"), QStringLiteral("Alpha"), 5);
    EXPECT_TRUE(app.OpenCommandLineFile(first));
    EXPECT_EQ(context.document.title, QStringLiteral("a"));
    EXPECT_EQ(context.report().payerName, QStringLiteral("Alpha"));

    EXPECT_FALSE(app.OpenCommandLineFile(path(QStringLiteral("missing.vkrd"))));
    EXPECT_EQ(ui.texts().last(), QStringLiteral("%1 was not found.").arg(path(QStringLiteral("missing.vkrd"))));

    writeBytes(QStringLiteral("foreign.vkrd"), QByteArray("garbage!"));
    EXPECT_FALSE(app.OpenCommandLineFile(path(QStringLiteral("foreign.vkrd"))));
    EXPECT_EQ(ui.texts().last(), QStringLiteral("Wrong Format, cannot open this file."));
}

// The window then opens on an empty report that Save cannot write over the
// file named.
TEST_F(ReportCommands, CommandLineFileThatCannotBeOpenedLeavesAnEmptyUntitledReport)
{
    const QByteArray foreign("garbage!");
    writeBytes(QStringLiteral("foreign.vkrd"), foreign);
    const QString cases[] = {path(QStringLiteral("missing.vkrd")), path(QStringLiteral("foreign.vkrd"))};
    for (const QString& file : cases) {
        context.report().payerName = QStringLiteral("Stale");
        EXPECT_FALSE(app.OpenCommandLineFile(file));
        EXPECT_TRUE(context.report().payerName.isEmpty()) << file.toStdString();
        EXPECT_TRUE(context.document.pathName.isEmpty());
        EXPECT_EQ(context.document.title, QStringLiteral("Untitled"));
        EXPECT_FALSE(context.document.IsModified());
    }
    QFile written(path(QStringLiteral("foreign.vkrd")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), foreign);
}

// Nine payees, cut inside the records: five read, four lost past the damage.
QByteArray reportCutInItsPayees(Report& whole)
{
    ResetReportGlobals(whole);
    whole.payerName = QStringLiteral("Damaged");
    whole.reportYear = QStringLiteral("2019");
    for (qint32 id = 1; id <= 9; ++id) {
        CCards card;
        card.payeeId = id;
        card.surname = QStringLiteral("Payee %1").arg(id);
        whole.payees[id] = card;
    }
    const QByteArray bytes = StoreReport(whole);
    const qsizetype record = (bytes.size() - StoreReport(Report()).size()) / 9;
    return bytes.left(bytes.size() - 45 * 4 - 3 * record - record / 2);
}

// Read in part, the report opens without a path, as File > Open leaves it:
// a plain Save asks for a name and never writes the partial report over the
// file that still holds every payee.
TEST_F(ReportCommands, AReportReadInPartIsNeverSavedOverItsFile)
{
    Report whole;
    writeBytes(QStringLiteral("damaged.vkrd"), reportCutInItsPayees(whole));
    const QString damaged = path(QStringLiteral("damaged.vkrd"));
    const QByteArray before = bytesOf(damaged);
    const QString kDamagedMessage = QStringLiteral(
        "Although this is an Quillastrand Release 1 file, an error occurred on loading the data.\r\n\r\nProceed "
        "with caution.\r\n\r\nTorvek recommends you check the Payer and Supplier Details and run the Check All "
        "function from the Payee List before Generating any files.\r\n\r\n5 of the 9 payees this file declares "
        "were read. Each of them is marked Checked \"No\" until Check All is run.");

    for (const bool fromRecent : {false, true}) {
        SCOPED_TRACE(fromRecent ? "Open Recent" : "command line");
        ui.messages.clear();
        ui.fileRequests.clear();
        for (const QString& recent : ReadRecentFiles())
            RemoveRecentFile(recent);
        if (fromRecent) {
            AddRecentFile(damaged);
            app.OnOpenRecentFile(0);
        } else {
            EXPECT_TRUE(app.OpenCommandLineFile(damaged));
        }
        ASSERT_EQ(ui.texts(), QStringList{kDamagedMessage});
        EXPECT_EQ(context.report().payees.size(), 5u);
        EXPECT_EQ(context.report().payerName, QStringLiteral("Damaged"));
        EXPECT_TRUE(context.document.pathName.isEmpty());
        EXPECT_EQ(context.document.title, QStringLiteral("damaged"));
        EXPECT_EQ(app.recentFiles(), fromRecent ? QStringList{damaged} : QStringList());

        context.report().payerName = QStringLiteral("Changed");
        context.document.SetModifiedFlag();
        ui.answerFile(path(QStringLiteral("rescued.vkrd")));
        EXPECT_TRUE(app.OnFileSave());
        ASSERT_EQ(ui.fileRequests.size(), 1u);
        EXPECT_TRUE(ui.fileRequests[0].defaultName.isEmpty());
        EXPECT_EQ(bytesOf(damaged), before);
        EXPECT_EQ(context.document.pathName, path(QStringLiteral("rescued.vkrd")));
    }
}

// A report cut short never looks whole in the main window: it counts the
// payees read, none of them checked, so Generate waits for Check All.
TEST_F(ReportCommands, AReportReadInPartShowsItsOwnCountsAndKeepsGenerateDisabled)
{
    Report whole;
    ResetReportGlobals(whole);
    whole.supplierName = QStringLiteral("Supplier Pty Ltd");
    whole.payerName = QStringLiteral("Payer Pty Ltd");
    whole.reportYear = QStringLiteral("2019");
    for (qint32 id = 1; id <= 7; ++id) {
        CCards card;
        card.payeeId = id;
        card.surname = QStringLiteral("Payee %1").arg(id);
        card.checked = QStringLiteral("Yes");
        whole.payees[id] = card;
    }
    whole.payeeCount = 7;
    whole.payeeCountText = QStringLiteral("7");
    whole.payeesChecked = 7;
    const QByteArray bytes = StoreReport(whole);
    Report withoutPayees = whole;
    withoutPayees.payees.clear();
    const qsizetype payeesStart = StoreReport(withoutPayees).size() - 45 * 4;
    const qsizetype record = (bytes.size() - StoreReport(withoutPayees).size()) / 7;

    struct Cut {
        const char* what;
        qsizetype length;
        int read;
    };
    const Cut cuts[] = {
        { "whole", bytes.size(), 7 },
        { "in the fifth payee", payeesStart + 4 * record + 10, 4 },
        { "before the payee count", payeesStart - 20, 0 },
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.what);
        writeBytes(QStringLiteral("cut.vkrd"), bytes.left(cut.length));
        ui.messages.clear();
        ui.answerFile(path(QStringLiteral("cut.vkrd")));
        app.OnFileOpen();
        const MainFormState shown = RefreshView(context, 96);
        EXPECT_EQ(context.report().payees.size(), size_t(cut.read));
        EXPECT_EQ(shown.payeesIncludedText, QString::number(cut.read));
        if (cut.read == 7) {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_TRUE(shown.generateEnabled);
            continue;
        }
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_FALSE(shown.generateEnabled);
        EXPECT_TRUE(shown.disabledNoteShown);
        if (cut.read > 0) {
            EXPECT_EQ(shown.payeesToBeCheckedText, QString::number(cut.read));
        }
        for (const auto& [id, card] : context.report().payees)
            EXPECT_EQ(card.checked, QStringLiteral("No")) << id;
    }
}

// A device, a pipe or a file larger than any report is refused before a
// byte is read: the message, then the window on an empty untitled report.
TEST_F(ReportCommands, CommandLineThingsThatAreNotReportsAreRefusedUnread)
{
    const QString fifo = path(QStringLiteral("pipe.vkrd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile big(path(QStringLiteral("big.vkrd")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kLargestReadableFile + 1)); // sparse: takes no disk
    big.close();

    const QString notAFile = QStringLiteral("Failed to open document.\n\nIt is a device or a pipe, not a file.");
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("/dev/zero"), notAFile},
        {fifo, notAFile},
        {big.fileName(), QStringLiteral("Failed to open document.\n\nIt is larger than any file this program reads (1 GB).")},
    };
    for (const auto& [file, message] : cases) {
        ui.messages.clear();
        context.report().payerName = QStringLiteral("Stale");
        EXPECT_FALSE(app.OpenCommandLineFile(file));
        EXPECT_EQ(ui.texts(), QStringList{message}) << file.toStdString();
        EXPECT_TRUE(context.report().payerName.isEmpty());
        EXPECT_TRUE(context.document.pathName.isEmpty());
        EXPECT_EQ(context.document.title, QStringLiteral("Untitled"));
    }
    EXPECT_TRUE(app.recentFiles().isEmpty());
}

TEST_F(ReportCommands, ClosingAskesToSaveAModifiedReport)
{
    EXPECT_TRUE(app.CanCloseFrame()); // unmodified: no question
    context.document.SetModifiedFlag();
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(app.CanCloseFrame());
    ui.answer(Answer::No);
    EXPECT_TRUE(app.CanCloseFrame());
    ui.answer(Answer::Yes);
    ui.answerFile(std::nullopt);
    EXPECT_FALSE(app.CanCloseFrame()); // the save was cancelled
    ui.answer(Answer::Yes);
    ui.answerFile(path(QStringLiteral("closing.vkrd")));
    EXPECT_TRUE(app.CanCloseFrame());
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("closing.vkrd"))));
    EXPECT_EQ(ui.messages.size(), 4u);
}

} // namespace
