#include "checks/CheckAll.h"
#include "payees/PayeeFeiKit.h"
#include "payees/PayeeFrameTestKit.h"

#include <gtest/gtest.h>

namespace
{

TEST(CheckPayeeFei, CheckAllMarksEachFeiPayee)
{
    PayeeWorld w;
    CCards passing = validFeiPayee(1);
    CCards badTfn = validFeiPayee(2);
    badTfn.tfn = QStringLiteral("123456789");
    CCards ignored = badTfn;
    ignored.payeeId = 3;
    ignored.ignoreWarnings = QStringLiteral("Yes");
    CCards placeholder = ignored;
    placeholder.payeeId = 4;
    placeholder.gross = 999999;
    for (const CCards& c : { passing, badTfn, ignored, placeholder })
        w.report().payees[c.payeeId] = c;
    CheckAllPayees(w.context);
    EXPECT_EQ(w.ui.texts(), QStringList { kCheckErrorsMessage });
    EXPECT_EQ(w.context.checkErrorCount, 2);
    const auto& payees = w.report().payees;
    EXPECT_EQ(payees.at(1).checked, QStringLiteral("Yes"));
    EXPECT_EQ(payees.at(2).checked, QStringLiteral("Error"));
    EXPECT_EQ(payees.at(3).checked, QStringLiteral("Yes"));
    EXPECT_EQ(payees.at(4).checked, QStringLiteral("Error"));
}

} // namespace
