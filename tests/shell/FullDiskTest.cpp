#include "lodgement_import/CrLfTool.h"
#include "payers/PayerListFile.h"
#include "platform/FileSystem.h"
#include "payers/PayerListStore.h"
#include "report/AppContext.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"
#include "support/ScriptedUi.h"
#include "support/SmallDisk.h"
#include "support/TestProfile.h"
#include "transfer/TabDelimitedExport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kNoSpace = QStringLiteral("No space left on device.");

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A disk that runs full while the user saves: each writer leaves the file
// the user had byte for byte, leaves nothing of its own behind, and says
// why in its own message.
TEST(FullDisk, EveryWriterKeepsTheOldFileAndSaysWhy)
{
    SmallDisk disk(512 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.prefs.pathPayerListFile = disk.path();

    // Large enough that no writer could buffer all of it and still say it saved.
    Report& report = context.report();
    report.reportYear = QStringLiteral("2018");
    report.reportYearNumber = 2018;
    report.payerName = QStringLiteral("Acme Pty Ltd");
    for (int id = 1; id <= 400; ++id) {
        CCards card;
        card.payeeType = QStringLiteral("INB");
        card.surname = QStringLiteral("Surname %1").arg(id);
        card.firstName = QStringLiteral("Given");
        card.addLine1 = QStringLiteral("%1 Long Street Name In A Suburb").arg(id);
        report.payees[id] = card;
    }
    context.payers[QStringLiteral("53004085616001")].name = QStringLiteral("Acme Pty Ltd");

    const QString reportPath = disk.filePath(QStringLiteral("report.vkrd"));
    const QString livePath = LivePayerListPath(context);
    const QString exportPath = disk.filePath(QStringLiteral("INBExport.txt"));
    const QString crLfIn = disk.filePath(QStringLiteral("in.A01"));
    const QString crLfOut = disk.filePath(QStringLiteral("out.A01"));
    const std::pair<QString, QByteArray> before[] = {
        {reportPath, QByteArray(7000, 'r')},
        {livePath, WritePayerList(context.payers)},
        {exportPath, QByteArray(3000, 'e')},
        {crLfIn, QByteArray(20000, 'a') + "\r\n" + QByteArray(90000, 'b')},
        {crLfOut, QByteArray(500, 'o')},
    };
    for (const auto& [path, bytes] : before)
        ASSERT_TRUE(SmallDisk::put(path, bytes));
    ASSERT_TRUE(disk.fill());

    const struct {
        const char* name;
        std::function<void()> save;
        QString message;
    } writers[] = {
        {"report", [&] { EXPECT_FALSE(WriteReportFile(context, reportPath)); },
            QStringLiteral("Failed to save document.\n\n") + kNoSpace},
        {"live Payer List",
            [&] {
                EXPECT_EQ(ChangeLivePayerList(context,
                              [](PayerMap& entries) {
                                  entries[QStringLiteral("53004085616002")].name = QStringLiteral("Beta Pty Ltd");
                                  return true;
                              }),
                    PayerListChange::NotWritten);
            },
            QStringLiteral("Sorry3 - the Payer List file could not be written in the PayerList Folder as set under "
                           "File > Preferences.\n\n")
                + kNoSpace + QStringLiteral("\n\n") + kPayerListNothingSaved},
        {"tab export",
            [&] {
                ui.answerFile(exportPath);
                ExportTabDelimited(context, PayeeType::INB);
            },
            QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #2005.\n\n") + kNoSpace},
        {"CR/LF tool",
            [&] {
                ui.answerFile(crLfIn);
                ui.answerFile(crLfOut);
                OnFixA01LineBreaks(context);
            },
            kCrLfSaveFailed + QStringLiteral("\n\n") + kNoSpace},
    };
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer.name);
        ui.messages.clear();
        writer.save();
        EXPECT_EQ(ui.texts(), QStringList{writer.message});
    }

    for (const auto& [path, bytes] : before)
        EXPECT_TRUE(bytesOf(path) == bytes) << path.toStdString() << " now holds " << bytesOf(path).size() << " bytes";
    QStringList expected{QStringLiteral("filler")};
    for (const auto& [path, bytes] : before)
        expected << QFileInfo(path).fileName();
    expected.sort();
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

} // namespace
