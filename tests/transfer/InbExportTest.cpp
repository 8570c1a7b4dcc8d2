#include "transfer/TransferTestKit.h"

#include "transfer/TabLayout.h"

#include <QDir>


namespace {

using namespace transfer_test;

const QString kS1 = QStringLiteral(
    "Sorry1 - you do not seem to have write access to this \nfolder, please try a different location.");
const QString kE1 = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #2005a.");
const QString kE2 = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #2005.");
const QString kNoPayees = QStringLiteral("There are no Payees to Export.");

CCards payee3()
{
    CCards c;
    c.payeeId = 3;
    c.payrollNo = "PR-003";
    c.payeeType = "INB";
    c.incomeType = "Salary or Wages";
    c.tfn = "123456782";
    c.surname = "Nguyen";
    c.firstName = "Anh";
    c.secName = "Van";
    c.dobDay = "05";
    c.dobMonth = "11";
    c.dobYear = "1980";
    c.addLine1 = "12 High St";
    c.addLine2 = "Unit 4";
    c.suburb = "CARLTON";
    c.pCode = 800;
    c.state = "VIC";
    c.startDay = "01";
    c.startMonth = "07";
    c.startYear = "2017";
    c.endDay = "30";
    c.endMonth = "06";
    c.endYear = "2018";
    c.gross = 65000;
    c.taxWithheld = 14500;
    c.totalAllow = 1200;
    c.allow1Name = "Car";
    c.allow1 = 1000;
    c.allow2Name = "Tools";
    c.allow2 = 200;
    c.rfbt = 3000;
    c.resc = 4500;
    c.giving = 50;
    c.unionFees = 520;
    c.unionName = "CPSU";
    c.origAmended = "O";
    c.fbtExempt = "N";
    c.checked = "Yes";
    c.dataSource = "Manually Added";
    c.abn = "kept out of the file";
    c.taxable = 77; // a member INB does not carry
    return c;
}

CCards payee7()
{
    CCards c;
    c.payeeId = 7;
    c.payeeType = "INB";
    c.incomeType = "Working Holiday Maker";
    c.surname = QStringLiteral("Jos\u00e9");
    c.firstName = "Maria";
    c.addLine1 = "1\t2 Pine Rd";
    c.addLine2 = "\"Rear\"";
    c.suburb = "DARWIN";
    c.pCode = 810;
    c.state = "nt";
    c.country = "AUSTRALIA";
    c.gross = -5;
    c.cdep = 999999;
    c.origAmended = "A";
    c.fbtExempt = " ";
    return c;
}

class InbExport : public TransferTest {
protected:
    InbExport()
    {
        context.prefs.pathSavedD01Files = dir.path();
        report().payees[7] = payee7();
        report().payees[3] = payee3();
        CCards etp;
        etp.payeeId = 5;
        etp.payeeType = "ETP";
        report().payees[5] = etp;
        CCards lowerCase = payee3();
        lowerCase.payeeId = 4;
        lowerCase.payeeType = "inb"; // only the exact type is exported
        report().payees[4] = lowerCase;
    }
};

TEST_F(InbExport, WritesTheWholeFileByteForByte)
{
    const Report before = report();
    const QByteArray written = exportBytes(PayeeType::INB);
    EXPECT_EQ(written, readBytes(QStringLiteral(QLS_TEST_DATA_DIR "/inb_export_2018.txt")));
    EXPECT_EQ(ui.texts(), QStringList{"Saved."});
    EXPECT_EQ(report(), before);
    EXPECT_FALSE(context.document.IsModified());
    EXPECT_EQ(ui.waitDepth, 0);

    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests[0];
    EXPECT_EQ(request.defaultName, "INBExport");
    EXPECT_EQ(request.defaultExtension, "*.txt");
    EXPECT_EQ(request.filter, "Quillastrand Export Files (*.txt)|*.txt|All Files (*.*)|*.*||");
    EXPECT_EQ(request.initialFolder, dir.path());
    EXPECT_TRUE(request.overwritePrompt);
}

TEST_F(InbExport, AnIncomeTypeOutsideTheThreeIsWrittenAsS)
{
    report().payees[3].incomeType = "";
    report().payees[7].incomeType = "X";
    const QString text = BuildTabDelimitedExport(report(), tabLayout(PayeeType::INB));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.at(19).split(u'\t').at(3), "S");
    EXPECT_EQ(lines.at(20).split(u'\t').at(3), "S");
}

