#include "payees/PayeeEtpBusTestKit.h"
#include "payees/PayeeEtpForm.h"
#include "payees/PayeeTypeEtp.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

using F = PayeeField;

// An ETP payee every rule accepts in report year 2019.
CCards etpPayee()
{
    CCards c;
    c.payeeId = 1;
    c.payeeType = QStringLiteral("ETP");
    c.etpPaymentType = QStringLiteral("R");
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
    c.taxFree = 500;
    c.taxWithheld = 3000;
    c.origAmended = QStringLiteral("O");
    return c;
}

FormResult saveEtp(const Change& change, bool ticked = false)
{
    CCards payee = etpPayee();
    change(payee);
    return saveNewPayee<PayeeEtpForm>(payee, ticked);
}

// ---------------------------------------------------------------------------
// The form: the markers each rule sets.

struct FormCase {
    const char* name;
    Change change;
    FieldSet errors;
    FieldSet warnings;
};

class EtpFormRules : public ::testing::TestWithParam<FormCase>
{
};

TEST_P(EtpFormRules, MarkTheirFields)
{
    const FormCase& c = GetParam();
    const FormResult r = saveEtp(c.change);
    EXPECT_EQ(r.errors, c.errors);
    EXPECT_EQ(r.warnings, c.warnings);
    EXPECT_EQ(r.stored, c.errors.empty() && c.warnings.empty());
}

Change paid(const char* d, const char* m, const char* y)
{
    return [=](CCards& c) {
        text(&CCards::paymentDay, d)(c);
        text(&CCards::paymentMonth, m)(c);
        text(&CCards::paymentYear, y)(c);
    };
}
Change amounts(qint32 taxable, qint32 taxFree, qint32 taxWithheld)
{
    return [=](CCards& c) {
        c.taxable = taxable;
        c.taxFree = taxFree;
        c.taxWithheld = taxWithheld;
    };
}

