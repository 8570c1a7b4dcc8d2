#include "payees/PayeeSlsDasTestKit.h"
#include "payees/PayeeTypeDas.h"

#include <gtest/gtest.h>

using namespace slsdastest;

namespace
{

using F = PayeeField;

// A DAS payee every rule accepts in report year 2019.
CCards dasPayee()
{
    CCards c;
    c.payeeId = 9;
    c.payeeType = QStringLiteral("DAS");
    c.tfn = QStringLiteral("123456782");
    c.surname = QStringLiteral("CITIZEN");
    c.firstName = QStringLiteral("JANE");
    c.addLine1 = QStringLiteral("12 HIGH ST");
    c.suburb = QStringLiteral("AUCKLAND");
    c.state = QStringLiteral("OTH");
    c.pCode = 9999;
    c.country = QStringLiteral("NEW ZEALAND");
    c.paymentDay = QStringLiteral("15");
    c.paymentMonth = QStringLiteral("01");
    c.paymentYear = QStringLiteral("2019");
    c.taxable = 8000;
    c.other1 = 1000;
    c.taxFree = 300;
    c.taxWithheld = 2000;
    c.origAmended = QStringLiteral("O");
    return c;
}

class DasRules : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(DasRules, FormMarksAndCheckDecides)
{
    runCase<PayeeDasForm>(GetParam(), kDasType, dasPayee());
}

constexpr auto Pass = Checked::Pass;
constexpr auto Fail = Checked::Fail;
constexpr auto Ignored = Checked::PassIfIgnored;

INSTANTIATE_TEST_SUITE_P(Das, DasRules,
    ::testing::Values(RuleCase { "valid", kNothing, {}, {}, Pass },
        // TFN
        RuleCase { "tfnEmpty", text(&CCards::tfn, ""), { F::Tfn }, {}, Fail },
        RuleCase { "tfnListBlank", text(&CCards::tfn, " "), { F::Tfn }, {}, Fail },
        RuleCase { "tfnGroups", text(&CCards::tfn, "123 456 782"), {}, {}, Pass },
        RuleCase { "tfnEightDigits", text(&CCards::tfn, "12345678"), {}, { F::Tfn }, Ignored },
        // Names
        RuleCase { "surnameEmpty", text(&CCards::surname, ""), { F::Surname }, {}, Fail },
        RuleCase { "surnameOneLetter", text(&CCards::surname, "C"), {}, { F::Surname }, Ignored },
        RuleCase { "noGivenNames", text(&CCards::firstName, ""), {}, { F::FirstName }, Ignored },
        RuleCase { "secondWithoutFirst", both(text(&CCards::firstName, ""), text(&CCards::secName, "ANNE")),
            { F::FirstName }, {}, Fail },
        RuleCase { "secondBadChars", text(&CCards::secName, "ANNE\""), { F::SecName }, {}, Fail },
        // No date of birth: whatever a record holds there is never judged
        RuleCase { "birthDateIgnored",
            both(text(&CCards::dobDay, "31"), both(text(&CCards::dobMonth, "02"), text(&CCards::dobYear, "2018"))), {},
            {}, Pass },
        // Addresses: overseas and Australian
        RuleCase { "addressLine1Empty", text(&CCards::addLine1, ""), { F::AddLine1 }, {}, Fail },
        RuleCase { "suburbBadChars", text(&CCards::suburb, "ST. KILDA"), { F::Suburb }, {}, Fail },
        RuleCase { "overseasLowerCase", place("OTH", 9999, "new zealand"), {}, {}, Pass },
        RuleCase { "overseasEmptyCountry", place("OTH", 9999, ""), { F::PCode, F::State, F::Country }, {}, Fail },
        RuleCase { "overseasAU", place("OTH", 9999, "AU"), { F::PCode, F::State, F::Country }, {}, Fail },
        RuleCase { "overseasAustralia", place("OTH", 9999, "AUSTRALIA"), { F::PCode, F::State, F::Country }, {}, Fail },
        RuleCase { "overseasNot9999", place("OTH", 2000, "FIJI"), { F::PCode, F::State }, {}, Fail },
        RuleCase { "australian", place("VIC", 3000, ""), {}, {}, Pass },
        RuleCase { "australianNamed", place("VIC", 3000, "AUSTRALIA"), {}, {}, Pass },
        RuleCase { "australianAus", place("VIC", 3000, "AUS"), { F::Country }, {}, Fail },
        RuleCase { "australianForeignCountry", place("NSW", 2000, "FIJI"), { F::Country }, {}, Fail },
        RuleCase { "australian9999", place("NSW", 9999, ""), { F::PCode, F::State }, {}, Fail },
        RuleCase { "nt800", place("NT", 800, ""), {}, {}, Pass },
        RuleCase { "nsw800", place("NSW", 800, ""), { F::PCode }, {}, Fail },
        RuleCase { "postcodeZero", place("VIC", 0, ""), { F::PCode }, {}, Fail },
        RuleCase { "stateUnknown", place("XYZ", 3000, ""), { F::State }, {}, Fail },
        RuleCase { "countryFullStop", place("OTH", 9999, "N.Z."), { F::Country }, {}, Fail },
        // Payment date bounds, report year 2019
        RuleCase { "paidFirstDay", paid("01", "07", "2018"), {}, {}, Pass },
        RuleCase { "paidLastDay", paid("30", "06", "2019"), {}, {}, Pass },
        RuleCase { "paidDayBefore", paid("30", "06", "2018"), { F::PaymentDate }, {}, Fail },
        RuleCase { "paidDayAfter", paid("01", "07", "2019"), { F::PaymentDate }, {}, Fail },
        RuleCase { "paid29Feb2019", paid("29", "02", "2019"), { F::PaymentDate }, {}, Fail },
        RuleCase { "paid31April", paid("31", "04", "2019"), { F::PaymentDate }, {}, Fail },
        RuleCase { "paidNoDay", paid("", "01", "2019"), { F::PaymentDate }, {}, Fail },
        RuleCase { "paidLetters", paid("1O", "01", "2019"), { F::PaymentDate }, {}, Fail },
        // Payroll number and indicator
        RuleCase { "payrollBadChars", text(&CCards::payrollNo, "A.1"), { F::PayrollNo }, {}, Fail },
        RuleCase { "indicatorOther", text(&CCards::origAmended, "X"), { F::OrigAmended }, {}, Fail },
        // Amounts
        RuleCase { "taxAboveTaxed", amounts(400, 0, 0, 500), {}, { F::AmountValidation }, Ignored },
        RuleCase { "taxWithinBoth", amounts(400, 200, 0, 500), {}, {}, Pass },
        RuleCase { "taxFreeNeverCounts", amounts(0, 0, 5000, 0), {}, { F::AmountValidation }, Ignored },
        RuleCase { "placeholder", amounts(999999, 0, 0, 100), { F::Taxable }, { F::Check999999 }, Fail },
        RuleCase { "amountNegative", amounts(1000, 0, -1, 100), { F::TaxFree }, {}, Fail },
        // A state the form upper-cases and the check takes as stored
        RuleCase { "stateLowerCase", place("vic", 3000, ""), {}, {}, Fail }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DasAmounts, EmptyFormShowsTheSecondMessage)
{
    CCards empty;
    empty.origAmended = QStringLiteral("O");
    const FormResult r = saveNewPayee<PayeeDasForm>(empty);
    EXPECT_EQ(r.errors, (FieldSet { F::Tfn, F::Surname, F::AddLine1, F::Suburb, F::PCode, F::State, F::PaymentDate }));
    EXPECT_EQ(r.warnings, (FieldSet { F::FirstName, F::AmountValidation }));
    EXPECT_EQ(r.messages,
        QStringList({ kDasNoTaxableMessage.toString(),
            QStringLiteral("Please correct all highlighted entries and press Save again.") }));
}

TEST(DasAmounts, TickedBoxSilencesTheMessageAndStoresTheFlag)
{
    CCards payee = dasPayee();
    amounts(400, 0, 0, 500)(payee);
    const FormResult first = saveNewPayee<PayeeDasForm>(payee);
    EXPECT_EQ(first.messages,
        QStringList({ kDasTaxAboveTaxableMessage.toString(),
            QStringLiteral("Please correct all highlighted entries and press Save again.") }));
    const FormResult ticked = saveNewPayee<PayeeDasForm>(payee, true);
    ASSERT_TRUE(ticked.stored);
    EXPECT_TRUE(ticked.messages.isEmpty());
    EXPECT_EQ(ticked.record.ignoreWarnings, QStringLiteral("Yes"));
}

// ---------------------------------------------------------------------------
// The record stored by the form and written back by the check.

TEST(DasStore, FormStoresNoBirthDateNorDeathBenefit)
{
    CCards payee = dasPayee();
    payee.tfn = QStringLiteral("123 456 782");
    payee.suburb = QStringLiteral(" auckland  central ");
    payee.state = QStringLiteral("oth");
    payee.country = QStringLiteral("new zealand");
    payee.payrollNo = QStringLiteral("D7");
    // What an old record may hold in the members DAS does not use.
    payee.dobDay = QStringLiteral("01");
    payee.dobMonth = QStringLiteral("02");
    payee.dobYear = QStringLiteral("1970");
    payee.etpPaymentType = QStringLiteral("Y");
    payee.spare1 = QStringLiteral("Non-Dependent");
    payee.abn = QStringLiteral("53004085616");
    payee.lumpA = 4;

    const FormResult r = saveNewPayee<PayeeDasForm>(payee);
    ASSERT_TRUE(r.stored) << r.messages.join(u'|').toStdString();
    CCards expected;
    expected.payeeId = 1;
    expected.payrollNo = QStringLiteral("D7");
    expected.payeeType = QStringLiteral("DAS");
    expected.tfn = QStringLiteral("123456782");
    expected.surname = QStringLiteral("CITIZEN");
    expected.firstName = QStringLiteral("JANE");
    expected.addLine1 = QStringLiteral("12 HIGH ST");
    expected.suburb = QStringLiteral("AUCKLAND CENTRAL");
    expected.state = QStringLiteral("OTH");
    expected.pCode = 9999;
    expected.country = QStringLiteral("NEW ZEALAND");
    expected.paymentDay = QStringLiteral("15");
    expected.paymentMonth = QStringLiteral("01");
    expected.paymentYear = QStringLiteral("2019");
    expected.taxWithheld = 2000;
    expected.other1 = 1000;
    expected.origAmended = QStringLiteral("O");
    expected.taxable = 8000;
    expected.taxFree = 300;
    expected.checked = QStringLiteral("Yes");
    EXPECT_EQ(r.record, expected);
}

TEST(DasStore, CheckPassesTheBirthDateAndDeathBenefitMembersThrough)
{
    CCards record = dasPayee();
    record.tfn = QStringLiteral(" 123 456 782");
    record.surname = QStringLiteral("  CITIZEN ");
    record.suburb = QStringLiteral("auckland"); // the check keeps the case
    record.country = QStringLiteral("new  zealand");
    record.dobDay = QStringLiteral(" 1 ");
    record.dobMonth = QStringLiteral("2");
    record.dobYear = QStringLiteral("1970 ");
    record.etpPaymentType = QStringLiteral(" Y ");
    record.spare1 = QStringLiteral(" Trustee ");
    record.ignoreWarnings = QStringLiteral("Yes");
    record.gross = 5;
    record.startDay = QStringLiteral("01");
    record.spareInt4 = 8;

    ASSERT_TRUE(check(kDasType, record));
    CCards expected = dasPayee();
    expected.suburb = QStringLiteral("auckland");
    expected.dobDay = QStringLiteral("1");
    expected.dobMonth = QStringLiteral("2");
    expected.dobYear = QStringLiteral("1970");
    expected.etpPaymentType = QStringLiteral("Y");
    expected.spare1 = QStringLiteral(" Trustee ");
    expected.ignoreWarnings = QStringLiteral("Yes");
    expected.checked = QStringLiteral("Yes");
    EXPECT_EQ(record, expected);

    const CCards once = record;
    ASSERT_TRUE(check(kDasType, record));
    EXPECT_EQ(record, once);
}

TEST(DasStore, FailingRecordKeepsEverythingButChecked)
{
    CCards record = dasPayee();
    record.surname = QStringLiteral(" CITIZEN ");
    record.state = QStringLiteral("oth");
    record.dobYear = QStringLiteral("x");
    record.checked = QStringLiteral("Yes");
    CCards expected = record;
    expected.checked = QStringLiteral("Error");
    EXPECT_FALSE(check(kDasType, record));
    EXPECT_EQ(record, expected);
}

} // namespace
