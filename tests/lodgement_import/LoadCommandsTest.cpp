#include "lodgement_import/CrLfTool.h"
#include "lodgement_import/LodgementFixtures.h"
#include "lodgement_import/LodgementReader.h"
#include "payers/AddPayerForm.h"
#include "payers/SupplierDetails.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <cerrno>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray dinb(const QByteArray& surname)
{
    return fixture::payeeRecord("DINB", { { 7, "S" }, { 8, "123456782" }, { 25, surname } });
}

// A lodgement file with CR LF after every record, as an editor leaves it.
QByteArray lineBroken(const QByteArray& text)
{
    QByteArray broken;
    for (qsizetype at = 0; at < text.size(); at += 628)
        broken += text.mid(at, 628) + "\r\n";
    return broken;
}

class LoadCommands : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) { ASSERT_TRUE(files.writeWhole(path(name), bytes).ok()); }

    QByteArray read(const QString& name)
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }

    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context { ui, files };
};

// ---- Load Data from existing VESK.A01 File ----

TEST_F(LoadCommands, LoadingAFileTakesItsPathAndMarksTheReportModified)
{
    write("VESK2018.A01", fixture::file({ dinb("One"), dinb("Two") }));
    ui.answerFile(path("VESK2018.A01"));
    OnBnClickedLoadA01(context);

    const Report& r = context.report();
    EXPECT_EQ(r.payees.size(), 2u);
    EXPECT_EQ(r.importPathName, path("VESK2018.A01"));
    EXPECT_EQ(r.importSource, path("VESK2018.A01"));
    EXPECT_EQ(r.importFileName, u"VESK2018.A01");
    EXPECT_EQ(r.importFolder, dir.path());
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_EQ(ui.texts(), QStringList { kLodgementFileLoaded });
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter, kLodgementFileFilter);
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(LoadCommands, CancellingTheOpenDialogChangesNothing)
{
    ui.answerFile(std::nullopt);
    OnBnClickedLoadA01(context);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(context.report() == Report {});
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(LoadCommands, AFileThatCannotBeReadIsReported)
{
    write("VESK2018.A01", fixture::file({ dinb("One") }));
    files.fail(FaultyFileSystem::Op::Read, path("VESK2018.A01"), fileFailure(EACCES));
    ui.answerFile(path("VESK2018.A01"));
    OnBnClickedLoadA01(context);
    EXPECT_EQ(ui.texts(), QStringList { kCannotOpenFile + "\n\nPermission denied." });
    EXPECT_TRUE(context.report().payees.empty());
    EXPECT_EQ(context.report().importFileName, u"VESK2018.A01");
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(LoadCommands, ARefusedFileLeavesTheDocumentUnmodified)
{
    write("other.A01", "not a lodgement file");
    ui.answerFile(path("other.A01"));
    OnBnClickedLoadA01(context);
    EXPECT_EQ(ui.texts(), QStringList { kNotALodgementFile });
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(LoadCommands, AfterALoadThePayerAndSupplierDialogsFillFromTheFile)
{
    write("VESK2018.A01", fixture::file({}));
    ui.answerFile(path("VESK2018.A01"));
    OnBnClickedLoadA01(context);

    AddPayerForm payer(context);
    ASSERT_TRUE(payer.offersLoadFromOriginal());
    payer.loadFromOriginal();
    EXPECT_EQ(payer.fields.name, u"Acme Pty Ltd");
    EXPECT_EQ(payer.fields.tradingName, u"Acme Trading");
    EXPECT_EQ(payer.fields.suburb, u"Alice Springs");
    EXPECT_EQ(payer.fields.postcode, u"0870");
    EXPECT_EQ(payer.fields.phone, u"08 8999 0000");

    SupplierDetails supplier(context);
    supplier.OnInitDialog();
    supplier.OnBnClickedLoadFromA01();
    EXPECT_EQ(supplier.controls[kSupplierName], u"  Acme Payroll  Services");
    EXPECT_EQ(supplier.controls[kSupplierAbn], u"53 004 085 616");
    EXPECT_EQ(supplier.controls[kSupplierPostalSuburb], u"Darwin");
    EXPECT_EQ(supplier.controls[kSupplierEmail], u"pay@acme.com.au");
}

// ---- Remove CR's and LF's ----

TEST_F(LoadCommands, TheToolsCopyOfALineBrokenFileLoadsWhole)
{
    const QByteArray original = fixture::file({ dinb("One"), dinb("Two"), dinb("Three") });
    write("broken.A01", lineBroken(original));

    // As it stands, only the first record is read.
    ui.answerFile(path("broken.A01"));
    OnBnClickedLoadA01(context);
    EXPECT_EQ(ui.texts(), QStringList { kLodgementFileProblem });

    ui.messages.clear();
    ui.answerFile(path("broken.A01"));
    ui.answerFile(path("fixed.A01"));
    OnFixA01LineBreaks(context);
    EXPECT_EQ(ui.texts(), QStringList { kFileSaved });
    EXPECT_EQ(read("fixed.A01"), original);
    EXPECT_EQ(read("broken.A01"), lineBroken(original));
    ASSERT_EQ(ui.fileRequests.size(), 3u);
    EXPECT_EQ(ui.fileRequests[2].defaultExtension, u"*.A01");
    EXPECT_TRUE(ui.fileRequests[2].overwritePrompt);

    ui.messages.clear();
    ui.answerFile(path("fixed.A01"));
    OnBnClickedLoadA01(context);
    EXPECT_EQ(context.report().payees.size(), 3u);
    EXPECT_EQ(ui.texts(), QStringList { kLodgementFileLoaded });
}

TEST_F(LoadCommands, TheToolMayWriteOverItsInput)
{
    const QByteArray original = fixture::file({ dinb("One") });
    write("VESK.A01", lineBroken(original));
    ui.answerFile(path("VESK.A01"));
    ui.answerFile(path("VESK.A01"));
    OnFixA01LineBreaks(context);
    EXPECT_EQ(ui.texts(), QStringList { kFileSaved });
    EXPECT_EQ(read("VESK.A01"), original);
}

TEST_F(LoadCommands, TheToolCopiesOtherBytesUnchanged)
{
    const QByteArray bytes("628\x00\xff\x1a\r\r\n\nA\x85z", 13);
    write("in.A01", bytes);
    ui.answerFile(path("in.A01"));
    ui.answerFile(path("out.A01"));
    OnFixA01LineBreaks(context);
    EXPECT_EQ(read("out.A01"),
        QByteArray("628\x00\xff\x1a"
                   "A\x85z",
            9));
}

TEST_F(LoadCommands, TheToolReportsWhatItCouldNotDo)
{
    write("in.A01", "628\r\n");
    struct Case {
        const char* name;
        FaultyFileSystem::Op op;
        QString failingPath;
        int err;
        QString message;
    } const cases[] = {
        { "input unreadable", FaultyFileSystem::Op::Read, path("in.A01"), EIO,
            kCannotOpenFile + "\n\nInput/output error." },
        { "output unwritable", FaultyFileSystem::Op::Write, path("out.A01"), ENOSPC,
            kCrLfSaveFailed + "\n\nNo space left on device." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        files.clear();
        files.fail(c.op, c.failingPath, fileFailure(c.err));
        ui.messages.clear();
        ui.answerFile(path("in.A01"));
        ui.answerFile(path("out.A01"));
        OnFixA01LineBreaks(context);
        EXPECT_EQ(ui.texts(), QStringList { c.message });
        EXPECT_FALSE(QFile::exists(path("out.A01")));
        EXPECT_EQ(read("in.A01"), QByteArray("628\r\n"));
    }
}

TEST_F(LoadCommands, CancellingEitherDialogOfTheToolWritesNothing)
{
    write("in.A01", "628\r\n");
    ui.answerFile(std::nullopt);
    OnFixA01LineBreaks(context);
    ui.answerFile(path("in.A01"));
    ui.answerFile(std::nullopt);
    OnFixA01LineBreaks(context);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "in.A01" });
    EXPECT_TRUE(ui.scriptUsedUp());
}

} // namespace
