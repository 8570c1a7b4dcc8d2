#include "lodgement/GenerateFiles.h"
#include "payees/PayeeListForm.h"
#include "payees/PayeeServices.h"
#include "pdf/AdviceNameForm.h"
#include "pdf/CNewPDF.h"
#include "pdf/FormFiller.h"
#include "pdf/PaymentSummary.h"
#include "pdf/PaymentSummaryBatch.h"
#include "pdf/PdfOutputs.h"
#include "pdf/PdfTestKit.h"
#include "pdf/SinglePayForm.h"
#include "report/AppContext.h"
#include "support/ExfatDisk.h"
#include "support/FaultyFileSystem.h"
#include "support/PlayedCalls.h"
#include "support/ScriptedUi.h"
#include "support/SmallDisk.h"
#include "widgets/SortListModel.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <map>

namespace
{

const QStringList kTypes = { "INB", "ETP", "BUS", "FEI", "PEN", "SLS", "DAS" };

// A payee of the type with what its form needs: dates, an amount, an
// indicator that chooses a form.
CCards fullPayee(const QString& type, qint32 id, const QString& surname)
{
    CCards c = samplePayee(type);
    c.payeeId = id;
    c.tfn = QStringLiteral("123456782");
    c.abn = QStringLiteral("00000000000");
    c.surname = surname;
    c.payrollNo = QStringLiteral("E%1").arg(id);
    c.origAmended = QStringLiteral("O");
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2017");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2018");
    c.paymentDay = QStringLiteral("15");
    c.paymentMonth = QStringLiteral("03");
    c.paymentYear = QStringLiteral("2018");
    c.taxWithheld = 1234;
    c.gross = 45678;
    c.taxable = 3456;
    c.checked = QStringLiteral("Yes");
    if (type == QLatin1String("ETP"))
        c.etpPaymentType = QStringLiteral("R");
    if (type == QLatin1String("BUS"))
        c.busPaymentType = QStringLiteral("Labour Hire");
    return c;
}

class PaymentSummaryRun : public ::testing::Test
{
protected:
    PaymentSummaryRun()
        : context(ui, files)
    {
        Report& r = context.report();
        setSummaryPayer2018(r);
        context.prefs.pathPayeePDFFiles = QStringLiteral("pdf-preference");
        context.prefs.printZero = QStringLiteral("No");
        folder = dir.filePath(QStringLiteral("out"));
        QDir().mkpath(folder);
        context.currentPayee = fullPayee(QStringLiteral("PEN"), 77, QStringLiteral("Edited"));
        ui.onDialog(QStringLiteral("CGenSinglePay"), [this] { return singleDialog ? singleDialog() : 0; });
        ui.onDialog(QStringLiteral("AdviceName"), [this] { return adviceDialog ? adviceDialog() : 0; });
    }

    void add(const CCards& c) { context.report().payees[c.payeeId] = c; }

