#include "pdf/MediaForm.h"
#include "pdf/BlankForms.h"
#include "pdf/CNewPDF.h"
#include "pdf/FormFiller.h"
#include "pdf/FormUpdate.h"
#include "pdf/PdfOutputs.h"
#include "pdf/PdfTestKit.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

using Values = std::map<QString, QString>;

Values asMap(const FieldPlan& plan)
{
    Values values;
    for (const PlannedField& f : plan)
        values[f.name] = f.value;
    return values;
}

QStringList names(const FieldPlan& plan)
{
    QStringList list;
    for (const PlannedField& f : plan)
        list << f.name;
    return list;
}

Report supplierReport()
{
    Report r;
    r.reportYear = QStringLiteral("2018");
    r.priorYear = QStringLiteral("2017");
    r.reportYearNumber = 2018;
    r.supplierName = QStringLiteral("Acme Payroll");
    r.supplierAbn = QStringLiteral("53004085616");
    r.supplierAddress1 = QStringLiteral("1 Main St");
    r.supplierAddress2 = QStringLiteral("Level 2");
    r.supplierSuburb = QStringLiteral("Hobart");
    r.supplierState = QStringLiteral("TAS");
    r.supplierPostcode = QStringLiteral("7000");
    r.supplierContact = QStringLiteral("Jo Bloggs");
    r.supplierPhone = QStringLiteral("(02) 9999 9999");
    r.supplierFax = QStringLiteral(" 03 6222 1111 ");
    r.supplierEmail = QStringLiteral("jo@example.com");
    r.payerName = QStringLiteral("Widgets Pty Ltd");
    r.payerAbn = QStringLiteral("11222333444");
    r.payerBranch = QStringLiteral("001");
    return r;
}

TEST(MediaFormPlan, NineteenFieldsInOrder)
{
    EXPECT_EQ(names(MediaFormPlan(supplierReport())),
        (QStringList { "report-dateDay", "report-dateMonth", "report-dateYear", "report-dateDayEnd",
            "report-dateMonthEnd", "report-dateYearEnd", "supplier-name", "ABN-sep", "payer-ABN-sep", "payer-branch",
            "payer-name", "supplier-address", "supplier-addressSuburb", "supplier-addressState",
            "supplier-addressPostcode", "supplier-contactName", "supplier-email", "suplier-phone", "supplier-fax" }));
}

