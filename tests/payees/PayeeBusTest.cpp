#include "payees/PayeeBusForm.h"
#include "payees/PayeeEtpBusTestKit.h"
#include "payees/PayeeTypeBus.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

using F = PayeeField;

const QString kGate = QStringLiteral("Please correct all highlighted entries and press Save again.");
const QString kAbnMessage = QStringLiteral("ABN must be 11 digits, no spaces.");

// A "Labour Hire" payee every rule accepts in report year 2019.
CCards busPayee()
{
    CCards c;
    c.payeeId = 1;
    c.payeeType = QStringLiteral("BUS");
    c.busPaymentType = QStringLiteral("Labour Hire");
    c.tfn = QStringLiteral("123456782");
    c.abn = QStringLiteral("00000000000");
    c.surname = QStringLiteral("CITIZEN");
    c.firstName = QStringLiteral("JANE");
    c.dobDay = QStringLiteral("15");
    c.dobMonth = QStringLiteral("06");
    c.dobYear = QStringLiteral("1980");
    c.addLine1 = QStringLiteral("1 MAIN ST");
    c.suburb = QStringLiteral("CARLTON");
    c.state = QStringLiteral("VIC");
    c.pCode = 3053;
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2018");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2019");
    c.gross = 50000;
    c.taxWithheld = 10000;
    c.resc = 0;
    c.origAmended = QStringLiteral("O");
    return c;
}

Change voluntary(const char* abn, const char* tfn = "")
{
    return [=](CCards& c) {
        c.busPaymentType = kVoluntaryAgreement.toString();
        text(&CCards::abn, abn)(c);
        text(&CCards::tfn, tfn)(c);
    };
}
Change period(const char* sd, const char* sm, const char* sy, const char* ed, const char* em, const char* ey)
{
    return [=](CCards& c) {
        text(&CCards::startDay, sd)(c);
        text(&CCards::startMonth, sm)(c);
        text(&CCards::startYear, sy)(c);
        text(&CCards::endDay, ed)(c);
        text(&CCards::endMonth, em)(c);
        text(&CCards::endYear, ey)(c);
    };
}
Change amounts(qint32 gross, qint32 resc, qint32 taxWithheld)
{
    return [=](CCards& c) {
        c.gross = gross;
        c.resc = resc;
        c.taxWithheld = taxWithheld;
    };
}

FormResult saveBus(const Change& change, bool ticked = false)
{
    CCards payee = busPayee();
    change(payee);
    return saveNewPayee<PayeeBusForm>(payee, ticked);
}

// ---------------------------------------------------------------------------
// The form: the markers each rule sets.

struct FormCase {
    const char* name;
    Change change;
    FieldSet errors;
    FieldSet warnings;
    QStringList messages = {}; // besides the gate
};

class BusFormRules : public ::testing::TestWithParam<FormCase>
{
};

TEST_P(BusFormRules, MarkTheirFields)
{
    const FormCase& c = GetParam();
    const FormResult r = saveBus(c.change);
    EXPECT_EQ(r.errors, c.errors);
    EXPECT_EQ(r.warnings, c.warnings);
    const bool passes = c.errors.empty() && c.warnings.empty();
    EXPECT_EQ(r.stored, passes);
    QStringList expected = c.messages;
    if (!passes)
        expected << kGate;
    EXPECT_EQ(r.messages, expected);
}