    QStringList files_in(const QString& path) const
    {
        return QDir(path).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // The single payment summary dialog answers OK with the date and the
    // save dialog with the file (nothing: cancelled).
    void answerSingle(const QDate& date, std::optional<QString> file)
    {
        singleDialog = [this, date] {
            SinglePayForm(context).OnBnClickedOk(date);
            return 1;
        };
        ui.answerFile(std::move(file));
    }

    void answerPattern(const PdfNamePattern& typed, const QDate& date = QDate(2018, 7, 1))
    {
        adviceDialog = [this, typed, date] {
            AdviceNameForm(context, outputs.namePattern()).OnBnClickedSelectFolder(date, typed);
            return 1;
        };
    }

    static PdfNamePattern pattern(const char* text1, const char* f1, const char* f2, const char* text2)
    {
        PdfNamePattern p;
        p.text1 = QString::fromUtf8(text1);
        p.field1 = QString::fromUtf8(f1);
        p.field2 = QString::fromUtf8(f2);
        p.field3 = QStringLiteral(" ");
        p.field4 = QStringLiteral(" ");
        p.text2 = QString::fromUtf8(text2);
        return p;
    }

    QTemporaryDir dir;
    QString folder;
    ScriptedUi ui;
    FaultyFileSystem files { playedNaming() };
    AppContext context;
    PdfOutputs outputs;
    // What the two dialogs do when the run opens them.
    std::function<int()> singleDialog;
    std::function<int()> adviceDialog;
};

// ---- One payee ----

TEST_F(PaymentSummaryRun, CancelInEitherDialogWritesNothing)
{
    add(fullPayee(QStringLiteral("INB"), 5, QStringLiteral("Lee")));
    const CCards edited = context.currentPayee;
    singleDialog = [this] {
        SinglePayForm(context).OnBnClickedCancel();
        return 0;
    };
    outputs.paymentSummary(context, 5);
    EXPECT_EQ(context.report().pdfConfirmed, QStringLiteral("No"));

    answerSingle(QDate(2018, 7, 5), std::nullopt);
    outputs.paymentSummary(context, 5);
    EXPECT_EQ(context.report().pdfConfirmed, QStringLiteral("No"));

    EXPECT_EQ(ui.dialogsRun, QStringList(2, QStringLiteral("CGenSinglePay")));
    EXPECT_TRUE(ui.scriptUsedUp());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(files_in(folder).isEmpty());
    EXPECT_EQ(context.currentPayee, edited);
    EXPECT_EQ(context.currentPayeeKey, 5);
    EXPECT_EQ(context.report().currentPayeeId, 5);
}

TEST_F(PaymentSummaryRun, EachTypeGivesASummaryWithItsValues)
{
    for (const QString& type : kTypes) {
        SCOPED_TRACE(type.toStdString());
        const qint32 id = 10 + qint32(kTypes.indexOf(type));
        CCards payee = fullPayee(type, id, QStringLiteral("Lee") + type);
        payee.secName = QStringLiteral("Jo");
        add(payee);
        const Report reportBefore = context.report();
        const CCards edited = context.currentPayee;
        const QString fillable = joinPath(folder, type + QStringLiteral("-fields.pdf"));
        const QString flattened = joinPath(folder, type + QStringLiteral(".pdf"));

        {
            KeepPaymentSummariesFillable keep;
            answerSingle(QDate(2018, 7, 5), fillable);
            outputs.paymentSummary(context, id);
        }
        answerSingle(QDate(2018, 7, 5), flattened);
        outputs.paymentSummary(context, id);

        EXPECT_EQ(ui.texts(), QStringList(2, kPaymentSummarySaved));
        ui.messages.clear();
        const auto fields = readFormFields(readFile(fillable));
        EXPECT_EQ(fields.at(QStringLiteral("Name1")).value, QStringLiteral("Ann Jo Lee") + type);
        EXPECT_EQ(fields.at(QStringLiteral("Name3")).value, QStringLiteral("Hobart TAS 7000"));
        EXPECT_EQ(fields.at(QStringLiteral("TFN1")).value, QStringLiteral("123 456 782"));
        EXPECT_EQ(fields.at(QStringLiteral("Date1")).value, QStringLiteral("05/07/2018"));
        EXPECT_EQ(fields.at(QStringLiteral("PayerName1")).value, QStringLiteral("Acme Pty Ltd"));

        const QString text = pdfText(readFile(flattened));
        for (const QString& shown : { QStringLiteral("Ann Jo Lee") + type, QStringLiteral("123 456 782"),
                 QStringLiteral("05/07/2018"), QStringLiteral("Hobart TAS 7000") })
            EXPECT_TRUE(text.contains(shown)) << shown.toStdString() << "\n" << text.toStdString();

        // Only the date, the file, the template path and the confirmation change.
        Report expected = reportBefore;
        expected.declarationDate = QStringLiteral("05/07/2018");
        expected.pdfOutputPath = flattened;
        expected.pdfTemplatePath = joinPath(folder, QStringLiteral("tempps.pdf"));
        expected.pdfConfirmed = QStringLiteral("Yes");
        expected.currentPayeeId = id;
        EXPECT_EQ(context.report(), expected);
        EXPECT_EQ(context.currentPayee, edited);
        EXPECT_EQ(context.currentPayeeKey, id);
    }
    // Nothing but the summaries: every template was removed.
    EXPECT_EQ(files_in(folder).size(), 2 * kTypes.size());
}

TEST_F(PaymentSummaryRun, AddingModeAnUnknownTypeOrAnUnknownIdWriteNothing)
{
    add(fullPayee(QStringLiteral("INB"), 5, QStringLiteral("Lee")));
    add(fullPayee(QStringLiteral("XYZ"), 6, QStringLiteral("Odd")));
    context.report().payeeMode = 4;
    outputs.paymentSummary(context, 5);
    EXPECT_TRUE(ui.dialogsRun.isEmpty());
    EXPECT_EQ(context.currentPayeeKey, 5);

    context.report().payeeMode = 0;
    answerSingle(QDate(2018, 7, 5), joinPath(folder, QStringLiteral("odd.pdf")));
    outputs.paymentSummary(context, 6);
    outputs.paymentSummary(context, 404);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(files_in(folder).isEmpty());
}

TEST_F(PaymentSummaryRun, UnwritableFileGivesTheFillersMessageOnly)
{
    add(fullPayee(QStringLiteral("ETP"), 5, QStringLiteral("Lee")));
    const QString output = joinPath(folder, QStringLiteral("Lee.pdf"));
    files.fail(FaultyFileSystem::Op::Write, output, FileError::AccessDenied);
    answerSingle(QDate(2018, 7, 5), output);
    outputs.paymentSummary(context, 5);
    EXPECT_EQ(ui.texts(), QStringList { WithReason(kFillFailedOther, { FileError::AccessDenied, "injected" }) });
    EXPECT_TRUE(files_in(folder).isEmpty());
}

// A summary that has its name is saved, however the folder's flush then
// fails: the user is told so, and then that it is saved.
TEST_F(PaymentSummaryRun, ASummarySavedWhoseFolderFlushFailsIsToldAsSaved)
{
    add(fullPayee(QStringLiteral("INB"), 5, QStringLiteral("Lee")));
    const QString output = joinPath(folder, QStringLiteral("Lee.pdf"));
    answerSingle(QDate(2018, 7, 5), output);
    played.fsync = EIO;
    outputs.paymentSummary(context, 5);
    played = {};
    EXPECT_EQ(ui.texts(),
        (QStringList { QStringLiteral("The file is saved as %1.\n\nThe disk reported an error while making it last: "
                                      "Input/output error.")
                           .arg(output),
            kPaymentSummarySaved }));
    EXPECT_EQ(ui.messages.front().icon, MessageIcon::Warning);
    EXPECT_TRUE(pdfText(readFile(output)).contains(QStringLiteral("Ann Lee")));
    EXPECT_EQ(context.report().pdfTemplateFailed, 0);
}

class NoPayeeServices : public PayeeServices
{
};

TEST_F(PaymentSummaryRun, PayeeListButtonProducesTheTickedPayee)
{
    add(fullPayee(QStringLiteral("INB"), 3, QStringLiteral("Brown")));
    add(fullPayee(QStringLiteral("FEI"), 8, QStringLiteral("Chen")));
    SortListModel list(context);
    NoPayeeServices services;
    PayeeListForm form(context, list, services, outputs, [](AppContext&, qint32) {});
    form.open();
    list.setChecked(1, true);
    const QString output = joinPath(folder, QStringLiteral("Chen.pdf"));
    answerSingle(QDate(2018, 7, 5), output);
    form.OnBnClickedSinglePaymentSummary();
    EXPECT_EQ(ui.texts(), QStringList { kPaymentSummarySaved });
    EXPECT_EQ(context.currentPayeeKey, 8);
    EXPECT_TRUE(pdfText(readFile(output)).contains(QStringLiteral("Ann Chen")));
}

// ---- All payees ----

TEST_F(PaymentSummaryRun, PayerNotInTheListStopsBeforeAnything)
{
    add(fullPayee(QStringLiteral("INB"), 5, QStringLiteral("Lee")));
    context.report().payerNotInList = 2;
    outputs.paymentSummaries(context);
    EXPECT_EQ(ui.texts(), QStringList { kPayerNotInListMessage });
    EXPECT_TRUE(ui.dialogsRun.isEmpty());
    EXPECT_TRUE(ui.folderTitles.isEmpty());
}

TEST_F(PaymentSummaryRun, CancelAtEachStepWritesNothing)
{
    add(fullPayee(QStringLiteral("INB"), 5, QStringLiteral("Lee")));
    context.report().pdfFilePerPayee = QStringLiteral("No");
    const Report before = context.report();
    adviceDialog = [this] {
        AdviceNameForm(context, outputs.namePattern()).OnBnClickedCancel();
        return 0;
    };
    outputs.paymentSummaries(context);
    EXPECT_EQ(context.report(), before);
    EXPECT_FALSE(outputs.namePattern().cancelled);
    EXPECT_TRUE(ui.folderTitles.isEmpty());

    answerPattern(PdfNamePattern::defaults());
    ui.answerFolder(std::nullopt);
    outputs.paymentSummaries(context);
    EXPECT_EQ(ui.folderTitles, QStringList { "Please select a folder for saving Payment Summaries:" });
    EXPECT_EQ(ui.folderStarts, QStringList { "pdf-preference" });
    EXPECT_EQ(context.report().pdfConfirmed, QStringLiteral("No"));
    EXPECT_EQ(context.report().pdfFilePerPayee, QStringLiteral("No"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(files_in(folder).isEmpty());
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(PaymentSummaryRun, FolderThatCannotBeWrittenGivesItsSorryText)
{
    add(fullPayee(QStringLiteral("INB"), 5, QStringLiteral("Lee")));
    const std::pair<FileError, const char*> cases[] = {
        { FileError::AccessDenied, "Sorry1 - " },
        { FileError::NotFound, "Sorry3 - " },
        { FileError::Other, "Sorry3 - " },
    };
    for (const auto& [error, prefix] : cases) {
        SCOPED_TRACE(prefix);
        files.clear();
        ui.messages.clear();
        files.fail(FaultyFileSystem::Op::Create, folder, error);
        answerPattern(PdfNamePattern::defaults());
        ui.answerFolder(folder);
        context.report().pdfConfirmed = QStringLiteral("Yes");
        outputs.paymentSummaries(context);
        EXPECT_EQ(ui.texts(), QStringList { QString::fromLatin1(prefix) + kWriteAccessRefused });
        EXPECT_EQ(context.report().pdfConfirmed, QStringLiteral("No"));
        EXPECT_EQ(context.report().pdfFilePerPayee, QStringLiteral("No"));
        EXPECT_EQ(context.report().pdfCount, 0);
        EXPECT_TRUE(files_in(folder).isEmpty());
    }
}

TEST_F(PaymentSummaryRun, OneFilePerPayeeNamedByThePattern)
{
    for (const QString& type : kTypes) {
        const qint32 id = 100 - qint32(kTypes.indexOf(type));
        add(fullPayee(type, id, QStringLiteral("Lee") + type));
    }
    // The user's own file of the old probe's name is never touched.
    writeFile(joinPath(folder, QStringLiteral("mytemp.foo")), "mine");
    const PayeeMap payeesBefore = context.report().payees;
    const CCards edited = context.currentPayee;

    answerPattern(pattern("PS", "Payee_Type", "Payee_Name", ""));
    ui.answerFolder(folder + QLatin1Char('/'));
    {
        KeepPaymentSummariesFillable keep;
        outputs.paymentSummaries(context);
    }

    EXPECT_EQ(ui.texts(), QStringList { "7 Payment Summaries Generated" });
    EXPECT_EQ(ui.messages.front().buttons, MessageButtons::Ok);
    QStringList expected;
    for (const QString& type : kTypes)
        expected << QStringLiteral("PS_%1_Ann Lee%1.pdf").arg(type);
    expected << QStringLiteral("mytemp.foo");
    expected.sort();
    EXPECT_EQ(files_in(folder), expected);
    EXPECT_EQ(readFile(joinPath(folder, QStringLiteral("mytemp.foo"))), QByteArray("mine"));
    for (const QString& type : kTypes) {
        const auto fields = readFormFields(readFile(joinPath(folder, QStringLiteral("PS_%1_Ann Lee%1.pdf").arg(type))));
        EXPECT_EQ(fields.at(QStringLiteral("Name1")).value, QStringLiteral("Ann Lee") + type);
        EXPECT_EQ(fields.at(QStringLiteral("Date1")).value, QStringLiteral("1/7/2018"));
    }

    const Report& report = context.report();
    EXPECT_EQ(report.pdfCount, 7);
    EXPECT_EQ(report.pdfFilePerPayee, QStringLiteral("No"));
    EXPECT_EQ(report.pdfConfirmed, QStringLiteral("Yes"));
    EXPECT_EQ(report.pdfOutputPath, folder);
    EXPECT_EQ(report.pdfTemplatePath, joinPath(folder, QStringLiteral("tempps.pdf")));
    EXPECT_EQ(report.pdfLastOutputFile, QString());
    EXPECT_EQ(report.declarationDate, QStringLiteral("1/7/2018"));
    EXPECT_EQ(report.printPayeeId, 100);
    EXPECT_EQ(report.payees, payeesBefore);
    EXPECT_EQ(context.currentPayee, edited);
    EXPECT_EQ(ui.waitDepth, 0);

    // A later single payment summary asks for its own date and file again.
    answerSingle(QDate(2018, 7, 5), std::nullopt);
    outputs.paymentSummary(context, 100);
    EXPECT_EQ(ui.dialogsRun.last(), QStringLiteral("CGenSinglePay"));
}

TEST_F(PaymentSummaryRun, IdenticalNamesAreNumberedInPayeeIdOrder)
{
    add(fullPayee(QStringLiteral("INB"), 30, QStringLiteral("Third")));
    add(fullPayee(QStringLiteral("ETP"), 2, QStringLiteral("First")));
    add(fullPayee(QStringLiteral("BUS"), 17, QStringLiteral("Second")));
    answerPattern(pattern("", " ", " ", "Payment_Summary"));
    ui.answerFolder(folder);
    {
        KeepPaymentSummariesFillable keep;
        outputs.paymentSummaries(context);
    }
    EXPECT_EQ(ui.texts(), QStringList { "3 Payment Summaries Generated" });
    EXPECT_EQ(
        files_in(folder), (QStringList { "Payment_Summary.pdf", "Payment_Summary00.pdf", "Payment_Summary01.pdf" }));
    const std::pair<const char*, const char*> order[] = { { "Payment_Summary.pdf", "Ann First" },
        { "Payment_Summary00.pdf", "Ann Second" }, { "Payment_Summary01.pdf", "Ann Third" } };
    for (const auto& [file, name] : order) {
        const auto fields = readFormFields(readFile(joinPath(folder, QString::fromLatin1(file))));
        EXPECT_EQ(fields.at(QStringLiteral("Name1")).value, QString::fromLatin1(name)) << file;
    }
}

TEST_F(PaymentSummaryRun, EmptyReportStillAsksAndCountsNone)
{
    answerPattern(PdfNamePattern::defaults());
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);
    EXPECT_EQ(ui.dialogsRun, QStringList { "AdviceName" });
    EXPECT_EQ(ui.texts(), QStringList { "0 Payment Summaries Generated" });
    EXPECT_EQ(context.report().pdfFilePerPayee, QStringLiteral("No"));
    EXPECT_TRUE(files_in(folder).isEmpty());
}

TEST_F(PaymentSummaryRun, NamesNeverLeaveTheChosenFolder)
{
    CCards slash = fullPayee(QStringLiteral("INB"), 1, QStringLiteral("../../Lee"));
    slash.firstName = QStringLiteral("A/B\\C");
    add(slash);
    add(fullPayee(QStringLiteral("ETP"), 2, QStringLiteral("Chen")));
    PdfNamePattern typed = PdfNamePattern::defaults();
    typed.text1 = QStringLiteral("../");
    answerPattern(typed);
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);
    EXPECT_EQ(ui.texts(), QStringList { "2 Payment Summaries Generated" });
    EXPECT_EQ(files_in(dir.path()), QStringList { "out" });
    EXPECT_EQ(files_in(folder),
        (QStringList { ".._A_B_C .._.._Lee_2018_Payment_Summary.pdf", ".._Ann Chen_2018_Payment_Summary.pdf" }));

    // A pattern of blanks alone names every file ".pdf", numbered after the first.
    answerPattern(pattern("", " ", " ", ""));
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);
    EXPECT_EQ(ui.texts().last(), QStringLiteral("2 Payment Summaries Generated"));
    EXPECT_TRUE(files_in(folder).contains(QStringLiteral(".pdf")))
        << files_in(folder).join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(files_in(folder).contains(QStringLiteral("00.pdf")));
    EXPECT_EQ(files_in(dir.path()), QStringList { "out" });
}

TEST_F(PaymentSummaryRun, PayeeThatCannotBeWrittenIsReportedAndTheRunGoesOn)
{
    add(fullPayee(QStringLiteral("INB"), 1, QStringLiteral("Adams")));
    add(fullPayee(QStringLiteral("BUS"), 2, QStringLiteral("Blocked")));
    CCards badIndicator = fullPayee(QStringLiteral("PEN"), 3, QStringLiteral("Indicator"));
    badIndicator.origAmended = QStringLiteral("o");
    add(badIndicator);
    add(fullPayee(QStringLiteral("XYZ"), 4, QStringLiteral("Unknown")));
    add(fullPayee(QStringLiteral("DAS"), 5, QStringLiteral("Davis")));
    files.fail(FaultyFileSystem::Op::Write, joinPath(folder, QStringLiteral("Ann Blocked")), FileError::Other);
    answerPattern(PdfNamePattern::defaults());
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);
    // The write's reason under the message; the bad indicator has no form, so no reason.
    const QString blocked = WithReason(kFillFailedBUS, { FileError::Other, QStringLiteral("injected") });
    EXPECT_EQ(ui.texts(), (QStringList { blocked, kFillFailedOther, "2 Payment Summaries Generated" }));
    EXPECT_TRUE(blocked.endsWith(QStringLiteral("\n\ninjected.")));
    EXPECT_EQ(
        files_in(folder), (QStringList { "Ann Adams_2018_Payment_Summary.pdf", "Ann Davis_2018_Payment_Summary.pdf" }));
    EXPECT_EQ(context.report().pdfCount, 2);
    EXPECT_EQ(context.report().printPayeeId, 5);
}

