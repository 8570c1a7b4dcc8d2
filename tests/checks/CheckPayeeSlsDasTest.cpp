#include "checks/CheckAll.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace
{

// Check All hands SLS and DAS payees to their checks: a passing payee of
// each becomes "Yes", a failing one "Error" and counts once.
struct SlsDasCheckAll : ::testing::Test {
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context { ui, files };

    SlsDasCheckAll()
    {
        context.report().reportYear = QStringLiteral("2019");
        context.report().reportYearNumber = 2019;
    }

    CCards payee(qint32 id, const char* type)
    {
        CCards c;
        c.payeeId = id;
        c.payeeType = QString::fromLatin1(type);
        c.tfn = QStringLiteral("123456782");
        c.surname = QStringLiteral("CITIZEN");
        c.firstName = QStringLiteral("JANE");
        c.addLine1 = QStringLiteral("1 MAIN ST");
        c.suburb = QStringLiteral("CARLTON");
        c.state = QStringLiteral("VIC");
        c.pCode = 3053;
        c.paymentDay = QStringLiteral("30");
        c.paymentMonth = QStringLiteral("06");
        c.paymentYear = QStringLiteral("2019");
        c.taxable = 1000;
        c.taxWithheld = 100;
        c.origAmended = QStringLiteral("O");
        c.checked = QStringLiteral("No");
        if (c.payeeType == QLatin1String("SLS")) {
            c.deathBenefit() = QStringLiteral("N");
            c.deathBenefitRecipient() = QStringLiteral("N/A");
        }
        return c;
    }
};

} // namespace

TEST_F(SlsDasCheckAll, EachTypeIsCheckedByItsOwnRules)
{
    auto& payees = context.report().payees;
    payees[1] = payee(1, "SLS");
    payees[2] = payee(2, "DAS");
    payees[3] = payee(3, "SLS");
    payees[3].deathBenefit().clear(); // an SLS rule
    payees[4] = payee(4, "DAS");
    payees[4].deathBenefit().clear(); // no DAS rule reads it

    CheckAllPayees(context);
    EXPECT_EQ(payees[1].checked, QStringLiteral("Yes"));
    EXPECT_EQ(payees[2].checked, QStringLiteral("Yes"));
    EXPECT_EQ(payees[3].checked, QStringLiteral("Error"));
    EXPECT_EQ(payees[4].checked, QStringLiteral("Yes"));
    EXPECT_EQ(context.checkErrorCount, 1);
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_EQ(ui.texts(), QStringList { kCheckErrorsMessage });
}

// The flag of whichever payee was edited last plays no part: each record's own does.
TEST_F(SlsDasCheckAll, TrusteeWarningFollowsTheRecordsOwnFlag)
{
    auto& payees = context.report().payees;
    payees[1] = payee(1, "SLS");
    payees[1].deathBenefit() = QStringLiteral("Y");
    payees[1].deathBenefitRecipient() = QStringLiteral("Trustee of Deceased Estate");
    payees[2] = payees[1];
    payees[2].payeeId = 2;
    payees[2].ignoreWarnings = QStringLiteral("Yes");
    context.currentPayee.ignoreWarnings = QStringLiteral("Yes");

    CheckAllPayees(context);
    EXPECT_EQ(payees[1].checked, QStringLiteral("Error"));
    EXPECT_EQ(payees[2].checked, QStringLiteral("Yes"));
    EXPECT_EQ(context.checkErrorCount, 1);
}
