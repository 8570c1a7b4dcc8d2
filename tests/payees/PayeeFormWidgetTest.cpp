#include "payees/PayeeFrameTestKit.h"
#include "payees/dialogs/PayeeFormDialog.h"
#include "support/TypedKeys.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace
{

// A tall form of the test type: its own fields, then many rows below them.
class TallTestForm : public PayeeFormDialog
{
public:
    TallTestForm(AppContext& context, PayeeFormFrame& form)
        : PayeeFormDialog(context, form, look(), nullptr)
    {
        MyGroupBox* names = groupBox(QStringLiteral("Payee Name"), QStringLiteral("payeeNameGroup"));
        auto* grid = new QGridLayout(names);
        grid->addWidget(
            textEdit(QStringLiteral("surname"), &CCards::surname, QStringLiteral("Enter the Surname")), 0, 0);
        grid->addWidget(markers(PayeeField::Surname, QStringLiteral("surname")), 0, 1);
        grid->addWidget(textEdit(QStringLiteral("firstName"), &CCards::firstName, QStringLiteral("First")), 1, 0);
        grid->addWidget(markers(PayeeField::FirstName, QStringLiteral("firstName")), 1, 1);
        grid->addWidget(numberEdit(QStringLiteral("tax"), &CCards::taxWithheld, 8, QStringLiteral("Tax")), 2, 0);
        grid->addWidget(numberEdit(QStringLiteral("gross"), &CCards::gross, 8, QStringLiteral("Gross")), 3, 0);
        grid->addWidget(markers(PayeeField::Gross, QStringLiteral("gross")), 3, 1);
        grid->addWidget(
            listBox(QStringLiteral("dobYear"), PayeeField::DateOfBirth, &CCards::dobYear,
                { QStringLiteral("0000"), QStringLiteral("1985") }, ListMatch::Year, QStringLiteral("Year")),
            4, 0);
        grid->addWidget(markers(PayeeField::DateOfBirth, QStringLiteral("dob")), 4, 1);
        bodyLayout()->addWidget(names);
        bodyLayout()->addWidget(payeeIdBlock());
        bodyLayout()->addWidget(origAmendedBlock());
        bodyLayout()->addWidget(amountCorner());
        for (int i = 0; i < 40; ++i)
            bodyLayout()->addWidget(new QLabel(QStringLiteral("row %1").arg(i), body()));
        load();
    }

    static PayeeFormLook look()
    {
        PayeeFormLook l;
        l.windowTitle = QStringLiteral("Quillastrand - Test Payee Details");
        l.tall = true;
        return l;
    }
};

struct PayeeFormWidget : ::testing::Test {
    PayeeWorld w;
    PayeeFormFrame form { w.context, testtype::kType };

    template <class T> static T* child(QWidget& parent, const char* name)
    {
        T* widget = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static bool shown(QWidget& parent, const char* name) { return child<QWidget>(parent, name)->isVisible(); }
};

TEST_F(PayeeFormWidget, ATallFormScrollsItsBody)
{
    w.report().payeeMode = 4;
    TallTestForm dialog(w.context, form);
    dialog.resize(500, 300);
    dialog.show();
    QApplication::processEvents();
    dialog.resize(500, 300); // after the placement on show
    QApplication::processEvents();

    auto* scroll = child<QScrollArea>(dialog, "formScrollArea");
    ASSERT_NE(scroll, nullptr);
    QScrollBar* bar = scroll->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    const QPoint before = dialog.body()->pos();
    bar->setValue(bar->maximum());
    QApplication::processEvents();
    EXPECT_LT(dialog.body()->pos().y(), before.y());
    EXPECT_EQ(child<QLabel>(dialog, "titleLabel")->text(),
        QStringLiteral("Payee Details - ETP Payment Summary - Year ended 30 June 2019"));
    EXPECT_TRUE(shown(dialog, "payeeIdHint"));
    EXPECT_TRUE(child<QLineEdit>(dialog, "payeeIdEdit")->isEnabled());
}

TEST_F(PayeeFormWidget, MarkersAppearAndClearFieldByField)
{
    w.report().payeeMode = 4;
    TallTestForm dialog(w.context, form);
    dialog.show();
    QApplication::processEvents();
    auto* save = child<QPushButton>(dialog, "saveButton");
    child<QLineEdit>(dialog, "taxEdit")->setText(QStringLiteral("10"));

    save->click(); // no surname, no gross
    EXPECT_TRUE(shown(dialog, "surnameErrorMarker"));
    EXPECT_TRUE(shown(dialog, "grossErrorMarker"));
    EXPECT_FALSE(shown(dialog, "firstNameWarningMarker"));
    EXPECT_FALSE(shown(dialog, "ignoreWarningsBox"));

    child<QLineEdit>(dialog, "surnameEdit")->setText(QStringLiteral("Citizen"));
    child<QLineEdit>(dialog, "firstNameEdit")->setText(QStringLiteral("J"));
    save->click();
    EXPECT_FALSE(shown(dialog, "surnameErrorMarker"));
    EXPECT_TRUE(shown(dialog, "grossErrorMarker"));
    EXPECT_TRUE(shown(dialog, "firstNameWarningMarker"));
    EXPECT_FALSE(shown(dialog, "firstNameErrorMarker"));

    child<QLineEdit>(dialog, "grossEdit")->setText(QStringLiteral("100"));
    child<QLineEdit>(dialog, "taxEdit")->clear();
    save->click();
    EXPECT_FALSE(shown(dialog, "grossErrorMarker"));
    EXPECT_TRUE(shown(dialog, "amountValidationWarningMarker"));
    EXPECT_TRUE(shown(dialog, "amountValidationLabel"));
    EXPECT_TRUE(shown(dialog, "ignoreWarningsBox"));
    EXPECT_TRUE(shown(dialog, "ignoreWarningsMarker"));
    EXPECT_TRUE(w.report().payees.empty());

    child<QCheckBox>(dialog, "ignoreWarningsBox")->click();
    EXPECT_EQ(w.context.currentPayee.ignoreWarnings, QStringLiteral("Yes"));
    save->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(w.report().payees.contains(1));
    EXPECT_EQ(w.report().payees.at(1).ignoreWarnings, QStringLiteral("Yes"));
    EXPECT_EQ(w.report().payees.at(1).firstName, QStringLiteral("J"));
}

TEST_F(PayeeFormWidget, EditingShowsTheStoredValuesAndAnUnmatchedListStaysUnchosen)
{
    CCards stored = passingTestPayee();
    stored.payeeId = 6;
    stored.dobYear = QStringLiteral("85");
    stored.origAmended = QStringLiteral("a");
    stored.ignoreWarnings = QStringLiteral("Yes");
    stored.dataSource = QStringLiteral("Tab Delimited Import");
    w.report().payees[6] = stored;
    w.context.currentPayee = stored;
    w.context.currentPayeeKey = 6;
    TallTestForm dialog(w.context, form);
    dialog.show();
    QApplication::processEvents();

    EXPECT_EQ(child<QLineEdit>(dialog, "surnameEdit")->text(), QStringLiteral("Citizen"));
    EXPECT_EQ(child<QLineEdit>(dialog, "grossEdit")->text(), QStringLiteral("1000"));
    EXPECT_EQ(child<QLineEdit>(dialog, "payeeIdEdit")->text(), QStringLiteral("6"));
    EXPECT_FALSE(child<QLineEdit>(dialog, "payeeIdEdit")->isEnabled());
    EXPECT_FALSE(shown(dialog, "payeeIdHint"));
    EXPECT_EQ(child<QComboBox>(dialog, "origAmendedList")->currentText(), QStringLiteral("A"));
    EXPECT_EQ(child<QComboBox>(dialog, "dobYearList")->currentIndex(), -1);
    EXPECT_EQ(child<QLabel>(dialog, "dataSourceLabel")->text(), QStringLiteral("Tab Delimited Import"));
    EXPECT_TRUE(child<QCheckBox>(dialog, "ignoreWarningsBox")->isChecked());
    EXPECT_TRUE(shown(dialog, "ignoreWarningsBox"));

    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_TRUE(shown(dialog, "dobErrorMarker"));
    EXPECT_EQ(w.report().payees.at(6).dobYear, QStringLiteral("85"));
}

TEST_F(PayeeFormWidget, CommonTooltipsAndTheDigitOnlyPayeeId)
{
    w.report().payeeMode = 4;
    TallTestForm dialog(w.context, form);
    EXPECT_EQ(child<QPushButton>(dialog, "saveButton")->toolTip(), QStringLiteral("Click to Save Payee's Details"));
    EXPECT_EQ(child<QPushButton>(dialog, "closeButton")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(child<QComboBox>(dialog, "origAmendedList")->toolTip(),
        QStringLiteral("Select O if original payment summary or A if amended"));
    dialog.show();
    auto* id = child<QLineEdit>(dialog, "payeeIdEdit");
    id->clear();
    typeKeys(id, QStringLiteral("12a"));
    EXPECT_EQ(id->text(), QStringLiteral("12"));
    auto* tip = id->findChild<QLabel*>(QStringLiteral("refusedKeyTip"));
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), kDigitsOnlyTip);
}

} // namespace
