#include "checks/CheckPayeeEtp.h"
#include "checks/CheckAll.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace
{

CCards etpRecord(qint32 id)
{
    CCards c;
    c.payeeId = id;
    c.payeeType = QStringLiteral("ETP");
    c.etpPaymentType = QStringLiteral("O");
    c.tfn = QStringLiteral("123456782");
    c.surname = QStringLiteral("CITIZEN");
    c.firstName = QStringLiteral("JANE");
    c.dobDay = QStringLiteral("00");
    c.dobMonth = QStringLiteral("00");
    c.dobYear = QStringLiteral("0000");
    c.addLine1 = QStringLiteral("1 MAIN ST");
    c.suburb = QStringLiteral("CARLTON");
    c.state = QStringLiteral("VIC");
    c.pCode = 3053;
    c.paymentDay = QStringLiteral("01");
    c.paymentMonth = QStringLiteral("07");
    c.paymentYear = QStringLiteral("2018");
    c.taxable = 1000;
    c.taxWithheld = 300;
    c.origAmended = QStringLiteral("O");
    c.checked = QStringLiteral("No");
    return c;
}

struct CheckWorld {
    FaultyFileSystem files;
    ScriptedUi ui;
    AppContext context { ui, files };
    CheckWorld()
    {
        context.report().reportYear = QStringLiteral("2019");
        context.report().reportYearNumber = 2019;
    }
    Report& report() { return context.report(); }
};

TEST(CheckAllEtp, MarksEachEtpPayeeAndCountsTheFailures)
{
    CheckWorld w;
    w.report().payees[1] = etpRecord(1);
    CCards lowerState = etpRecord(2);
    lowerState.state = QStringLiteral("vic");
    w.report().payees[2] = lowerState;
    CCards twoFaults = etpRecord(3);
    twoFaults.tfn.clear();
    twoFaults.surname.clear();
    w.report().payees[3] = twoFaults;
    CCards ignored = etpRecord(4);
    ignored.tfn = QStringLiteral("12345678");
    ignored.ignoreWarnings = QStringLiteral("Yes");
    w.report().payees[4] = ignored;

    CheckAllPayees(w.context);

    EXPECT_EQ(w.report().payees.at(1).checked, QStringLiteral("Yes"));
    EXPECT_EQ(w.report().payees.at(2).checked, QStringLiteral("Error"));
    EXPECT_EQ(w.report().payees.at(3).checked, QStringLiteral("Error"));
    EXPECT_EQ(w.report().payees.at(4).checked, QStringLiteral("Yes"));
    EXPECT_EQ(w.context.checkErrorCount, 2);
    EXPECT_TRUE(w.context.document.IsModified());
    EXPECT_EQ(w.ui.texts(), QStringList { kCheckErrorsMessage });
}

TEST(CheckAllEtp, APassingReportEndsWithNoErrorsAndTheSameOnASecondRun)
{
    CheckWorld w;
    w.report().payees[7] = etpRecord(7);
    w.report().payees[9] = etpRecord(9);
    CheckAllPayees(w.context);
    const auto first = w.report().payees;
    CheckAllPayees(w.context);
    EXPECT_EQ(w.report().payees, first);
    EXPECT_EQ(w.ui.texts(), QStringList({ kCheckNoErrorsMessage, kCheckNoErrorsMessage }));
}

TEST(CheckPayeeEtp, AnIdNotInTheReportIsLeftAlone)
{
    CheckWorld w;
    CheckPayeeETP(w.context, 42);
    EXPECT_TRUE(w.report().payees.empty());
    EXPECT_EQ(w.context.checkErrorCount, 0);
}

} // namespace
