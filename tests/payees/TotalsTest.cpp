#include "payees/Totals.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

CCards payee(const char* type, qint32 tax)
{
    CCards p;
    p.payeeType = QString::fromLatin1(type);
    p.taxWithheld = tax;
    return p;
}

PayeeMap mapOf(std::initializer_list<CCards> cards)
{
    PayeeMap m;
    qint32 id = 0;
    for (CCards c : cards) {
        c.payeeId = ++id;
        m.emplace(c.payeeId, c);
    }
    return m;
}

} // namespace

TEST(Totals, EmptyReportSumsToZero)
{
    EXPECT_EQ(ComputeTotals({}), PayeeTotals{});
}

TEST(Totals, TaxPerTypeAndOverAll)
{
    const PayeeTotals t = ComputeTotals(mapOf({payee("INB", 100), payee("INB", 250), payee("ETP", 40)}));
    EXPECT_EQ(t.inbCount, 2);
    EXPECT_EQ(t.inbTax, 350);
    EXPECT_EQ(t.etpCount, 1);
    EXPECT_EQ(t.etpTax, 40);
    EXPECT_EQ(t.totalTax, 390);
}

// Each type's amounts land in its own row, from the member that type keeps
// them in.
TEST(Totals, EachTypeSumsItsOwnMembers)
{
    CCards full;
    full.gross = 1;
    full.totalAllow = 2;
    full.rfbt = 4;
    full.resc = 8;
    full.taxable = 16;
    full.taxFree = 32;
    full.taxWithheld = 64;
    full.cdep = 128; // shown nowhere
    PayeeMap payees;
    qint32 id = 0;
    for (const char* type : {"INB", "ETP", "BUS", "FEI", "PEN", "SLS", "DAS"}) {
        CCards p = full;
        p.payeeId = ++id;
        p.payeeType = QString::fromLatin1(type);
        payees.emplace(id, p);
    }
    const PayeeTotals t = ComputeTotals(payees);
    PayeeTotals expected;
    expected.inbCount = 1, expected.inbGross = 1, expected.inbAllowances = 2, expected.inbRfbt = 4;
    expected.inbResc = 8, expected.inbTax = 64;
    expected.etpCount = 1, expected.etpTaxable = 16, expected.etpTaxFree = 32, expected.etpTax = 64;
    expected.busCount = 1, expected.busGross = 1, expected.busResc = 8, expected.busTax = 64;
    expected.feiCount = 1, expected.feiGross = 1, expected.feiRfbt = 4, expected.feiResc = 8, expected.feiTax = 64;
    expected.penCount = 1, expected.penTaxedElement = 1, expected.penTax = 64; // PEN's taxed element is in gross
    expected.slsCount = 1, expected.slsTaxedElement = 16, expected.slsTax = 64;
    expected.dasCount = 1, expected.dasTaxedElement = 16, expected.dasTax = 64;
    expected.totalTax = 7 * 64;
    EXPECT_EQ(t, expected);
}

TEST(Totals, OnlyExactTypeTextsCount)
{
    const PayeeTotals t = ComputeTotals(mapOf({payee("inb", 10), payee("INB ", 20), payee("", 30), payee("XYZ", 40)}));
    EXPECT_EQ(t, PayeeTotals{});
}

TEST(Totals, AmountsAddAsStoredNotANumberAndNegativeIncluded)
{
    CCards a = payee("INB", -50);
    a.gross = 999999;
    CCards b = payee("INB", 20);
    b.gross = -1000;
    const PayeeTotals t = ComputeTotals(mapOf({a, b}));
    EXPECT_EQ(t.inbGross, 998999);
    EXPECT_EQ(t.inbTax, -30);
    EXPECT_EQ(t.totalTax, -30);
}

TEST(Totals, SumsPastTheIntRangeStayTrue)
{
    CCards big = payee("INB", INT_MAX);
    big.gross = INT_MAX;
    const PayeeTotals t = ComputeTotals(mapOf({big, big, big}));
    EXPECT_EQ(t.inbGross, 3LL * INT_MAX);
    EXPECT_EQ(t.totalTax, 3LL * INT_MAX);
}
