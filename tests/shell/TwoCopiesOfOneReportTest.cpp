#include "shell/ReportCommands.h"

#include "report/AppContext.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QString kQuestion = QStringLiteral(
    "The report file \"report.vkrd\" has been changed by another program since it was opened or last saved here. "
    "Do you want to write over those changes?");

// One copy of the program: its own user, disk access, report and commands.
struct Copy {
    Copy() : context(ui, files), app(context, {}) {}

    void change(const QString& payer)
    {
        context.report().payerName = payer;
        context.document.SetModifiedFlag();
    }

    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context;
    CSumbridge1App app;
};

class TwoCopies : public ::testing::Test {
protected:
    TwoCopies() { writeOriginal(); }

    void writeOriginal()
    {
        Report report;
        ResetReportGlobals(report);
        report.payerName = QStringLiteral("Original");
        report.reportYear = QStringLiteral("2019");
        CCards card;
        card.payeeId = 3;
        card.surname = QStringLiteral("Payee");
        report.payees[3] = card;
        writeBytes(file, StoreReport(report));
    }

    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    static QString payerIn(const QString& path)
    {
        ScriptedUi quiet;
        Report saved;
        LoadReport(bytesOf(path), saved, quiet);
        return saved.payerName;
    }

    // Both copies open the report, as from the command line or the recent list.
    static void openBoth(Copy& a, Copy& b, const QString& path)
    {
        ASSERT_TRUE(a.app.OpenCommandLineFile(path));
        ASSERT_TRUE(b.app.OpenCommandLineFile(path));
    }

    TestProfile profile;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.vkrd"));
};

// A saves, then B saves: B is asked before A's work is written over. Yes
// writes; No or Cancel leaves A's file byte for byte, B's report unsaved,
// and Save As still open to B.
TEST_F(TwoCopies, TheSecondSaveAsksBeforeWritingOverTheFirst)
{
    for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
        SCOPED_TRACE(int(answer));
        writeOriginal();
        Copy a, b;
        openBoth(a, b, file);
        a.change(QStringLiteral("A's work"));
        ASSERT_TRUE(a.app.OnFileSave());
        EXPECT_TRUE(a.ui.messages.empty());
        const QByteArray savedByA = bytesOf(file);

        b.change(QStringLiteral("B's work"));
        b.ui.answer(answer);
        const bool written = b.app.OnFileSave();
        ASSERT_EQ(b.ui.texts(), QStringList{kQuestion});
        EXPECT_EQ(b.ui.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(b.ui.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(b.context.document.pathName, file);
        EXPECT_EQ(b.context.report().payerName, QStringLiteral("B's work"));
        if (answer == Answer::Yes) {
            EXPECT_TRUE(written);
            EXPECT_EQ(payerIn(file), QStringLiteral("B's work"));
            EXPECT_FALSE(b.context.document.IsModified());
            continue;
        }
        EXPECT_FALSE(written);
        EXPECT_EQ(bytesOf(file), savedByA);
        EXPECT_TRUE(b.context.document.IsModified());

        const QString elsewhere = dir.filePath(QStringLiteral("B's copy.vkrd"));
        b.ui.answerFile(elsewhere);
        EXPECT_TRUE(b.app.OnFileSaveAs());
        EXPECT_EQ(payerIn(elsewhere), QStringLiteral("B's work"));
        EXPECT_EQ(bytesOf(file), savedByA);
        EXPECT_EQ(b.ui.messages.size(), 1u);
        EXPECT_TRUE(b.ui.scriptUsedUp());
    }
}

// A copy saving over its own last save asks nothing; the other copy's
// next save over it asks again.
TEST_F(TwoCopies, OwnSavesAskNothing)
{
    Copy a, b;
    openBoth(a, b, file);
    a.change(QStringLiteral("A 1"));
    ASSERT_TRUE(a.app.OnFileSave());
    a.change(QStringLiteral("A 2"));
    ASSERT_TRUE(a.app.OnFileSave());
    EXPECT_TRUE(a.ui.messages.empty());

    b.change(QStringLiteral("B 1"));
    b.ui.answer(Answer::Yes);
    ASSERT_TRUE(b.app.OnFileSave());
    b.change(QStringLiteral("B 2"));
    ASSERT_TRUE(b.app.OnFileSave());
    EXPECT_EQ(b.ui.texts(), QStringList{kQuestion});
    EXPECT_EQ(payerIn(file), QStringLiteral("B 2"));

    a.change(QStringLiteral("A 3"));
    a.ui.answer(Answer::No);
    EXPECT_FALSE(a.app.OnFileSave());
    EXPECT_EQ(a.ui.texts(), QStringList{kQuestion});
    EXPECT_EQ(payerIn(file), QStringLiteral("B 2"));
}

// What the bytes at the report's path are decides, not their time: the
// same bytes written again ask nothing, other bytes of the same size under
// the same time ask, and a report moved or deleted is saved as any new file.
TEST_F(TwoCopies, WhatIsAtThePathDecidesWhetherSaveAsks)
{
    const QString renamed = dir.filePath(QStringLiteral("renamed.vkrd"));
    struct Case {
        const char* what;
        std::function<void(Copy&)> meanwhile;
        bool asks;
    };
    const Case cases[] = {
        {"the same bytes written again, later",
         [&](Copy&) {
             const QByteArray same = bytesOf(file);
             QFile::remove(file);
             writeBytes(file, same);
             QFile touched(file);
             ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
             ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                             QFileDevice::FileModificationTime));
         },
         false},
        {"other bytes of the same size at the same time",
         [&](Copy&) {
             struct stat before {};
             ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &before), 0);
             QByteArray other = bytesOf(file);
             const qsizetype at = other.indexOf(QByteArray("O\0r\0i\0g", 8));
             ASSERT_GE(at, 0);
             other[at] = 'X';
             writeBytes(file, other);
             // As a clock that ticks once in two seconds leaves it.
             const timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
             ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
         },
         true},
        {"deleted", [&](Copy&) { ASSERT_TRUE(QFile::remove(file)); }, false},
        {"renamed", [&](Copy&) { ASSERT_TRUE(QFile::rename(file, renamed)); }, false},
        {"no longer readable",
         [&](Copy& copy) { copy.files.fail(FaultyFileSystem::Op::Read, file, FileError::AccessDenied); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(renamed);
        writeOriginal();
        Copy copy;
        ASSERT_TRUE(copy.app.OpenCommandLineFile(file));
        copy.change(QStringLiteral("Mine"));
        c.meanwhile(copy);
        const QByteArray left = bytesOf(file);
        if (c.asks)
            copy.ui.answer(Answer::No);
        const bool written = copy.app.OnFileSave();
        EXPECT_EQ(copy.ui.texts(), c.asks ? QStringList{kQuestion} : QStringList());
        EXPECT_EQ(written, !c.asks);
        if (c.asks) {
            EXPECT_EQ(bytesOf(file), left);
            EXPECT_TRUE(copy.context.document.IsModified());
        } else {
            EXPECT_EQ(payerIn(file), QStringLiteral("Mine"));
            EXPECT_EQ(copy.context.document.pathName, file);
            EXPECT_FALSE(copy.context.document.IsModified());
        }
        if (QFile::exists(renamed)) {
            EXPECT_EQ(payerIn(renamed), QStringLiteral("Original"));
        }
    }
}

