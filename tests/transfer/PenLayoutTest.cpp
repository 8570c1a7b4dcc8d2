#include "transfer/LayoutCases.h"

namespace {

using namespace transfer_test;

constexpr PayeeType P = PayeeType::PEN;
const QString kStream = "Superannuation Income Stream";

INSTANTIATE_TEST_SUITE_P(
    Pen, LayoutCells,
    ::testing::Values(
        CellCase{"IncomeTypeS", P, 4, "S", textOf(&CCards::incomeType), kStream, "S"},
        CellCase{"IncomeTypeLowerWithBlanks", P, 4, " s ", textOf(&CCards::incomeType), kStream, "S"},
        CellCase{"IncomeTypeInWordsUpperCased", P, 4, "Superannuation Income Stream",
                 textOf(&CCards::incomeType), "SUPERANNUATION INCOME STREAM", "S"},
        CellCase{"IncomeTypeEmpty", P, 4, "", textOf(&CCards::incomeType), "", "S"},
        CellCase{"TaxedElementInGross", P, 24, "100", numberOf(&CCards::gross), "100", "100"},
        CellCase{"UntaxedElementInCdep", P, 25, "200", numberOf(&CCards::cdep), "200", "200"},
        CellCase{"TaxWithheld", P, 26, "300", numberOf(&CCards::taxWithheld), "300", "300"},
        CellCase{"TaxFreeComponentInAllowance1", P, 27, "400", numberOf(&CCards::allow1), "400", "400"},
        CellCase{"TaxOffsetInAllowance2", P, 28, "-5", numberOf(&CCards::allow2), "-5", "-5"},
        CellCase{"ArrearsTaxedInLumpA", P, 29, "600", numberOf(&CCards::lumpA), "600", "600"},
        CellCase{"ArrearsUntaxedInLumpB", P, 30, "6 ", numberOf(&CCards::lumpB), "999999", "999999"},
        CellCase{"ArrearsTaxFreeInLumpD", P, 31, "800", numberOf(&CCards::lumpD), "800", "800"},
        CellCase{"StateKeepsItsCase", P, 16, "wa", textOf(&CCards::state), "wa", "wa"},
        CellCase{"DobDayPadded", P, 9, "7", textOf(&CCards::dobDay), "07", "07"},
        CellCase{"AmendedUpperCased", P, 32, "a", textOf(&CCards::origAmended), "A", "A"}),
    caseName);

} // namespace