// ---- A run and its faults ----

// Every regular file of the folder as name -> bytes, temporary files included.
std::map<QString, QByteArray> contentsOf(const QString& folder)
{
    std::map<QString, QByteArray> all;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        all[name] = readFile(joinPath(folder, name));
    return all;
}

bool wholePdf(const QByteArray& bytes)
{
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

TEST_F(PaymentSummaryRun, AFaultForEveryoneStopsTheRunWithOneMessageAndTheWholeFilesCounted)
{
    struct Case {
        const char* what;
        FileResult fault;
    };
    const Case cases[] = {
        { "full disk", fileFailure(ENOSPC) },
        { "quota", fileFailure(EDQUOT) },
        { "folder gone", fileFailure(ENOENT) },
        { "access denied", fileFailure(EACCES) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        ui.messages.clear();
        files.clear();
        context.report().payees.clear();
        for (int id = 1; id <= 6; ++id)
            add(fullPayee(kTypes[id % kTypes.size()], id, QStringLiteral("P%1").arg(id)));
        writeFile(joinPath(folder, QStringLiteral("Ann P1_2018_Payment_Summary.pdf")), "the user's own");
        // The fourth payee's file cannot be written; neither could any after it.
        files.fail(FaultyFileSystem::Op::Write, joinPath(folder, QStringLiteral("Ann P4")), c.fault);
        answerPattern(PdfNamePattern::defaults());
        ui.answerFolder(folder);
        outputs.paymentSummaries(context);

        EXPECT_EQ(ui.texts(),
            QStringList { WithReason(QStringLiteral("3 Payment Summaries Generated") + kRestNotSaved, c.fault) });
        EXPECT_EQ(context.report().pdfCount, 3);
        EXPECT_EQ(context.report().printPayeeId, 4);
        const auto written = contentsOf(folder);
        QStringList names;
        for (const auto& [name, bytes] : written) {
            names << name;
            if (name != QLatin1String("Ann P1_2018_Payment_Summary.pdf")) {
                EXPECT_TRUE(wholePdf(bytes)) << name.toStdString() << " holds " << bytes.size() << " bytes";
            }
        }
        EXPECT_EQ(names,
            (QStringList { "Ann P1_2018_Payment_Summary.pdf", "Ann P1_2018_Payment_Summary00.pdf",
                "Ann P2_2018_Payment_Summary.pdf", "Ann P3_2018_Payment_Summary.pdf" }));
        EXPECT_EQ(written.at(QStringLiteral("Ann P1_2018_Payment_Summary.pdf")), QByteArray("the user's own"));
    }
}

// The summaries have their names when the folder's flush of them fails:
// they are saved and counted, and the run says what the disk said.
TEST_F(PaymentSummaryRun, AFailedFlushOfTheNamesLeavesTheSummariesSavedAndCounted)
{
    for (int id = 1; id <= 3; ++id)
        add(fullPayee(kTypes[id], id, QStringLiteral("P%1").arg(id)));
    files.fail(FaultyFileSystem::Op::FlushNames, folder, fileFailure(EIO));
    answerPattern(PdfNamePattern::defaults());
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);

    EXPECT_EQ(ui.texts(),
        QStringList { "3 Payment Summaries Generated\n\nThe disk reported an error while making them last: "
                      "Input/output error." });
    EXPECT_EQ(ui.messages.front().icon, MessageIcon::Warning);
    EXPECT_EQ(context.report().pdfCount, 3);
    const auto written = contentsOf(folder);
    ASSERT_EQ(written.size(), 3u);
    for (const auto& [name, bytes] : written)
        EXPECT_TRUE(wholePdf(bytes)) << name.toStdString();
}

TEST_F(PaymentSummaryRun, ALongNameIsShortenedToFitAndStillNumbered)
{
    // 240 bytes of surname in two-byte characters: with the rest of the
    // pattern the name would take over 255 bytes.
    const QString surname = QString(120, QChar(0x00E9));
    add(fullPayee(QStringLiteral("INB"), 1, surname));
    add(fullPayee(QStringLiteral("ETP"), 2, surname));
    answerPattern(PdfNamePattern::defaults());
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);
    // Far longer than a lodgement record holds: too long for the name's box too.
    const QString line = QStringLiteral("Payee %1 (Ann ") + surname + QStringLiteral("): Payee's name");
    const QString cut = CutValuesMessage({ line.arg(1), line.arg(2) });
    EXPECT_EQ(ui.texts(), QStringList { QStringLiteral("2 Payment Summaries Generated\n\n") + cut });
    const QStringList names = files_in(folder);
    ASSERT_EQ(names.size(), 2);
    for (const QString& name : names) {
        EXPECT_LE(name.toUtf8().size(), 255) << name.toStdString();
        EXPECT_GE(name.toUtf8().size(), 253) << name.toStdString();
        EXPECT_TRUE(name.startsWith(QStringLiteral("Ann ") + surname.left(100))) << name.toStdString();
        EXPECT_TRUE(wholePdf(readFile(joinPath(folder, name)))) << name.toStdString();
    }
    EXPECT_TRUE(names[0].endsWith(QStringLiteral("00.pdf")) || names[1].endsWith(QStringLiteral("00.pdf")));
}

