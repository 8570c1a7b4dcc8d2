// In the Payer and Supplier dialogs the mouse wheel changes only the list
// the user focused: the State and the branch stay as they were under a
// wheel turned to scroll past them.

#include "payers/PayerTestKit.h"
#include "payers/dialogs/CAddPayer.h"
#include "payers/dialogs/CEditPayer.h"
#include "payers/dialogs/CPayer.h"
#include "payers/dialogs/SupplierDialog.h"
#include "support/ControlWheel.h"

#include <QDateTimeEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

struct PayerDialog {
    const char* name;
    std::function<std::unique_ptr<QDialog>(PayerWorld&)> open;
    const char* focused; // the edit that holds the focus meanwhile
    QStringList lists; // the lists the wheel is turned over, at least
};

const PayerDialog kDialogs[] = {
    { "AddPayer", [](PayerWorld& w) { return std::make_unique<CAddPayer>(w.context); }, "name",
        { QStringLiteral("branch"), QStringLiteral("state") } },
    { "EditPayer",
        [](PayerWorld& w) {
            w.context.payers = { { kAcmeKey, acmeEntry() } };
            w.report().payerJustAddedKey = kAcmeKey;
            return std::make_unique<CEditPayer>(w.context);
        },
        "name", { QStringLiteral("branch"), QStringLiteral("state") } },
    { "Supplier",
        [](PayerWorld& w) {
            w.report().supplierFieldsSaved[5] = QStringLiteral("VIC");
            w.report().supplierFieldsSaved[11] = QStringLiteral("OTH");
            return std::make_unique<CSupplier>(w.context);
        },
        "supplierName", { QStringLiteral("supplierState"), QStringLiteral("supplierPostalState") } },
};

void PrintTo(const PayerDialog& dialog, std::ostream* out)
{
    *out << dialog.name;
}

class PayerGestures : public ::testing::TestWithParam<PayerDialog>
{
};

TEST_P(PayerGestures, TheWheelChangesOnlyTheFocusedList)
{
    const PayerDialog& d = GetParam();
    PayerWorld w;
    const std::unique_ptr<QDialog> dialog = d.open(w);
    if (!showActive(*dialog))
        GTEST_SKIP() << "the platform makes no window active";
    QStringList turned;
    for (QWidget* control : wheelControls(*dialog))
        turned << control->objectName();
    for (const QString& list : d.lists)
        EXPECT_TRUE(turned.contains(list)) << list.toStdString();
    auto* focused = dialog->findChild<QWidget*>(QString::fromLatin1(d.focused));
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(expectWheelStepsFocusedControlsOnly(*dialog, focused), turned.size());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, PayerGestures, ::testing::ValuesIn(kDialogs),
    [](const ::testing::TestParamInfo<PayerDialog>& info) { return std::string(info.param.name); });

// The report's payer, shown read-only: its date cannot be stepped at all.
TEST(PayerGesturesReadOnly, TheWheelOverThePayerDetailsDateChangesNothing)
{
    PayerWorld w;
    CPayer dialog(w.context);
    if (!showActive(dialog))
        GTEST_SKIP() << "the platform makes no window active";
    auto* date = dialog.findChild<QDateTimeEdit*>(QStringLiteral("date"));
    ASSERT_NE(date, nullptr);
    const QString before = wheelValue(date);
    turnWheelOver(date, -1);
    turnWheelOver(date, 1);
    EXPECT_EQ(wheelValue(date), before);
    EXPECT_TRUE(wheelControls(dialog).isEmpty());
}

} // namespace
