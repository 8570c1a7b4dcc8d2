#include "lodgement/GenerateFiles.h"
#include "lodgement/LodgementTestData.h"
#include "lodgement/LodgementWriter.h"
#include "lodgement/PdfServices.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kCountBox2018 = QStringLiteral(
    "Summary of File: \r\n\r\nTotal Payees Count = 8\r\n\r\nDerived Total Count = 14.000000\r\n\r\nThe Derived "
    "Total Count is the size of the \nfile divided by 628. This should be exactly \n6 more than the Total Payees "
    "Count.");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class GenerateFilesTest : public ::testing::Test {
protected:
    GenerateFilesTest() : context(ui, files)
    {
        context.prefs.defaultFolder = dir.path();
        context.prefs.pathSavedD01Files = dir.path() + QStringLiteral("/lodge");
        QDir(dir.path()).mkpath(QStringLiteral("lodge"));
        context.report() = everyTypeReport(2018);
    }

    GenerateFiles logic()
    {
        return GenerateFiles(context, noPdfServices(), [] { return QDateTime(QDate(2018, 7, 5), QTime(14, 30)); });
    }

    QString path(const QString& name) const { return dir.path() + QStringLiteral("/lodge/") + name; }

    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context;
};

// ---- The lodgement build ----

TEST_F(GenerateFilesTest, SavesTheFileAndSummaryAfterTheCountBox)
{
    const QString target = path(QStringLiteral("VESK2018.A01"));
    ui.answerFile(target);
    logic().OnBnClickedVeskA01File();

    ASSERT_EQ(ui.texts(), (QStringList{kCountBox2018, QStringLiteral("VESK.A01 file saved.")}));
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(fileBytes(target), recordsFixture(readFixture(QLS_TEST_DATA_DIR, QStringLiteral("every_type_2018.A01"))));
    EXPECT_EQ(context.report().fileGenerated, 1);
    EXPECT_GE(ui.waitCursorsShown, 1);
    EXPECT_EQ(ui.waitDepth, 0);

    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests[0];
    EXPECT_EQ(request.defaultName, QStringLiteral("VESK2018"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("*.A01"));
    EXPECT_EQ(request.initialFolder, context.prefs.pathSavedD01Files);
    EXPECT_EQ(request.filter,
              QStringLiteral(
                  "VESK Files (*.A01)|*.A01|VESK Files (*.A02)|*.A02|VESK Files (*.A03)|*.A03|All Files (*.*)|*.*||"));
    EXPECT_TRUE(request.overwritePrompt);
}

TEST_F(GenerateFilesTest, SummaryOfEveryTypeIsExactlyTheFixture)
{
    const QString target = path(QStringLiteral("VESK2018.A01"));
    ui.answerFile(target);
    logic().OnBnClickedVeskA01File();
    QString expected = QString::fromUtf8(readFixture(QLS_TEST_DATA_DIR, QStringLiteral("every_type_2018_summary.txt")));
    expected.replace(QStringLiteral("OUTPUT"), target);
    EXPECT_EQ(context.report().summaryText.toStdString(), expected.toStdString());
    EXPECT_FALSE(context.report().summaryText.endsWith("\r\n"));
}

TEST_F(GenerateFilesTest, EmptyFolderPreferenceOffersTheDefaultFolder)
{
    context.prefs.pathSavedD01Files.clear();
    ui.answerFile(std::nullopt);
    logic().OnBnClickedVeskA01File();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].initialFolder, dir.path());
}

TEST_F(GenerateFilesTest, PayerMissingFromThePayerListStopsBeforeAnything)
{
    context.report().payerNotInList = 2;
    context.report().fileGenerated = 1;
    logic().OnBnClickedVeskA01File();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kPayerNotInListMessage);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_EQ(context.report().fileGenerated, 0);
}

TEST_F(GenerateFilesTest, CancelledSaveWritesNothingAndKeepsThePreviousSummary)
{
    context.report().summaryText = QByteArrayLiteral("earlier summary");
    ui.answerFile(std::nullopt);
    logic().OnBnClickedVeskA01File();
    EXPECT_EQ(ui.texts(), QStringList { kCountBox2018 });
    EXPECT_EQ(context.report().summaryText, QByteArrayLiteral("earlier summary"));
    EXPECT_EQ(context.report().fileGenerated, 0);
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/lodge")).isEmpty());
}

