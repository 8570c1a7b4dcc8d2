#include "pdf/BlankForms.h"
#include "pdf/CNewPDF.h"
#include "pdf/CreateTempPDF.h"
#include "pdf/FormFiller.h"
#include "pdf/PdfTestKit.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

CCards inbPayee()
{
    CCards c = samplePayee(QStringLiteral("INB"));
    c.payeeId = 7;
    c.origAmended = QStringLiteral("O");
    c.incomeType = QStringLiteral("Salary or Wages");
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2017");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2018");
    c.taxWithheld = 12345;
    c.gross = 50000;
    c.cdep = 0;
    c.lumpAType = QStringLiteral("R");
    c.fbtExempt = QStringLiteral("N");
    return c;
}

class PdfFillTest : public ::testing::Test
{
protected:
    PdfFillTest()
        : context(ui, files)
    {
        Report& r = context.report();
        setSummaryPayer2018(r);
        r.declarationDate = QStringLiteral("14/07/2018");
        r.pdfTemplatePath = dir.filePath(QStringLiteral("tempps.pdf"));
        r.pdfOutputPath = dir.filePath(QStringLiteral("Lee.pdf"));
        r.pdfFilePerPayee = QStringLiteral("No");
        context.prefs.printZero = QStringLiteral("No");
    }

    QStringList folder() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    // Writes the template and fills it, as the payment summary of one payee does.
    void produce(const PdfValues& values)
    {
        const QString path = CreateTempPDF(context, values.card.payeeType, values.card.origAmended);
        ASSERT_EQ(context.report().pdfTemplateFailed, 0);
        ASSERT_FALSE(path.isEmpty());
        CNewPDF::FillDataSheetINB(context, values, path);
    }

    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context;
};

TEST_F(PdfFillTest, TemplateIsAPrivateCopyOfTheChosenForm)
{
    writeFile(dir.filePath(QStringLiteral("tempps.pdf")), "the user's own file");
    const QString path = CreateTempPDF(context, QStringLiteral("ETP"), QStringLiteral("A"));
    EXPECT_EQ(context.report().pdfTemplateFailed, 0);
    EXPECT_EQ(readFile(path), BlankForms::bytes(358));
    EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    EXPECT_NE(path, context.report().pdfTemplatePath);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("tempps.pdf"))), QByteArray("the user's own file"));
    EXPECT_EQ(context.report().pdfTemplatePath, dir.filePath(QStringLiteral("tempps.pdf")));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_GE(ui.waitCursorsShown, 1);

    const QString second = CreateTempPDF(context, QStringLiteral("ETP"), QStringLiteral("A"));
    EXPECT_NE(second, path);
}

