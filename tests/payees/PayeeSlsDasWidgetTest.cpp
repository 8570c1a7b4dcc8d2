#include "payees/PayeeFrameTestKit.h"
#include "payees/dialogs/CPayeeDAS.h"
#include "payees/dialogs/CPayeeSLS.h"

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

void choose(QWidget& dialog, const char* list, const char* item)
{
    auto* box = child<QComboBox>(dialog, list);
    const int index = box->findText(QString::fromLatin1(item));
    ASSERT_GE(index, 0) << list << " " << item;
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void type(QWidget& dialog, const char* edit, const char* text)
{
    child<QLineEdit>(dialog, edit)->setText(QString::fromLatin1(text));
}

// The fields SLS and DAS share, filled as a payroll officer would.
void fillCommon(QWidget& d)
{
    child<QComboBox>(d, "tfnCombo")->setEditText(QStringLiteral("123 456 782"));
    type(d, "surnameEdit", "CITIZEN");
    type(d, "firstNameEdit", "JANE");
    type(d, "addLine1Edit", "1 MAIN ST");
    type(d, "suburbEdit", "carlton");
    type(d, "pCodeEdit", "3053");
    choose(d, "stateList", "VIC");
    type(d, "taxableEdit", "10000");
    type(d, "other1Edit", "0");
    type(d, "taxFreeEdit", "0");
    type(d, "taxWithheldEdit", "1000");
    choose(d, "paymentDayList", "30");
    choose(d, "paymentMonthList", "06");
    choose(d, "paymentYearList", "2019");
}

} // namespace

TEST(SlsDasWidget, SlsFormAddsAPayee)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    w.report().newPayeeDataSource = QStringLiteral("Manually Added");
    CPayeeSLS dialog(w.context, nullptr);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - SLS Payee Details"));
    EXPECT_EQ(child<QLabel>(dialog, "titleLabel")->text(),
        QStringLiteral("Payee Details - SLS Payment Summary - Year ended 30 June 2019"));
    EXPECT_EQ(child<QPushButton>(dialog, "closeButton")->text(), QStringLiteral("Close"));
    EXPECT_EQ(child<QLabel>(dialog, "check999999Label")->text(), QStringLiteral("Check $99999"));
    EXPECT_EQ(child<QComboBox>(dialog, "dobYearList")->itemText(1), QStringLiteral("2019"));
    EXPECT_EQ(child<QComboBox>(dialog, "deathBenefitList")->currentIndex(), -1);

    fillCommon(dialog);
    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_TRUE(child<QWidget>(dialog, "deathBenefitErrorMarker")->isVisible());
    EXPECT_TRUE(w.report().payees.empty());

    choose(dialog, "deathBenefitList", "Y");
    choose(dialog, "recipientList", "N/A");
    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_FALSE(child<QWidget>(dialog, "deathBenefitErrorMarker")->isVisible());
    EXPECT_TRUE(child<QWidget>(dialog, "recipientErrorMarker")->isVisible());

    choose(dialog, "recipientList", "Non-Dependent");
    child<QPushButton>(dialog, "saveButton")->click();
    ASSERT_EQ(w.report().payees.size(), 1u);
    const CCards& stored = w.report().payees.begin()->second;
    EXPECT_EQ(stored.payeeType, QStringLiteral("SLS"));
    EXPECT_EQ(stored.deathBenefit(), QStringLiteral("Y"));
    EXPECT_EQ(stored.deathBenefitRecipient(), QStringLiteral("Non-Dependent"));
    EXPECT_EQ(stored.suburb, QStringLiteral("CARLTON"));
    EXPECT_EQ(stored.dobYear, QStringLiteral("0000"));
    EXPECT_EQ(stored.dataSource, QStringLiteral("Manually Added"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(SlsDasWidget, DasFormShowsAStoredPayeeAndItsFlag)
{
    PayeeWorld w;
    CCards payee;
    payee.payeeId = 5;
    payee.payeeType = QStringLiteral("DAS");
    payee.tfn = QStringLiteral("123456782");
    payee.state = QStringLiteral("OTH");
    payee.pCode = 9999;
    payee.country = QStringLiteral("FIJI");
    payee.paymentDay = QStringLiteral("1");
    payee.paymentMonth = QStringLiteral("7");
    payee.paymentYear = QStringLiteral("2018");
    payee.other1 = 250;
    payee.origAmended = QStringLiteral("A");
    payee.ignoreWarnings = QStringLiteral("Yes");
    w.report().payees[5] = payee;
    w.context.currentPayee = payee;
    w.context.currentPayeeKey = 5;

    CPayeeDAS dialog(w.context, nullptr);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - DAS Payee Details"));
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("dobYearList")), nullptr);
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("deathBenefitList")), nullptr);
    EXPECT_EQ(child<QComboBox>(dialog, "tfnCombo")->currentText(), QStringLiteral("123 456 782"));
    EXPECT_EQ(child<QComboBox>(dialog, "stateList")->currentText(), QStringLiteral("OTH"));
    EXPECT_EQ(child<QComboBox>(dialog, "paymentDayList")->currentText(), QStringLiteral("01"));
    EXPECT_EQ(child<QComboBox>(dialog, "paymentMonthList")->currentText(), QStringLiteral("07"));
    EXPECT_EQ(child<QComboBox>(dialog, "origAmendedList")->currentText(), QStringLiteral("A"));
    EXPECT_EQ(child<QLineEdit>(dialog, "other1Edit")->text(), QStringLiteral("250"));
    EXPECT_FALSE(child<QLineEdit>(dialog, "payeeIdEdit")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>(dialog, "ignoreWarningsBox")->isVisible());
    EXPECT_TRUE(child<QCheckBox>(dialog, "ignoreWarningsBox")->isChecked());

    // No surname: an error, and the box stays in view.
    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_TRUE(child<QWidget>(dialog, "surnameErrorMarker")->isVisible());
    EXPECT_TRUE(child<QCheckBox>(dialog, "ignoreWarningsBox")->isVisible());
    EXPECT_EQ(w.report().payees.at(5), payee);
}