INSTANTIATE_TEST_SUITE_P(Etp, EtpFormRules,
    ::testing::Values(FormCase { "valid", kNothing, {}, {} },
        // TFN
        FormCase { "tfnEmpty", text(&CCards::tfn, ""), { F::Tfn }, {} },
        FormCase { "tfnListBlank", text(&CCards::tfn, " "), { F::Tfn }, {} },
        FormCase { "tfnGroupsOfThree", text(&CCards::tfn, "123 456 782"), {}, {} },
        FormCase { "tfnZeros", text(&CCards::tfn, "000 000 000"), {}, {} },
        FormCase { "tfnEightDigits", text(&CCards::tfn, "12345678"), {}, { F::Tfn } },
        FormCase { "tfnTenDigits", text(&CCards::tfn, "1234567820"), {}, { F::Tfn } },
        FormCase { "tfnCheckDigit", text(&CCards::tfn, "123456789"), {}, { F::Tfn } },
        // Payment type
        FormCase { "paymentTypeEmpty", text(&CCards::etpPaymentType, ""), { F::EtpPaymentType }, {} },
        FormCase { "paymentTypeOther", text(&CCards::etpPaymentType, "X"), { F::EtpPaymentType }, {} },
        FormCase { "paymentTypeWord", text(&CCards::etpPaymentType, "RO"), { F::EtpPaymentType }, {} },
        // Names
        FormCase { "surnameEmpty", text(&CCards::surname, ""), { F::Surname }, {} },
        FormCase { "surnameOneLetter", text(&CCards::surname, "C"), {}, { F::Surname } },
        FormCase { "surnameFullStop", text(&CCards::surname, "ST. JOHN"), { F::Surname }, {} },
        FormCase { "noGivenNames", text(&CCards::firstName, ""), {}, { F::FirstName } },
        FormCase { "firstNameOneLetter", text(&CCards::firstName, "J"), {}, { F::FirstName } },
        FormCase { "secondWithoutFirst",
            [](CCards& c) {
                c.firstName.clear();
                c.secName = QStringLiteral("ANNE");
            },
            { F::FirstName }, {} },
        FormCase { "secondBadChars", text(&CCards::secName, "ANNE\""), { F::SecName }, {} },
        // Date of birth
        FormCase { "dobNotGiven", dob("", "", ""), {}, {} }, FormCase { "dobZeros", dob("00", "00", "0000"), {}, {} },
        FormCase { "dob2004", dob("15", "06", "2004"), {}, {} },
        FormCase { "dob2005", dob("15", "06", "2005"), {}, { F::DateOfBirth } },
        FormCase { "dob1900", dob("15", "06", "1900"), {}, { F::DateOfBirth } },
        FormCase { "dob2013", dob("15", "06", "2013"), { F::DateOfBirth }, {} },
        FormCase { "dob31April", dob("31", "04", "1980"), { F::DateOfBirth }, {} },
        FormCase { "dob29FebNoLeap", dob("29", "02", "2001"), { F::DateOfBirth }, {} },
        FormCase { "dob29FebNoYear", dob("29", "02", "0000"), { F::DateOfBirth }, {} },
        FormCase { "dob28FebNoYear", dob("28", "02", "0000"), {}, {} },
        FormCase { "dobDay32", dob("32", "01", "1980"), { F::DateOfBirth }, {} },
        // Address
        FormCase { "addressLine1Empty", text(&CCards::addLine1, ""), { F::AddLine1 }, {} },
        FormCase { "addressLine2BadChars", text(&CCards::addLine2, "C/- \"X\""), { F::AddLine2 }, {} },
        FormCase { "suburbEmpty", text(&CCards::suburb, ""), { F::Suburb }, {} },
        FormCase { "nt800", place("NT", 800, ""), {}, {} },
        FormCase { "nsw800", place("NSW", 800, ""), { F::PCode }, {} },
        FormCase { "stateEmpty", place("", 3053, ""), { F::State }, {} },
        FormCase { "overseas", place("OTH", 9999, "new zealand"), {}, {} },
        FormCase { "overseasAust", place("OTH", 9999, "AUST"), { F::PCode, F::State, F::Country }, {} },
        FormCase { "vicAustralia", place("VIC", 3000, "AUSTRALIA"), {}, {} },
        FormCase { "vicAus", place("VIC", 3000, "AUS"), { F::Country }, {} },
        FormCase { "countryFullStop", place("OTH", 9999, "N.Z."), { F::Country }, {} },
        // Payment date, report year 2019
        FormCase { "paidFirstDay", paid("01", "07", "2018"), {}, {} },
        FormCase { "paidLastDay", paid("30", "06", "2019"), {}, {} },
        FormCase { "paidBeforeYear", paid("30", "06", "2018"), { F::PaymentDate }, {} },
        FormCase { "paidAfterYear", paid("01", "07", "2019"), { F::PaymentDate }, {} },
        FormCase { "paid29Feb2019", paid("29", "02", "2019"), { F::PaymentDate }, {} },
        FormCase { "paidNotGiven", paid("", "", ""), { F::PaymentDate }, {} },
        // Payroll number and indicator
        FormCase { "payrollBadChars", text(&CCards::payrollNo, "A.1"), { F::PayrollNo }, {} },
        FormCase { "indicatorEmpty", text(&CCards::origAmended, ""), { F::OrigAmended }, {} },
        // Amounts: the taxable component alone counts
        FormCase { "taxAboveTaxable", amounts(400, 0, 500), {}, { F::AmountValidation } },
        FormCase { "taxAboveTaxableNotTaxFree", amounts(400, 1000, 450), {}, { F::AmountValidation } },
        FormCase { "taxWithNothingTaxable", amounts(0, 0, 100), {}, { F::AmountValidation } },
        FormCase { "nothingTaxable", amounts(0, 0, 0), {}, { F::AmountValidation } },
        FormCase { "onlyTaxFree", amounts(0, 5000, 0), {}, { F::AmountValidation } },
        FormCase { "noTaxWithheld", amounts(400, 0, 0), {}, {} },
        FormCase { "placeholderTaxFree", amounts(1000, 999999, 100), { F::TaxFree }, { F::Check999999 } },
        FormCase { "placeholderTwice", amounts(999999, 999999, 100), { F::Taxable, F::TaxFree }, { F::Check999999 } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EtpForm, EveryPaymentTypeLetterPassesInEveryYear)
{
    EXPECT_EQ(EtpPaymentTypes().join(QString()), QStringLiteral("ROSPDBNT"));
    for (int year = 2012; year <= 2027; ++year) {
        for (const QString& letter : EtpPaymentTypes()) {
            PayeeWorld w;
            w.report().payeeMode = 4;
            w.report().reportYear = QString::number(year);
            PayeeEtpForm form(w.context);
            form.OnInitDialog();
            CCards payee = etpPayee();
            payee.etpPaymentType = letter;
            payee.paymentYear = QString::number(year);
            typeInto(form, payee);
            EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored) << year << " " << letter.toStdString();
        }
    }
}

TEST(EtpForm, AmountWarningsSpeakTheirOwnMessageBeforeTheGate)
{
    const QString gate = QStringLiteral("Please correct all highlighted entries and press Save again.");
    EXPECT_EQ(saveEtp(amounts(400, 0, 500)).messages, QStringList({ kEtpTaxAboveTaxableMessage.toString(), gate }));
    EXPECT_EQ(saveEtp(amounts(0, 5000, 0)).messages, QStringList({ kEtpNoTaxableMessage.toString(), gate }));
    // With the box ticked the amount warnings are not raised and Save stores.
    const FormResult ticked = saveEtp(amounts(400, 0, 500), true);
    EXPECT_TRUE(ticked.stored);
    EXPECT_TRUE(ticked.messages.isEmpty());
    EXPECT_EQ(ticked.record.ignoreWarnings, QStringLiteral("Yes"));
}

TEST(EtpForm, NumberTextsAreJudgedByLength)
{
    auto typed = [](qint32 CCards::*m, const char* value) {
        return saveNewPayee<PayeeEtpForm>(
            etpPayee(), [m, value](PayeeFormFrame& f) { f.numberText(m) = QString::fromLatin1(value); });
    };
    EXPECT_EQ(typed(&CCards::taxable, "123456789").errors, FieldSet { F::Taxable });
    EXPECT_EQ(typed(&CCards::taxFree, "123456789").errors, FieldSet { F::TaxFree });
    EXPECT_EQ(typed(&CCards::taxWithheld, "123456789").errors, FieldSet { F::TaxWithheld });
    EXPECT_EQ(typed(&CCards::pCode, "30530").errors, FieldSet { F::PCode });
    // An empty amount is 0.
    const FormResult emptyTaxFree = typed(&CCards::taxFree, "");
    EXPECT_TRUE(emptyTaxFree.stored);
    EXPECT_EQ(emptyTaxFree.record.taxFree, 0);
}

TEST(EtpForm, AFieldWarningSavesOnceIgnored)
{
    const FormResult r = saveEtp(text(&CCards::tfn, "12345678"), true);
    ASSERT_TRUE(r.stored);
    EXPECT_EQ(r.record.tfn, QStringLiteral("12345678"));
    EXPECT_EQ(r.record.ignoreWarnings, QStringLiteral("Yes"));
    EXPECT_EQ(r.record.checked, QStringLiteral("Yes"));
}

TEST(EtpForm, AnEmptyFormMarksEveryRequiredField)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    PayeeEtpForm form(w.context);
    form.OnInitDialog();
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    for (const F f :
        { F::Tfn, F::EtpPaymentType, F::Surname, F::AddLine1, F::Suburb, F::PCode, F::State, F::PaymentDate })
        EXPECT_TRUE(form.hasError(f)) << f;
    EXPECT_FALSE(form.hasError(F::DateOfBirth));
    EXPECT_TRUE(form.hasWarning(F::FirstName));
    EXPECT_TRUE(form.hasWarning(F::AmountValidation));
    EXPECT_EQ(w.ui.texts(),
        QStringList({ kEtpNoTaxableMessage.toString(),
            QStringLiteral("Please correct all highlighted entries and press Save again.") }));
}

