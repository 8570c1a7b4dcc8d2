#include "payees/PayeeFeiKit.h"
#include "payees/PayeeFrameTestKit.h"
#include "payees/PayeeServices.h"
#include "payees/dialogs/CAddPayee1.h"
#include "payees/dialogs/CPayeeFEI.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace
{

const QString kGate = QStringLiteral("Please correct all highlighted entries and press Save again.");

template <class T> T* child(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

bool shown(QWidget& dialog, const char* name)
{
    return child<QWidget>(dialog, name)->isVisibleTo(&dialog);
}

void choose(QWidget& dialog, const char* name, const QString& item)
{
    QComboBox* list = child<QComboBox>(dialog, name);
    list->setCurrentIndex(list->findText(item));
    emit list->activated(list->currentIndex());
}

void type(QWidget& dialog, const char* name, const QString& text)
{
    child<QLineEdit>(dialog, name)->setText(text);
}

QStringList items(QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// A stored FEI payee of report year 2019 that the form accepts as it stands.
CCards storedFei()
{
    CCards c = validFeiPayee(7);
    c.dataSource = QStringLiteral("Imported");
    c.foreignTaxPaid() = 700;
    c.checked = QStringLiteral("Error");
    return c;
}

void editIn(PayeeWorld& w, const CCards& record)
{
    w.report().payees[record.payeeId] = record;
    w.context.currentPayee = record;
    w.context.currentPayeeKey = record.payeeId;
    w.report().payeeMode = 0;
}

TEST(PayeeFeiWidget, APayeeTypedIntoTheFormFromAddPayeeLandsInThePayeeMap)
{
    PayeeWorld w;
    w.ui.onDialog(QStringLiteral("CPayeeFEI"), [&w] {
        CPayeeFEI form(w.context);
        form.show();
        QApplication::processEvents();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Quillastrand - FEI Payee Details"));
        EXPECT_EQ(child<QLabel>(form, "titleLabel")->text(),
            QStringLiteral("Payee Details - FEI Payment Summary - Year ended 30 June 2019"));
        EXPECT_EQ(child<QComboBox>(form, "incomeTypeList")->currentText(), QStringLiteral("Foreign Income"));
        EXPECT_EQ(child<QComboBox>(form, "s57AList")->currentText(), QStringLiteral("-"));
        EXPECT_EQ(child<QLineEdit>(form, "payeeIdEdit")->text(), QStringLiteral("1"));
        EXPECT_TRUE(shown(form, "payeeIdHint"));
        EXPECT_EQ(child<QLineEdit>(form, "accruedYearMinus2Edit")->text(), QStringLiteral("2017"));
        EXPECT_EQ(child<QLineEdit>(form, "accruedPriorToEdit")->text(), QStringLiteral("2016"));
        EXPECT_EQ(child<MyGroupBox>(form, "allowancesGroup")->title(),
            QStringLiteral("Name(s) of Allowances only - Amt should be included in Gross"));
        // FEI keeps no Lump Sum B, exempt income or UPP, and takes allowance names only.
        for (const char* hidden : { "lumpBEdit", "exemptForeignEdit", "annuityEdit" }) {
            EXPECT_FALSE(shown(form, hidden)) << hidden;
            EXPECT_FALSE(child<QLineEdit>(form, hidden)->isEnabled()) << hidden;
        }
        for (const char* disabled : { "allow1Edit", "allow4Edit", "totalAllowEdit" })
            EXPECT_FALSE(child<QLineEdit>(form, disabled)->isEnabled()) << disabled;
        EXPECT_TRUE(child<QComboBox>(form, "allow1NameCombo")->isEnabled());
        EXPECT_EQ(child<QLineEdit>(form, "foreignTaxPaidEdit")->toolTip(),
            QStringLiteral("Enter Payee's Foreign Tax Paid  (whole dollars only)"));

        child<QComboBox>(form, "tfnCombo")->setEditText(QStringLiteral("123 456 782"));
        type(form, "surnameEdit", QStringLiteral("Citizen"));
        type(form, "firstNameEdit", QStringLiteral("Jane"));
        type(form, "addLine1Edit", QStringLiteral("1 Main St"));
        type(form, "suburbEdit", QStringLiteral("Sydney"));
        type(form, "pCodeEdit", QStringLiteral("2000"));
        choose(form, "stateList", QStringLiteral("NSW"));
        choose(form, "startDayList", QStringLiteral("01"));
        choose(form, "startMonthList", QStringLiteral("07"));
        choose(form, "startYearList", QStringLiteral("2018"));
        choose(form, "endDayList", QStringLiteral("30"));
        choose(form, "endMonthList", QStringLiteral("06"));
        choose(form, "endYearList", QStringLiteral("2019"));
        type(form, "grossEdit", QStringLiteral("52000"));
        type(form, "taxWithheldEdit", QStringLiteral("9000"));
        type(form, "foreignTaxPaidEdit", QStringLiteral("700"));

        // The three amounts of "Other" must be filled; the hidden two never count.
        child<QPushButton>(form, "saveButton")->click();
        EXPECT_TRUE(form.isVisible());
        for (const char* marked : { "rfbtErrorMarker", "rescErrorMarker", "givingErrorMarker" })
            EXPECT_TRUE(shown(form, marked)) << marked;
        EXPECT_FALSE(child<QWidget>(form, "exemptForeignErrorMarker")->isVisible());
        EXPECT_FALSE(shown(form, "surnameErrorMarker"));

        child<QPushButton>(form, "allZeroButton")->click();
        EXPECT_EQ(child<QLineEdit>(form, "givingEdit")->text(), QStringLiteral("0"));
        EXPECT_EQ(child<QLineEdit>(form, "surnameEdit")->text(), QStringLiteral("Citizen"));
        child<QPushButton>(form, "saveButton")->click();
        EXPECT_EQ(form.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
        return form.result();
    });
    w.ui.onDialog(QStringLiteral("CAddPayee1"), [&w] {
        CAddPayee1 chooser(w.context, noPayeeServices());
        chooser.show();
        child<QRadioButton>(chooser, "feiRadio")->click();
        child<QPushButton>(chooser, "manuallyAddButton")->click();
        return 0;
    });
    w.ui.runDialog(QStringLiteral("CAddPayee1"));

    ASSERT_EQ(w.report().payees.count(1), 1u);
    const CCards& stored = w.report().payees.at(1);
    EXPECT_EQ(stored.payeeType, QStringLiteral("FEI"));
    EXPECT_EQ(stored.incomeType, QStringLiteral("Foreign Income"));
    EXPECT_EQ(stored.tfn, QStringLiteral("123456782"));
    EXPECT_EQ(stored.suburb, QStringLiteral("SYDNEY"));
    EXPECT_EQ(stored.gross, 52000);
    EXPECT_EQ(stored.taxWithheld, 9000);
    EXPECT_EQ(stored.foreignTaxPaid(), 700);
    EXPECT_EQ(stored.rfbt, 0);
    EXPECT_EQ(stored.fbtExempt, QStringLiteral(" "));
    EXPECT_EQ(stored.spare1, QStringLiteral("2017"));
    EXPECT_EQ(stored.spare2, QStringLiteral("2016"));
    EXPECT_EQ(stored.dataSource, QStringLiteral("Manually Added"));
    EXPECT_EQ(stored.checked, QStringLiteral("Yes"));
}

// "JPDA Income" is offered up to 2020, and the s57A group from 2017.
TEST(PayeeFeiWidget, IncomeTypesAndTheS57AGroupFollowTheReportYear)
{
    const QString foreign = QStringLiteral("Foreign Income");
    const QString jpda = QStringLiteral("JPDA Income");
    const struct {
        int year;
        QStringList incomeTypes;
        bool s57A;
    } cases[] = {
        { 2016, { foreign, jpda }, false },
        { 2020, { foreign, jpda }, true },
        { 2021, { foreign }, true },
    };
    for (const auto& c : cases) {
        PayeeWorld w;
        w.report().reportYear = QString::number(c.year);
        w.report().payeeMode = 4;
        CPayeeFEI form(w.context);
        form.show();
        EXPECT_EQ(items(child<QComboBox>(form, "incomeTypeList")), c.incomeTypes) << c.year;
        EXPECT_EQ(shown(form, "s57AGroup"), c.s57A) << c.year;
        EXPECT_EQ(child<QLineEdit>(form, "accruedYearMinus3Edit")->text(), QString::number(c.year - 3)) << c.year;
    }
}

// A record of an older report or an import: JPDA Income in 2021 and the
// amounts FEI has no place for.
TEST(PayeeFeiWidget, EditingRefusesJpdaIn2021AndStoresTheHiddenAmountsAsZero)
{
    PayeeWorld w;
    w.report().reportYear = QStringLiteral("2021");
    CCards record = storedFei();
    record.incomeType = QStringLiteral("JPDA Income");
    record.startYear = QStringLiteral("2020");
    record.endYear = QStringLiteral("2021");
    record.lumpB = 500;
    record.exemptForeign = 20;
    record.annuity = 10;
    record.other1 = 35;
    editIn(w, record);

    CPayeeFEI form(w.context);
    form.show();
    QApplication::processEvents();
    EXPECT_FALSE(child<QLineEdit>(form, "payeeIdEdit")->isEnabled());
    EXPECT_FALSE(shown(form, "payeeIdHint"));
    EXPECT_EQ(child<QLineEdit>(form, "payeeIdEdit")->text(), QStringLiteral("7"));
    EXPECT_EQ(child<QComboBox>(form, "tfnCombo")->currentText(), QStringLiteral("123 456 782"));
    EXPECT_EQ(child<QLineEdit>(form, "foreignTaxPaidEdit")->text(), QStringLiteral("700"));
    EXPECT_EQ(child<QLineEdit>(form, "other1Edit")->text(), QStringLiteral("35"));
    EXPECT_EQ(child<QLineEdit>(form, "lumpBEdit")->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QComboBox>(form, "s57AList")->currentText(), QStringLiteral("-"));
    EXPECT_EQ(child<QComboBox>(form, "incomeTypeList")->currentIndex(), -1);

    child<QPushButton>(form, "saveButton")->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(shown(form, "incomeTypeErrorMarker"));
    EXPECT_EQ(w.ui.texts().last(), kGate);
    EXPECT_EQ(w.report().payees.at(7).lumpB, 500); // nothing stored yet

    choose(form, "incomeTypeList", QStringLiteral("Foreign Income"));
    child<QPushButton>(form, "saveButton")->click();
    ASSERT_EQ(form.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    const CCards& stored = w.report().payees.at(7);
    EXPECT_EQ(stored.incomeType, QStringLiteral("Foreign Income"));
    EXPECT_EQ(stored.lumpB, 0);
    EXPECT_EQ(stored.exemptForeign, 0);
    EXPECT_EQ(stored.annuity, 0);
    EXPECT_EQ(stored.other1, 35);
    EXPECT_EQ(stored.dataSource, QStringLiteral("Imported"));
    EXPECT_EQ(stored.spare1, QStringLiteral("2019"));
    EXPECT_EQ(stored.checked, QStringLiteral("Yes"));
}

// An imported record whose Total Allowances the form will not take, and a
// birth year that is an error, not a warning.
TEST(PayeeFeiWidget, SaveMarksTheFieldsItRefuses)
{
    PayeeWorld w;
    CCards record = storedFei();
    record.totalAllow = 300;
    record.dobDay = QStringLiteral("01");
    record.dobMonth = QStringLiteral("01");
    record.dobYear = QStringLiteral("2017");
    editIn(w, record);

    CPayeeFEI form(w.context);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(child<QLineEdit>(form, "totalAllowEdit")->text(), QStringLiteral("300"));
    child<QPushButton>(form, "saveButton")->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(shown(form, "totalAllowErrorMarker"));
    EXPECT_TRUE(shown(form, "dateOfBirthErrorMarker"));
    EXPECT_FALSE(shown(form, "dateOfBirthWarningMarker"));
    EXPECT_FALSE(shown(form, "surnameErrorMarker"));
    EXPECT_FALSE(shown(form, "ignoreWarningsBox"));
    EXPECT_EQ(w.ui.texts(), QStringList { kGate });
    EXPECT_EQ(w.report().payees.at(7).checked, QStringLiteral("Error"));
}

TEST(PayeeFeiWidget, TheBodyScrollsToTheLegacyOtherIncome)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    CPayeeFEI form(w.context);
    form.show();
    QApplication::processEvents();
    form.resize(700, 300); // after the placement on show
    QApplication::processEvents();

    auto* scroll = child<QScrollArea>(form, "formScrollArea");
    ASSERT_NE(scroll, nullptr);
    QWidget* other1 = child<QLineEdit>(form, "other1Edit");
    const auto inView = [&] {
        return scroll->viewport()->rect().intersects(
            QRect(other1->mapTo(scroll->viewport(), QPoint(0, 0)), other1->size()));
    };
    QScrollBar* bar = scroll->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_FALSE(inView());
    bar->setValue(bar->maximum());
    QApplication::processEvents();
    EXPECT_TRUE(inView());
}

} // namespace