// One row per report state; each lists the fields it changes from the base report.
TEST(MediaFormPlan, ValuesFromReportStates)
{
    struct Row {
        const char* what;
        void (*change)(Report&);
        Values expected;
    };
    const Values base = {
        { "report-dateDay", "01" },
        { "report-dateMonth", "07" },
        { "report-dateYear", "2017" },
        { "report-dateDayEnd", "30" },
        { "report-dateMonthEnd", "06" },
        { "report-dateYearEnd", "2018" },
        { "supplier-name", "Acme Payroll" },
        { "ABN-sep", "53 004 085 616" },
        { "payer-ABN-sep", "11 222 333 444" },
        { "payer-branch", "001" },
        { "payer-name", "Widgets Pty Ltd" },
        { "supplier-address", "1 Main StLevel 2" },
        { "supplier-addressSuburb", "Hobart" },
        { "supplier-addressState", "TAS" },
        { "supplier-addressPostcode", "7000" },
        { "supplier-contactName", "Jo Bloggs" },
        { "supplier-email", "jo@example.com" },
        { "suplier-phone", "(02)99999999" },
        { "supplier-fax", "0362221111" },
    };
    const Row rows[] = {
        { "a 2018 report with bare years", [](Report&) {}, {} },
        { "year texts of ten characters",
            [](Report& r) {
                r.priorYear = QStringLiteral("15/08/2016");
                r.reportYear = QStringLiteral("14/05/2017");
            },
            { { "report-dateDay", "15" }, { "report-dateMonth", "08" }, { "report-dateYear", "2016" },
                { "report-dateDayEnd", "14" }, { "report-dateMonthEnd", "05" }, { "report-dateYearEnd", "2017" } } },
        { "year texts of other lengths",
            [](Report& r) {
                r.priorYear = QStringLiteral("17");
                r.reportYear = QString();
            },
            { { "report-dateYear", "17" }, { "report-dateYearEnd", "" } } },
        { "ABNs of other lengths",
            [](Report& r) {
                r.supplierAbn.clear();
                r.payerAbn = QStringLiteral("123456789");
            },
            { { "ABN-sep", "" }, { "payer-ABN-sep", "123456789" } } },
        { "an empty second street line", [](Report& r) { r.supplierAddress2.clear(); },
            { { "supplier-address", "1 Main St" } } },
        { "phone and fax of blanks only",
            [](Report& r) {
                r.supplierPhone = QStringLiteral("   ");
                r.supplierFax = QString();
            },
            { { "suplier-phone", "" }, { "supplier-fax", "" } } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Report report = supplierReport();
        row.change(report);
        Values expected = base;
        for (const auto& [name, value] : row.expected)
            expected[name] = value;
        EXPECT_EQ(asMap(MediaFormPlan(report)), expected);
    }
}

class MediaFormFlow : public ::testing::Test {
protected:
    MediaFormFlow()
        : context(ui, files)
    {
        context.report() = supplierReport();
        context.report().pdfOutputPath = QStringLiteral("earlier.pdf");
        context.report().pdfTemplatePath = QStringLiteral("earlier-temp.pdf");
        context.prefs.pathSavedD01Files = dir.path();
        output = dir.filePath(QStringLiteral("MediaForm.pdf"));
    }

    QStringList folder() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    void run() { PdfOutputs().atoMediaForm(context); }

    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context;
    QString output;
};

TEST_F(MediaFormFlow, NoCancelOrACancelledSaveWriteNothing)
{
    ui.answer(Answer::No);
    run();
    ui.answer(Answer::Cancel);
    run();
    ui.answer(Answer::Yes);
    ui.answerFile(std::nullopt);
    run();
    EXPECT_TRUE(ui.scriptUsedUp());
    EXPECT_EQ(ui.texts(), QStringList(3, kMediaFormQuestion));
    EXPECT_EQ(ui.messages.at(0).buttons, MessageButtons::YesNoCancel);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests.front();
    EXPECT_EQ(request.defaultName, QStringLiteral("MediaForm"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("*.pdf"));
    EXPECT_EQ(request.filter, QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||"));
    EXPECT_EQ(request.initialFolder, dir.path());
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(context.report().pdfOutputPath, QStringLiteral("earlier.pdf"));
    EXPECT_EQ(context.report().pdfTemplatePath, QStringLiteral("earlier-temp.pdf"));
    EXPECT_TRUE(folder().isEmpty());
}

TEST_F(MediaFormFlow, SavesTheBlankFormWithAnUpdateThatStaysFillable)
{
    // A file of the template's name is the user's own: never extended or removed.
    writeFile(dir.filePath(QStringLiteral("tempmedia.pdf")), "mine");

    ui.answer(Answer::Yes);
    ui.answerFile(output);
    const Report before = context.report();
    run();
    EXPECT_EQ(ui.texts(), (QStringList { kMediaFormQuestion, kMediaFormSaved }));
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_EQ(folder(), (QStringList { QStringLiteral("MediaForm.pdf"), QStringLiteral("tempmedia.pdf") }));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("tempmedia.pdf"))), QByteArray("mine"));

    Report expected = before;
    expected.pdfOutputPath = output;
    expected.pdfTemplatePath = dir.filePath(QStringLiteral("tempmedia.pdf"));
    EXPECT_EQ(context.report(), expected);

    const QByteArray saved = readFile(output);
    const QByteArray blank = BlankForms::bytes(BlankForms::kMediaForm);
    ASSERT_GT(saved.size(), blank.size());
    EXPECT_EQ(saved.left(blank.size()), blank);
    EXPECT_TRUE(saved.endsWith("%%EOF\n"));
    EXPECT_TRUE(hasClassicXrefOnly(saved));

    int warnings = -1;
    const auto fields = readFormFields(saved, &warnings);
    EXPECT_EQ(warnings, 0);
    for (const PlannedField& planned : MediaFormPlan(context.report()))
        EXPECT_EQ(fields.at(planned.name).value, planned.value) << planned.name.toStdString();
    for (int row = 2; row <= 13; ++row)
        EXPECT_TRUE(fields.at(QStringLiteral("payer-name%1").arg(row)).value.isEmpty());
    EXPECT_TRUE(saved.mid(blank.size()).contains("/NeedAppearances true"));

    const QString text = pdfText(saved);
    for (const char* shown : { "Acme Payroll", "53 004 085 616", "11 222 333 444", "1 Main StLevel 2", "(02)99999999",
             "jo@example.com", "Widgets Pty Ltd" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(shown))) << shown << "\n" << text.toStdString();

    // Still a form: QPDF fills one more field of the saved file.
    const QByteArray again = FillForm(
        saved, { { QStringLiteral("payer-name2"), QStringLiteral("Second Payer") } }, FormFinish::KeepFillable);
    const auto refilled = readFormFields(again);
    EXPECT_EQ(refilled.at(QStringLiteral("payer-name2")).value, QStringLiteral("Second Payer"));
    EXPECT_EQ(refilled.at(QStringLiteral("payer-name")).value, QStringLiteral("Widgets Pty Ltd"));
}