// ---------------------------------------------------------------------------
// The record the form stores, member by member.

TEST(EtpForm, StoresTheEtpMembersNormalisedAndEveryOtherEmpty)
{
    CCards typed = etpPayee();
    typed.tfn = QStringLiteral(" 123 456 782 ");
    typed.surname = QStringLiteral("  Citizen  ");
    typed.firstName = QStringLiteral("Jane");
    typed.secName = QStringLiteral("Mary  Anne");
    typed.addLine1 = QStringLiteral("1  Main   St");
    typed.addLine2 = QStringLiteral("Unit 2");
    typed.suburb = QStringLiteral("carlton");
    typed.state = QStringLiteral("vic");
    typed.country = QStringLiteral("australia");
    typed.payrollNo = QStringLiteral(" P1 ");
    typed.origAmended = QStringLiteral("A");
    // What another type keeps in its members never reaches an ETP record.
    typed.abn = QStringLiteral("51824753556");
    typed.busPaymentType = QStringLiteral("Labour Hire");
    typed.incomeType = QStringLiteral("S");
    typed.startDay = QStringLiteral("01");
    typed.endYear = QStringLiteral("2019");
    typed.gross = 5;
    typed.other1 = 7;
    typed.resc = 9;
    typed.allow1Name = QStringLiteral("Car");
    typed.spare1 = QStringLiteral("x");

    const FormResult r = saveNewPayee<PayeeEtpForm>(
        typed, [](PayeeFormFrame& f) { f.values.dataSource = QStringLiteral("Manually Added"); });
    ASSERT_TRUE(r.stored) << r.messages.join(u'|').toStdString();

    CCards expected;
    expected.payeeId = 1;
    expected.payrollNo = QStringLiteral("P1");
    expected.dataSource = QStringLiteral("Manually Added");
    expected.payeeType = QStringLiteral("ETP");
    expected.etpPaymentType = QStringLiteral("R");
    expected.tfn = QStringLiteral("123456782");
    expected.dobDay = QStringLiteral("15");
    expected.dobMonth = QStringLiteral("06");
    expected.dobYear = QStringLiteral("1980");
    expected.surname = QStringLiteral("Citizen");
    expected.firstName = QStringLiteral("Jane");
    expected.secName = QStringLiteral("Mary Anne");
    expected.addLine1 = QStringLiteral("1 Main St");
    expected.addLine2 = QStringLiteral("Unit 2");
    expected.suburb = QStringLiteral("CARLTON");
    expected.state = QStringLiteral("VIC");
    expected.pCode = 3053;
    expected.country = QStringLiteral("AUSTRALIA");
    expected.paymentDay = QStringLiteral("30");
    expected.paymentMonth = QStringLiteral("06");
    expected.paymentYear = QStringLiteral("2019");
    expected.taxWithheld = 3000;
    expected.origAmended = QStringLiteral("A");
    expected.taxable = 10000;
    expected.taxFree = 500;
    expected.checked = QStringLiteral("Yes");
    EXPECT_EQ(r.record, expected);
}