// ---- Values their boxes cut ----

const QString kCutHeading
    = QStringLiteral("Some values are too long for their boxes, even in the smallest print, and are cut on the paper:");

TEST_F(PaymentSummaryRun, ARunNamesEachPayeeAndFieldCutAfterItsCount)
{
    // A payer's name as long as the lodgement record holds: 200 characters.
    context.report().payerName = QString(200, QLatin1Char('M'));
    add(fullPayee(QStringLiteral("INB"), 1, QStringLiteral("Lee")));
    CCards wide = fullPayee(QStringLiteral("ETP"), 2, QString(80, QLatin1Char('W')));
    wide.firstName.clear();
    add(wide);
    answerPattern(PdfNamePattern::defaults());
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);
    EXPECT_EQ(ui.texts(),
        QStringList { QStringLiteral("2 Payment Summaries Generated\n\n") + kCutHeading
            + QStringLiteral("\nPayee 1 (Ann Lee): Payer's name\nPayee 2 (%1): Payee's name, Payer's name")
                  .arg(wide.surname) });
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(files_in(folder).size(), 2);
}

TEST_F(PaymentSummaryRun, ARunNamesTwentyPayeesAndCountsTheRest)
{
    context.report().payerName = QString(200, QLatin1Char('M'));
    for (int id = 1; id <= 23; ++id)
        add(fullPayee(QStringLiteral("BUS"), id, QStringLiteral("P%1").arg(id)));
    answerPattern(PdfNamePattern::defaults());
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);
    ASSERT_EQ(ui.messages.size(), 1u);
    const QStringList lines = ui.texts().front().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3 + 20 + 1) << ui.texts().front().toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("23 Payment Summaries Generated"));
    EXPECT_EQ(lines[2], kCutHeading);
    EXPECT_EQ(lines[3], QStringLiteral("Payee 1 (Ann P1): Payer's name"));
    EXPECT_EQ(lines[22], QStringLiteral("Payee 20 (Ann P20): Payer's name"));
    EXPECT_EQ(lines[23], QStringLiteral("... and 3 more payees."));
}

