#include "transfer/LayoutCases.h"

namespace {

using namespace transfer_test;

constexpr PayeeType F = PayeeType::FEI;

INSTANTIATE_TEST_SUITE_P(
    Fei, LayoutCells,
    ::testing::Values(
        CellCase{"IncomeTypeF", F, 4, "F", textOf(&CCards::incomeType), "Foreign Income", "F"},
        CellCase{"IncomeTypeLowerF", F, 4, "f", textOf(&CCards::incomeType), "Foreign Income", "F"},
        CellCase{"IncomeTypeJ", F, 4, " j", textOf(&CCards::incomeType), "JPDA Income", "J"},
        CellCase{"IncomeTypeOtherLetter", F, 4, "X", textOf(&CCards::incomeType), "", "F"},
        CellCase{"IncomeTypeTwoLetters", F, 4, "FJ", textOf(&CCards::incomeType), "", "F"},
        CellCase{"IncomeTypeInWords", F, 4, "Foreign Income", textOf(&CCards::incomeType), "", "F"},
        CellCase{"IncomeTypeEmpty", F, 4, "", textOf(&CCards::incomeType), "", "F"},
        CellCase{"ForeignTax", F, 26, "1200", numberOf(&CCards::cdep), "1200", "1200"},
        CellCase{"ForeignTaxSeparator", F, 26, "1,200", numberOf(&CCards::cdep), "999999", "999999"},
        CellCase{"ForeignTaxEmpty", F, 26, "", numberOf(&CCards::cdep), "0", "0"},
        CellCase{"AustralianTax", F, 25, "300", numberOf(&CCards::taxWithheld), "300", "300"},
        CellCase{"LumpSumATypeUpperCased", F, 28, "t", textOf(&CCards::lumpAType), "T", "T"},
        CellCase{"AllowanceNameKeepsItsCase", F, 35, " Car  allowance", textOf(&CCards::allow2Name),
                 "Car allowance", "Car allowance"},
        CellCase{"EndDayPadded", F, 21, "3", textOf(&CCards::endDay), "03", "03"},
        CellCase{"UnionName", F, 42, "CPSU", textOf(&CCards::unionName), "CPSU", "CPSU"}),
    caseName);

class FeiLayout : public TransferTest {};

TEST_F(FeiLayout, CarriesAllowanceNamesButNoAmounts)
{
    CCards c;
    c.payeeId = 3;
    c.payeeType = "FEI";
    c.incomeType = "Foreign Income";
    c.allow1Name = "Car";
    c.allow1 = 400;
    c.allow4 = 9;
    c.totalAllow = 409;
    c.lumpB = 5;
    c.exemptForeign = 6;
    c.annuity = 7;
    c.other1 = 8;
    report().payees[3] = c;
    const QByteArray bytes = exportBytes(PayeeType::FEI);

    report().payees.clear();
    importBytes(PayeeType::FEI, bytes);
    const CCards& back = report().payees.at(3);
    EXPECT_EQ(back.allow1Name, "Car");
    for (qint32 amount : {back.allow1, back.allow4, back.totalAllow, back.lumpB, back.exemptForeign, back.annuity,
                          back.other1})
        EXPECT_EQ(amount, 0);
}

} // namespace