TEST(EtpForm, EditingShowsTheTfnInGroupsAndSavesTheSamePayeeBack)
{
    PayeeWorld w;
    CCards stored = etpPayee();
    stored.payeeId = 12;
    stored.checked = QStringLiteral("Yes");
    w.report().payees[12] = stored;
    w.context.currentPayee = stored;
    w.context.currentPayeeKey = 12;
    PayeeEtpForm form(w.context);
    form.OnInitDialog();
    EXPECT_FALSE(form.adding());
    EXPECT_EQ(form.values.tfn, QStringLiteral("123 456 782"));
    EXPECT_EQ(form.payeeIdText, QStringLiteral("12"));
    EXPECT_EQ(form.numberText(&CCards::taxFree), QStringLiteral("500"));
    EXPECT_EQ(form.title, QStringLiteral("Payee Details - ETP Payment Summary - Year ended 30 June 2019"));

    ASSERT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().payees.size(), 1u);
    EXPECT_EQ(w.report().payees.at(12), stored);
}

TEST(EtpForm, AStoredPaymentTypeOfAnotherSpellingIsRefusedUntilChosen)
{
    // An import may leave "r": the list selects nothing, and Save refuses
    // the field until the user picks a letter.
    PayeeWorld w;
    CCards stored = etpPayee();
    stored.etpPaymentType = QStringLiteral("Death benefit");
    w.report().payees[1] = stored;
    w.context.currentPayee = stored;
    w.context.currentPayeeKey = 1;
    PayeeEtpForm form(w.context);
    form.OnInitDialog();
    EXPECT_EQ(form.chooseListItem(F::EtpPaymentType, &CCards::etpPaymentType, EtpPaymentTypes(), stored.etpPaymentType,
                  ListMatch::Text),
        -1);
    form.values.etpPaymentType.clear(); // what the list without a choice gives
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(form.hasError(F::EtpPaymentType));

    form.listChosen(&CCards::etpPaymentType);
    form.values.etpPaymentType = QStringLiteral("D");
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().payees.at(1).etpPaymentType, QStringLiteral("D"));
}

// ---------------------------------------------------------------------------
// The check: the flag "" and "Yes".

