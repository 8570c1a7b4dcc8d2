#include "transfer/LayoutCases.h"

namespace {

using namespace transfer_test;

constexpr PayeeType D = PayeeType::DAS;

INSTANTIATE_TEST_SUITE_P(
    Das, LayoutCells,
    ::testing::Values(
        CellCase{"StateUpperCased", D, 12, "nsw", textOf(&CCards::state), "NSW", "NSW"},
        CellCase{"CountryUpperCased", D, 13, "india", textOf(&CCards::country), "INDIA", "INDIA"},
        CellCase{"SurnameKeepsItsCase", D, 5, " van  Dyke ", textOf(&CCards::surname), "van Dyke", "van Dyke"},
        CellCase{"PaymentDayPadded", D, 14, "7", textOf(&CCards::paymentDay), "07", "07"},
        CellCase{"PaymentMonthPadded", D, 15, "3", textOf(&CCards::paymentMonth), "03", "03"},
        CellCase{"PaymentYearAsItStands", D, 16, "2028", textOf(&CCards::paymentYear), "2028", "2028"},
        CellCase{"TaxedElement", D, 17, "900", numberOf(&CCards::taxable), "900", "900"},
        CellCase{"UntaxedElementInOther1", D, 18, "800", numberOf(&CCards::other1), "800", "800"},
        CellCase{"TaxFree", D, 19, "700 ", numberOf(&CCards::taxFree), "999999", "999999"},
        CellCase{"Tax", D, 20, "", numberOf(&CCards::taxWithheld), "0", "0"},
        CellCase{"AmendedUpperCased", D, 21, "a", textOf(&CCards::origAmended), "A", "A"},
        CellCase{"PostcodeLeadingZero", D, 11, "0800", numberOf(&CCards::pCode), "800", "800"}),
    caseName);

class DasLayout : public TransferTest {};

TEST_F(DasLayout, NeverGetsADateOfBirthOrDeathBenefitFromTheFile)
{
    importBytes(PayeeType::DAS, fileOf({dataLine(21, {{1, "4"}, {8, "12"}, {9, "05"}, {10, "SYDNEY"}})}));
    const CCards& c = report().payees.at(4);
    EXPECT_EQ(c.addLine1, "12");
    EXPECT_EQ(c.addLine2, "05");
    for (const QString& empty : {c.dobDay, c.dobMonth, c.dobYear, c.etpPaymentType, c.spare1})
        EXPECT_EQ(empty, "");
}

TEST_F(DasLayout, ImportingItsOwnExportAddsCopiesUnderNewIds)
{
    for (qint32 id : {2, 6}) {
        CCards c;
        c.payeeId = id;
        c.payeeType = "DAS";
        c.surname = QStringLiteral("Payee %1").arg(id);
        report().payees[id] = c;
    }
    report().highestPayeeId = 6;
    const Report before = report();
    importBytes(PayeeType::DAS, exportBytes(PayeeType::DAS));
    ASSERT_EQ(report().payees.size(), 4u);
    EXPECT_EQ(report().payees.at(2), before.payees.at(2));
    EXPECT_EQ(report().payees.at(6), before.payees.at(6));
    EXPECT_EQ(report().payees.at(7).surname, "Payee 2");
    EXPECT_EQ(report().payees.at(8).surname, "Payee 6");
    EXPECT_EQ(report().highestPayeeId, 8);
}

} // namespace