TEST_F(PdfFillTest, NoFormForTheIndicatorWritesNothingAndSaysNothing)
{
    context.report().pdfTemplateFailed = 1;
    for (const QString& indicator : { QStringLiteral("o"), QString() }) {
        EXPECT_TRUE(CreateTempPDF(context, QStringLiteral("INB"), indicator).isEmpty());
        EXPECT_EQ(context.report().pdfTemplateFailed, 0);
    }
    EXPECT_TRUE(CreateTempPDF(context, QStringLiteral("XYZ"), QStringLiteral("O")).isEmpty());
    EXPECT_TRUE(folder().isEmpty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PdfFillTest, UnwritableFolderGivesTempPdfNotSaved)
{
    for (FileError error : { FileError::AccessDenied, FileError::NotFound, FileError::Other }) {
        files.clear();
        ui.messages.clear();
        files.fail(FaultyFileSystem::Op::Create, dir.path(), error);
        EXPECT_TRUE(CreateTempPDF(context, QStringLiteral("INB"), QStringLiteral("O")).isEmpty());
        EXPECT_EQ(context.report().pdfTemplateFailed, 1);
        EXPECT_EQ(ui.texts(), QStringList { kTempPdfNotSaved });
    }
    context.report().pdfTemplatePath = QStringLiteral("tempps.pdf"); // no folder at all
    EXPECT_TRUE(CreateTempPDF(context, QStringLiteral("INB"), QStringLiteral("O")).isEmpty());
    EXPECT_EQ(context.report().pdfTemplateFailed, 1);
    EXPECT_TRUE(folder().isEmpty());
}

TEST_F(PdfFillTest, FilledFormCarriesEveryPlannedValue)
{
    KeepPaymentSummariesFillable keep;
    const PdfValues values = plainValues(inbPayee());
    produce(values);
    EXPECT_TRUE(ui.messages.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(context.report().pdfTemplateFailed, 0);
    EXPECT_EQ(folder(), QStringList { QStringLiteral("Lee.pdf") });

    const auto fields = readFormFields(readFile(context.report().pdfOutputPath));
    const FieldPlan plan = PlanINB(values, context.report(), context.prefs.printZero);
    ASSERT_FALSE(plan.empty());
    for (const PlannedField& p : plan)
        EXPECT_EQ(fields.at(p.name).value, p.value) << p.name.toStdString();
    EXPECT_EQ(fields.at(QStringLiteral("Gross1")).value, QStringLiteral("50000"));
    EXPECT_EQ(fields.at(QStringLiteral("CDEP1")).value, QString());
    EXPECT_EQ(fields.at(QStringLiteral("PayerABN1")).value, QStringLiteral("53 004 085 616"));
}

TEST_F(PdfFillTest, FlattenedSummaryShowsItsValuesAndHasNoFields)
{
    CCards payee = inbPayee();
    payee.resc = 0;
    payee.rfbt = 4321;
    payee.firstName = QStringLiteral("Zoë");
    payee.surname = QStringLiteral("Ōkubo"); // outside Latin-1
    produce(plainValues(payee));
    ASSERT_TRUE(ui.messages.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
    const QByteArray pdf = readFile(context.report().pdfOutputPath);
    EXPECT_TRUE(readFormFields(pdf).empty());
    const QString text = pdfText(pdf);
    for (const char* shown : { "50000", "12345", "4321", "Acme Pty Ltd", "53 004 085 616", "14/07/2018",
             "Hobart TAS 7000", "1 Main St", "Zoë" })
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("kubo")));
    // Print Zero "No": the zero CDEP amount and the zero superannuation are not printed.
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\b0\\b")))) << text.toStdString();
}

TEST_F(PdfFillTest, DamagedTemplateGivesTheMessageOfTheFillersType)
{
    struct Case {
        void (*fill)(AppContext&, const PdfValues&, const QString&);
        QString message;
    };
    const Case cases[] = {
        { &CNewPDF::FillDataSheetINB, kFillFailedINB },
        { &CNewPDF::FillDataSheetFEI, kFillFailedFEI },
        { &CNewPDF::FillDataSheetBUS, kFillFailedBUS },
        { &CNewPDF::FillDataSheetETP, kFillFailedOther },
        { &CNewPDF::FillDataSheetPEN, kFillFailedOther },
        { &CNewPDF::FillDataSheetSLS, kFillFailedOther },
        { &CNewPDF::FillDataSheetDAS, kFillFailedOther },
    };
    const QString damaged = dir.filePath(QStringLiteral("tempps-damaged.pdf"));
    for (const QByteArray& bytes : { QByteArray(), QByteArray("not a PDF at all"), BlankForms::bytes(353).left(200) }) {
        for (const Case& c : cases) {
            ui.messages.clear();
            writeFile(damaged, bytes);
            c.fill(context, plainValues(inbPayee()), damaged);
            EXPECT_EQ(ui.texts(), QStringList { c.message });
            EXPECT_EQ(context.report().pdfTemplateFailed, 1);
            EXPECT_TRUE(folder().isEmpty()) << folder().join(QLatin1Char(',')).toStdString();
        }
    }
    // No template at all: a known type with an indicator that chose no form.
    ui.messages.clear();
    CNewPDF::FillDataSheetINB(context, plainValues(inbPayee()), QString());
    EXPECT_EQ(ui.texts(), QStringList { kFillFailedINB });
}

TEST_F(PdfFillTest, SingleModeWritesOverTheChosenFileWholeOrNotAtAll)
{
    const QString output = context.report().pdfOutputPath;
    writeFile(output, QByteArray(200000, 'x'));
    produce(plainValues(inbPayee()));
    const QByteArray written = readFile(output);
    EXPECT_TRUE(written.startsWith("%PDF-"));
    EXPECT_TRUE(written.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(folder(), QStringList { QStringLiteral("Lee.pdf") });

    files.fail(FaultyFileSystem::Op::Write, output, FileError::AccessDenied);
    produce(plainValues(inbPayee()));
    EXPECT_EQ(ui.texts(), QStringList { kFillFailedINB + QStringLiteral("\n\ninjected.") });
    EXPECT_EQ(context.report().pdfTemplateFailed, 1);
    EXPECT_EQ(readFile(output), written);
    EXPECT_EQ(folder(), QStringList { QStringLiteral("Lee.pdf") });
}

TEST_F(PdfFillTest, BatchModeNeverWritesOverAFile)
{
    Report& r = context.report();
    r.pdfFilePerPayee = QStringLiteral("Yes");
    r.pdfOutputPath = dir.path();
    const PdfValues values = plainValues(inbPayee()); // stem "/Lee"
    writeFile(dir.filePath(QStringLiteral("Lee.pdf")), "old");

    QStringList expected { QStringLiteral("Lee.pdf") };
    for (int n = 0; n < 8; ++n) {
        produce(values);
        const QString name = QStringLiteral("Lee%1.pdf").arg(n, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(r.pdfLastOutputFile, dir.filePath(name));
        EXPECT_TRUE(readFile(dir.filePath(name)).startsWith("%PDF-")) << name.toStdString();
        expected << name;
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Lee.pdf"))), QByteArray("old"));
    expected.sort();
    EXPECT_EQ(folder(), expected);
}

TEST_F(PdfFillTest, BatchWriteFailureLeavesNoClaimedFile)
{
    Report& r = context.report();
    r.pdfFilePerPayee = QStringLiteral("Yes");
    r.pdfOutputPath = dir.path();
    files.fail(FaultyFileSystem::Op::Write, dir.filePath(QStringLiteral("Lee")), FileError::Other);
    produce(plainValues(inbPayee()));
    EXPECT_EQ(ui.texts(), QStringList { kFillFailedINB + QStringLiteral("\n\ninjected.") });
    EXPECT_EQ(r.pdfTemplateFailed, 1);
    EXPECT_TRUE(folder().isEmpty());

    r.pdfOutputPath.clear(); // no folder: nothing is written anywhere
    ui.messages.clear();
    produce(plainValues(inbPayee()));
    EXPECT_EQ(ui.texts(), QStringList { kFillFailedINB + QStringLiteral("\n\nNo folder was given.") });
    EXPECT_TRUE(folder().isEmpty());
}

TEST_F(PdfFillTest, BadPayeeValuesStillGiveASummary)
{
    CCards payee = inbPayee();
    payee.gross = 999999;
    payee.firstName.clear();
    payee.surname.clear();
    payee.addLine1 = QStringLiteral("Ünïcode 北京 (road) \\ end");
    PdfValues values = plainValues(payee);
    values.texts.taxWithheld = QStringLiteral("-2147483648");
    context.prefs.printZero = QStringLiteral("Yes");
    const Report before = context.report();
    produce(values);
    EXPECT_TRUE(ui.messages.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
    const QString text = pdfText(readFile(context.report().pdfOutputPath));
    EXPECT_TRUE(text.contains(QStringLiteral("999999")));
    EXPECT_TRUE(text.contains(QStringLiteral("-2147483648")));
    EXPECT_TRUE(text.contains(QStringLiteral("(road)")));
    Report after = context.report();
    after.pdfLastOutputFile = before.pdfLastOutputFile;
    EXPECT_EQ(after, before);
}

} // namespace