TEST_F(MediaFormFlow, ShorterFormReplacesALongerFileWhole)
{
    writeFile(output, QByteArray(100000, 'x'));
    ui.answer(Answer::Yes);
    ui.answerFile(output);
    run();
    EXPECT_EQ(ui.texts().last(), kMediaFormSaved);
    EXPECT_TRUE(readFile(output).startsWith(BlankForms::bytes(BlankForms::kMediaForm)));
    EXPECT_FALSE(readFile(output).contains("xxxx"));
}

TEST_F(MediaFormFlow, FolderThatRefusesTheTemporaryFormGivesTempMediaNotSaved)
{
    for (FileError error : { FileError::AccessDenied, FileError::NotFound }) {
        files.clear();
        files.fail(FaultyFileSystem::Op::Create, dir.path(), error);
        ui.messages.clear();
        ui.answer(Answer::Yes);
        ui.answerFile(output);
        run();
        EXPECT_EQ(ui.texts(), (QStringList { kMediaFormQuestion, kTempMediaNotSaved }));
        EXPECT_TRUE(folder().isEmpty());
    }
}

TEST_F(MediaFormFlow, OtherTemporaryFormFailureGivesRef1003ThenTheFillersRef1029)
{
    files.fail(FaultyFileSystem::Op::Create, dir.path(), FileError::Other);
    ui.answer(Answer::Yes);
    ui.answerFile(output);
    run();
    EXPECT_EQ(ui.texts(), (QStringList { kMediaFormQuestion, kTempMediaError, kMediaFormFailed }));
    EXPECT_TRUE(folder().isEmpty());
}

TEST_F(MediaFormFlow, FillerFailuresGiveRef1029AndRemoveTheTemplate)
{
    // A damaged template, then an output that cannot be written.
    const QString damaged = dir.filePath(QStringLiteral("tempmedia-x.pdf"));
    for (const QByteArray& bytes :
        { QByteArray("garbage"), BlankForms::bytes(353).left(300), BlankForms::bytes(353) }) {
        writeFile(damaged, bytes);
        ui.messages.clear();
        context.report().pdfOutputPath = output;
        CNewPDF::FillDataSheetMedia(context, damaged);
        if (bytes == BlankForms::bytes(353)) {
            // Another form is no media form, but a form all the same: filled where names match.
            EXPECT_EQ(ui.texts(), QStringList { kMediaFormSaved });
            QFile::remove(output);
        } else {
            EXPECT_EQ(ui.texts(), QStringList { kMediaFormFailed });
        }
        EXPECT_TRUE(folder().isEmpty()) << folder().join(QLatin1Char(',')).toStdString();
    }

    files.fail(FaultyFileSystem::Op::Write, output, FileError::AccessDenied);
    ui.messages.clear();
    ui.answer(Answer::Yes);
    ui.answerFile(output);
    run();
    EXPECT_EQ(ui.texts(), (QStringList { kMediaFormQuestion, kMediaFormFailed }));
    EXPECT_TRUE(folder().isEmpty());
    EXPECT_EQ(context.report().pdfTemplateFailed, 0);
    EXPECT_TRUE(context.report().pdfLastOutputFile.isEmpty());
}

TEST(FormUpdate, RefusesAFormWithoutAClassicCrossReferenceTable)
{
    const QByteArray form = BlankForms::bytes(BlankForms::kMediaForm);
    QByteArray broken = form;
    broken.replace("startxref", "startxyz_");
    EXPECT_ANY_THROW(AppendFormUpdate(broken, {}));
    EXPECT_ANY_THROW(AppendFormUpdate(QByteArray(), {}));
    // Updating an updated form chains the trailers.
    const QByteArray once = AppendFormUpdate(form, { { QStringLiteral("payer-name"), QStringLiteral("One") } });
    const QByteArray twice = AppendFormUpdate(once, { { QStringLiteral("payer-name2"), QStringLiteral("Two") } });
    const auto fields = readFormFields(twice);
    EXPECT_EQ(fields.at(QStringLiteral("payer-name")).value, QStringLiteral("One"));
    EXPECT_EQ(fields.at(QStringLiteral("payer-name2")).value, QStringLiteral("Two"));
    EXPECT_TRUE(twice.startsWith(once));
}

} // namespace
