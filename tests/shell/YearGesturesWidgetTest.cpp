// The report's year is the one the user chose: the mouse wheel changes the
// year list only once the user chose it, and a year typed by its four digits is the
// year kept.

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "shell/dialogs/YearDialogs.h"
#include "support/ControlWheel.h"
#include "support/ScriptedUi.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

struct YearGestures : ::testing::Test {
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context { ui, files };
};

TEST_F(YearGestures, TheWheelStepsTheYearOnlyWhenFocused)
{
    CDateSet1 dialog(context);
    if (!showActive(dialog))
        GTEST_SKIP() << "the platform makes no window active";
    auto* years = dialog.findChild<QComboBox*>(QStringLiteral("yearList"));
    ASSERT_NE(years, nullptr);
    ASSERT_EQ(wheelControls(dialog), QList<QWidget*> { years });
    EXPECT_EQ(
        expectWheelStepsFocusedControlsOnly(dialog, dialog.findChild<QPushButton*>(QStringLiteral("okButton"))), 1);
}

// The dialog opens with the keyboard in its empty year list: a wheel turned
// there picks no year until the user clicks in the list or tabs to it.
TEST_F(YearGestures, TheYearListTheDialogOpensInTakesTheWheelOnlyOnceChosen)
{
    CDateSet1 dialog(context);
    if (!showActive(dialog))
        GTEST_SKIP() << "the platform makes no window active";
    auto* years = dialog.findChild<QComboBox*>(QStringLiteral("yearList"));
    ASSERT_NE(years, nullptr);
    EXPECT_EQ(years->currentIndex(), -1);
    EXPECT_EQ(expectTheFocusGivenTakesNoWheel(dialog), years);
}

TEST_F(YearGestures, AYearTypedByItsDigitsIsTheYearKept)
{
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(1000); // generous: the four keys come within it
    CDateSet1 dialog(context);
    if (!showActive(dialog))
        GTEST_SKIP() << "the platform makes no window active";
    auto* years = dialog.findChild<QComboBox*>(QStringLiteral("yearList"));
    ASSERT_NE(years, nullptr);
    years->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(years, QStringLiteral("2019"));
    QApplication::setKeyboardInputInterval(interval);
    EXPECT_EQ(years->currentText(), QStringLiteral("2019"));
    dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(context.report().reportYear, QStringLiteral("2019"));
}

} // namespace