TEST_F(InbExport, NothingToExportIsSaidWithoutAFileDialog)
{
    report().payees.erase(3);
    report().payees.erase(7);
    ExportTabDelimited(context, PayeeType::INB);
    report().payees.clear();
    ExportTabDelimited(context, PayeeType::INB);
    EXPECT_EQ(ui.texts(), (QStringList{kNoPayees, kNoPayees}));
    EXPECT_TRUE(ui.fileRequests.empty());
}

TEST_F(InbExport, CancelWritesNothingAndSaysNothing)
{
    ui.answerFile(std::nullopt);
    ExportTabDelimited(context, PayeeType::INB);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(InbExport, ReplacesTheWholeOfAnExistingFile)
{
    writeFile(QStringLiteral("export.txt"), QByteArray(100000, 'z'));
    EXPECT_EQ(exportBytes(PayeeType::INB), readBytes(QStringLiteral(QLS_TEST_DATA_DIR "/inb_export_2018.txt")));
}

struct FailureCase {
    const char* name;
    FileError error;
    QString message;
};

class InbExportFailures : public InbExport, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(InbExportFailures, LeaveTheOldFileAsItWas)
{
    const QString target = writeFile(QStringLiteral("export.txt"), "old contents");
    files.fail(FaultyFileSystem::Op::Write, target, GetParam().error);
    ui.answerFile(target);
    ExportTabDelimited(context, PayeeType::INB);
    EXPECT_EQ(ui.texts(), QStringList{GetParam().message});
    EXPECT_EQ(readBytes(target), "old contents");
}

INSTANTIATE_TEST_SUITE_P(Kinds, InbExportFailures,
                         ::testing::Values(FailureCase{"AccessDenied", FileError::AccessDenied, kS1},
                                           FailureCase{"Other", FileError::Other, kE1 + "\n\ninjected."},
                                           FailureCase{"NotFound", FileError::NotFound, kE1 + "\n\ninjected."}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(InbExport, AFailureWhileWritingGivesTheSecondError)
{
    ThrowingFileSystem throwing;
    AppContext throwingContext(ui, throwing);
    throwingContext.report() = report();
    ui.answerFile(path(QStringLiteral("export.txt")));
    ExportTabDelimited(throwingContext, PayeeType::INB);
    EXPECT_EQ(ui.texts(), QStringList{kE2});
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(InbExport, ALineFeedInATextLeavesEveryPayeeOnItsLine)
{
    // Texts from a report file or a lodgement import may hold line feeds.
    report().payees[3].addLine1 = "12 High\nSt";
    report().payees[3].surname = "Ng\r\nuyen";
    report().payees[7].firstName = "\nMaria";
    const QByteArray written = exportBytes(PayeeType::INB);
    EXPECT_EQ(written.count('\n'), 19 + 2);

    AppContext fresh(ui, files);
    fresh.report().reportYear = "2018";
    fresh.report().reportYearNumber = 2018;
    ui.messages.clear();
    ui.answerFile(path(QStringLiteral("export.txt")));
    ImportTabDelimited(fresh, PayeeType::INB);
    ASSERT_FALSE(ui.texts().isEmpty());
    EXPECT_EQ(ui.texts().last(), importedMessage(2));
    EXPECT_TRUE(messagesStartingWith(QStringLiteral("Payee with ID")).isEmpty());
    ASSERT_EQ(fresh.report().payees.size(), 2u);
    EXPECT_EQ(fresh.report().payees.at(3).addLine1, "12 High St");
    EXPECT_EQ(fresh.report().payees.at(3).surname, "Ng\r uyen");
    EXPECT_EQ(fresh.report().payees.at(7).firstName, "Maria");
}

TEST_F(InbExport, ExportImportExportGivesTheSameDataLines)
{
    const QByteArray first = exportBytes(PayeeType::INB, QStringLiteral("first.txt"));

    AppContext fresh(ui, files);
    fresh.report().reportYear = "2018";
    fresh.report().reportYearNumber = 2018;
    ui.answerFile(path(QStringLiteral("first.txt")));
    ImportTabDelimited(fresh, PayeeType::INB);
    ASSERT_EQ(fresh.report().payees.size(), 2u);
    const CCards& back = fresh.report().payees.at(7);
    EXPECT_EQ(back.addLine1, "1\t2 Pine Rd"); // the quoted fields come back whole
    EXPECT_EQ(back.addLine2, "\"Rear\"");
    EXPECT_EQ(back.surname, QStringLiteral("Jos\u00e9"));
    EXPECT_EQ(back.dataSource, "Tab Delimited Import");
    EXPECT_EQ(fresh.report().payees.at(3).checked, "");

    ui.answerFile(path(QStringLiteral("second.txt")));
    ExportTabDelimited(fresh, PayeeType::INB);
    EXPECT_EQ(readBytes(path(QStringLiteral("second.txt"))), first);
}

} // namespace
