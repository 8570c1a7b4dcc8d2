#include "transfer/ExportPayees.h"
#include "transfer/TransferTestKit.h"

namespace {

using namespace transfer_test;

const QString kChooseFirst = QStringLiteral("Please selection a Payee Type before continuing.");

class ExportPayeesTest : public TransferTest {
protected:
    int chosenType = 0;
    int dialogsEnded = 0;
    std::function<void()> endDialog = [this] { ++dialogsEnded; };
};

TEST_F(ExportPayeesTest, NoTypeChosenKeepsTheDialogOpen)
{
    ExportPayees(context, chosenType).OnBnClickedTabDelimitedExport(endDialog);
    EXPECT_EQ(ui.texts(), QStringList{kChooseFirst});
    EXPECT_EQ(dialogsEnded, 0);
}

TEST_F(ExportPayeesTest, AChosenTypeEndsTheDialogAndRunsItsExporter)
{
    ExportPayees logic(context, chosenType);
    logic.choose(1); // the report holds no payee
    logic.OnBnClickedTabDelimitedExport(endDialog);
    EXPECT_EQ(dialogsEnded, 1);
    EXPECT_EQ(chosenType, 0);
    EXPECT_EQ(ui.texts(), QStringList{"There are no Payees to Export."});
    EXPECT_GE(ui.waitCursorsShown, 1);
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(ExportPayeesTest, TheChoiceOutlivesACancelledDialogButNotAnExport)
{
    CCards inb;
    inb.payeeId = 2;
    inb.payeeType = "INB";
    report().payees[2] = inb;
    ExportPayees(context, chosenType).choose(1);
    // A new dialog, no radio pressed: the type chosen before still counts.
    ui.answerFile(std::nullopt);
    ExportPayees(context, chosenType).OnBnClickedTabDelimitedExport(endDialog);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].defaultName, "INBExport");

    // After an export it must be chosen again.
    ExportPayees(context, chosenType).OnBnClickedTabDelimitedExport(endDialog);
    EXPECT_EQ(ui.texts(), QStringList{kChooseFirst});
}

} // namespace