TEST_F(PaymentSummaryRun, OnePayeesSummarySaysWhatWasCutBeforeItIsSaved)
{
    context.report().payerName = QString(200, QLatin1Char('M'));
    add(fullPayee(QStringLiteral("PEN"), 5, QStringLiteral("Lee")));
    answerSingle(QDate(2018, 7, 5), joinPath(folder, QStringLiteral("Lee.pdf")));
    outputs.paymentSummary(context, 5);
    EXPECT_EQ(ui.texts(),
        (QStringList { kCutHeading + QStringLiteral("\nPayee 5 (Ann Lee): Payer's name"), kPaymentSummarySaved }));
}

// ---- A business payee's name ----

TEST_F(PaymentSummaryRun, ANameWithoutAFirstNameHasNoBlankInItsFileName)
{
    CCards business = fullPayee(QStringLiteral("BUS"), 23, QStringLiteral("Smith & Sons"));
    business.firstName.clear();
    business.payrollNo = QStringLiteral("B-23");
    add(business);
    answerPattern(pattern("Walk", "Payee_Name", "Employee_No", "Payment_Summary"));
    ui.answerFolder(folder);
    outputs.paymentSummaries(context);
    EXPECT_EQ(ui.texts(), QStringList { "1 Payment Summaries Generated" });
    EXPECT_EQ(files_in(folder), QStringList { "Walk_Smith & Sons_B-23_Payment_Summary.pdf" });
    const std::vector<DrawnText> drawn
        = drawnTexts(readFile(joinPath(folder, QStringLiteral("Walk_Smith & Sons_B-23_Payment_Summary.pdf"))));
    EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [](const DrawnText& t) { return t.text == "Smith & Sons"; }));
}

