#include "payees/PayeeFrameTestKit.h"
#include "payees/dialogs/CPayeeBus1.h"
#include "payees/dialogs/CPayeeETP.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

template <class T> T* child(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void type(QWidget& dialog, const char* edit, const char* text)
{
    child<QLineEdit>(dialog, edit)->setText(QString::fromLatin1(text));
}

// Picks an item as the user does, so the form hears of the choice.
void choose(QWidget& dialog, const char* list, const char* item)
{
    auto* box = child<QComboBox>(dialog, list);
    const int index = box->findText(QString::fromLatin1(item));
    ASSERT_GE(index, 0) << list << " " << item;
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void typeNameAndAddress(QWidget& dialog)
{
    type(dialog, "surnameEdit", "Citizen");
    type(dialog, "firstNameEdit", "Jane");
    type(dialog, "addLine1Edit", "1 Main St");
    type(dialog, "suburbEdit", "Carlton");
    type(dialog, "pCodeEdit", "3053");
    choose(dialog, "stateList", "VIC");
}

struct EtpBusWidget : ::testing::Test {
    PayeeWorld w;

    void openEditing(const CCards& stored)
    {
        w.report().payees[stored.payeeId] = stored;
        w.context.currentPayee = stored;
        w.context.currentPayeeKey = stored.payeeId;
        w.report().payeeMode = 0;
    }
};

TEST_F(EtpBusWidget, AddingAnEtpPayeeStoresIt)
{
    w.report().payeeMode = 4;
    w.report().highestPayeeId = 4;
    CPayeeETP dialog(w.context);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - ETP Payee Details"));
    EXPECT_EQ(child<QLineEdit>(dialog, "payeeIdEdit")->text(), QStringLiteral("5"));
    EXPECT_EQ(child<QComboBox>(dialog, "paymentTypeList")->count(), 8);
    EXPECT_EQ(child<QComboBox>(dialog, "paymentTypeList")->currentIndex(), -1);
    EXPECT_EQ(child<QCheckBox>(dialog, "ignoreWarningsBox")->toolTip(),
        QStringLiteral("Indicates one or more fields may be incorrect. Review and if filed is correct choose Ignore "
                       "Warnings to force a Save."));

    child<QComboBox>(dialog, "tfnCombo")->setEditText(QStringLiteral("123 456 782"));
    typeNameAndAddress(dialog);
    choose(dialog, "paymentTypeList", "D");
    choose(dialog, "paymentDayList", "30");
    choose(dialog, "paymentMonthList", "06");
    choose(dialog, "paymentYearList", "2019");
    type(dialog, "taxableEdit", "1000");
    type(dialog, "taxWithheldEdit", "300");
    child<QPushButton>(dialog, "saveButton")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    ASSERT_TRUE(w.report().payees.contains(5));
    const CCards& stored = w.report().payees.at(5);
    EXPECT_EQ(stored.payeeType, QStringLiteral("ETP"));
    EXPECT_EQ(stored.etpPaymentType, QStringLiteral("D"));
    EXPECT_EQ(stored.tfn, QStringLiteral("123456782"));
    EXPECT_EQ(stored.suburb, QStringLiteral("CARLTON"));
    EXPECT_EQ(stored.dobYear, QStringLiteral("0000"));
    EXPECT_EQ(stored.taxable, 1000);
}

TEST_F(EtpBusWidget, EditingAnEtpPayeeShowsItAndMarksWhatSaveRefuses)
{
    CCards stored;
    stored.payeeId = 3;
    stored.payeeType = QStringLiteral("ETP");
    stored.etpPaymentType = QStringLiteral("x"); // an import's spelling: no item is chosen
    stored.tfn = QStringLiteral("123456782");
    stored.surname = QStringLiteral("CITIZEN");
    stored.firstName = QStringLiteral("JANE");
    stored.addLine1 = QStringLiteral("1 MAIN ST");
    stored.suburb = QStringLiteral("CARLTON");
    stored.state = QStringLiteral("vic");
    stored.pCode = 3053;
    stored.paymentDay = QStringLiteral("1");
    stored.paymentMonth = QStringLiteral("7");
    stored.paymentYear = QStringLiteral("2018");
    stored.taxable = 1000;
    stored.origAmended = QStringLiteral("O");
    openEditing(stored);
    CPayeeETP dialog(w.context);
    dialog.show();
    QApplication::processEvents();

    EXPECT_EQ(child<QComboBox>(dialog, "tfnCombo")->currentText(), QStringLiteral("123 456 782"));
    EXPECT_EQ(child<QComboBox>(dialog, "stateList")->currentText(), QStringLiteral("VIC"));
    EXPECT_EQ(child<QComboBox>(dialog, "paymentDayList")->currentText(), QStringLiteral("01"));
    EXPECT_FALSE(child<QLineEdit>(dialog, "payeeIdEdit")->isEnabled());

    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_TRUE(child<QWidget>(dialog, "paymentTypeErrorMarker")->isVisible());
    EXPECT_EQ(w.report().payees.at(3), stored);

    choose(dialog, "paymentTypeList", "R");
    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    EXPECT_EQ(w.report().payees.at(3).etpPaymentType, QStringLiteral("R"));
    EXPECT_EQ(w.report().payees.at(3).state, QStringLiteral("VIC"));
}

TEST_F(EtpBusWidget, AddingABusPayeeOpensTheBoxOfItsPaymentType)
{
    w.report().payeeMode = 4;
    CPayeeBus1 dialog(w.context);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - BUS Payee Details"));
    auto* tfn = child<QComboBox>(dialog, "tfnCombo");
    auto* abn = child<QLineEdit>(dialog, "abnEdit");
    EXPECT_FALSE(tfn->isEnabled());
    EXPECT_FALSE(abn->isEnabled());

    choose(dialog, "paymentTypeList", "Labour Hire");
    EXPECT_TRUE(tfn->isEnabled());
    EXPECT_FALSE(abn->isEnabled());
    tfn->setEditText(QStringLiteral("123 456 782"));
    choose(dialog, "paymentTypeList", "Voluntary Agreement");
    EXPECT_FALSE(tfn->isEnabled());
    EXPECT_TRUE(abn->isEnabled());
    EXPECT_EQ(tfn->currentText(), QStringLiteral("123 456 782")); // nothing is cleared
    abn->setText(QStringLiteral("51 824 753 556"));

    typeNameAndAddress(dialog);
    choose(dialog, "startDayList", "01");
    choose(dialog, "startMonthList", "07");
    choose(dialog, "startYearList", "2018");
    choose(dialog, "endDayList", "30");
    choose(dialog, "endMonthList", "06");
    choose(dialog, "endYearList", "2019");
    type(dialog, "grossEdit", "5000");
    type(dialog, "rescEdit", "0");
    // The Payee ID takes any text; the rules decide.
    type(dialog, "payeeIdEdit", "7x");
    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_TRUE(child<QWidget>(dialog, "payeeIdErrorMarker")->isVisible());
    EXPECT_TRUE(w.report().payees.empty());

    type(dialog, "payeeIdEdit", "7");
    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    const CCards& stored = w.report().payees.at(7);
    EXPECT_EQ(stored.payeeType, QStringLiteral("BUS"));
    EXPECT_EQ(stored.abn, QStringLiteral("51824753556"));
    EXPECT_EQ(stored.tfn, QStringLiteral("000000000"));
    EXPECT_EQ(stored.gross, 5000);
}

TEST_F(EtpBusWidget, EditingABusPayeeShowsItsNumbersSpacedAndSavesItBack)
{
    CCards stored;
    stored.payeeId = 9;
    stored.payeeType = QStringLiteral("BUS");
    stored.busPaymentType = QStringLiteral("Voluntary Agreement");
    stored.tfn = QStringLiteral("000000000");
    stored.abn = QStringLiteral("51824753556");
    stored.dobDay = QStringLiteral("00");
    stored.dobMonth = QStringLiteral("00");
    stored.dobYear = QStringLiteral("0000");
    stored.surname = QStringLiteral("CITIZEN");
    stored.firstName = QStringLiteral("JANE");
    stored.addLine1 = QStringLiteral("1 MAIN ST");
    stored.suburb = QStringLiteral("CARLTON");
    stored.state = QStringLiteral("VIC");
    stored.pCode = 3053;
    stored.startDay = QStringLiteral("01");
    stored.startMonth = QStringLiteral("07");
    stored.startYear = QStringLiteral("2018");
    stored.endDay = QStringLiteral("30");
    stored.endMonth = QStringLiteral("06");
    stored.endYear = QStringLiteral("2019");
    stored.gross = 5000;
    stored.origAmended = QStringLiteral("A");
    stored.checked = QStringLiteral("Yes");
    stored.ignoreWarnings = QStringLiteral("Yes");
    openEditing(stored);
    CPayeeBus1 dialog(w.context);
    dialog.show();
    QApplication::processEvents();

    EXPECT_EQ(child<QLineEdit>(dialog, "abnEdit")->text(), QStringLiteral("51 824 753 556"));
    EXPECT_TRUE(child<QLineEdit>(dialog, "abnEdit")->isEnabled());
    EXPECT_FALSE(child<QComboBox>(dialog, "tfnCombo")->isEnabled());
    EXPECT_EQ(child<QComboBox>(dialog, "paymentTypeList")->currentText(), QStringLiteral("Voluntary Agreement"));
    EXPECT_TRUE(child<QCheckBox>(dialog, "ignoreWarningsBox")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "ignoreWarningsBox")->isVisible());

    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    EXPECT_EQ(w.report().payees.at(9), stored);
}

} // namespace