// The saves the questions of closing and of opening another report lead to
// ask just the same; No to ours saves nothing and replaces nothing.
TEST_F(TwoCopies, EverySaveOverTheFileAsks)
{
    struct Case {
        const char* what;
        std::function<bool(Copy&)> run; // true when the command went on
        int questionsBefore;
    };
    const Case cases[] = {
        {"Save", [](Copy& b) { return b.app.OnFileSave(); }, 0},
        {"Yes to closing's question", [](Copy& b) { return b.app.CanCloseFrame(); }, 1},
        {"Yes to New's question",
         [](Copy& b) {
             b.app.OnFileNew();
             return b.context.document.title == QStringLiteral("Untitled");
         },
         1},
        {"Yes to Open Recent's question",
         [](Copy& b) {
             b.app.OnOpenRecentFile(0);
             return b.context.report().payerName != QStringLiteral("B's work");
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeOriginal();
        Copy a, b;
        openBoth(a, b, file);
        a.change(QStringLiteral("A's work"));
        ASSERT_TRUE(a.app.OnFileSave());
        const QByteArray savedByA = bytesOf(file);

        b.change(QStringLiteral("B's work"));
        if (c.questionsBefore)
            b.ui.answer(Answer::Yes);
        b.ui.answer(Answer::No);
        EXPECT_FALSE(c.run(b));
        ASSERT_EQ(b.ui.messages.size(), size_t(c.questionsBefore + 1));
        EXPECT_EQ(b.ui.texts().last(), kQuestion);
        EXPECT_EQ(bytesOf(file), savedByA);
        EXPECT_EQ(b.context.report().payerName, QStringLiteral("B's work"));
        EXPECT_EQ(b.context.document.pathName, file);
        EXPECT_TRUE(b.context.document.IsModified());
    }
}

// Dropping the changes for the report's own file reads what another copy
// saved there; that copy of the file is then this one's to save over.
TEST_F(TwoCopies, GoingBackToTheFileTakesTheOtherCopysSave)
{
    Copy a, b;
    openBoth(a, b, file);
    a.change(QStringLiteral("A's work"));
    ASSERT_TRUE(a.app.OnFileSave());

    b.change(QStringLiteral("B's work"));
    b.ui.answer(Answer::No);
    b.app.OnOpenRecentFile(0);
    EXPECT_EQ(b.context.report().payerName, QStringLiteral("A's work"));
    EXPECT_FALSE(b.context.document.IsModified());

    b.change(QStringLiteral("B on A's work"));
    EXPECT_TRUE(b.app.OnFileSave());
    EXPECT_EQ(b.ui.texts(), QStringList{kSaveBeforeOpeningPrompt});
    EXPECT_EQ(payerIn(file), QStringLiteral("B on A's work"));
}

} // namespace