TEST_F(GenerateFilesTest, SecondBuildWithoutSaveClearsTheGeneratedFlag)
{
    ui.answerFile(path(QStringLiteral("first.A01")));
    ui.answerFile(std::nullopt);
    GenerateFiles generate = logic();
    generate.OnBnClickedVeskA01File();
    EXPECT_EQ(context.report().fileGenerated, 1);
    generate.OnBnClickedVeskA01File();
    EXPECT_EQ(context.report().fileGenerated, 0);
}

TEST_F(GenerateFilesTest, Year2012ModeStopsAtTheFirstTypeItCannotWrite)
{
    struct Case {
        const char* type;
        bool stops;
    };
    for (const Case& c : {Case{"INB", false}, {"FEI", false}, {"PEN", false}, {"ETP", true}, {"BUS", true},
                          {"SLS", true}, {"DAS", true}}) {
        SCOPED_TRACE(c.type);
        ScriptedUi localUi;
        AppContext local(localUi, files);
        local.prefs.defaultFolder = dir.path();
        Report report = headerOnlyReport(2012);
        report.year2012Mode = 1;
        report.summaryText = QByteArrayLiteral("earlier summary");
        report.payees[1] = plainPayee(1, QStringLiteral("INB"));
        report.payees[2] = plainPayee(2, QString::fromLatin1(c.type));
        local.report() = report;
        localUi.answerFile(std::nullopt);
        GenerateFiles(local, noPdfServices()).OnBnClickedVeskA01File();
        if (c.stops) {
            EXPECT_EQ(localUi.texts(), QStringList{kYear2012Message});
            EXPECT_TRUE(localUi.fileRequests.empty());
            EXPECT_TRUE(local.report().summaryText.isEmpty());
        } else {
            EXPECT_EQ(localUi.fileRequests.size(), 1u);
            EXPECT_EQ(local.report().summaryText, QByteArrayLiteral("earlier summary"));
        }
        EXPECT_EQ(local.report().fileGenerated, 0);
    }
}

TEST_F(GenerateFilesTest, FailedSaveSaysWhyAndLeavesTheFlagDown)
{
    struct Case {
        FileError error;
        QString message;
    };
    for (const Case& c : { Case { FileError::AccessDenied, kSorry1WriteMessage },
             Case { FileError::Other, QStringLiteral("File was not saved - Ref #222.\n\ninjected.") } }) {
        files.clear();
        files.fail(FaultyFileSystem::Op::Write, path(QString()), c.error);
        ui.messages.clear();
        ui.answerFile(path(QStringLiteral("VESK2018.A01")));
        logic().OnBnClickedVeskA01File();
        ASSERT_EQ(ui.messages.size(), 2u);
        EXPECT_EQ(ui.messages[1].text, c.message);
        EXPECT_EQ(context.report().fileGenerated, 0);
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("VESK2018.A01"))));
        EXPECT_EQ(ui.waitDepth, 0);
    }
}

// ---- Values the file cannot carry are refused before the save dialog ----

