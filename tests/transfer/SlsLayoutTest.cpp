#include "transfer/LayoutCases.h"

namespace {

using namespace transfer_test;

constexpr PayeeType S = PayeeType::SLS;

INSTANTIATE_TEST_SUITE_P(
    Sls, LayoutCells,
    ::testing::Values(
        CellCase{"DeathBenefitTypeEmpty", S, 25, "", textOf(&CCards::spare1), "N/A", ""},
        CellCase{"DeathBenefitTypeBlanks", S, 25, "   ", textOf(&CCards::spare1), "N/A", ""},
        CellCase{"DeathBenefitTypeT", S, 25, " t ", textOf(&CCards::spare1), "Trustee of Deceased Estate", "T"},
        CellCase{"DeathBenefitTypeO", S, 25, "o", textOf(&CCards::spare1), "Non-Dependent", "O"},
        CellCase{"DeathBenefitTypeInWords", S, 25, "Trustee", textOf(&CCards::spare1), "TRUSTEE", ""},
        CellCase{"DeathBenefitUpperCased", S, 24, "y", textOf(&CCards::etpPaymentType), "Y", "Y"},
        CellCase{"StateUpperCased", S, 15, " vic ", textOf(&CCards::state), "VIC", "VIC"},
        CellCase{"SurnameKeepsItsCase", S, 5, "de  la   Cruz", textOf(&CCards::surname), "de la Cruz", "de la Cruz"},
        CellCase{"SuburbUpperCased", S, 13, "hobart", textOf(&CCards::suburb), "HOBART", "HOBART"},
        CellCase{"PaymentDayPadded", S, 17, "7", textOf(&CCards::paymentDay), "07", "07"},
        CellCase{"PaymentMonthLong", S, 18, "007", textOf(&CCards::paymentMonth), "007", "007"},
        CellCase{"PaymentYearTwoDigits", S, 19, "18", textOf(&CCards::paymentYear), "18", "18"},
        CellCase{"TaxedElement", S, 20, "900", numberOf(&CCards::taxable), "900", "900"},
        CellCase{"UntaxedElementInOther1", S, 21, "800", numberOf(&CCards::other1), "800", "800"},
        CellCase{"TaxFree", S, 22, "1.5", numberOf(&CCards::taxFree), "999999", "999999"},
        CellCase{"Tax", S, 23, "-50", numberOf(&CCards::taxWithheld), "-50", "-50"},
        CellCase{"TfnInGroups", S, 4, " 123 456 782 ", textOf(&CCards::tfn), "123456782", "123456782"},
        CellCase{"PostcodeLeadingZero", S, 14, "0800", numberOf(&CCards::pCode), "800", "800"}),
    caseName);

class SlsLayout : public TransferTest {};

TEST_F(SlsLayout, AStoredNotApplicableComesBackAsNotApplicable)
{
    CCards c;
    c.payeeId = 5;
    c.payeeType = "SLS";
    c.spare1 = "N/A";
    report().payees[5] = c;
    const QByteArray bytes = exportBytes(PayeeType::SLS);
    report().payees.clear();
    importBytes(PayeeType::SLS, bytes);
    EXPECT_EQ(report().payees.at(5).spare1, "N/A");
}

} // namespace
