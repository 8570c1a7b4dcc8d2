#include "checks/CheckAll.h"
#include "payees/PayeeFrameTestKit.h"

#include <gtest/gtest.h>

namespace
{

CCards feiPayee(qint32 id)
{
    CCards c;
    c.payeeId = id;
    c.payeeType = QStringLiteral("FEI");
    c.incomeType = QStringLiteral("Foreign Income");
    c.tfn = QStringLiteral("123456782");
    c.surname = QStringLiteral("Citizen");
    c.firstName = QStringLiteral("Jane");
    c.addLine1 = QStringLiteral("1 Main St");
    c.suburb = QStringLiteral("SYDNEY");
    c.state = QStringLiteral("NSW");
    c.pCode = 2000;
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2018");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2019");
    c.taxWithheld = 5000;
    c.gross = 50000;
    c.fbtExempt = QStringLiteral(" ");
    c.origAmended = QStringLiteral("O");
    c.checked = QStringLiteral("No");
    return c;
}

TEST(CheckPayeeFei, CheckAllMarksEachFeiPayee)
{
    PayeeWorld w;
    CCards passing = feiPayee(1);
    CCards badTfn = feiPayee(2);
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
