#include "transfer/dialogs/Export.h"
#include "transfer/TransferTestKit.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace transfer_test;

class ExportWidgetTest : public TransferTest {};

TEST_F(ExportWidgetTest, OpensWithNoTypeTickedAndExportsTheTickedOne)
{
    int chosenType = 3;
    Export dialog(context, chosenType);
    EXPECT_EQ(dialog.windowTitle(), "Quillastrand - Export Payees");
    EXPECT_EQ(dialog.findChild<QLabel*>("title")->font().pointSize(), 14);

    const QStringList names{"inbRadio", "etpRadio", "busRadio", "feiRadio", "penRadio", "slsRadio", "dasRadio"};
    for (const QString& name : names) {
        auto* radio = dialog.findChild<QRadioButton*>(name);
        ASSERT_NE(radio, nullptr) << name.toStdString();
        EXPECT_FALSE(radio->isChecked());
    }
    EXPECT_EQ(dialog.findChild<QRadioButton*>("dasRadio")->text(), "Departing Australia Superannution (DAS)");
    EXPECT_EQ(chosenType, 3); // opening changes nothing

    dialog.findChild<QRadioButton*>("etpRadio")->click();
    EXPECT_EQ(chosenType, 2);
    dialog.findChild<QRadioButton*>("slsRadio")->click();
    EXPECT_EQ(chosenType, 6);
    EXPECT_FALSE(dialog.findChild<QRadioButton*>("etpRadio")->isChecked());
    dialog.show();
    dialog.findChild<QPushButton*>("tabDelimitedExport")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(chosenType, 0);
    EXPECT_EQ(ui.texts(), QStringList{"There are no Payees to Export."});
}

TEST_F(ExportWidgetTest, CancelKeepsTheChoice)
{
    int chosenType = 0;
    Export dialog(context, chosenType);
    dialog.findChild<QRadioButton*>("inbRadio")->click();
    dialog.show();
    dialog.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(chosenType, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NE(dialog.findChild<QPushButton*>("helpButton"), nullptr);
}

} // namespace
