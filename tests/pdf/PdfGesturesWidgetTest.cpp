// In the payment summary dialogs the mouse wheel changes only the control
// the user chose, by a click or the keyboard, and not the one the dialog
// opens in: the date printed on the summaries and the parts of the
// file names stay as they were under a wheel turned past them.

#include "pdf/PdfNamePattern.h"
#include "pdf/dialogs/AdviceName.h"
#include "pdf/dialogs/CGenSinglePay.h"
#include "report/AppContext.h"
#include "support/ControlWheel.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <QDateEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

struct PdfGestures : ::testing::Test {
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context { ui, files };
};

TEST_F(PdfGestures, TheSinglePaymentSummaryDateStepsOnlyWhenFocused)
{
    CGenSinglePay dialog(context);
    if (!showActive(dialog))
        GTEST_SKIP() << "the platform makes no window active";
    auto* date = dialog.findChild<QDateEdit*>(QStringLiteral("date"));
    ASSERT_NE(date, nullptr);
    ASSERT_TRUE(wheelControls(dialog).contains(date));
    EXPECT_EQ(expectWheelStepsFocusedControlsOnly(dialog, dialog.findChild<QPushButton*>(QStringLiteral("okButton"))),
        wheelControls(dialog).size());
}

// The dialog opens with the keyboard in its date: a wheel turned there
// moves the printed date by no day until the user clicks in it or tabs to it.
TEST_F(PdfGestures, TheSinglePaymentSummaryDateTakesTheWheelOnlyOnceChosen)
{
    CGenSinglePay dialog(context);
    if (!showActive(dialog))
        GTEST_SKIP() << "the platform makes no window active";
    EXPECT_EQ(expectTheFocusGivenTakesNoWheel(dialog), dialog.findChild<QDateEdit*>(QStringLiteral("date")));
}

TEST_F(PdfGestures, TheSummariesDateAndNamePartsStepOnlyWhenFocused)
{
    PdfNamePattern pattern;
    AdviceName dialog(context, pattern);
    if (!showActive(dialog))
        GTEST_SKIP() << "the platform makes no window active";
    const QList<QWidget*> controls = wheelControls(dialog);
    EXPECT_TRUE(controls.contains(dialog.findChild<QDateEdit*>(QStringLiteral("date"))));
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(controls.contains(dialog.findChild<QComboBox*>(QStringLiteral("field%1").arg(n)))) << n;
    EXPECT_EQ(expectWheelStepsFocusedControlsOnly(dialog, dialog.findChild<QWidget*>(QStringLiteral("text1"))),
        controls.size());
}

} // namespace
