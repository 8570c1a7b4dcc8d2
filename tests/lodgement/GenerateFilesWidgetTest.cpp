#include "lodgement/dialogs/CGenerate1.h"
#include "lodgement/dialogs/LodgementDialogs.h"
#include "platform/dialogs/QtUserInterface.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>

namespace {

struct RecordingPdf : PdfServices {
    QStringList calls;
    void atoMediaForm(AppContext&) override { calls << QStringLiteral("media"); }
    void paymentSummaries(AppContext&) override { calls << QStringLiteral("summaries"); }
};

class GenerateFilesWidgetTest : public ::testing::Test {
protected:
    GenerateFilesWidgetTest() : context(ui, files) {}

    QPushButton* button(QDialog& dialog, const char* name)
    {
        auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }

    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context;
    RecordingPdf pdf;
};

TEST_F(GenerateFilesWidgetTest, ShowsItsButtonsWithTheirTooltips)
{
    CGenerate1 dialog(context, pdf);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Generate Files"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("title"))->text(), QStringLiteral("Generate Files"));
    EXPECT_EQ(dialog.findChild<QDateEdit*>(QStringLiteral("psDate"))->toolTip(),
              QStringLiteral("Select the Date to appear on the Payment Summaries"));
    struct Expect {
        const char* name;
        QString caption;
        QString tip;
    };
    const Expect expected[] = {
        {"veskA01File", QStringLiteral("VESK.A01 File"),
         QStringLiteral("Click here to Generate the VESK.A01 file that you upload to the ATO")},
        {"summary", QStringLiteral("Summary of \nVESK.A01 File"),
         QStringLiteral("Click here to Generate a Summary.txt of all the data in the VESK.A01 file")},
        {"atoMediaForm", QStringLiteral("ATO Media Form"),
         QStringLiteral("Click here to Generate the required Media Form when sending the VESK.A01 by post to the ATO")},
        {"paymentSummaries", QStringLiteral("Payment Summaries"),
         QStringLiteral("Click here to Generate the PDF Payment Summaries to provide to the Payees")},
        {"help", QStringLiteral("Help"), QStringLiteral("Click to open online help in browser window")},
        {"close", QStringLiteral("Close"), QStringLiteral("Click to close this dialog")},
    };
    dialog.show();
    for (const Expect& e : expected) {
        QPushButton* b = button(dialog, e.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), e.caption);
        EXPECT_EQ(b->toolTip(), e.tip);
        // "ATO Media Form" is created hidden and disabled, and nothing shows it.
        const bool offered = std::string(e.name) != "atoMediaForm";
        EXPECT_EQ(b->isEnabled(), offered) << e.name;
        EXPECT_EQ(b->isVisible(), offered) << e.name;
    }
}

TEST_F(GenerateFilesWidgetTest, PaymentSummaryDateIsNotAskedHere)
{
    // The payment-summary dialogs ask for the date themselves.
    CGenerate1 dialog(context, pdf);
    dialog.show();
    auto* date = dialog.findChild<QDateEdit*>(QStringLiteral("psDate"));
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("psDateLabel"));
    ASSERT_NE(date, nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("PS Date:"));
    for (QWidget* w : {static_cast<QWidget*>(date), static_cast<QWidget*>(label)}) {
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    }
}

TEST_F(GenerateFilesWidgetTest, PaymentSummariesDisabledForALodgementFileOnlyReport)
{
    context.report().a01FileOnly = 1;
    CGenerate1 dialog(context, pdf);
    EXPECT_FALSE(button(dialog, "paymentSummaries")->isEnabled());
    EXPECT_TRUE(button(dialog, "veskA01File")->isEnabled());
    EXPECT_FALSE(button(dialog, "atoMediaForm")->isEnabled());
}

TEST_F(GenerateFilesWidgetTest, ButtonsReachTheirActions)
{
    CGenerate1 dialog(context, pdf);
    dialog.show();
    button(dialog, "atoMediaForm")->click(); // disabled: reaches nothing
    button(dialog, "paymentSummaries")->click();
    EXPECT_EQ(pdf.calls, QStringList{QStringLiteral("summaries")});

    button(dialog, "summary")->click();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("No Summary to Print. \n\nPlease generate the VESK.A01 file first.")});

    context.report().payerNotInList = 2;
    button(dialog, "veskA01File")->click();
    EXPECT_EQ(ui.messages.size(), 2u);

    button(dialog, "help")->click();
    EXPECT_EQ(ui.urlsOpened, QStringList{context.helpUrl()});

    button(dialog, "close")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(GenerateFilesWidgetTest, RegisteredUnderItsClassName)
{
    QtUserInterface qtUi;
    registerLodgementDialogs(qtUi, context, pdf);
    bool shown = false;
    QMetaObject::invokeMethod(
        qApp,
        [&shown] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<CGenerate1*>(w); d && d->isVisible()) {
                    shown = true;
                    d->reject();
                }
            }
        },
        Qt::QueuedConnection);
    EXPECT_EQ(qtUi.runDialog(QStringLiteral("CGenerate1")), int(QDialog::Rejected));
    EXPECT_TRUE(shown);
}

} // namespace