TEST_F(GenerateFilesTest, ValuesTheFileCannotCarryAreRefusedNamingPayeeAndField)
{
    // Each refusal is one sentence about the user's data: whose field, its
    // name on the screen, what is wrong and what it must be.
    struct Case {
        const char* what;
        std::function<void(Report&)> spoil;
        QString sentence;
    };
    const Case cases[] = {
        // A character the file cannot carry.
        { "accented surname", [](Report& r) { r.payees[9].surname = QStringLiteral("M\u00fcller"); },
            QStringLiteral("Payee 9 (INB): the Surname contains the character \"\u00fc\"; the VESK.A01 file takes only "
                           "plain letters, digits and punctuation.") },
        { "tab in address", [](Report& r) { r.payees[2].addLine1 = QStringLiteral("1\tMain St"); },
            QStringLiteral("Payee 2 (FEI): the Address Line 1 contains a control character (such as a tab or line "
                           "break); the VESK.A01 file takes only plain letters, digits and punctuation.") },
        { "accented day of a date", [](Report& r) { r.payees[3].paymentDay = QStringLiteral("0\u00b9"); },
            QStringLiteral("Payee 3 (ETP): the Payment Date contains the character \"\u00b9\"; the VESK.A01 file takes "
                           "only plain letters, digits and punctuation.") },
        { "accented supplier name", [](Report& r) { r.supplierName = QStringLiteral("Caf\u00e9 Pty Ltd"); },
            QStringLiteral("Supplier Details: the Name contains the character \"\u00e9\"; the VESK.A01 file takes only "
                           "plain letters, digits and punctuation.") },
        { "line break in supplier file reference", [](Report& r) { r.fileReference = QStringLiteral("REF\n1"); },
            QStringLiteral(
                "Supplier File Reference: the Supplier's File Ref contains a control character (such as a tab "
                "or line break); the VESK.A01 file takes only plain letters, digits and punctuation.") },
        { "accented payer trading name", [](Report& r) { r.payerTradingName = QStringLiteral("Caf\u00e9"); },
            QStringLiteral("Payer Details: the Trading Name contains the character \"\u00e9\"; the VESK.A01 file takes "
                           "only plain letters, digits and punctuation.") },
        // An amount outside the file's eight digits.
        { "negative tax", [](Report& r) { r.payees[3].taxWithheld = -5; },
            QStringLiteral("Payee 3 (ETP): the Tax Withheld is -5; it must be 0 to 99,999,999.") },
        { "amount too large", [](Report& r) { r.payees[4].gross = 100000000; },
            QStringLiteral("Payee 4 (PEN): the Taxable Component - taxed element is 100000000; it must be 0 to "
                           "99,999,999.") },
        { "the same member labelled otherwise on another form", [](Report& r) { r.payees[8].taxable = -1; },
            QStringLiteral("Payee 8 (SLS): the Taxable Component - Taxed is -1; it must be 0 to 99,999,999.") },
        { "foreign employment tax", [](Report& r) { r.payees[2].taxWithheld = -2; },
            QStringLiteral("Payee 2 (FEI): the Aust Tax Withheld is -2; it must be 0 to 99,999,999.") },
        // A postcode that is not four digits.
        { "postcode of five digits", [](Report& r) { r.payees[6].pCode = 12345; },
            QStringLiteral("Payee 6 (DAS): the PCode is 12345; it must be four digits.") },
        { "negative postcode", [](Report& r) { r.payees[8].pCode = -1; },
            QStringLiteral("Payee 8 (SLS): the PCode is -1; it must be four digits.") },
        { "supplier postcode of five digits", [](Report& r) { r.supplierPostcode = QStringLiteral("12345"); },
            QStringLiteral("Supplier Street Address: the PCode is \"12345\"; it must be four digits.") },
        { "supplier postal postcode of two digits", [](Report& r) { r.supplierPostalPostcode = QStringLiteral("80"); },
            QStringLiteral("Supplier Postal Address: the PCode is \"80\"; it must be four digits.") },
        { "payer postcode empty", [](Report& r) { r.payerPostcode.clear(); },
            QStringLiteral("Payer Details: the PCode is empty; it must be four digits.") },
        { "payer postcode with a letter", [](Report& r) { r.payerPostcode = QStringLiteral("20O0"); },
            QStringLiteral("Payer Details: the PCode is \"20O0\"; it must be four digits.") },
        // A value that must have the field's exact length.
        { "empty amend indicator", [](Report& r) { r.payees[5].origAmended.clear(); },
            QStringLiteral("Payee 5 (BUS): the Original/Amended Indicator is empty; it must be one character.") },
        { "amend indicator of two characters", [](Report& r) { r.payees[9].origAmended = QStringLiteral("OA"); },
            QStringLiteral("Payee 9 (INB): the Original/Amended Indicator is \"OA\"; it must be one character.") },
        { "short payee ABN", [](Report& r) { r.payees[1].abn = QStringLiteral("1234"); },
            QStringLiteral("Payee 1 (BUS): the ABN is \"1234\"; it must be 11 characters.") },
        { "two-digit year", [](Report& r) { r.payees[9].dobYear = QStringLiteral("80"); },
            QStringLiteral("Payee 9 (INB): the Date of Birth is \"01/02/80\"; it must be a two-digit day, a two-digit "
                           "month and a four-digit year.") },
        { "empty date",
            [](Report& r) {
                r.payees[4].endDay.clear();
                r.payees[4].endMonth.clear();
                r.payees[4].endYear.clear();
            },
            QStringLiteral("Payee 4 (PEN): the End Date is empty; it must be a two-digit day, a two-digit month and a "
                           "four-digit year.") },
        { "short payer ABN", [](Report& r) { r.payerAbn = QStringLiteral("5300408561"); },
            QStringLiteral("Payer Details: the ABN/WPN is \"5300408561\"; it must be 11 characters.") },
        { "long supplier ABN", [](Report& r) { r.supplierAbn = QStringLiteral("530040856100"); },
            QStringLiteral("Supplier Details: the ABN/WPN is \"530040856100\"; it must be 11 characters.") },
        { "no report year", [](Report& r) { r.reportYear.clear(); },
            QStringLiteral("Report: the Year ended 30 June is empty; it must be a four-digit year.") },
        { "two-digit report year", [](Report& r) { r.reportYear = QStringLiteral("18"); },
            QStringLiteral("Report: the Year ended 30 June is \"18\"; it must be a four-digit year.") },
        // Years the reader would refuse.
        { "report year after the last", [](Report& r) { r.reportYear = QStringLiteral("2099"); },
            QStringLiteral("Report: the Year ended 30 June is \"2099\"; it must be a year from 2012 to 2027.") },
        { "report year before the first", [](Report& r) { r.reportYear = QStringLiteral("1999"); },
            QStringLiteral("Report: the Year ended 30 June is \"1999\"; it must be a year from 2012 to 2027.") },
        { "report year with a letter", [](Report& r) { r.reportYear = QStringLiteral("20x8"); },
            QStringLiteral("Report: the Year ended 30 June is \"20x8\"; it must be a year from 2012 to 2027.") },
        { "report year too long", [](Report& r) { r.reportYear = QStringLiteral("veskq1"); },
            QStringLiteral("Report: the Year ended 30 June is \"veskq1\"; it must be a year from 2012 to 2027.") },
        { "report year other than the payees' year", [](Report& r) { r.reportYear = QStringLiteral("2017"); },
            QStringLiteral(
                "Report: the Year ended 30 June is \"2017\", but the report's payees were entered for 2018.") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        context.report() = everyTypeReport(2018);
        context.report().summaryText = QByteArrayLiteral("earlier summary");
        c.spoil(context.report());
        logic().OnBnClickedVeskA01File();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text,
                  QStringLiteral("The VESK.A01 file has not been created.\n\n") + c.sentence
                      + QStringLiteral("\n\nPlease correct this field and press VESK.A01 File again."));
        EXPECT_TRUE(ui.fileRequests.empty());
        EXPECT_EQ(context.report().fileGenerated, 0);
        EXPECT_EQ(context.report().summaryText, QByteArrayLiteral("earlier summary"));
    }
}