TEST_F(PaymentSummaryRun, OnAFullDiskTheCountIsTheWholeSummariesWrittenAndTheOldFilesStay)
{
    // Room for a few summaries, not for thirty.
    SmallDisk disk(96 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    for (int id = 1; id <= 30; ++id)
        add(fullPayee(kTypes[id % kTypes.size()], id, QStringLiteral("P%1").arg(id, 2, 10, QLatin1Char('0'))));
    const QString mine = disk.filePath(QStringLiteral("Ann P01_2018_Payment_Summary.pdf"));
    ASSERT_TRUE(SmallDisk::put(mine, "the user's own"));
    answerPattern(PdfNamePattern::defaults());
    ui.answerFolder(disk.path());
    outputs.paymentSummaries(context);

    int whole = 0;
    for (const auto& [name, bytes] : contentsOf(disk.path())) {
        if (name == fileNameOf(mine))
            continue;
        EXPECT_TRUE(name.endsWith(QLatin1String(".pdf"))) << name.toStdString();
        EXPECT_TRUE(wholePdf(bytes)) << name.toStdString() << " holds " << bytes.size() << " bytes";
        whole += wholePdf(bytes) ? 1 : 0;
    }
    EXPECT_GT(whole, 0);
    EXPECT_LT(whole, 30);
    EXPECT_EQ(context.report().pdfCount, whole);
    EXPECT_EQ(ui.texts(),
        QStringList { QStringLiteral("%1 Payment Summaries Generated").arg(whole) + kRestNotSaved
            + QStringLiteral("\n\nNo space left on device.") });
    EXPECT_EQ(readFile(mine), QByteArray("the user's own"));
}

// An exFAT stick as desktops mount it, with neither a no-replace rename nor
// hard links: a run, and a summary of one payee, save there as anywhere.
TEST_F(PaymentSummaryRun, OnAnExfatStickEverySummaryIsSavedUnderItsOwnName)
{
    ExfatDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    add(fullPayee(QStringLiteral("INB"), 30, QStringLiteral("Third")));
    add(fullPayee(QStringLiteral("ETP"), 2, QStringLiteral("First")));
    add(fullPayee(QStringLiteral("PEN"), 17, QStringLiteral("Second")));
    const QString mine = disk.filePath(QStringLiteral("Payment_Summary.pdf"));
    writeFile(mine, "the user's own");
    answerPattern(pattern("", " ", " ", "Payment_Summary"));
    ui.answerFolder(disk.path());
    outputs.paymentSummaries(context);

    EXPECT_EQ(ui.texts(), QStringList { "3 Payment Summaries Generated" });
    EXPECT_EQ(files_in(disk.path()),
        (QStringList { "Payment_Summary.pdf", "Payment_Summary00.pdf", "Payment_Summary01.pdf",
            "Payment_Summary02.pdf" }));
    EXPECT_EQ(readFile(mine), QByteArray("the user's own"));
    const std::pair<const char*, const char*> order[] = { { "Payment_Summary00.pdf", "Ann First" },
        { "Payment_Summary01.pdf", "Ann Second" }, { "Payment_Summary02.pdf", "Ann Third" } };
    for (const auto& [file, name] : order) {
        const QByteArray bytes = readFile(disk.filePath(QString::fromLatin1(file)));
        ASSERT_TRUE(wholePdf(bytes)) << file;
        EXPECT_TRUE(pdfText(bytes).contains(QString::fromLatin1(name))) << file;
    }

    // One payee's summary, to a file the user names and to a free name.
    ui.messages.clear();
    answerSingle(QDate(2018, 7, 5), disk.filePath(QStringLiteral("Lee.pdf")));
    outputs.paymentSummary(context, 17);
    EXPECT_EQ(ui.texts(), QStringList { kPaymentSummarySaved });
    EXPECT_TRUE(wholePdf(readFile(disk.filePath(QStringLiteral("Lee.pdf")))));
    PaymentSummaryBatch one(files, disk.path());
    QString path;
    const FileResult saved
        = one.add(QStringLiteral("Payment_Summary"), readFile(disk.filePath(QStringLiteral("Lee.pdf"))), path,
            PaymentSummaryBatch::Flush::Now);
    EXPECT_TRUE(saved.ok()) << saved.detail.toStdString();
    EXPECT_EQ(path, disk.filePath(QStringLiteral("Payment_Summary03.pdf")));
    EXPECT_EQ(files_in(disk.path()).size(), 6) << files_in(disk.path()).join(QLatin1Char(' ')).toStdString();
}

// ---- A run of many payees ----

// What one payee at a time gives: a run of that one payee alone, its form
// filled on this thread, for each payee in ID order into one batch.
struct OneByOne {
    QStringList messages;
    QStringList cutValues;
    int committed = 0;
    FileResult stopped;
    qint32 lastPayee = 0;
};

class ManyPayees : public PaymentSummaryRun
{
protected:
    // Fifty payees of every type with IDs apart; among them names that
    // are numbered, values cut by their boxes, a payee without a form, one
    // of no known type and one whose file cannot be written.
    ManyPayees()
    {
        reference = dir.filePath(QStringLiteral("one-by-one"));
        QDir().mkpath(reference);
        for (int i = 0; i < 50; ++i) {
            const qint32 id = 3 * i + 1;
            QString surname = i % 10 == 4 ? QStringLiteral("Twin") : QStringLiteral("P%1").arg(id);
            if (i == 12 || i == 37)
                surname = QString(80, QLatin1Char('W'));
            CCards payee = fullPayee(kTypes[i % kTypes.size()], id, surname);
            if (i == 20)
                payee.origAmended = QStringLiteral("o");
            if (i == 21)
                payee.payeeType = QStringLiteral("XYZ");
            payee.gross += i;
            add(payee);
            ids.push_back(id);
        }
        for (const QString& out : { folder, reference })
            files.fail(FaultyFileSystem::Op::Write, joinPath(out, QStringLiteral("Ann P91_")), FileError::Other);
        answerPattern(PdfNamePattern::defaults());
        ui.answerFolder(folder);
    }

    OneByOne oneByOne()
    {
        Report& r = context.report();
        r.pdfFilePerPayee = QStringLiteral("Yes");
        r.pdfConfirmed = QStringLiteral("Yes");
        r.pdfOutputPath = reference;
        ui.messages.clear();
        OneByOne done;
        {
            PaymentSummaryBatch batch(files, reference);
            for (const qint32 id : ids) {
                GeneratePaymentSummaryPDFs(context, { id }, outputs.namePattern(), batch);
                done.lastPayee = id;
                if (!batch.stopped().ok())
                    break;
            }
            batch.commit();
            done.cutValues = batch.cutValues();
            done.committed = batch.committed();
            done.stopped = batch.stopped();
        }
        done.messages = ui.texts();
        return done;
    }

    QString reference;
    std::vector<qint32> ids;
};

TEST_F(ManyPayees, GiveTheFilesAndMessagesOfOnePayeeAtATime)
{
    outputs.paymentSummaries(context);
    const QStringList told = ui.texts();
    const auto written = contentsOf(folder);
    const Report after = context.report();
    const qint32 currentKey = context.currentPayeeKey;

    const OneByOne expected = oneByOne();
    ASSERT_TRUE(expected.stopped.ok());
    ASSERT_EQ(expected.committed, 47);
    ASSERT_EQ(expected.cutValues.size(), 2);
    ASSERT_EQ(expected.messages.size(), 2); // the bad indicator's and the unwritable file's
    EXPECT_EQ(told,
        expected.messages
            + QStringList {
                QStringLiteral("47 Payment Summaries Generated\n\n") + CutValuesMessage(expected.cutValues) });
    EXPECT_EQ(after.pdfCount, 47);
    EXPECT_EQ(after.printPayeeId, ids.back());
    EXPECT_EQ(after.currentPayeeId, ids.back());
    EXPECT_EQ(currentKey, ids.back());
    EXPECT_EQ(after.pdfTemplateFailed, context.report().pdfTemplateFailed);
    EXPECT_EQ(after.pdfLastOutputFile, QString());

    // The same names and the same bytes: a summary's bytes depend on nothing
    // but its payee and the report.
    const auto same = contentsOf(reference);
    ASSERT_EQ(written.size(), 47u);
    EXPECT_EQ(written.size(), same.size());
    for (const auto& [name, bytes] : same) {
        ASSERT_TRUE(written.count(name)) << name.toStdString();
        EXPECT_TRUE(wholePdf(bytes)) << name.toStdString();
        EXPECT_TRUE(written.at(name) == bytes) << name.toStdString();
    }
    EXPECT_TRUE(written.count(QStringLiteral("Ann Twin_2018_Payment_Summary03.pdf")));
}

// A fault no payee escapes, at the 30th payee: the run stops there, with
// the files and the message of one payee at a time, whatever forms it had
// filled ahead.
TEST_F(ManyPayees, StopAtThePayeeWhoseFileAFaultForEveryoneRefuses)
{
    const qint32 stop = ids[29];
    const QString stem = QStringLiteral("Ann P%1_").arg(stop);
    for (const QString& out : { folder, reference })
        files.fail(FaultyFileSystem::Op::Write, joinPath(out, stem), fileFailure(ENOSPC));
    outputs.paymentSummaries(context);
    const QStringList told = ui.texts();
    const auto written = contentsOf(folder);
    const Report after = context.report();

    const OneByOne expected = oneByOne();
    ASSERT_EQ(expected.lastPayee, stop);
    ASSERT_EQ(expected.committed, 27);
    EXPECT_EQ(told,
        expected.messages
            + QStringList {
                WithReason(QStringLiteral("27 Payment Summaries Generated") + kRestNotSaved, expected.stopped)
                + QStringLiteral("\n\n") + CutValuesMessage(expected.cutValues) });
    EXPECT_EQ(after.pdfCount, 27);
    EXPECT_EQ(after.printPayeeId, stop);
    EXPECT_EQ(context.currentPayeeKey, stop);

    // Nothing of the payees after it, not even a temporary file.
    ASSERT_EQ(written.size(), 27u);
    const auto same = contentsOf(reference);
    EXPECT_EQ(written, same);
    for (const auto& [name, bytes] : written)
        EXPECT_TRUE(wholePdf(bytes)) << name.toStdString();
}

// A run flushes its files once before their renames and its folder once
// after them, however many summaries it holds.
TEST(PaymentSummaryBatchFlushes, OnceForTheDataAndOnceForTheNames)
{
    struct Counting : LocalFileSystem {
        int data = 0;
        int names = 0;
        FileResult flushFolder(const QString& folder) override
        {
            ++data;
            return LocalFileSystem::flushFolder(folder);
        }
        FileResult flushNames(const QString& folder) override
        {
            ++names;
            return LocalFileSystem::flushNames(folder);
        }
    };
    QTemporaryDir dir;
    Counting files;
    {
        PaymentSummaryBatch batch(files, dir.path());
        QString path;
        for (const char* stem : { "Ann", "Bob", "Ann" })
            ASSERT_TRUE(batch.add(QString::fromLatin1(stem), "%PDF", path).ok());
        ASSERT_TRUE(batch.commit().ok());
        EXPECT_EQ(batch.committed(), 3);
    }
    EXPECT_EQ(files.data, 1);
    EXPECT_EQ(files.names, 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

// Until the run is flushed no summary stands under its name, not even as an
// empty file; a file that takes a name meanwhile is never replaced: the
// summary moves on to the next free name.
TEST(PaymentSummaryBatchNames, NoNameHoldsAnEmptyFileAndNoFileIsReplaced)
{
    QTemporaryDir dir;
    LocalFileSystem files;
    const QString ann = dir.filePath(QStringLiteral("Ann.pdf"));
    {
        PaymentSummaryBatch batch(files, dir.path());
        QString path;
        ASSERT_TRUE(batch.add(QStringLiteral("Ann"), "%PDF first", path).ok());
        EXPECT_EQ(path, ann);
        ASSERT_TRUE(batch.add(QStringLiteral("Ann"), "%PDF second", path).ok());
        EXPECT_EQ(path, dir.filePath(QStringLiteral("Ann00.pdf")));
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()); // temporary files are hidden
        writeFile(ann, "the user's own");
        ASSERT_TRUE(batch.commit().ok());
        EXPECT_EQ(batch.committed(), 2);
    }
    EXPECT_EQ(readFile(ann), QByteArray("the user's own"));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Ann00.pdf"))), QByteArray("%PDF second"));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Ann01.pdf"))), QByteArray("%PDF first"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);

    // A run dropped before its flush leaves nothing behind.
    {
        PaymentSummaryBatch batch(files, dir.path());
        QString path;
        ASSERT_TRUE(batch.add(QStringLiteral("Bob"), "%PDF", path).ok());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

// A summary that has its name is saved and counted whatever went wrong after
// (the folder's flush of the names, temporary names that stay): the run is
// not stopped, and what went wrong is kept for the run to tell.
TEST(PaymentSummaryBatchWarnings, SummariesWithTheirNamesAreCountedAndWhatWentWrongIsKept)
{
    const struct {
        const char* what;
        PlayedCalls answers;
    } cases[] = {
        { "the folder's flush fails", { 0, 0, 0, 0, EIO } },
        { "by hard link, the temporary names stay", { EINVAL, 0, 0, EIO, 0 } },
        { "both", { EINVAL, 0, 0, EBUSY, EIO } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        played = c.answers;
        LocalFileSystem files(playedNaming());
        PaymentSummaryBatch batch(files, dir.path());
        QString path;
        for (const char* stem : { "Ann", "Bob", "Ann" })
            ASSERT_TRUE(batch.add(QString::fromLatin1(stem), "%PDF", path).ok());
        const FileResult committed = batch.commit();
        EXPECT_TRUE(committed.ok());
        EXPECT_EQ(batch.committed(), 3);
        EXPECT_TRUE(batch.stopped().ok());
        const QString notLasting = c.answers.fsync ? fileFailure(c.answers.fsync).detail : QString();
        EXPECT_EQ(batch.warned().notLasting, notLasting);
        EXPECT_EQ(batch.warned().temporariesLeft.size(), c.answers.unlink ? 3 : 0);
        EXPECT_EQ(committed.temporariesLeft, batch.warned().temporariesLeft);

        // One summary flushed at once says what went wrong with it.
        const FileResult now = batch.add(QStringLiteral("Cy"), "%PDF", path, PaymentSummaryBatch::Flush::Now);
        EXPECT_TRUE(now.ok());
        EXPECT_EQ(now.notLasting, notLasting);
        EXPECT_EQ(now.temporariesLeft.size(), c.answers.unlink ? 1 : 0);
        EXPECT_EQ(batch.committed(), 4);
        played = {};

        for (const char* name : { "Ann.pdf", "Ann00.pdf", "Bob.pdf", "Cy.pdf" })
            EXPECT_EQ(readFile(dir.filePath(QString::fromLatin1(name))), QByteArray("%PDF")) << name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), c.answers.unlink ? 8 : 4);
    }
}

