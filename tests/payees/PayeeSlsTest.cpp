#include "payees/PayeeSlsDasTestKit.h"
#include "payees/PayeeTypeSls.h"

#include <gtest/gtest.h>

using namespace slsdastest;

namespace
{

using F = PayeeField;

// An SLS payee every rule accepts in report year 2019.
CCards slsPayee()
{
    CCards c;
    c.payeeId = 7;
    c.payeeType = QStringLiteral("SLS");
    c.deathBenefit() = QStringLiteral("N");
    c.deathBenefitRecipient() = QStringLiteral("N/A");
    c.tfn = QStringLiteral("123456782");
    c.surname = QStringLiteral("CITIZEN");
    c.firstName = QStringLiteral("JANE");
    c.dobDay = QStringLiteral("15");
    c.dobMonth = QStringLiteral("06");
    c.dobYear = QStringLiteral("1980");
    c.addLine1 = QStringLiteral("1 MAIN ST");
    c.suburb = QStringLiteral("CARLTON");
    c.state = QStringLiteral("VIC");
    c.pCode = 3053;
    c.paymentDay = QStringLiteral("30");
    c.paymentMonth = QStringLiteral("06");
    c.paymentYear = QStringLiteral("2019");
    c.taxable = 10000;
    c.other1 = 2000;
    c.taxFree = 500;
    c.taxWithheld = 3000;
    c.origAmended = QStringLiteral("O");
    return c;
}

Change dob(const char* d, const char* m, const char* y)
{
    return [=](CCards& c) {
        set(&CCards::dobDay, d, c);
        set(&CCards::dobMonth, m, c);
        set(&CCards::dobYear, y, c);
    };
}
Change benefit(const char* answer, const char* recipient)
{
    return [=](CCards& c) {
        set(&CCards::etpPaymentType, answer, c);
        set(&CCards::spare1, recipient, c);
    };
}

class SlsRules : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(SlsRules, FormMarksAndCheckDecides)
{
    runCase<PayeeSlsForm>(GetParam(), kSlsType, slsPayee());
}

constexpr auto Pass = Checked::Pass;
constexpr auto Fail = Checked::Fail;
constexpr auto Ignored = Checked::PassIfIgnored;

INSTANTIATE_TEST_SUITE_P(Sls, SlsRules,
    ::testing::Values(RuleCase { "valid", kNothing, {}, {}, Pass },
        // TFN
        RuleCase { "tfnEmpty", text(&CCards::tfn, ""), { F::Tfn }, {}, Fail },
        RuleCase { "tfnListBlank", text(&CCards::tfn, " "), { F::Tfn }, {}, Fail },
        RuleCase { "tfnGroups", text(&CCards::tfn, "123 456 782"), {}, {}, Pass },
        RuleCase { "tfnZeros", text(&CCards::tfn, "000 000 000"), {}, {}, Pass },
        RuleCase { "tfnTenDigits", text(&CCards::tfn, "1234567820"), {}, { F::Tfn }, Ignored },
        RuleCase { "tfnCheckDigit", text(&CCards::tfn, "123456789"), {}, { F::Tfn }, Ignored },
        // Death benefit and recipient (every pair is in its own test)
        RuleCase { "answerEmpty", benefit("", ""), { F::EtpPaymentType }, {}, Fail },
        RuleCase { "answerOtherRecipientUntested", benefit("X", "Nobody"), { F::EtpPaymentType }, {}, Fail },
        RuleCase { "answerPadded", benefit(" Y ", "Non-Dependent"), {}, {}, Pass },
        // Names
        RuleCase { "surnameEmpty", text(&CCards::surname, ""), { F::Surname }, {}, Fail },
        RuleCase { "surnameOneLetter", text(&CCards::surname, "C"), {}, { F::Surname }, Ignored },
        RuleCase { "surnameFullStop", text(&CCards::surname, "ST. JOHN"), { F::Surname }, {}, Fail },
        RuleCase { "noGivenNames", text(&CCards::firstName, ""), {}, { F::FirstName }, Ignored },
        RuleCase { "firstNameOneLetter", text(&CCards::firstName, "J"), {}, { F::FirstName }, Ignored },
        RuleCase { "secondWithoutFirst", both(text(&CCards::firstName, ""), text(&CCards::secName, "ANNE")),
            { F::FirstName }, {}, Fail },
        RuleCase { "secondBadChars", text(&CCards::secName, "ANNE\""), { F::SecName }, {}, Fail },
        // Date of birth (the years that differ by mode are in their own table)
        RuleCase { "dobNotGiven", dob("", "", ""), {}, {}, Pass },
        RuleCase { "dobZeros", dob("00", "00", "0000"), {}, {}, Pass },
        RuleCase { "dob1900", dob("15", "06", "1900"), {}, { F::DateOfBirth }, Ignored },
        RuleCase { "dob31April", dob("31", "04", "1980"), { F::DateOfBirth }, {}, Fail },
        RuleCase { "dob29Feb2000", dob("29", "02", "2000"), {}, {}, Pass },
        RuleCase { "dob29Feb2001", dob("29", "02", "2001"), { F::DateOfBirth }, {}, Fail },
        RuleCase { "dob30FebNoYear", dob("30", "02", "0000"), { F::DateOfBirth }, {}, Fail },
        RuleCase { "dob31JuneNoYear", dob("31", "06", ""), { F::DateOfBirth }, {}, Fail },
        RuleCase { "dobDay32", dob("32", "01", "1980"), { F::DateOfBirth }, {}, Fail },
        RuleCase { "dobMonth13", dob("01", "13", "1980"), { F::DateOfBirth }, {}, Fail },
        RuleCase { "dobYearLetters", dob("01", "01", "19A0"), { F::DateOfBirth }, {}, Fail },
        RuleCase { "dobYearOnly", dob("", "", "1975"), {}, {}, Pass },
        // Address
        RuleCase { "addressLine1Empty", text(&CCards::addLine1, ""), { F::AddLine1 }, {}, Fail },
        RuleCase { "addressLine2BadChars", text(&CCards::addLine2, "C/- \"X\""), { F::AddLine2 }, {}, Fail },
        RuleCase { "suburbEmpty", text(&CCards::suburb, ""), { F::Suburb }, {}, Fail },
        RuleCase { "nt800", place("NT", 800, ""), {}, {}, Pass },
        RuleCase { "nsw800", place("NSW", 800, ""), { F::PCode }, {}, Fail },
        RuleCase { "postcodeZero", place("VIC", 0, ""), { F::PCode }, {}, Fail },
        RuleCase { "postcodeFiveDigits", place("VIC", 30000, ""), { F::PCode }, {}, Fail },
        RuleCase { "stateEmpty", place("", 3053, ""), { F::State }, {}, Fail },
        RuleCase { "vic9999", place("VIC", 9999, ""), { F::PCode, F::State }, {}, Fail },
        RuleCase { "othNot9999", place("OTH", 3000, "FIJI"), { F::PCode, F::State }, {}, Fail },
        RuleCase { "overseas", place("OTH", 9999, "FIJI"), {}, {}, Pass },
        RuleCase { "overseasAust", place("OTH", 9999, "AUST"), { F::PCode, F::State, F::Country }, {}, Fail },
        RuleCase { "vicAustralia", place("VIC", 3000, "AUSTRALIA"), {}, {}, Pass },
        RuleCase { "vicAus", place("VIC", 3000, "AUS"), { F::Country }, {}, Fail },
        RuleCase { "countryFullStop", place("OTH", 9999, "N.Z."), { F::Country }, {}, Fail },
        // Payment date, report year 2019
        RuleCase { "paidFirstDay", paid("01", "07", "2018"), {}, {}, Pass },
        RuleCase { "paidLastDay", paid("30", "06", "2019"), {}, {}, Pass },
        RuleCase { "paidBeforeYear", paid("30", "06", "2018"), { F::PaymentDate }, {}, Fail },
        RuleCase { "paidAfterYear", paid("01", "07", "2019"), { F::PaymentDate }, {}, Fail },
        RuleCase { "paid29Feb2019", paid("29", "02", "2019"), { F::PaymentDate }, {}, Fail },
        RuleCase { "paidNotGiven", paid("", "", ""), { F::PaymentDate }, {}, Fail },
        RuleCase { "paidDayTooWide", paid("001", "07", "2018"), { F::PaymentDate }, {}, Fail },
        // Payroll number and indicator
        RuleCase { "payrollBadChars", text(&CCards::payrollNo, "A.1"), { F::PayrollNo }, {}, Fail },
        RuleCase { "payrollEmpty", text(&CCards::payrollNo, ""), {}, {}, Pass },
        RuleCase { "indicatorEmpty", text(&CCards::origAmended, ""), { F::OrigAmended }, {}, Fail },
        RuleCase { "indicatorAmended", text(&CCards::origAmended, "A"), {}, {}, Pass },
        // Amounts: taxed plus untaxed element; the tax-free component never counts
        RuleCase { "taxAboveTaxable", amounts(400, 0, 0, 500), {}, { F::AmountValidation }, Ignored },
        RuleCase { "taxWithinBothElements", amounts(400, 200, 0, 500), {}, {}, Pass },
        RuleCase { "taxAboveNotTaxFree", amounts(400, 0, 1000, 500), {}, { F::AmountValidation }, Ignored },
        RuleCase { "nothingTaxable", amounts(0, 0, 5000, 0), {}, { F::AmountValidation }, Ignored },
        RuleCase { "onlyUntaxed", amounts(0, 700, 0, 0), {}, {}, Pass },
        RuleCase { "trusteeWithTax", benefit("Y", "Trustee of Deceased Estate"), {}, { F::TaxWithheld }, Ignored },
        RuleCase {
            "trusteeNoTax", both(benefit("Y", "Trustee of Deceased Estate"), amounts(400, 0, 0, 0)), {}, {}, Pass },
        // 999999 saves on the form with the box ticked, never passes a check
        RuleCase { "placeholderUntaxed", amounts(1000, 999999, 0, 100), { F::Other1 }, { F::Check999999 }, Fail },
        RuleCase { "placeholderTaxFree", amounts(1000, 0, 999999, 100), { F::TaxFree }, { F::Check999999 }, Fail },
        // What the lodgement file cannot carry
        RuleCase { "amountNegative", amounts(1000, -5, 0, 100), { F::Other1 }, {}, Fail }),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Each answer with each recipient, on the form and in the check.

TEST(SlsDeathBenefit, EachAnswerWithEachRecipient)
{
    struct Pair {
        const char* answer;
        const char* recipient;
        bool allowed;
    };
    const Pair pairs[] = {
        { "Y", "Trustee of Deceased Estate", true },
        { "Y", "Non-Dependent", true },
        { "Y", "N/A", false },
        { "Y", "", false },
        { "N", "N/A", true },
        { "N", "", true },
        { "N", "Trustee of Deceased Estate", false },
        { "N", "Non-Dependent", false },
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(std::string(p.answer) + " / " + p.recipient);
        CCards payee = slsPayee();
        benefit(p.answer, p.recipient)(payee);
        payee.taxWithheld = 0; // keep the trustee warning out of it
        const FormResult r = saveNewPayee<PayeeSlsForm>(payee);
        EXPECT_EQ(r.errors.contains(F::Spare1), !p.allowed);
        EXPECT_EQ(r.stored, p.allowed);
        if (r.stored) {
            EXPECT_EQ(r.record.deathBenefitRecipient(), QString::fromLatin1(p.recipient));
        }
        EXPECT_EQ(check(kSlsType, payee), p.allowed);
    }
    EXPECT_EQ(SlsRecipients(),
        QStringList(
            { QStringLiteral("N/A"), QStringLiteral("Trustee of Deceased Estate"), QStringLiteral("Non-Dependent") }));
}

// "N" to a trustee with tax withheld: the recipient's error and the trustee
// warning, whatever the answer.
TEST(SlsDeathBenefit, TrusteeWarningIgnoresTheAnswer)
{
    CCards payee = slsPayee();
    benefit("N", "Trustee of Deceased Estate")(payee);
    const FormResult r = saveNewPayee<PayeeSlsForm>(payee);
    EXPECT_EQ(r.errors, FieldSet { F::Spare1 });
    EXPECT_EQ(r.warnings, FieldSet { F::TaxWithheld });
    EXPECT_EQ(r.messages,
        QStringList({ kSlsTrusteeTaxMessage.toString(),
            QStringLiteral("Please correct all highlighted entries and press Save again.") }));
}

// The recipient is compared as stored: blanks around it fail the check.
TEST(SlsDeathBenefit, CheckNeverTrimsTheRecipient)
{
    CCards payee = slsPayee();
    benefit("Y", " Non-Dependent")(payee);
    EXPECT_FALSE(check(kSlsType, payee));
    EXPECT_EQ(payee.deathBenefitRecipient(), QStringLiteral(" Non-Dependent"));

    CCards passing = slsPayee();
    benefit("Y", "Non-Dependent")(passing);
    passing.surname = QStringLiteral("  CITIZEN ");
    ASSERT_TRUE(check(kSlsType, passing));
    EXPECT_EQ(passing.deathBenefitRecipient(), QStringLiteral("Non-Dependent"));
    EXPECT_EQ(passing.surname, QStringLiteral("CITIZEN"));
}

// ---------------------------------------------------------------------------
// The amount messages: in order, each at once, and silent once ignored.

TEST(SlsAmountWarnings, TwoMessagesInOrderThenSilentWhenTicked)
{
    CCards payee = slsPayee();
    both(benefit("Y", "Trustee of Deceased Estate"), amounts(50, 0, 0, 100))(payee);

    PayeeWorld w;
    w.report().payeeMode = 4;
    PayeeSlsForm form(w.context);
    form.OnInitDialog();
    typeInto(form, payee);
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_EQ(w.ui.texts(),
        QStringList({ kSlsTaxAboveTaxableMessage.toString(), kSlsTrusteeTaxMessage.toString(),
            QStringLiteral("Please correct all highlighted entries and press Save again.") }));
    EXPECT_TRUE(form.hasWarning(F::AmountValidation));
    EXPECT_TRUE(form.hasWarning(F::TaxWithheld));
    EXPECT_TRUE(form.ignoreWarningsVisible);

    w.ui.messages.clear();
    form.OnBnClickedIgnoreWarnings();
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_TRUE(w.ui.texts().isEmpty());
    ASSERT_EQ(w.report().payees.size(), 1u);
    EXPECT_EQ(w.report().payees.begin()->second.ignoreWarnings, QStringLiteral("Yes"));
}

TEST(SlsAmountWarnings, EmptyFormShowsTheSecondMessageAndMarksEveryRequiredField)
{
    CCards empty;
    empty.origAmended = QStringLiteral("O"); // the form's default
    const FormResult r = saveNewPayee<PayeeSlsForm>(empty);
    EXPECT_EQ(r.errors,
        (FieldSet {
            F::Tfn, F::EtpPaymentType, F::Surname, F::AddLine1, F::Suburb, F::PCode, F::State, F::PaymentDate }));
    EXPECT_EQ(r.warnings, (FieldSet { F::FirstName, F::AmountValidation }));
    EXPECT_EQ(r.messages,
        QStringList({ kSlsNoTaxableMessage.toString(),
            QStringLiteral("Please correct all highlighted entries and press Save again.") }));
}

// ---------------------------------------------------------------------------
// Where form and check differ on purpose: each row through both.

struct Difference {
    const char* name;
    Change change;
    FieldSet formErrors;
    FieldSet formWarnings;
    Checked checked;
};

class SlsFormAgainstCheck : public ::testing::TestWithParam<Difference>
{
};

TEST_P(SlsFormAgainstCheck, EachRowThroughBoth)
{
    const Difference& d = GetParam();
    runCase<PayeeSlsForm>({ d.name, d.change, d.formErrors, d.formWarnings, d.checked }, kSlsType, slsPayee());
}

INSTANTIATE_TEST_SUITE_P(Sls, SlsFormAgainstCheck,
    ::testing::Values(
        // Birth years: fixed on the form, from the report year (2019) in the check.
        Difference { "dob2004", dob("15", "06", "2004"), {}, {}, Pass },
        Difference { "dob2005", dob("15", "06", "2005"), {}, { F::DateOfBirth }, Pass },
        Difference { "dob2008", dob("15", "06", "2008"), {}, { F::DateOfBirth }, Pass },
        Difference { "dob2009", dob("15", "06", "2009"), {}, { F::DateOfBirth }, Ignored },
        Difference { "dob2010", dob("15", "06", "2010"), {}, { F::DateOfBirth }, Ignored },
        Difference { "dob2013", dob("15", "06", "2013"), { F::DateOfBirth }, {}, Ignored },
        Difference { "dob2016", dob("15", "06", "2016"), { F::DateOfBirth }, {}, Fail },
        // 29 February without a year: refused by the form only.
        Difference { "dob29FebNoYear", dob("29", "02", "0000"), { F::DateOfBirth }, {}, Pass },
        // A state the form upper-cases and the check takes as stored.
        Difference { "stateLowerCase", place("nsw", 2000, ""), {}, {}, Fail },
        // Country upper-cased by both.
        Difference { "countryLowerCase", place("OTH", 9999, "new zealand"), {}, {}, Pass },
        // 999999: an error at the field and the corner warning on the form, a failure in the check.
        Difference { "placeholderTaxed", amounts(999999, 0, 0, 100), { F::Taxable }, { F::Check999999 }, Fail }),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The record stored by the form and written back by the check.

TEST(SlsStore, FormStoresEveryMemberOfTheType)
{
    CCards payee = slsPayee();
    payee.tfn = QStringLiteral(" 123 456 782 ");
    payee.surname = QStringLiteral("  VAN   DYKE ");
    payee.suburb = QStringLiteral("carlton");
    payee.country = QStringLiteral("australia");
    payee.dobDay = QStringLiteral("");
    payee.dobMonth = QStringLiteral("");
    payee.dobYear = QStringLiteral("");
    payee.payrollNo = QStringLiteral("P-1");
    benefit("Y", "Non-Dependent")(payee);
    // Members of other types that the form must not keep.
    payee.abn = QStringLiteral("53004085616");
    payee.gross = 5;
    payee.startDay = QStringLiteral("01");
    payee.spare2 = QStringLiteral("x");

    const FormResult r = saveNewPayee<PayeeSlsForm>(payee);
    ASSERT_TRUE(r.stored) << r.messages.join(u'|').toStdString();
    CCards expected;
    expected.payeeId = 1;
    expected.payrollNo = QStringLiteral("P-1");
    expected.dataSource = QString(); // adding from a test world: no source set
    expected.payeeType = QStringLiteral("SLS");
    expected.etpPaymentType = QStringLiteral("Y");
    expected.tfn = QStringLiteral("123456782");
    expected.dobDay = QStringLiteral("00");
    expected.dobMonth = QStringLiteral("00");
    expected.dobYear = QStringLiteral("0000");
    expected.surname = QStringLiteral("VAN DYKE");
    expected.firstName = QStringLiteral("JANE");
    expected.addLine1 = QStringLiteral("1 MAIN ST");
    expected.suburb = QStringLiteral("CARLTON");
    expected.state = QStringLiteral("VIC");
    expected.pCode = 3053;
    expected.country = QStringLiteral("AUSTRALIA");
    expected.paymentDay = QStringLiteral("30");
    expected.paymentMonth = QStringLiteral("06");
    expected.paymentYear = QStringLiteral("2019");
    expected.taxWithheld = 3000;
    expected.other1 = 2000;
    expected.origAmended = QStringLiteral("O");
    expected.taxable = 10000;
    expected.taxFree = 500;
    expected.spare1 = QStringLiteral("Non-Dependent");
    expected.checked = QStringLiteral("Yes");
    EXPECT_EQ(r.record, expected);
}

TEST(SlsStore, CheckWritesBackNormalisedAndChecksAgainToTheSame)
{
    CCards record = slsPayee();
    record.tfn = QStringLiteral("123 456 782");
    record.dobDay = QStringLiteral("5");
    record.dobMonth = QStringLiteral("7");
    record.dobYear = QStringLiteral("1985");
    record.paymentDay = QStringLiteral("1");
    record.paymentMonth = QStringLiteral("7");
    record.paymentYear = QStringLiteral("2018");
    record.surname = QStringLiteral(" CITIZEN  SMITH ");
    record.suburb = QStringLiteral("carlton"); // the check keeps the case
    record.country = QStringLiteral("australia");
    record.ignoreWarnings = QStringLiteral("Yes");
    record.gross = 77;
    record.abn = QStringLiteral("1");
    record.spareInt2 = 3;
    record.checked = QStringLiteral("No");

    ASSERT_TRUE(check(kSlsType, record));
    CCards expected = slsPayee();
    expected.tfn = QStringLiteral("123456782");
    expected.dobDay = QStringLiteral("05");
    expected.dobMonth = QStringLiteral("07");
    expected.paymentDay = QStringLiteral("01");
    expected.paymentMonth = QStringLiteral("07");
    expected.paymentYear = QStringLiteral("2018");
    expected.dobYear = QStringLiteral("1985");
    expected.surname = QStringLiteral("CITIZEN SMITH");
    expected.suburb = QStringLiteral("carlton");
    expected.country = QStringLiteral("AUSTRALIA");
    expected.ignoreWarnings = QStringLiteral("Yes");
    expected.checked = QStringLiteral("Yes");
    EXPECT_EQ(record, expected);

    const CCards once = record;
    ASSERT_TRUE(check(kSlsType, record));
    EXPECT_EQ(record, once);
}

TEST(SlsStore, FailingRecordKeepsEverythingButChecked)
{
    CCards record = slsPayee();
    record.surname = QStringLiteral("  CITIZEN ");
    record.deathBenefit() = QStringLiteral("y"); // the check does not upper-case it
    record.gross = 12;
    record.checked = QStringLiteral("Yes");
    CCards expected = record;
    expected.checked = QStringLiteral("Error");
    EXPECT_FALSE(check(kSlsType, record));
    EXPECT_EQ(record, expected);
}

// ---------------------------------------------------------------------------
// Editing a stored record of another spelling.

TEST(SlsEdit, StoredValuesTheListsDoNotOfferAreRefusedUntilChosen)
{
    PayeeWorld w;
    CCards stored = slsPayee();
    stored.deathBenefit() = QStringLiteral("Yes");
    stored.deathBenefitRecipient() = QStringLiteral("non-dependent");
    w.report().payees[7] = stored;
    w.context.currentPayee = stored;
    w.context.currentPayeeKey = 7;
    PayeeSlsForm form(w.context);
    form.OnInitDialog();
    EXPECT_EQ(form.values.tfn, QStringLiteral("123 456 782"));
    EXPECT_EQ(form.chooseListItem(F::EtpPaymentType, &CCards::etpPaymentType, SlsDeathBenefitAnswers(),
                  form.values.deathBenefit(), ListMatch::Text),
        -1);
    EXPECT_EQ(form.chooseListItem(
                  F::Spare1, &CCards::spare1, SlsRecipients(), form.values.deathBenefitRecipient(), ListMatch::Text),
        2);
    // As the dialog reads the lists: nothing chosen, and the item's text.
    form.values.deathBenefit().clear();
    form.values.deathBenefitRecipient() = QStringLiteral("Non-Dependent");
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(form.hasError(F::EtpPaymentType));
    EXPECT_EQ(w.report().payees.at(7), stored);

    form.listChosen(&CCards::etpPaymentType);
    form.values.deathBenefit() = QStringLiteral("Y");
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().payees.at(7).deathBenefit(), QStringLiteral("Y"));
    EXPECT_EQ(w.report().payees.at(7).deathBenefitRecipient(), QStringLiteral("Non-Dependent"));
}

} // namespace