INSTANTIATE_TEST_SUITE_P(Bus, BusFormRules,
    ::testing::Values(FormCase { "valid", kNothing, {}, {} },
        // Payment type
        FormCase { "paymentTypeEmpty", text(&CCards::busPaymentType, ""), { F::BusPaymentType }, {} },
        FormCase { "paymentTypeOtherCase", text(&CCards::busPaymentType, "labour hire"), { F::BusPaymentType }, {} },
        FormCase { "noChoiceNoTfn",
            [](CCards& c) {
                c.busPaymentType.clear();
                c.tfn.clear();
            },
            { F::BusPaymentType, F::Tfn }, {} },
        // The TFN of every type but "Voluntary Agreement"; its ABN is not examined
        FormCase { "tfnEmpty", text(&CCards::tfn, ""), { F::Tfn }, {} },
        FormCase { "tfnZerosFromList", text(&CCards::tfn, "000 000 000"), {}, {} },
        FormCase { "tfnEightDigits", text(&CCards::tfn, "12345678"), {}, { F::Tfn } },
        FormCase { "tfnTenDigits", text(&CCards::tfn, "1234567820"), {}, { F::Tfn } },
        FormCase { "tfnCheckDigit", text(&CCards::tfn, "123456789"), {}, { F::Tfn } },
        FormCase { "abnIgnoredForLabourHire", text(&CCards::abn, "rubbish"), {}, {} },
        // The ABN of "Voluntary Agreement"; its TFN is not examined
        FormCase { "abnValid", voluntary("51824753556"), {}, {} },
        FormCase { "abnSpaced", voluntary("51 824 753 556"), {}, {} },
        FormCase { "abnZeros", voluntary("00 000 000 000"), {}, {} },
        FormCase { "abnEmpty", voluntary(""), { F::Abn }, {} },
        FormCase { "abnTwelve", voluntary("518247535560"), { F::Abn }, {} },
        FormCase { "abnTen", voluntary("5182475355"), { F::Abn }, {} },
        FormCase { "abnCheckDigit", voluntary("51824753557"), { F::Abn }, {} },
        FormCase { "abnLetters", voluntary("5182475355X"), { F::Abn }, {} },
        FormCase { "abnValueIsThePlaceholder", voluntary("00000999999"), { F::Abn }, {} },
        FormCase { "abnSigned", voluntary("+1824753556"), { F::Abn }, {}, { kAbnMessage } },
        FormCase { "tfnIgnoredForVoluntary", voluntary("51824753556", "12"), {}, {} },
        // Names
        FormCase { "surnameEmpty", text(&CCards::surname, ""), { F::Surname }, {} },
        FormCase { "surnameOneLetter", text(&CCards::surname, "C"), {}, { F::Surname } },
        FormCase { "noGivenNames", text(&CCards::firstName, ""), {}, { F::FirstName } },
        FormCase { "secondBadChars", text(&CCards::secName, "A.B"), { F::SecName }, {} },
        // Date of birth, measured from report year 2019
        FormCase { "dobNotGiven", dob("00", "00", "0000"), {}, {} },
        FormCase { "dob2008", dob("01", "01", "2008"), {}, {} },
        FormCase { "dob2009", dob("01", "01", "2009"), {}, { F::DateOfBirth } },
        FormCase { "dob2015", dob("01", "01", "2015"), {}, { F::DateOfBirth } },
        FormCase { "dob2016", dob("01", "01", "2016"), { F::DateOfBirth }, {} },
        FormCase { "dob1900", dob("01", "01", "1900"), {}, { F::DateOfBirth } },
        FormCase { "dob29Feb1980", dob("29", "02", "1980"), {}, {} },
        FormCase { "dob29FebNoYear", dob("29", "02", "0000"), { F::DateOfBirth }, {} },
        FormCase { "dob31April", dob("31", "04", "1980"), { F::DateOfBirth }, {} },
        // Address
        FormCase { "addressLine1Empty", text(&CCards::addLine1, ""), { F::AddLine1 }, {} },
        FormCase { "suburbEmpty", text(&CCards::suburb, ""), { F::Suburb }, {} },
        FormCase { "nt800", place("NT", 800, ""), {}, {} },
        FormCase { "nsw800", place("NSW", 800, ""), { F::PCode }, {} },
        FormCase { "pcode9999Vic", place("VIC", 9999, ""), { F::PCode, F::State }, {} },
        FormCase { "overseasAustralia", place("OTH", 9999, "Australia"), { F::PCode, F::State, F::Country }, {} },
        FormCase { "overseas", place("oth", 9999, "fiji"), {}, {} },
        FormCase { "countryBadChars", place("OTH", 9999, "U.K."), { F::Country }, {} },
        // Start and End Date in the financial year
        FormCase { "periodWholeYear", kNothing, {}, {} },
        FormCase { "startBeforeYear", period("30", "06", "2018", "30", "06", "2019"), { F::StartDate }, {} },
        FormCase { "endAfterYear", period("01", "07", "2018", "01", "07", "2019"), { F::EndDate }, {} },
        FormCase { "endBeforeStart", period("01", "01", "2019", "31", "12", "2018"), { F::EndDate }, {} },
        FormCase { "periodNotGiven", period("", "", "", "", "", ""), { F::StartDate, F::EndDate }, {} },
        FormCase { "start31April", period("31", "04", "2019", "30", "06", "2019"), { F::StartDate }, {} },
        // Payroll number and indicator
        FormCase { "payrollBadChars", text(&CCards::payrollNo, "A.1"), { F::PayrollNo }, {} },
        FormCase { "indicatorEmpty", text(&CCards::origAmended, ""), { F::OrigAmended }, {} },
        // Amounts
        FormCase { "taxAboveGross", amounts(500, 0, 600), {}, { F::AmountValidation },
            { kBusTaxAboveGrossMessage.toString() } },
        FormCase { "nothingReportable", amounts(0, 0, 0), {}, { F::AmountValidation },
            { kBusNothingReportableMessage.toString() } },
        FormCase { "onlyResc", amounts(0, 100, 0), {}, {} },
        FormCase { "placeholderResc", amounts(5000, 999999, 100), { F::Resc }, { F::Check999999 } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BusForm, NumberTextsAreReadAsTheEditsHoldThem)
{
    auto typed = [](qint32 CCards::*m, const char* value) {
        return saveNewPayee<PayeeBusForm>(
            busPayee(), [m, value](PayeeFormFrame& f) { f.numberText(m) = QString::fromLatin1(value); });
    };
    EXPECT_EQ(typed(&CCards::gross, "123456789").errors, FieldSet { F::Gross });
    EXPECT_EQ(typed(&CCards::taxWithheld, "123456789").errors, FieldSet { F::TaxWithheld });
    EXPECT_EQ(typed(&CCards::resc, "123456789").errors, FieldSet { F::Resc });
    EXPECT_EQ(typed(&CCards::resc, "").errors, FieldSet { F::Resc });
    EXPECT_EQ(typed(&CCards::pCode, "30530").errors, FieldSet { F::PCode });

    // Gross and Tax Withheld read empty as 0: nothing reportable with RESC 0.
    const FormResult empty = saveNewPayee<PayeeBusForm>(busPayee(), [](PayeeFormFrame& f) {
        f.numberText(&CCards::gross).clear();
        f.numberText(&CCards::taxWithheld).clear();
    });
    EXPECT_TRUE(empty.errors.empty());
    EXPECT_EQ(empty.warnings, FieldSet { F::AmountValidation });
    EXPECT_EQ(empty.messages, QStringList({ kBusNothingReportableMessage.toString(), kGate }));
}

TEST(BusForm, ThePayeeIdTakesAnyTextButOnlyASignedWholeNumberPasses)
{
    auto withId = [](const char* id) {
        return saveNewPayee<PayeeBusForm>(busPayee(), [id](PayeeFormFrame& f) { f.payeeIdText = id; });
    };
    EXPECT_EQ(withId("12a").errors, FieldSet { F::PayeeId });
    EXPECT_EQ(withId("1234567890").errors, FieldSet { F::PayeeId });
    const FormResult negative = withId("-5");
    ASSERT_TRUE(negative.stored);
    EXPECT_EQ(negative.record.payeeId, -5);
}

TEST(BusForm, ThePaymentTypeOpensTheTfnOrTheAbnBoxAndClearsNeither)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    PayeeBusForm form(w.context);
    form.OnInitDialog();
    EXPECT_FALSE(form.tfnEnabled);
    EXPECT_FALSE(form.abnEnabled);

    form.values.tfn = QStringLiteral("123 456 782");
    form.values.abn = QStringLiteral("51 824 753 556");
    form.OnCbnSelendokPaymentType(kVoluntaryAgreement.toString());
    EXPECT_TRUE(form.abnEnabled);
    EXPECT_FALSE(form.tfnEnabled);
    for (const QString& type : { QStringLiteral("Labour Hire"), QStringLiteral("Other Specified Payments"),
             QStringLiteral("PS Attributed Income") }) {
        form.OnCbnSelendokPaymentType(type);
        EXPECT_TRUE(form.tfnEnabled);
        EXPECT_FALSE(form.abnEnabled);
    }
    EXPECT_EQ(form.values.tfn, QStringLiteral("123 456 782"));
    EXPECT_EQ(form.values.abn, QStringLiteral("51 824 753 556"));
}

TEST(BusForm, SwitchingAVoluntaryPayeeToLabourHireKeepsTheNoTfnQuotedNumber)
{
    PayeeWorld w;
    CCards stored = busPayee();
    voluntary("51824753556", "000000000")(stored);
    stored.payeeId = 8;
    stored.checked = QStringLiteral("Yes");
    w.report().payees[8] = stored;
    w.context.currentPayee = stored;
    w.context.currentPayeeKey = 8;

    PayeeBusForm form(w.context);
    form.OnInitDialog();
    EXPECT_EQ(form.values.abn, QStringLiteral("51 824 753 556"));
    EXPECT_EQ(form.values.tfn, QStringLiteral("000 000 000"));
    EXPECT_TRUE(form.abnEnabled);
    EXPECT_FALSE(form.tfnEnabled);

    // Saved unchanged, the same record comes back.
    ASSERT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(w.report().payees.at(8), stored);

    form.OnInitDialog();
    form.values.busPaymentType = QStringLiteral("Labour Hire");
    form.OnCbnSelendokPaymentType(form.values.busPaymentType);
    EXPECT_TRUE(form.tfnEnabled);
    ASSERT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    const CCards& relabelled = w.report().payees.at(8);
    EXPECT_EQ(relabelled.tfn, QStringLiteral("000000000"));
    EXPECT_EQ(relabelled.abn, QStringLiteral("00000000000"));
    EXPECT_EQ(relabelled.busPaymentType, QStringLiteral("Labour Hire"));
}

TEST(BusForm, TheCheckAbnMessageComesBeforeTheGate)
{
    const FormResult r = saveBus([](CCards& c) {
        voluntary("-1824753556")(c);
        c.surname.clear();
    });
    EXPECT_EQ(r.messages, QStringList({ kAbnMessage, kGate }));
    EXPECT_EQ(r.errors, (FieldSet { F::Abn, F::Surname }));
}

// ---------------------------------------------------------------------------
// The record the form stores, member by member.

CCards expectedBusRecord()
{
    CCards e;
    e.payeeId = 1;
    e.payrollNo = QStringLiteral("P1");
    e.dataSource = QStringLiteral("Manually Added");
    e.payeeType = QStringLiteral("BUS");
    e.busPaymentType = kVoluntaryAgreement.toString();
    e.tfn = QStringLiteral("000000000");
    e.abn = QStringLiteral("51824753556");
    e.dobDay = QStringLiteral("00");
    e.dobMonth = QStringLiteral("00");
    e.dobYear = QStringLiteral("0000");
    e.surname = QStringLiteral("Citizen");
    e.firstName = QStringLiteral("Jane");
    e.secName = QStringLiteral("Mary Anne");
    e.addLine1 = QStringLiteral("1 Main St");
    e.addLine2 = QStringLiteral("Unit 2");
    e.suburb = QStringLiteral("CARLTON");
    e.state = QStringLiteral("VIC");
    e.pCode = 3053;
    e.country = QStringLiteral("AUSTRALIA");
    e.startDay = QStringLiteral("01");
    e.startMonth = QStringLiteral("07");
    e.startYear = QStringLiteral("2018");
    e.endDay = QStringLiteral("30");
    e.endMonth = QStringLiteral("06");
    e.endYear = QStringLiteral("2019");
    e.taxWithheld = 10000;
    e.gross = 50000;
    e.resc = 250;
    e.origAmended = QStringLiteral("A");
    e.checked = QStringLiteral("Yes");
    return e;
}

TEST(BusForm, StoresTheBusMembersNormalisedAndEveryOtherEmpty)
{
    CCards typed = busPayee();
    voluntary("51 824 753 556", "123 456 782")(typed);
    dob("", "0", "0")(typed);
    typed.surname = QStringLiteral(" Citizen ");
    typed.firstName = QStringLiteral("Jane");
    typed.secName = QStringLiteral("Mary  Anne");
    typed.addLine1 = QStringLiteral("1  Main St");
    typed.addLine2 = QStringLiteral("Unit 2");
    typed.suburb = QStringLiteral("carlton");
    typed.state = QStringLiteral("vic");
    typed.country = QStringLiteral("Australia");
    typed.payrollNo = QStringLiteral("P1 ");
    typed.origAmended = QStringLiteral("A");
    typed.resc = 250;
    // What another type keeps in its members never reaches a BUS record.
    typed.etpPaymentType = QStringLiteral("R");
    typed.paymentDay = QStringLiteral("01");
    typed.taxable = 4;
    typed.other1 = 7;
    typed.lumpA = 3;
    typed.unionName = QStringLiteral("AWU");

    const FormResult r = saveNewPayee<PayeeBusForm>(
        typed, [](PayeeFormFrame& f) { f.values.dataSource = QStringLiteral("Manually Added"); });
    ASSERT_TRUE(r.stored) << r.messages.join(u'|').toStdString();
    EXPECT_EQ(r.record, expectedBusRecord());
}

// ---------------------------------------------------------------------------
// The check: the flag "" and "Yes".

class BusCheckRules : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(BusCheckRules, PassOrFail)
{
    expectCheckCase(kBusType, busPayee(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Bus, BusCheckRules,
    ::testing::Values(CheckCase { "valid", kNothing, true, true },
        CheckCase { "placeholderGross", amounts(999999, 0, 100), false, false },
        CheckCase { "placeholderTax", amounts(5000, 0, 999999), false, false },
        CheckCase { "negativeResc", amounts(5000, -1, 100), false, false },
        CheckCase { "paymentTypeLowerCase", text(&CCards::busPaymentType, "labour hire"), false, false },
        CheckCase { "paymentTypeBlanks", text(&CCards::busPaymentType, " PS  Attributed Income "), true, true },
        CheckCase { "tfnEmpty", text(&CCards::tfn, ""), false, false },
        CheckCase { "tfnEightDigits", text(&CCards::tfn, "12345678"), false, true },
        CheckCase { "abnJunkForLabourHire", text(&CCards::abn, "junk"), true, true },
        CheckCase { "abnValid", voluntary("51824753556"), true, true },
        CheckCase { "abnZeros", voluntary("00000000000"), true, true },
        CheckCase { "abnEmpty", voluntary(""), false, false },
        CheckCase { "abnCheckDigit", voluntary("51824753557"), false, false },
        CheckCase { "abnTen", voluntary("5182475355"), false, false },
        CheckCase { "surnameOneLetter", text(&CCards::surname, "C"), false, true },
        CheckCase { "noGivenNames", text(&CCards::firstName, ""), false, true },
        CheckCase { "dobShortParts", dob("5", "3", "1980"), true, true },
        CheckCase { "dob29FebNoYear", dob("29", "2", "0"), true, true },
        CheckCase { "dob31JuneNoYear", dob("31", "06", "0000"), false, false },
        CheckCase { "dob2008", dob("", "", "2008"), true, true },
        CheckCase { "dob2009", dob("", "", "2009"), false, true },
        CheckCase { "dob2016", dob("", "", "2016"), false, false },
        CheckCase { "stateLowerCase", text(&CCards::state, "nsw"), false, false },
        CheckCase { "suburbLowerCase", text(&CCards::suburb, "carlton"), true, true },
        CheckCase { "overseas", place("OTH", 9999, "fiji"), true, true },
        CheckCase { "overseasAus", place("OTH", 9999, "aus"), false, false },
        CheckCase { "periodShortParts", period("1", "7", "2018", "30", "6", "2019"), true, true },
        CheckCase { "endBeforeStart", period("01", "01", "2019", "31", "12", "2018"), false, false },
        CheckCase { "startOutsideYear", period("30", "06", "2018", "30", "06", "2019"), false, false },
        CheckCase { "payrollBadChars", text(&CCards::payrollNo, "A.1"), false, false },
        CheckCase { "indicatorEmpty", text(&CCards::origAmended, ""), false, false },
        CheckCase { "taxAboveGross", amounts(500, 0, 600), false, true },
        CheckCase { "nothingReportable", amounts(0, 0, 0), false, true },
        CheckCase { "onlyResc", amounts(0, 100, 0), true, true }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BusCheck, APassWritesTheRecordBackWithThePlaceholderNumber)
{
    CCards record = busPayee();
    voluntary(" 51 824 753 556 ", "123456782")(record);
    record.payeeId = 1;
    record.surname = QStringLiteral(" Citizen ");
    record.firstName = QStringLiteral("Jane");
    record.secName = QStringLiteral("Mary  Anne");
    record.addLine1 = QStringLiteral("1 Main St");
    record.addLine2 = QStringLiteral("Unit 2");
    record.suburb = QStringLiteral("CARLTON");
    record.country = QStringLiteral("australia");
    dob("", "0", "")(record);
    record.startDay = QStringLiteral("1");
    record.payrollNo = QStringLiteral("P1");
    record.dataSource = QStringLiteral("Manually Added ");
    record.origAmended = QStringLiteral("A");
    record.resc = 250;
    record.ignoreWarnings = QStringLiteral("Yes");
    record.checked = QStringLiteral("No");
    // Members a BUS record does not keep.
    record.etpPaymentType = QStringLiteral("R");
    record.paymentYear = QStringLiteral("2019");
    record.taxFree = 4;
    record.spareInt1 = 9;
    record.spare2 = QStringLiteral("x");

    ASSERT_TRUE(checkRecord(kBusType, record));
    CCards expected = expectedBusRecord();
    expected.ignoreWarnings = QStringLiteral("Yes");
    EXPECT_EQ(record, expected);

    // Any other type gets the no-ABN placeholder and keeps its TFN.
    CCards labour = busPayee();
    labour.abn = QStringLiteral("51824753556");
    ASSERT_TRUE(checkRecord(kBusType, labour));
    EXPECT_EQ(labour.tfn, QStringLiteral("123456782"));
    EXPECT_EQ(labour.abn, QStringLiteral("00000000000"));
}

TEST(BusCheck, CheckAbnSpeaksOnlyWhenTheAbnRuleIsReached)
{
    QStringList shown;
    CCards signedAbn = busPayee();
    voluntary("+1824753556")(signedAbn);
    EXPECT_FALSE(checkRecord(kBusType, signedAbn, &shown));
    EXPECT_EQ(shown, QStringList { kAbnMessage });

    // A placeholder amount fails the record before the ABN is looked at.
    CCards earlier = busPayee();
    voluntary("+1824753556")(earlier);
    earlier.gross = 999999;
    EXPECT_FALSE(checkRecord(kBusType, earlier, &shown));
    EXPECT_TRUE(shown.isEmpty());
}

// ---------------------------------------------------------------------------
// Where the form and the check differ on purpose: each row through both.

class BusFormAndCheck : public ::testing::TestWithParam<DifferenceCase>
{
};

TEST_P(BusFormAndCheck, DifferWhereMeant)
{
    expectDifferenceCase<PayeeBusForm>(kBusType, busPayee(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Bus, BusFormAndCheck,
    ::testing::Values(
        // 29 February without a year: refused by the form, accepted by the check.
        DifferenceCase { "dob29FebNoYear", dob("29", "02", "0000"), false, false, true, true },
        // The placeholder amount: a warning on the form, a failure in the check.
        DifferenceCase { "placeholder", amounts(999999, 0, 100), false, false, false, false },
        // The form upper-cases the state; the check compares it as stored.
        DifferenceCase { "stateLowerCase", text(&CCards::state, "vic"), true, true, false, false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BusFormAndCheck, WhatTheFormStoresTheCheckPassesUnchanged)
{
    const std::vector<Change> payees {
        kNothing,
        voluntary("51 824 753 556"),
        voluntary("00000000000", "junk"),
        text(&CCards::busPaymentType, "Other Specified Payments"),
        place("OTH", 9999, "new zealand"),
        place("NT", 800, ""),
        dob("29", "02", "1980"),
        amounts(0, 100, 0),
        period("15", "03", "2019", "15", "03", "2019"),
    };
    expectFormAndCheckAgree<PayeeBusForm>(kBusType, busPayee(), payees);
    const FormResult ignored = saveBus(dob("01", "01", "2010"), true);
    ASSERT_TRUE(ignored.stored);
    CCards record = ignored.record;
    EXPECT_TRUE(checkRecord(kBusType, record));
    EXPECT_EQ(record, ignored.record);
}

} // namespace
