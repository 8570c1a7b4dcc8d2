#include "pdf/PdfNamePattern.h"
#include "pdf/dialogs/AdviceName.h"
#include "pdf/dialogs/CGenSinglePay.h"
#include "pdf/dialogs/PdfDialogs.h"
#include "platform/FileSystem.h"
#include "platform/dialogs/QtUserInterface.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "widgets/ClippedText.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace
{

class PdfDialogsWidgetTest : public ::testing::Test
{
protected:
    PdfDialogsWidgetTest()
        : context(ui, files)
    {
    }

    template <class T> static T* child(QDialog& dialog, const QString& name)
    {
        auto* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    static QStringList labelTexts(QDialog& dialog)
    {
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }

    static QComboBox* field(QDialog& dialog, int n)
    {
        return child<QComboBox>(dialog, QStringLiteral("field%1").arg(n));
    }

    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context;
};

// The ways out of a dialog other than its OK: each must count as Cancel.
struct WayOut {
    const char* name;
    std::function<void(QDialog&)> leave;
};

const WayOut kWaysOut[] = {
    { "Cancel button", [](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click(); } },
    { "Escape key",
        [](QDialog& d) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&d, &escape);
        } },
    { "window closed", [](QDialog& d) { d.close(); } },
};

// --- AdviceName --------------------------------------------------------------

TEST_F(PdfDialogsWidgetTest, AdviceNameOpensOnTodayWithTheDefaultPattern)
{
    // Whatever the last run chose, the dialog starts from the defaults.
    PdfNamePattern pattern;
    pattern.text1 = QStringLiteral("Old");
    pattern.field1 = QStringLiteral("TFN");
    pattern.text2 = QStringLiteral("Kept");
    AdviceName dialog(context, pattern);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Payment Summaries"));
    auto* title = child<QLabel>(dialog, QStringLiteral("title"));
    EXPECT_EQ(title->text(), QStringLiteral("Payment Summaries"));
    EXPECT_EQ(title->font().pointSize(), 14);
    EXPECT_GT(title->font().pointSizeF(), dialog.font().pointSizeF());

    auto* date = child<QDateEdit>(dialog, QStringLiteral("date"));
    EXPECT_EQ(date->date(), QDate::currentDate());
    EXPECT_TRUE(date->calendarPopup());

    EXPECT_EQ(child<QLineEdit>(dialog, QStringLiteral("text1"))->text(), QString());
    const QStringList initialFields { QStringLiteral("Payee_Name"), QStringLiteral(" "), QStringLiteral(" "),
        QStringLiteral("Year") };
    const QStringList items { QStringLiteral(" "), QStringLiteral("Payee_Type"), QStringLiteral("TFN"),
        QStringLiteral("Payee_Name"), QStringLiteral("Employee_No"), QStringLiteral("Year") };
    for (int n = 1; n <= 4; ++n) {
        QComboBox* list = field(dialog, n);
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->isEditable());
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        EXPECT_EQ(shown, items) << n;
        EXPECT_EQ(list->currentText(), initialFields.at(n - 1)) << n;
    }
    EXPECT_EQ(child<QLineEdit>(dialog, QStringLiteral("text2"))->text(), QStringLiteral("Payment_Summary"));

    const QStringList labels = labelTexts(dialog);
    for (const QString& text : { QStringLiteral("Date to be shown on Payment Summaries:"),
             QStringLiteral("Filename to use for Payment Summaries:"), QStringLiteral("Text"), QStringLiteral("Field"),
             QStringLiteral(".pdf"),
             QStringLiteral("There will be an underscore between each field. Fields can be left blank. Duplicate "
                            "filenames will have 00 to 05 appended to file name.") })
        EXPECT_TRUE(labels.contains(text)) << text.toStdString();
    EXPECT_EQ(labels.count(QStringLiteral("Text")), 2);
    EXPECT_EQ(labels.count(QStringLiteral("Field")), 4);

    auto* selectFolder = child<QPushButton>(dialog, QStringLiteral("selectFolderButton"));
    EXPECT_EQ(selectFolder->text(), QStringLiteral("Select Folder"));
    EXPECT_TRUE(selectFolder->isDefault());
    EXPECT_EQ(child<QPushButton>(dialog, QStringLiteral("cancelButton"))->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(pattern.cancelled);
}