TEST_F(GenerateFilesTest, OnlyCharactersThatReachTheFileAreChecked)
{
    // Cut at 30, the accented letter never reaches the file.
    context.report().payees[9].surname = QString(30, u'A') + QStringLiteral("\u00e9");
    context.report().payees[9].gross = 99999999;
    context.report().payees[9].pCode = 0;
    ui.answerFile(std::nullopt);
    logic().OnBnClickedVeskA01File();
    EXPECT_EQ(ui.texts(), QStringList{kCountBox2018});
}

// ---- The summary ----

TEST(LodgementSummary, ReportWithoutPayeesShowsOnlyTheSeparatorAndZeros)
{
    const LodgementBuild build = BuildLodgement(headerOnlyReport(2018));
    const QString& s = build.summaryBody;
    EXPECT_TRUE(s.contains(QStringLiteral("Payee Details.\r\n_____")));
    EXPECT_TRUE(s.contains(QStringLiteral("\r\nNo. of Records (Payees + 6) =  \t6\r\n")));
    EXPECT_TRUE(s.endsWith(QStringLiteral("\r\n\r\nNumber of DAS Payees = \t0\r\nDAS Taxable - Taxed = \t0\r\nDAS Tax "
                                          "= \t0\r\n\r\nTotal Number of Payees = \t0\r\nTotal Gross and Taxable = "
                                          "\t0\r\nTotal Tax = \t0")));
}

