#include "payees/PayeeFrameTestKit.h"
#include "payees/dialogs/CPayeePEN.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace
{

template <class T> T* child(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void choose(QWidget& dialog, const char* name, const QString& item)
{
    QComboBox* list = child<QComboBox>(dialog, name);
    list->setCurrentIndex(list->findText(item));
    emit list->activated(list->currentIndex());
}

TEST(PayeePenWidget, AddsAPayeeThroughTheTallForm)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    CPayeePEN dialog(w.context);
    dialog.show();
    QApplication::processEvents();
    EXPECT_NE(dialog.findChild<QScrollArea*>(QStringLiteral("formScrollArea")), nullptr);
    EXPECT_TRUE(child<QComboBox>(dialog, "reversionaryList")->isVisible());
    child<QComboBox>(dialog, "tfnCombo")->setEditText(QStringLiteral("123 456 782"));
    child<QLineEdit>(dialog, "surnameEdit")->setText(QStringLiteral("Citizen"));
    child<QLineEdit>(dialog, "firstNameEdit")->setText(QStringLiteral("Jane"));
    child<QLineEdit>(dialog, "addLine1Edit")->setText(QStringLiteral("1 Main St"));
    child<QLineEdit>(dialog, "suburbEdit")->setText(QStringLiteral("Sydney"));
    child<QLineEdit>(dialog, "pCodeEdit")->setText(QStringLiteral("2000"));
    choose(dialog, "stateList", QStringLiteral("NSW"));
    choose(dialog, "startDayList", QStringLiteral("01"));
    choose(dialog, "startMonthList", QStringLiteral("07"));
    choose(dialog, "startYearList", QStringLiteral("2018"));
    choose(dialog, "endDayList", QStringLiteral("30"));
    choose(dialog, "endMonthList", QStringLiteral("06"));
    choose(dialog, "endYearList", QStringLiteral("2019"));
    choose(dialog, "reversionaryList", QStringLiteral("N"));
    child<QLineEdit>(dialog, "taxedElementEdit")->setText(QStringLiteral("20000"));
    child<QLineEdit>(dialog, "taxWithheldEdit")->setText(QStringLiteral("100"));
    child<QPushButton>(dialog, "saveButton")->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    const CCards& stored = w.report().payees.at(1);
    EXPECT_EQ(stored.payeeType, QStringLiteral("PEN"));
    EXPECT_EQ(stored.suburb, QStringLiteral("SYDNEY"));
    EXPECT_EQ(stored.reversionaryIndicator(), QStringLiteral("N"));
    EXPECT_EQ(stored.taxedElement(), 20000);
}

TEST(PayeePenWidget, EditingA2017PayeeHidesTheIndicator)
{
    PayeeWorld w;
    w.report().reportYear = QStringLiteral("2017");
    CCards c;
    c.payeeId = 3;
    c.payeeType = QStringLiteral("PEN");
    c.surname = QStringLiteral("Citizen");
    w.report().payees[3] = c;
    w.context.currentPayee = c;
    w.context.currentPayeeKey = 3;
    w.report().payeeMode = 0;
    CPayeePEN dialog(w.context);
    dialog.show();
    QApplication::processEvents();
    EXPECT_FALSE(child<QComboBox>(dialog, "reversionaryList")->isVisible());
    EXPECT_EQ(child<QLineEdit>(dialog, "surnameEdit")->text(), QStringLiteral("Citizen"));
    child<QPushButton>(dialog, "saveButton")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(child<QWidget>(dialog, "addLine1ErrorMarker")->isVisible());
}

} // namespace