class EtpCheckRules : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(EtpCheckRules, PassOrFail)
{
    expectCheckCase(kEtpType, etpPayee(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Etp, EtpCheckRules,
    ::testing::Values(CheckCase { "valid", kNothing, true, true },
        CheckCase { "placeholderTaxable", amounts(999999, 0, 100), false, false },
        CheckCase { "placeholderTaxFree", amounts(1000, 999999, 100), false, false },
        CheckCase { "negativeAmount", amounts(1000, -1, 100), false, false },
        CheckCase { "amountTooLarge", amounts(100000000, 0, 100), false, false },
        CheckCase { "tfnEmpty", text(&CCards::tfn, ""), false, false },
        CheckCase { "tfnEightDigits", text(&CCards::tfn, "12345678"), false, true },
        CheckCase { "tfnCheckDigit", text(&CCards::tfn, "123456789"), false, true },
        CheckCase { "tfnWithBlanks", text(&CCards::tfn, " 123 456 782"), true, true },
        CheckCase { "paymentTypeLowerCase", text(&CCards::etpPaymentType, "r"), false, false },
        CheckCase { "paymentTypeBlanks", text(&CCards::etpPaymentType, " T "), true, true },
        CheckCase { "surnameOneLetter", text(&CCards::surname, "C"), false, true },
        CheckCase { "surnameEmpty", text(&CCards::surname, "  "), false, false },
        CheckCase { "firstNameOneLetter", text(&CCards::firstName, "J"), false, true },
        CheckCase { "secondWithoutFirst",
            [](CCards& c) {
                c.firstName.clear();
                c.secName = QStringLiteral("ANNE");
            },
            false, false },
        CheckCase { "dob1900", dob("1", "1", "1900"), false, true },
        CheckCase { "dobShortYear", dob("", "", "85"), false, true },
        CheckCase { "dob2008", dob("", "", "2008"), true, true },
        CheckCase { "dob2009", dob("", "", "2009"), false, true },
        CheckCase { "dob2015", dob("", "", "2015"), false, true },
        CheckCase { "dob2016", dob("", "", "2016"), false, false },
        CheckCase { "dob29FebNoYear", dob("29", "02", "0000"), true, true },
        CheckCase { "dob30FebNoYear", dob("30", "02", "0000"), false, false },
        CheckCase { "dob31JuneNoYear", dob("31", "6", ""), false, false },
        CheckCase { "dob29Feb1981", dob("29", "02", "1981"), false, false },
        CheckCase { "dobDayLetters", dob("1a", "02", "1981"), false, false },
        CheckCase { "addressLine1Empty", text(&CCards::addLine1, ""), false, false },
        CheckCase { "suburbLowerCase", text(&CCards::suburb, "carlton"), true, true },
        CheckCase { "suburbBadChars", text(&CCards::suburb, "ST. KILDA"), false, false },
        CheckCase { "stateLowerCase", text(&CCards::state, "vic"), false, false },
        CheckCase { "nt800", place("NT", 800, ""), true, true },
        CheckCase { "nsw800", place("NSW", 800, ""), false, false },
        CheckCase { "pcodeZero", place("VIC", 0, ""), false, false },
        CheckCase { "overseasLowerCase", place("OTH", 9999, "new zealand"), true, true },
        CheckCase { "overseasAu", place("OTH", 9999, "au"), false, false },
        CheckCase { "vicAustraliaLowerCase", place("VIC", 3000, "australia"), true, true },
        CheckCase { "paidLastDay", paid("30", "06", "2019"), true, true },
        CheckCase { "paidFirstDayShortParts", paid("1", "7", "2018"), true, true },
        CheckCase { "paidAfterYear", paid("01", "07", "2019"), false, false },
        CheckCase { "paidNoYear", paid("01", "07", ""), false, false },
        CheckCase { "paid31April", paid("31", "04", "2019"), false, false },
        CheckCase { "payrollBadChars", text(&CCards::payrollNo, "A.1"), false, false },
        CheckCase { "indicatorLowerCase", text(&CCards::origAmended, "o"), false, false },
        CheckCase { "taxAboveTaxable", amounts(400, 0, 500), false, true },
        CheckCase { "onlyTaxFree", amounts(0, 5000, 0), false, true },
        CheckCase { "noTaxWithheld", amounts(400, 0, 0), true, true }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EtpCheck, APassWritesTheRecordBackNormalised)
{
    CCards record = etpPayee();
    record.payeeId = 5;
    record.tfn = QStringLiteral(" 123 456 782");
    record.surname = QStringLiteral("  Citizen ");
    record.secName = QStringLiteral("Mary  Anne");
    record.dobDay = QStringLiteral("5");
    record.dobMonth = QStringLiteral("3");
    record.dobYear = QStringLiteral("1980");
    record.suburb = QStringLiteral("carlton");
    record.country = QStringLiteral(" australia ");
    record.paymentDay = QStringLiteral("1");
    record.paymentMonth = QStringLiteral("07");
    record.paymentYear = QStringLiteral(" 2018");
    record.dataSource = QStringLiteral(" Tab Delimited Import ");
    record.ignoreWarnings = QStringLiteral("Yes");
    record.checked.clear();
    // Members an ETP record does not keep.
    record.abn = QStringLiteral("51824753556");
    record.startDay = QStringLiteral("01");
    record.endMonth = QStringLiteral("06");
    record.other1 = 4;
    record.gross = 6;
    record.spare6 = QStringLiteral("x");
    record.spareInt2 = 3;
    record.fbtExempt = QStringLiteral("Y");

    ASSERT_TRUE(checkRecord(kEtpType, record));

    CCards expected = etpPayee();
    expected.payeeId = 5;
    expected.surname = QStringLiteral("Citizen");
    expected.secName = QStringLiteral("Mary Anne");
    expected.dobDay = QStringLiteral("05");
    expected.dobMonth = QStringLiteral("03");
    expected.suburb = QStringLiteral("carlton");
    expected.country = QStringLiteral("AUSTRALIA");
    expected.paymentDay = QStringLiteral("01");
    expected.paymentMonth = QStringLiteral("07");
    expected.paymentYear = QStringLiteral("2018");
    expected.dataSource = QStringLiteral("Tab Delimited Import");
    expected.ignoreWarnings = QStringLiteral("Yes");
    expected.checked = QStringLiteral("Yes");
    EXPECT_EQ(record, expected);
}

TEST(EtpCheck, AShortBirthYearIsWrittenBackPadded)
{
    CCards record = etpPayee();
    record.dobYear = QStringLiteral("85");
    record.ignoreWarnings = QStringLiteral("Yes");
    ASSERT_TRUE(checkRecord(kEtpType, record));
    EXPECT_EQ(record.dobYear, QStringLiteral("0085"));
}

// ---------------------------------------------------------------------------
// Where the form and the check differ on purpose: each row through both.

class EtpFormAndCheck : public ::testing::TestWithParam<DifferenceCase>
{
};

TEST_P(EtpFormAndCheck, DifferWhereMeant)
{
    expectDifferenceCase<PayeeEtpForm>(kEtpType, etpPayee(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Etp, EtpFormAndCheck,
    ::testing::Values(
        // The form's birth years are fixed; the check's follow the report year (2019).
        DifferenceCase { "dob2008", dob("01", "01", "2008"), false, true, true, true },
        DifferenceCase { "dob2012", dob("01", "01", "2012"), false, true, false, true },
        DifferenceCase { "dob2013", dob("01", "01", "2013"), false, false, false, true },
        DifferenceCase { "dob2016", dob("01", "01", "2016"), false, false, false, false },
        // 29 February without a year: refused by the form, accepted by the check.
        DifferenceCase { "dob29FebNoYear", dob("29", "02", "0000"), false, false, true, true },
        // The placeholder amount: refused by the form, ticked or not, as the check fails it.
        DifferenceCase { "placeholder", amounts(999999, 0, 100), false, false, false, false },
        // The form upper-cases the state; the check compares it as stored.
        DifferenceCase { "stateLowerCase", text(&CCards::state, "vic"), true, true, false, false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EtpFormAndCheck, WhatTheFormStoresTheCheckPassesUnchanged)
{
    const std::vector<Change> payees {
        kNothing,
        place("OTH", 9999, "new zealand"),
        place("NT", 800, ""),
        dob("", "", ""),
        paid("01", "07", "2018"),
        [](CCards& c) {
            c.surname = QStringLiteral(" o'brien ");
            c.suburb = QStringLiteral("st kilda");
            c.secName = QStringLiteral("ann");
            c.addLine2 = QStringLiteral("c/- post office");
            c.payrollNo = QStringLiteral("E-17");
            c.etpPaymentType = QStringLiteral("T");
        },
    };
    expectFormAndCheckAgree<PayeeEtpForm>(kEtpType, etpPayee(), payees);
    // Saved with warnings ignored, the record passes on its flag.
    const FormResult ignored = saveEtp(text(&CCards::tfn, "12345678"), true);
    ASSERT_TRUE(ignored.stored);
    CCards record = ignored.record;
    EXPECT_TRUE(checkRecord(kEtpType, record));
    EXPECT_EQ(record, ignored.record);
}

} // namespace