TEST(LodgementSummary, YearDependentLinesShowTheFieldsAsTheRecordsHoldThem)
{
    // Before 2017 the FBT exempt indicators are blanks; before 2018 a pension
    // has no reversionary indicator, so its line stays empty.
    struct Case {
        int year;
        const char* inbEnd;
        const char* feiEnd;
        const char* penEnd;
    };
    const Case cases[] = {
        {2016, "\r\nAmend Indicator = \tO\r\nFBT Exempt Indicator = \t \r\n",
         "\r\nFBT Exempt Indicator = \t \r\nAmend Indicator = \tO\r\n",
         "\r\nLS Arrears Tax Free Amt = \t00000075\r\nReversionary Indicator = \t\r\nAmend Indicator = \tO\r\n"},
        {2017, "\r\nAmend Indicator = \tO\r\nFBT Exempt Indicator = \tY\r\n",
         "\r\nFBT Exempt Indicator = \tN\r\nAmend Indicator = \tO\r\n",
         "\r\nLS Arrears Tax Free Amt = \t00000075\r\nReversionary Indicator = \t\r\nAmend Indicator = \tO\r\n"},
        {2018, "\r\nAmend Indicator = \tO\r\nFBT Exempt Indicator = \tY\r\n",
         "\r\nFBT Exempt Indicator = \tN\r\nAmend Indicator = \tO\r\n",
         "\r\nLS Arrears Tax Free Amt = \t00000075\r\nReversionary Indicator = \tY\r\nAmend Indicator = \tO\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        const LodgementBuild build = BuildLodgement(everyTypeReport(c.year));
        ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built);
        const QString& s = build.summaryBody;
        // Payees 1 (INB), 5 (FEI) and 6 (PEN) in file order.
        auto block = [&s](int number) {
            const qsizetype from = s.indexOf(QStringLiteral("\r\n\r\nPayee No. %1\r\n").arg(number));
            const qsizetype to = s.indexOf(QStringLiteral("\r\n\r\nPayee No. %1\r\n").arg(number + 1));
            return s.mid(from, to - from);
        };
        EXPECT_TRUE(block(1).endsWith(QString::fromLatin1(c.inbEnd))) << block(1).toStdString();
        EXPECT_TRUE(block(5).endsWith(QString::fromLatin1(c.feiEnd))) << block(5).toStdString();
        EXPECT_TRUE(block(6).endsWith(QString::fromLatin1(c.penEnd))) << block(6).toStdString();
        EXPECT_TRUE(block(6).startsWith(QStringLiteral("\r\n\r\nPayee No. 6\r\nPayee Type = \tPEN\r\nPayee TFN = \t")));
    }
}

TEST(LodgementSummary, SumsDoNotOverflowOnALargePayroll)
{
    Report report = headerOnlyReport(2018);
    for (qint32 id = 1; id <= 30; ++id) {
        CCards payee = plainPayee(id, QStringLiteral("INB"));
        payee.gross = 99999999;
        payee.taxWithheld = 99999999;
        report.payees[id] = payee;
    }
    const LodgementBuild build = BuildLodgement(report);
    ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built);
    EXPECT_TRUE(build.summaryBody.contains(QStringLiteral("\r\nINB Gross = \t2999999970\r\nINB Tax = \t2999999970")));
    EXPECT_TRUE(build.summaryBody.contains(QStringLiteral("\r\nTotal Gross and Taxable = \t2999999970")));
    EXPECT_TRUE(build.summaryBody.endsWith(QStringLiteral("\r\nTotal Tax = \t2999999970")));
}

