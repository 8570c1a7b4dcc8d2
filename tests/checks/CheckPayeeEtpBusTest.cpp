#include "checks/CheckAll.h"
#include "checks/CheckPayeeBus.h"
#include "checks/CheckPayeeEtp.h"
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

const QString kAbnMessage = QStringLiteral("ABN must be 11 digits, no spaces.");

CCards busRecord(qint32 id, const QString& paymentType = QStringLiteral("Labour Hire"))
{
    CCards c;
    c.payeeId = id;
    c.payeeType = QStringLiteral("BUS");
    c.busPaymentType = paymentType;
    c.tfn = QStringLiteral("123456782");
    c.abn = QStringLiteral("51824753556");
    c.surname = QStringLiteral("CITIZEN");
    c.firstName = QStringLiteral("JANE");
    c.addLine1 = QStringLiteral("1 MAIN ST");
    c.suburb = QStringLiteral("CARLTON");
    c.state = QStringLiteral("VIC");
    c.pCode = 3053;
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2018");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2019");
    c.gross = 1000;
    c.taxWithheld = 100;
    c.origAmended = QStringLiteral("O");
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

TEST(CheckAllBus, CheckAbnMessagesComeInIdOrderBeforeTheEndMessage)
{
    CheckWorld w;
    const QString voluntary = QStringLiteral("Voluntary Agreement");
    CCards plus = busRecord(30, voluntary);
    plus.abn = QStringLiteral("+1824753556");
    CCards minus = busRecord(10, voluntary);
    minus.abn = QStringLiteral("-1824753556");
    CCards failsFirst = busRecord(20, voluntary); // stops at its amount, never reaching the ABN
    failsFirst.abn = QStringLiteral("+1824753556");
    failsFirst.resc = 999999;
    w.report().payees[30] = plus;
    w.report().payees[10] = minus;
    w.report().payees[20] = failsFirst;
    w.report().payees[40] = busRecord(40, voluntary);
    w.report().payees[50] = busRecord(50);

    CheckAllPayees(w.context);

    EXPECT_EQ(w.ui.texts(), QStringList({ kAbnMessage, kAbnMessage, kCheckErrorsMessage }));
    EXPECT_EQ(w.context.checkErrorCount, 3);
    for (const qint32 id : { 10, 20, 30 })
        EXPECT_EQ(w.report().payees.at(id).checked, QStringLiteral("Error")) << id;
    EXPECT_EQ(w.report().payees.at(40).checked, QStringLiteral("Yes"));
    EXPECT_EQ(w.report().payees.at(40).tfn, QStringLiteral("000000000"));
    EXPECT_EQ(w.report().payees.at(50).checked, QStringLiteral("Yes"));
    EXPECT_EQ(w.report().payees.at(50).abn, QStringLiteral("00000000000"));
    EXPECT_TRUE(w.context.document.IsModified());
}

TEST(CheckAllBus, AnImportedRecordOfEveryKindOfFaultIsMarkedErrorWithoutACrash)
{
    CheckWorld w;
    CCards spelling = busRecord(1, QStringLiteral("LABOUR HIRE"));
    CCards lowerState = busRecord(2);
    lowerState.state = QStringLiteral("vic");
    CCards outOfRange = busRecord(3);
    outOfRange.gross = -2147483647 - 1;
    CCards badDates = busRecord(4);
    badDates.startDay = QStringLiteral("99999999999999999999");
    badDates.endYear = QStringLiteral("-1");
    CCards both = busRecord(5); // a TFN and an ABN both filled: the type decides
    w.report().payees[1] = spelling;
    w.report().payees[2] = lowerState;
    w.report().payees[3] = outOfRange;
    w.report().payees[4] = badDates;
    w.report().payees[5] = both;

    CheckAllPayees(w.context);

    for (const qint32 id : { 1, 2, 3, 4 })
        EXPECT_EQ(w.report().payees.at(id).checked, QStringLiteral("Error")) << id;
    EXPECT_EQ(w.report().payees.at(5).checked, QStringLiteral("Yes"));
    EXPECT_EQ(w.context.checkErrorCount, 4);
    EXPECT_EQ(w.ui.texts(), QStringList { kCheckErrorsMessage });
}

} // namespace