TEST_F(PdfDialogsWidgetTest, AdviceNamePartsStandInOneRowInTheirOrder)
{
    PdfNamePattern pattern;
    AdviceName dialog(context, pattern);
    fitWidthToTitle(&dialog);
    dialog.show();
    EXPECT_EQ(clippedTexts(&dialog), QStringList());

    const QList<QWidget*> parts { child<QLineEdit>(dialog, QStringLiteral("text1")), field(dialog, 1), field(dialog, 2),
        field(dialog, 3), field(dialog, 4), child<QLineEdit>(dialog, QStringLiteral("text2")) };
    QLabel* extension = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == QStringLiteral(".pdf"))
            extension = label;
    ASSERT_NE(extension, nullptr);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        EXPECT_GE(parts.at(i)->x(), parts.at(i - 1)->geometry().right()) << i;
        EXPECT_EQ(parts.at(i)->geometry().center().y(), parts.at(0)->geometry().center().y()) << i;
    }
    EXPECT_GE(extension->x(), parts.last()->geometry().right());

    // The default last text shows whole, and the first text has as much room.
    auto* text2 = child<QLineEdit>(dialog, QStringLiteral("text2"));
    const int frame = text2->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, text2);
    const int needed = QFontMetrics(text2->font()).horizontalAdvance(text2->text()) + 2 * frame + 4;
    EXPECT_GE(text2->width(), needed);
    EXPECT_GE(parts.first()->width(), needed);
}

TEST_F(PdfDialogsWidgetTest, SelectFolderGivesTheShortDateAndThePartsAsTyped)
{
    context.report().pdfFilePerPayee = QStringLiteral("No");
    PdfNamePattern pattern;
    pattern.cancelled = true;
    AdviceName dialog(context, pattern);
    dialog.show();

    child<QDateEdit>(dialog, QStringLiteral("date"))->setDate(QDate(2018, 7, 1));
    child<QLineEdit>(dialog, QStringLiteral("text1"))->setText(QStringLiteral(" Acme_ "));
    field(dialog, 1)->setCurrentIndex(2);
    field(dialog, 2)->setCurrentIndex(1);
    field(dialog, 3)->setCurrentIndex(4);
    field(dialog, 4)->setCurrentIndex(0);
    child<QLineEdit>(dialog, QStringLiteral("text2"))->setText(QStringLiteral("PS 2018 "));
    child<QPushButton>(dialog, QStringLiteral("selectFolderButton"))->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(context.report().declarationDate, QStringLiteral("1/7/2018"));
    EXPECT_EQ(context.report().pdfFilePerPayee, QStringLiteral("Yes"));
    PdfNamePattern expected;
    expected.text1 = QStringLiteral(" Acme_ ");
    expected.field1 = QStringLiteral("TFN");
    expected.field2 = QStringLiteral("Payee_Type");
    expected.field3 = QStringLiteral("Employee_No");
    expected.field4 = QStringLiteral(" ");
    expected.text2 = QStringLiteral("PS 2018 ");
    EXPECT_EQ(pattern, expected);
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PdfDialogsWidgetTest, AdviceNameLeftAnyOtherWayIsCancelled)
{
    for (const WayOut& way : kWaysOut) {
        SCOPED_TRACE(way.name);
        context.report().declarationDate = QStringLiteral("30/06/2018");
        context.report().pdfFilePerPayee = QStringLiteral("No");
        PdfNamePattern pattern = PdfNamePattern::defaults();
        AdviceName dialog(context, pattern);
        dialog.show();
        child<QLineEdit>(dialog, QStringLiteral("text1"))->setText(QStringLiteral("Typed"));
        way.leave(dialog);

        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(pattern.cancelled);
        EXPECT_EQ(pattern.text1, QString());
        EXPECT_EQ(context.report().declarationDate, QStringLiteral("30/06/2018"));
        EXPECT_EQ(context.report().pdfFilePerPayee, QStringLiteral("No"));
    }
}

TEST_F(PdfDialogsWidgetTest, AdviceNameHelpButtonOpensHelpAndThereIsNoF1)
{
    PdfNamePattern pattern;
    AdviceName dialog(context, pattern);
    child<QPushButton>(dialog, QStringLiteral("helpButton"))->click();
    EXPECT_EQ(ui.urlsOpened, QStringList { context.helpUrl() });
    EXPECT_EQ(dialog.findChild<QShortcut*>(), nullptr);
    EXPECT_FALSE(pattern.cancelled);
}

// --- CGenSinglePay -----------------------------------------------------------