class SummarySaveTest : public GenerateFilesTest {};

TEST_F(SummarySaveTest, RefusedBeforeABuildEvenWithAStoredSummary)
{
    context.report().summaryText = QByteArrayLiteral("from an earlier run");
    logic().OnBnClickedSummary();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("No Summary to Print. \n\nPlease generate the VESK.A01 file first.")});
    EXPECT_TRUE(ui.fileRequests.empty());
}

TEST_F(SummarySaveTest, SavedAsUtf8AfterABuild)
{
    context.report().supplierContact = QStringLiteral("Jane Citizen"); // ASCII only in the file
    ui.answerFile(path(QStringLiteral("VESK2018.A01")));
    ui.answerFile(path(QStringLiteral("VESK_Summary.txt")));
    GenerateFiles generate = logic();
    generate.OnBnClickedVeskA01File();
    generate.OnBnClickedSummary();

    EXPECT_EQ(ui.texts().last(), QStringLiteral("Summary file saved."));
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.fileRequests[1].defaultName, QStringLiteral("VESK_Summary"));
    EXPECT_EQ(ui.fileRequests[1].defaultExtension, QStringLiteral("*.txt"));
    EXPECT_EQ(ui.fileRequests[1].filter, QStringLiteral("VESK Summary Files (*.txt)|*.txt|All Files (*.*)|*.*||"));
    EXPECT_EQ(ui.fileRequests[1].initialFolder, context.prefs.pathSavedD01Files);
    const QByteArray saved = fileBytes(path(QStringLiteral("VESK_Summary.txt")));
    EXPECT_EQ(saved, context.report().summaryText);
    EXPECT_TRUE(saved.startsWith("Contents of VESK.A01 File.\r\n"));
}

TEST_F(SummarySaveTest, CancelledOrFailedSave)
{
    ui.answerFile(path(QStringLiteral("VESK2018.A01")));
    GenerateFiles generate = logic();
    generate.OnBnClickedVeskA01File();
    const qsizetype before = ui.messages.size();

    ui.answerFile(std::nullopt);
    generate.OnBnClickedSummary();
    EXPECT_EQ(ui.messages.size(), size_t(before));

    files.fail(FaultyFileSystem::Op::Write, path(QStringLiteral("VESK_Summary")), FileError::AccessDenied);
    ui.answerFile(path(QStringLiteral("VESK_Summary.txt")));
    generate.OnBnClickedSummary();
    EXPECT_EQ(ui.texts().last(), kSorry1WriteMessage);

    files.fail(FaultyFileSystem::Op::Write, path(QStringLiteral("VESK_Summary")), FileError::Other);
    ui.answerFile(path(QStringLiteral("VESK_Summary.txt")));
    generate.OnBnClickedSummary();
    EXPECT_EQ(ui.texts().last(),
        QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #1005a.\n\ninjected."));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("VESK_Summary.txt"))));
}

// ---- The PDF buttons ----

struct RecordingPdf : PdfServices {
    QStringList calls;
    void atoMediaForm(AppContext&) override { calls << QStringLiteral("media"); }
    void paymentSummaries(AppContext&) override { calls << QStringLiteral("summaries"); }
};

TEST_F(GenerateFilesTest, PdfButtonsCallTheirServicesAndSummariesFollowTheA01OnlyFlag)
{
    RecordingPdf pdf;
    GenerateFiles generate(context, pdf);
    generate.OnBnClickedAtoMediaForm();
    generate.OnBnClickedPaymentSummaries();
    EXPECT_EQ(pdf.calls, (QStringList{QStringLiteral("media"), QStringLiteral("summaries")}));
    EXPECT_TRUE(generate.paymentSummariesEnabled());
    context.report().a01FileOnly = 1;
    EXPECT_FALSE(generate.paymentSummariesEnabled());
    // Until the PDF work lands the default does nothing at all.
    GenerateFiles(context, noPdfServices()).OnBnClickedAtoMediaForm();
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
