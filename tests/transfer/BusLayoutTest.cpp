#include "transfer/LayoutCases.h"

namespace {

using namespace transfer_test;

constexpr PayeeType B = PayeeType::BUS;
const QByteArray kAbnInGroups = "53 004 085 616";
const QString kAbn = "53004085616";
const QByteArray kTfnInGroups = "123 456 782";
const QString kTfn = "123456782";

std::map<int, QByteArray> paymentType(const QByteArray& type)
{
    return {{4, type}};
}

// The tax-number column goes to the ABN or the TFN by the payment type.
INSTANTIATE_TEST_SUITE_P(
    BusTaxNumber, LayoutCells,
    ::testing::Values(
        CellCase{"VoluntaryAgreementAbn", B, 5, kAbnInGroups, textOf(&CCards::abn), kAbn, kAbn,
                 paymentType("Voluntary Agreement")},
        CellCase{"VoluntaryAgreementTfnZeros", B, 5, kAbnInGroups, textOf(&CCards::tfn), "000000000", kAbn,
                 paymentType("Voluntary Agreement")},
        CellCase{"CapitalsCount", B, 5, kAbnInGroups, textOf(&CCards::abn), kAbn, kAbn,
                 paymentType("VOLUNTARY AGREEMENT")},
        CellCase{"TrimmedAndCollapsedCounts", B, 5, kAbnInGroups, textOf(&CCards::abn), kAbn, kAbn,
                 paymentType("  Voluntary   Agreement ")},
        CellCase{"LowerCaseIsNotAnAgreement", B, 5, kAbnInGroups, textOf(&CCards::tfn), kAbn, kAbn,
                 paymentType("voluntary agreement")},
        CellCase{"LowerCaseAbnZeros", B, 5, kAbnInGroups, textOf(&CCards::abn), "00000000000", kAbn,
                 paymentType("voluntary agreement")},
        CellCase{"LabourHireTfn", B, 5, kTfnInGroups, textOf(&CCards::tfn), kTfn, kTfn, paymentType("Labour Hire")},
        CellCase{"LabourHireAbnZeros", B, 5, kTfnInGroups, textOf(&CCards::abn), "00000000000", kTfn,
                 paymentType("Labour Hire")},
        CellCase{"EmptyTypeTfn", B, 5, kTfnInGroups, textOf(&CCards::tfn), kTfn, kTfn}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Bus, LayoutCells,
    ::testing::Values(
        CellCase{"PaymentTypeKeepsItsCase", B, 4, " Labour  Hire ", textOf(&CCards::busPaymentType), "Labour Hire",
                 "Labour Hire"},
        CellCase{"PaymentTypeOutsideTheList", B, 4, "other", textOf(&CCards::busPaymentType), "other", "other"},
        CellCase{"StartDayPadded", B, 18, "1", textOf(&CCards::startDay), "01", "01"},
        CellCase{"EndMonthPadded", B, 22, "9", textOf(&CCards::endMonth), "09", "09"},
        CellCase{"EndYearNotPadded", B, 23, "9", textOf(&CCards::endYear), "9", "9"},
        CellCase{"StateKeepsItsCase", B, 16, "qld", textOf(&CCards::state), "qld", "qld"},
        CellCase{"AmendedUpperCased", B, 27, "o", textOf(&CCards::origAmended), "O", "O"},
        CellCase{"GrossWithSeparator", B, 24, "1,500", numberOf(&CCards::gross), "999999", "999999"},
        CellCase{"TaxDecimal", B, 25, "1500.00", numberOf(&CCards::taxWithheld), "999999", "999999"},
        CellCase{"RescEmpty", B, 26, "", numberOf(&CCards::resc), "0", "0"},
        CellCase{"Resc", B, 26, "2500", numberOf(&CCards::resc), "2500", "2500"}),
    caseName);

} // namespace