TEST_F(PdfDialogsWidgetTest, SinglePayOpensOnTodayWithItsNotes)
{
    CGenSinglePay dialog(context);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Generate Single Payment Summary"));
    auto* date = child<QDateEdit>(dialog, QStringLiteral("date"));
    EXPECT_EQ(date->date(), QDate::currentDate());
    EXPECT_TRUE(date->calendarPopup());

    const QStringList labels = labelTexts(dialog);
    for (const QString& text : { QStringLiteral("Date to be printed on this Payment Summary:"),
             QStringLiteral(
                 "Normally Payment Summaries for all Payees are generated at the end of the process using the "
                 "Generate Files button."),
             QStringLiteral(
                 "The Payment Summary button on the Payee List screen enables you to generate a single Payment "
                 "Summary for the selected Payee - should you need to.") })
        EXPECT_TRUE(labels.contains(text)) << text.toStdString();

    auto* ok = child<QPushButton>(dialog, QStringLiteral("okButton"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(child<QPushButton>(dialog, QStringLiteral("cancelButton"))->text(), QStringLiteral("Cancel"));

    fitWidthToTitle(&dialog);
    dialog.show();
    EXPECT_EQ(clippedTexts(&dialog), QStringList());
}

TEST_F(PdfDialogsWidgetTest, SinglePayOkGivesThePaddedDateAndAsksForTheFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString chosen = joinPath(folder.path(), QStringLiteral("Smith.pdf"));
    ui.answerFile(chosen);

    CGenSinglePay dialog(context);
    dialog.show();
    child<QDateEdit>(dialog, QStringLiteral("date"))->setDate(QDate(2018, 7, 5));
    child<QPushButton>(dialog, QStringLiteral("okButton"))->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests.front().defaultName, QStringLiteral("Payment_Summary"));
    const Report& report = context.report();
    EXPECT_EQ(report.declarationDate, QStringLiteral("05/07/2018"));
    EXPECT_EQ(report.pdfOutputPath, chosen);
    EXPECT_EQ(report.pdfTemplatePath, joinPath(folder.path(), QStringLiteral("tempps.pdf")));
    EXPECT_EQ(report.pdfConfirmed, QStringLiteral("Yes"));
}

TEST_F(PdfDialogsWidgetTest, SinglePayClosesWithOkWhenTheSaveDialogIsCancelled)
{
    context.report().pdfConfirmed = QStringLiteral("Yes");
    ui.answerFile(std::nullopt);
    CGenSinglePay dialog(context);
    dialog.show();
    child<QDateEdit>(dialog, QStringLiteral("date"))->setDate(QDate(2018, 7, 1));
    child<QPushButton>(dialog, QStringLiteral("okButton"))->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(context.report().declarationDate, QStringLiteral("01/07/2018"));
    EXPECT_EQ(context.report().pdfConfirmed, QStringLiteral("No"));
    EXPECT_TRUE(ui.scriptUsedUp());
}

TEST_F(PdfDialogsWidgetTest, SinglePayLeftAnyOtherWayConfirmsNothing)
{
    for (const WayOut& way : kWaysOut) {
        SCOPED_TRACE(way.name);
        // An answer left from an earlier summary must not be taken for this one.
        Report& report = context.report();
        report.pdfConfirmed = QStringLiteral("Yes");
        report.declarationDate = QStringLiteral("30/06/2018");
        report.pdfOutputPath = QStringLiteral("Earlier.pdf");
        CGenSinglePay dialog(context);
        dialog.show();
        way.leave(dialog);

        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(report.pdfConfirmed, QStringLiteral("No"));
        EXPECT_EQ(report.declarationDate, QStringLiteral("30/06/2018"));
        EXPECT_EQ(report.pdfOutputPath, QStringLiteral("Earlier.pdf"));
        EXPECT_TRUE(ui.fileRequests.empty());
    }
}

TEST_F(PdfDialogsWidgetTest, SinglePayF1OpensHelp)
{
    CGenSinglePay dialog(context);
    auto* f1 = dialog.findChild<QShortcut*>();
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(f1->key(), QKeySequence(Qt::Key_F1));
    emit f1->activated();
    EXPECT_EQ(ui.urlsOpened, QStringList { context.helpUrl() });
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("helpButton")), nullptr);
}

// --- Registration --------------------------------------------------------------

// Presses the named button of the first shown dialog of type Dialog once the
// modal loop runs; records whether one was shown.
template <class Dialog> void pressWhenShown(const QString& buttonName, bool& shown)
{
    QMetaObject::invokeMethod(
        qApp,
        [buttonName, &shown] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible()) {
                    shown = true;
                    d->template findChild<QPushButton*>(buttonName)->click();
                    return;
                }
            }
        },
        Qt::QueuedConnection);
}

TEST_F(PdfDialogsWidgetTest, RegisteredByClassNameWithTheProgramsPattern)
{
    QtUserInterface qtUi;
    PdfNamePattern pattern;
    pattern.text2 = QStringLiteral("Earlier");
    registerPdfDialogs(qtUi, context, pattern);

    bool shown = false;
    pressWhenShown<AdviceName>(QStringLiteral("selectFolderButton"), shown);
    EXPECT_EQ(qtUi.runDialog(QStringLiteral("AdviceName")), int(QDialog::Accepted));
    EXPECT_TRUE(shown);
    EXPECT_EQ(pattern, PdfNamePattern::defaults());
    EXPECT_EQ(context.report().declarationDate, QDate::currentDate().toString(QStringLiteral("d/M/yyyy")));

    shown = false;
    pressWhenShown<CGenSinglePay>(QStringLiteral("cancelButton"), shown);
    EXPECT_EQ(qtUi.runDialog(QStringLiteral("CGenSinglePay")), int(QDialog::Rejected));
    EXPECT_TRUE(shown);
    EXPECT_EQ(context.report().pdfConfirmed, QStringLiteral("No"));
}

} // namespace
