#include "transfer/LayoutCases.h"

namespace {

using namespace transfer_test;

constexpr PayeeType E = PayeeType::ETP;

INSTANTIATE_TEST_SUITE_P(
    Etp, LayoutCells,
    ::testing::Values(
        CellCase{"PaymentTypeUpperCasedNotMapped", E, 4, " r ", textOf(&CCards::etpPaymentType), "R", "R"},
        CellCase{"PaymentTypeOutsideTheList", E, 4, "rb", textOf(&CCards::etpPaymentType), "RB", "RB"},
        CellCase{"TfnInGroups", E, 5, "123 456 782", textOf(&CCards::tfn), "123456782", "123456782"},
        CellCase{"DayPadded", E, 18, " 7 ", textOf(&CCards::paymentDay), "07", "07"},
        CellCase{"MonthPadded", E, 19, "5", textOf(&CCards::paymentMonth), "05", "05"},
        CellCase{"LongDayKept", E, 9, "005", textOf(&CCards::dobDay), "005", "005"},
        CellCase{"YearNotPadded", E, 20, "5", textOf(&CCards::paymentYear), "5", "5"},
        CellCase{"StateKeepsItsCase", E, 16, "nsw", textOf(&CCards::state), "nsw", "nsw"},
        CellCase{"SuburbUpperCasedAndCollapsed", E, 14, "  north   sydney ", textOf(&CCards::suburb),
                 "NORTH SYDNEY", "NORTH SYDNEY"},
        CellCase{"CountryUpperCased", E, 17, "fiji", textOf(&CCards::country), "FIJI", "FIJI"},
        CellCase{"AmendedUpperCased", E, 24, "a", textOf(&CCards::origAmended), "A", "A"},
        CellCase{"PostcodeLeadingZero", E, 15, "0800", numberOf(&CCards::pCode), "800", "800"},
        CellCase{"TaxableComponent", E, 21, "1234", numberOf(&CCards::taxable), "1234", "1234"},
        CellCase{"TaxFreeComponentDecimal", E, 22, "1234.56", numberOf(&CCards::taxFree), "999999", "999999"},
        CellCase{"TaxNegative", E, 23, "-50", numberOf(&CCards::taxWithheld), "-50", "-50"},
        CellCase{"EmptyAmountIsZero", E, 23, "", numberOf(&CCards::taxWithheld), "0", "0"}),
    caseName);

} // namespace