TEST(PaymentSummaryFileName, TheWholeNameFitsIn255BytesCutAtACharacterBoundary)
{
    const struct {
        QString stem;
        int number;
        QString expected;
    } cases[] = {
        { QStringLiteral("Ann Lee"), -1, QStringLiteral("Ann Lee.pdf") },
        { QStringLiteral("Ann Lee"), 0, QStringLiteral("Ann Lee00.pdf") },
        { QStringLiteral("Ann Lee"), 123, QStringLiteral("Ann Lee123.pdf") },
        { QString(), 1, QStringLiteral("01.pdf") },
        { QString(251, u'a'), -1, QString(251, u'a') + QStringLiteral(".pdf") },
        { QString(252, u'a'), -1, QString(251, u'a') + QStringLiteral(".pdf") },
        { QString(251, u'a'), 5, QString(249, u'a') + QStringLiteral("05.pdf") },
        { QString(251, u'a'), 500, QString(248, u'a') + QStringLiteral("500.pdf") },
        // Two-byte characters: 125 of them take 250 bytes; a half never stays.
        { QString(200, QChar(0x00E9)), -1, QString(125, QChar(0x00E9)) + QStringLiteral(".pdf") },
        { QString(200, QChar(0x00E9)), 0, QString(124, QChar(0x00E9)) + QStringLiteral("00.pdf") },
        // A four-byte character (two UTF-16 units) is kept or dropped whole.
        { QStringLiteral("a") + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(80), -1,
            QStringLiteral("a") + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(62) + QStringLiteral(".pdf") },
    };
    for (const auto& c : cases) {
        const QString name = PaymentSummaryFileName(c.stem, c.number);
        EXPECT_EQ(name, c.expected) << c.stem.size() << " " << c.number;
        EXPECT_LE(name.toUtf8().size(), 255);
    }
}

} // namespace
