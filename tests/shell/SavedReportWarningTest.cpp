#include "shell/ReportCommands.h"

#include "report/AppContext.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"
#include "support/PlayedCalls.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace
{

// A report that took its name whole is saved, though the folder's flush
// then failed: the command that asked for the save goes on, and the user is
// told the file is saved and what the disk said.
TEST(SavedReportWarning, TheCommandGoesOnAndTheUserIsToldWhatTheDiskSaid)
{
    TestProfile profile;
    QTemporaryDir dir;
    ScriptedUi ui;
    LocalFileSystem files(playedNaming());
    AppContext context(ui, files);
    context.prefs.defaultFolder = dir.path();
    CSumbridge1App app(context, {});
    context.report().payerName = QStringLiteral("Alpha");
    context.document.SetModifiedFlag();

    const QString file = dir.filePath(QStringLiteral("Alpha.vkrd"));
    ui.answer(Answer::Yes); // save before New
    ui.answerFile(file);
    played.fsync = EIO;
    app.OnFileNew();
    played = {};

    EXPECT_EQ(ui.texts(),
        (QStringList { kSaveBeforeOpeningPrompt,
            QStringLiteral("The file is saved as %1.\n\nThe disk reported an error while "
                           "making it last: Input/output error.")
                .arg(file) }));
    EXPECT_EQ(ui.messages.back().icon, MessageIcon::Warning);
    EXPECT_TRUE(ui.scriptUsedUp());
    // New went on: the saved report gave way to an empty one.
    EXPECT_TRUE(context.report().payerName.isEmpty());
    EXPECT_FALSE(context.document.IsModified());
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    Report read;
    EXPECT_EQ(LoadReport(saved.readAll(), read, ui), ReportRead::Whole);
    EXPECT_EQ(read.payerName, QStringLiteral("Alpha"));
}

} // namespace
