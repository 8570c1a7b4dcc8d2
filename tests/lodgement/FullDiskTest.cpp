#include "lodgement/GenerateFiles.h"
#include "lodgement/LodgementTestData.h"
#include "lodgement/PdfServices.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace
{

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// On a disk that is really full, the lodgement file and its summary leave
// the files they would replace whole, write no part of themselves under a
// final name, and say why.
TEST(FullDisk, TheLodgementFileAndItsSummaryLeaveTheOldFilesWholeAndSayWhy)
{
    SmallDisk disk(256 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QString a01 = disk.filePath(QStringLiteral("VESK2018.A01"));
    const QString summary = disk.filePath(QStringLiteral("VESK_Summary.txt"));
    const QByteArray oldA01(40 * 628, 'o');
    const QByteArray oldSummary("the summary of last year");
    ASSERT_TRUE(SmallDisk::put(a01, oldA01));
    ASSERT_TRUE(SmallDisk::put(summary, oldSummary));

    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.report() = everyTypeReport(2018);
    GenerateFiles generate(context, noPdfServices(), [] { return QDateTime(QDate(2018, 7, 5), QTime(14, 30)); });
    // A file generated while there was room, so that the summary has something to save.
    ui.answerFile(disk.filePath(QStringLiteral("first.A01")));
    generate.OnBnClickedVeskA01File();
    ASSERT_EQ(context.report().fileGenerated, 1) << ui.texts().join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(disk.fill());
    const QString noSpace = QStringLiteral("\n\nNo space left on device.");

    ui.messages.clear();
    ui.answerFile(summary);
    generate.OnBnClickedSummary();
    EXPECT_EQ(ui.texts(),
        QStringList {
            QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #1005a.") + noSpace });
    EXPECT_EQ(contents(summary), oldSummary);

    ui.messages.clear();
    ui.answerFile(a01);
    generate.OnBnClickedVeskA01File();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, QStringLiteral("File was not saved - Ref #222.") + noSpace);
    EXPECT_EQ(context.report().fileGenerated, 0);
    EXPECT_EQ(contents(a01), oldA01);

    QStringList left = QDir(disk.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left,
        (QStringList { QStringLiteral("VESK2018.A01"), QStringLiteral("VESK_Summary.txt"), QStringLiteral("filler"),
            QStringLiteral("first.A01") }));
}

} // namespace
