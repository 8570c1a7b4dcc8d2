#include "pdf/AdviceNameForm.h"
#include "pdf/PdfOutputs.h"
#include "pdf/SinglePayForm.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class SinglePayFormTest : public ::testing::Test
{
protected:
    SinglePayFormTest()
        : context(ui, files)
    {
        context.prefs.pathPayeePDFFiles = QStringLiteral("pdfs");
        Report& report = context.report();
        report.declarationDate = QStringLiteral("earlier date");
        report.pdfOutputPath = QStringLiteral("earlier.pdf");
        report.pdfTemplatePath = QStringLiteral("earlier-temp.pdf");
        report.pdfConfirmed = QStringLiteral("Yes");
    }

    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
};

TEST_F(SinglePayFormTest, OkTakesThePaddedDateAndTheChosenFileWithItsTemplateBeside)
{
    ui.answerFile(QStringLiteral("out/Smith.pdf"));
    SinglePayForm(context).OnBnClickedOk(QDate(2018, 7, 1));

    const Report& report = context.report();
    EXPECT_EQ(report.declarationDate, QStringLiteral("01/07/2018"));
    EXPECT_EQ(report.pdfOutputPath, QStringLiteral("out/Smith.pdf"));
    EXPECT_EQ(report.pdfTemplatePath, QStringLiteral("out/tempps.pdf"));
    EXPECT_EQ(report.pdfConfirmed, QStringLiteral("Yes"));

    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests.front();
    EXPECT_EQ(request.defaultName, QStringLiteral("Payment_Summary"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("*.pdf"));
    EXPECT_EQ(request.filter, QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||"));
    EXPECT_EQ(request.initialFolder, QStringLiteral("pdfs"));
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_TRUE(ui.messages.empty());
}

// The template's place comes from the folder, never from replacing the
// file's name inside the path: a folder may hold the same text.
TEST_F(SinglePayFormTest, TemplateLiesInTheFolderEvenWhenTheFolderNameHoldsTheFileName)
{
    ui.answerFile(QStringLiteral("Smith.pdf/Smith.pdf"));
    SinglePayForm(context).OnBnClickedOk(QDate(2018, 12, 25));
    EXPECT_EQ(context.report().pdfTemplatePath, QStringLiteral("Smith.pdf/tempps.pdf"));
    EXPECT_EQ(context.report().declarationDate, QStringLiteral("25/12/2018"));
}

TEST_F(SinglePayFormTest, CancelledSaveKeepsTheNewDateAndConfirmsNothing)
{
    ui.answerFile(std::nullopt);
    SinglePayForm(context).OnBnClickedOk(QDate(2019, 3, 9));
    const Report& report = context.report();
    EXPECT_EQ(report.declarationDate, QStringLiteral("09/03/2019"));
    EXPECT_EQ(report.pdfConfirmed, QStringLiteral("No"));
    EXPECT_EQ(report.pdfOutputPath, QStringLiteral("earlier.pdf"));
    EXPECT_EQ(report.pdfTemplatePath, QStringLiteral("earlier-temp.pdf"));
}

TEST_F(SinglePayFormTest, CancelConfirmsNothingAndKeepsEverythingElse)
{
    SinglePayForm(context).OnBnClickedCancel();
    const Report& report = context.report();
    EXPECT_EQ(report.pdfConfirmed, QStringLiteral("No"));
    EXPECT_EQ(report.declarationDate, QStringLiteral("earlier date"));
    EXPECT_EQ(report.pdfOutputPath, QStringLiteral("earlier.pdf"));
    EXPECT_TRUE(ui.fileRequests.empty());
}

TEST(PdfNamePatternTest, FieldItemsAndDefaults)
{
    EXPECT_EQ(
        PdfNamePattern::fieldItems(), (QStringList { " ", "Payee_Type", "TFN", "Payee_Name", "Employee_No", "Year" }));
    const PdfNamePattern initial = AdviceNameForm::initialPattern();
    EXPECT_EQ(initial.text1, QString());
    EXPECT_EQ(initial.field1, QStringLiteral("Payee_Name"));
    EXPECT_EQ(initial.field2, QStringLiteral(" "));
    EXPECT_EQ(initial.field3, QStringLiteral(" "));
    EXPECT_EQ(initial.field4, QStringLiteral("Year"));
    EXPECT_EQ(initial.text2, QStringLiteral("Payment_Summary"));
    EXPECT_FALSE(initial.cancelled);
    EXPECT_EQ(AdviceNameForm::initialFieldIndex(1), 3);
    EXPECT_EQ(AdviceNameForm::initialFieldIndex(2), 0);
    EXPECT_EQ(AdviceNameForm::initialFieldIndex(3), 0);
    EXPECT_EQ(AdviceNameForm::initialFieldIndex(4), 5);
    EXPECT_EQ(PdfOutputs().namePattern(), initial);
}

class AdviceNameFormTest : public ::testing::Test
{
protected:
    AdviceNameFormTest()
        : context(ui, files)
    {
        context.report().pdfFilePerPayee = QStringLiteral("No");
        context.report().declarationDate = QStringLiteral("earlier date");
    }

    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
    PdfNamePattern pattern;
};

TEST_F(AdviceNameFormTest, SelectFolderTakesTheUnpaddedDateAndTheTextsAsTyped)
{
    PdfNamePattern typed;
    typed.text1 = QStringLiteral(" _Pay/ ");
    typed.field1 = QStringLiteral("TFN");
    typed.field2 = QStringLiteral(" ");
    typed.field3 = QStringLiteral("Employee_No");
    typed.field4 = QStringLiteral("Payee_Type");
    typed.text2 = QStringLiteral("  end__ ");
    typed.cancelled = true;
    pattern.cancelled = true;

    AdviceNameForm(context, pattern).OnBnClickedSelectFolder(QDate(2018, 7, 1), typed);

    PdfNamePattern expected = typed;
    expected.cancelled = false;
    EXPECT_EQ(pattern, expected);
    EXPECT_EQ(context.report().declarationDate, QStringLiteral("1/7/2018"));
    EXPECT_EQ(context.report().pdfFilePerPayee, QStringLiteral("Yes"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AdviceNameFormTest, CancelMarksThePatternAndChangesNoReportValue)
{
    const Report before = context.report();
    AdviceNameForm(context, pattern).OnBnClickedCancel();
    EXPECT_TRUE(pattern.cancelled);
    EXPECT_EQ(context.report(), before);
}

} // namespace
