#include "checks/CheckPayeeBus.h"
#include "checks/CheckAll.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace
{

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
