#include "payees/PayeeInbKit.h"
#include "payees/PayeeTypeInb.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

namespace
{

using F = PayeeField;
using Fields = std::set<F>;

const QString kGate = QStringLiteral("Please correct all highlighted entries and press Save again.");

Fields errorsOf(const PayeeFormFrame& form)
{
    Fields fields;
    for (const Finding& f : form.findings())
        if (f.kind == FindingKind::Error)
            fields.insert(f.field);
    return fields;
}

Fields warningsOf(const PayeeFormFrame& form)
{
    Fields fields;
    for (const Finding& f : form.findings())
        if (f.kind != FindingKind::Error)
            fields.insert(f.field);
    return fields;
}

// One field rule: what is typed over the passing payee and the markers Save shows.
struct RuleCase {
    const char* name;
    int year;
    bool a01;
    std::function<void(PayeeInbForm&)> type;
    Fields errors;
    Fields warnings;
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}

class InbRuleTable : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(InbRuleTable, SaveShowsTheMarkersOfItsRules)
{
    const RuleCase& c = GetParam();
    InbWorld inb(c.year, c.a01);
    typeInbPayee(inb.form, c.year);
    c.type(inb.form);
    const PayeeSaveOutcome outcome = inb.form.OnBnClickedSave();
    EXPECT_EQ(errorsOf(inb.form), c.errors);
    EXPECT_EQ(warningsOf(inb.form), c.warnings);
    const bool clean = c.errors.empty() && c.warnings.empty();
    EXPECT_EQ(outcome, clean ? PayeeSaveOutcome::Stored : PayeeSaveOutcome::StayOpen);
    EXPECT_EQ(inb.w.report().payees.size(), clean ? 1u : 0u);
}

using Form = PayeeInbForm;
QString& num(Form& f, qint32 CCards::*m)
{
    return f.numberText(m);
}
QString s(const char* text)
{
    return QString::fromUtf8(text);
}

const RuleCase kRuleCases[] = {
    { "Passing", 2019, false, [](Form&) {}, {}, {} },
    // Income types and s57A by year.
    { "WorkingHolidayMakerFrom2017", 2017, false, [](Form& f) { f.values.incomeType = s("Working Holiday Maker"); }, {},
        {} },
    { "WorkingHolidayMakerRefusedIn2016", 2016, false,
        [](Form& f) { f.values.incomeType = s("Working Holiday Maker"); }, { F::IncomeType }, {} },
    { "PensionIn2013", 2013, false, [](Form& f) { f.values.incomeType = s("Non-Super Pension or Annuity"); }, {}, {} },
    { "NoIncomeType", 2019, false, [](Form& f) { f.values.incomeType.clear(); }, { F::IncomeType }, {} },
    { "S57AYesWithRfbt", 2018, false,
        [](Form& f) {
            num(f, &CCards::rfbt) = s("4000");
            f.values.fbtExempt = s("Y");
        },
        {}, {} },
    { "S57ADashWithRfbt", 2018, false, [](Form& f) { num(f, &CCards::rfbt) = s("4000"); }, { F::FbtExempt }, {} },
    { "S57ANoWithoutRfbt", 2018, false, [](Form& f) { f.values.fbtExempt = s("N"); }, { F::FbtExempt }, {} },
    { "S57AIgnoredBefore2017", 2016, false,
        [](Form& f) {
            num(f, &CCards::rfbt) = s("4000");
            f.values.fbtExempt = s("Y");
        },
        {}, {} },
    // The RFBT minimum by year.
    { "Rfbt3772In2018", 2018, false,
        [](Form& f) {
            num(f, &CCards::rfbt) = s("3772");
            f.values.fbtExempt = s("Y");
        },
        {}, { F::Rfbt } },
    { "Rfbt3773In2018", 2018, false,
        [](Form& f) {
            num(f, &CCards::rfbt) = s("3773");
            f.values.fbtExempt = s("Y");
        },
        {}, {} },
    { "Rfbt500DashIn2018", 2018, false, [](Form& f) { num(f, &CCards::rfbt) = s("500"); }, { F::FbtExempt },
        { F::Rfbt } },
    { "Rfbt3920In2016", 2016, false, [](Form& f) { num(f, &CCards::rfbt) = s("3920"); }, {}, { F::Rfbt } },
    { "Rfbt3773In2015", 2015, false, [](Form& f) { num(f, &CCards::rfbt) = s("3773"); }, {}, { F::Rfbt } },
    { "Rfbt100In2014", 2014, false, [](Form& f) { num(f, &CCards::rfbt) = s("100"); }, {}, {} },
    // Lump Sum E by year, with and without the lodgement-file-only flag.
    { "LumpE1199In2016", 2016, false,
        [](Form& f) {
            num(f, &CCards::lumpE) = s("1199");
            num(f, &CCards::lumpEYrMinus2) = s("1199");
        },
        { F::LumpE }, {} },
    { "LumpE1200In2016", 2016, false,
        [](Form& f) {
            num(f, &CCards::lumpE) = s("1200");
            num(f, &CCards::lumpEYrMinus2) = s("700");
            num(f, &CCards::lumpEYrMinus3) = s("300");
            num(f, &CCards::lumpEPreYrMinus3) = s("200");
        },
        {}, {} },
    { "LumpE400In2015", 2015, false,
        [](Form& f) {
            num(f, &CCards::lumpE) = s("400");
            num(f, &CCards::lumpEPreYrMinus3) = s("400");
        },
        {}, {} },
    { "LumpE399In2015", 2015, false,
        [](Form& f) {
            num(f, &CCards::lumpE) = s("399");
            num(f, &CCards::lumpEPreYrMinus3) = s("399");
        },
        { F::LumpE }, {} },
    { "LumpEAccrualsShort", 2019, false,
        [](Form& f) {
            num(f, &CCards::lumpE) = s("1500");
            num(f, &CCards::lumpEYrMinus2) = s("1400");
        },
        { F::LumpE }, {} },
    { "LumpEAccrualsShortA01Only", 2019, true, [](Form& f) { num(f, &CCards::lumpE) = s("1500"); }, {}, {} },
    { "LumpE1199A01OnlyStillBelowMinimum", 2019, true, [](Form& f) { num(f, &CCards::lumpE) = s("1199"); },
        { F::LumpE }, {} },
    // Allowances, Total Allowances and union.
    { "AllowancesAddUp", 2019, false,
        [](Form& f) {
            f.values.allow1Name = s("Car");
            num(f, &CCards::allow1) = s("300");
            f.values.allow4Name = s("Tools");
            num(f, &CCards::allow4) = s("200");
            num(f, &CCards::totalAllow) = s("500");
        },
        {}, {} },
    { "TotalAllowancesWithoutAmounts", 2019, false, [](Form& f) { num(f, &CCards::totalAllow) = s("500"); },
        { F::TotalAllow }, {} },
    { "TotalAllowancesWithoutAmountsA01Only", 2019, true, [](Form& f) { num(f, &CCards::totalAllow) = s("500"); }, {},
        {} },
    { "AllowanceWithoutName", 2019, false,
        [](Form& f) {
            num(f, &CCards::allow2) = s("300");
            num(f, &CCards::totalAllow) = s("300");
        },
        { F::Allow2 }, {} },
    { "AllowanceNameWithoutAmount", 2019, false, [](Form& f) { f.values.allow3Name = s("Meals"); }, { F::Allow3 }, {} },
    { "AllowanceNameWithoutAmountA01Only", 2019, true, [](Form& f) { f.values.allow3Name = s("Meals"); }, {}, {} },
    { "UnionAmountWithoutName", 2019, false, [](Form& f) { num(f, &CCards::unionFees) = s("120"); }, { F::UnionName },
        {} },
    { "UnionAmountWithoutNameA01Only", 2019, true, [](Form& f) { num(f, &CCards::unionFees) = s("120"); }, {}, {} },
    { "UnionNameWithoutAmountA01Only", 2019, true, [](Form& f) { f.values.unionName = s("Union"); }, { F::UnionName },
        {} },
    // Lump Sum A and its type.
    { "LumpAWithoutType", 2019, false, [](Form& f) { num(f, &CCards::lumpA) = s("100"); }, { F::LumpAType }, {} },
    { "LumpAWithBlankItem", 2019, false,
        [](Form& f) {
            num(f, &CCards::lumpA) = s("100");
            f.values.lumpAType = s(" ");
        },
        { F::LumpAType }, {} },
    { "LumpATypeR", 2019, false,
        [](Form& f) {
            num(f, &CCards::lumpA) = s("100");
            f.values.lumpAType = s("R");
        },
        {}, {} },
    { "TypeTWithoutLumpA", 2019, false, [](Form& f) { f.values.lumpAType = s("T"); }, { F::LumpAType }, {} },
    // TFN.
    { "TfnEmpty", 2019, false, [](Form& f) { f.values.tfn = s(" "); }, { F::Tfn }, {} },
    { "TfnEightDigits", 2019, false, [](Form& f) { f.values.tfn = s("123 456 78"); }, {}, { F::Tfn } },
    { "TfnRefused", 2019, false, [](Form& f) { f.values.tfn = s("123 456 789"); }, {}, { F::Tfn } },
    // Names.
    { "SurnameEmpty", 2019, false, [](Form& f) { f.values.surname.clear(); }, { F::Surname }, {} },
    { "SurnameOneLetter", 2019, false, [](Form& f) { f.values.surname = s("C"); }, {}, { F::Surname } },
    { "SurnameBadCharacter", 2019, false, [](Form& f) { f.values.surname = s("Citizen\""); }, { F::Surname }, {} },
    { "NoGivenNames", 2019, false,
        [](Form& f) {
            f.values.firstName.clear();
            f.values.secName.clear();
        },
        {}, { F::FirstName } },
    { "SecondNameOnly", 2019, false, [](Form& f) { f.values.firstName.clear(); }, { F::FirstName }, {} },
    { "SecondNameBadCharacter", 2019, false, [](Form& f) { f.values.secName = s("M\"ry"); }, { F::SecName }, {} },
    // Birth date.
    { "BirthDate31April", 2019, false,
        [](Form& f) {
            f.values.dobDay = s("31");
            f.values.dobMonth = s("04");
        },
        { F::DateOfBirth }, {} },
    { "Birth29FebruaryWithoutYear", 2019, false,
        [](Form& f) {
            f.values.dobDay = s("29");
            f.values.dobYear = s("0000");
        },
        {}, {} },
    { "Birth30FebruaryWithoutYear", 2019, false,
        [](Form& f) {
            f.values.dobDay = s("30");
            f.values.dobYear = s("0000");
        },
        { F::DateOfBirth }, {} },
    { "BirthYear2010In2018", 2018, false, [](Form& f) { f.values.dobYear = s("2010"); }, {}, { F::DateOfBirth } },
    { "BirthYear2007In2018", 2018, false, [](Form& f) { f.values.dobYear = s("2007"); }, {}, {} },
    { "BirthYear1900", 2019, false, [](Form& f) { f.values.dobYear = s("1900"); }, {}, { F::DateOfBirth } },
    { "BirthDateNotGiven", 2019, false,
        [](Form& f) {
            f.values.dobDay.clear();
            f.values.dobMonth.clear();
            f.values.dobYear.clear();
        },
        {}, {} },
    // PCode, State and Country.
    { "Pcode800InNt", 2019, false,
        [](Form& f) {
            num(f, &CCards::pCode) = s("800");
            f.values.state = s("NT");
        },
        {}, {} },
    { "Pcode800InVic", 2019, false,
        [](Form& f) {
            num(f, &CCards::pCode) = s("800");
            f.values.state = s("VIC");
        },
        { F::PCode }, {} },
    { "OverseasAddress", 2019, false,
        [](Form& f) {
            num(f, &CCards::pCode) = s("9999");
            f.values.state = s("OTH");
            f.values.country = s("New Zealand");
        },
        {}, {} },
    { "OverseasAddressInAus", 2019, false,
        [](Form& f) {
            num(f, &CCards::pCode) = s("9999");
            f.values.state = s("OTH");
            f.values.country = s("AUS");
        },
        { F::PCode, F::State, F::Country }, {} },
    { "CountryWithAustralianState", 2019, false, [](Form& f) { f.values.country = s("Fiji"); }, { F::Country }, {} },
    { "CountryOfBadCharacters", 2019, false,
        [](Form& f) {
            num(f, &CCards::pCode) = s("9999");
            f.values.state = s("OTH");
            f.values.country = s("ÉIRE");
        },
        { F::Country }, {} },
    { "StateLowerCaseIsUpperCased", 2019, false, [](Form& f) { f.values.state = s("nsw"); }, {}, {} },
    { "PcodeEmpty", 2019, false, [](Form& f) { num(f, &CCards::pCode).clear(); }, { F::PCode }, {} },
    // The period bounds.
    { "StartDayBeforeTheYear", 2019, false,
        [](Form& f) {
            f.values.startDay = s("30");
            f.values.startMonth = s("06");
        },
        { F::StartDate }, {} },
    { "EndBeforeStart", 2019, false,
        [](Form& f) {
            f.values.startDay = s("10");
            f.values.startMonth = s("03");
            f.values.startYear = s("2019");
            f.values.endDay = s("09");
            f.values.endMonth = s("03");
        },
        { F::EndDate }, {} },
    { "EndAfterTheYear", 2019, false, [](Form& f) { f.values.endYear = s("2020"); }, { F::EndDate }, {} },
    // Other amounts, texts and lists.
    { "RequiredAmountsEmpty", 2019, false,
        [](Form& f) {
            for (auto m : { &CCards::rfbt, &CCards::resc, &CCards::exemptForeign, &CCards::giving, &CCards::annuity })
                num(f, m).clear();
        },
        { F::Rfbt, F::Resc, F::ExemptForeign, F::Giving, F::Annuity }, {} },
    { "AmountTooLong", 2019, false, [](Form& f) { num(f, &CCards::cdep) = s("123456789"); }, { F::Cdep }, {} },
    { "PayrollBadCharacter", 2019, false, [](Form& f) { f.values.payrollNo = s("E\"1"); }, { F::PayrollNo }, {} },
    { "NotOriginalOrAmended", 2019, false, [](Form& f) { f.values.origAmended.clear(); }, { F::OrigAmended }, {} },
    // The placeholder 999999.
    { "Gross999999", 2019, false, [](Form& f) { num(f, &CCards::gross) = s("999999"); }, { F::Gross },
        { F::Check999999 } },
    { "Union999999", 2019, false,
        [](Form& f) {
            num(f, &CCards::unionFees) = s("999999");
            f.values.unionName = s("Union");
        },
        { F::UnionFees }, { F::Check999999 } },
};

INSTANTIATE_TEST_SUITE_P(Inb, InbRuleTable, ::testing::ValuesIn(kRuleCases),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

// --- The six amount cases -------------------------------------------------

struct AmountCase {
    const char* name;
    std::function<void(Form&)> type;
    QStringView message; // empty: no case applies
};

void PrintTo(const AmountCase& c, std::ostream* os)
{
    *os << c.name;
}

class InbAmountValidation : public ::testing::TestWithParam<AmountCase>
{
};

void zeroAmounts(Form& f)
{
    num(f, &CCards::gross) = s("0");
    num(f, &CCards::taxWithheld) = s("0");
}

const AmountCase kAmountCases[] = {
    { "TaxAboveTaxable",
        [](Form& f) {
            zeroAmounts(f);
            num(f, &CCards::taxWithheld) = s("100");
            num(f, &CCards::lumpB) = s("1000");
        },
        kInbTaxAboveTaxable },
    { "TaxWithinTaxable",
        [](Form& f) {
            zeroAmounts(f);
            num(f, &CCards::taxWithheld) = s("100");
            num(f, &CCards::lumpB) = s("2000");
        },
        {} },
    { "NothingReportable", [](Form& f) { zeroAmounts(f); }, kInbNothingReportable },
    { "LumpDAndExemptOnly",
        [](Form& f) {
            zeroAmounts(f);
            num(f, &CCards::lumpD) = s("300");
            num(f, &CCards::exemptForeign) = s("400");
        },
        kInbLumpDAndExemptOnly },
    { "LumpDOnly",
        [](Form& f) {
            zeroAmounts(f);
            num(f, &CCards::lumpD) = s("300");
        },
        kInbLumpDOnly },
    { "ExemptOnly",
        [](Form& f) {
            zeroAmounts(f);
            num(f, &CCards::exemptForeign) = s("400");
        },
        kInbExemptOnly },
    { "LumpDWithGross",
        [](Form& f) {
            zeroAmounts(f);
            num(f, &CCards::gross) = s("10");
            num(f, &CCards::lumpD) = s("300");
        },
        {} },
};

TEST_P(InbAmountValidation, TheFirstCaseThatAppliesShowsItsMessageBeforeTheGate)
{
    const AmountCase& c = GetParam();
    InbWorld inb;
    typeInbPayee(inb.form, 2019);
    c.type(inb.form);
    const PayeeSaveOutcome outcome = inb.form.OnBnClickedSave();
    if (c.message.isEmpty()) {
        EXPECT_EQ(outcome, PayeeSaveOutcome::Stored);
        EXPECT_TRUE(inb.w.ui.messages.empty());
        return;
    }
    EXPECT_EQ(outcome, PayeeSaveOutcome::StayOpen);
    ASSERT_EQ(inb.w.ui.messages.size(), 2u);
    EXPECT_EQ(inb.w.ui.messages[0].text, c.message.toString());
    EXPECT_EQ(inb.w.ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(inb.w.ui.messages[1].text, kGate);
    EXPECT_EQ(warningsOf(inb.form), (Fields { F::AmountValidation }));
    EXPECT_TRUE(inb.form.ignoreWarningsVisible);
}

TEST_P(InbAmountValidation, IsSilentWhileWarningsAreIgnored)
{
    const AmountCase& c = GetParam();
    InbWorld inb;
    typeInbPayee(inb.form, 2019);
    c.type(inb.form);
    inb.form.OnBnClickedIgnoreWarnings();
    EXPECT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_TRUE(inb.w.ui.messages.empty());
    EXPECT_EQ(inb.w.report().payees.begin()->second.ignoreWarnings, QStringLiteral("Yes"));
}

INSTANTIATE_TEST_SUITE_P(Inb, InbAmountValidation, ::testing::ValuesIn(kAmountCases),
    [](const ::testing::TestParamInfo<AmountCase>& info) { return std::string(info.param.name); });

// --- Whole Saves ----------------------------------------------------------

TEST(InbForm, SavingANewPayeeWithNothingTypedMarksTheRequiredFields)
{
    InbWorld inb;
    EXPECT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_EQ(errorsOf(inb.form),
        (Fields { F::Tfn, F::Surname, F::AddLine1, F::Suburb, F::PCode, F::State, F::StartDate, F::EndDate, F::Rfbt,
            F::Resc, F::ExemptForeign, F::Giving, F::Annuity }));
    EXPECT_EQ(warningsOf(inb.form), (Fields { F::FirstName, F::AmountValidation }));
    EXPECT_EQ(inb.w.ui.texts(), (QStringList { kInbNothingReportable.toString(), kGate }));
    EXPECT_TRUE(inb.w.report().payees.empty());
}

// Every check fails 999999, so ticking "Ignore Warnings" never saves it
// with Checked "Yes"; the corner still says why.
TEST(InbForm, AnAmountOf999999IsRefusedEvenWithWarningsIgnored)
{
    InbWorld inb;
    typeInbPayee(inb.form, 2019);
    num(inb.form, &CCards::resc) = s("999999");
    EXPECT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(inb.form.ignoreWarningsVisible);
    EXPECT_TRUE(inb.form.hasError(PayeeField::Resc));
    EXPECT_TRUE(inb.form.hasWarning(PayeeField::Check999999));
    inb.form.OnBnClickedIgnoreWarnings();
    EXPECT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(inb.form.hasError(PayeeField::Resc));
    EXPECT_TRUE(inb.w.report().payees.empty());
    num(inb.form, &CCards::resc) = s("999998");
    EXPECT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
}

TEST(InbForm, ATfnOfZerosIsStoredWithoutBlanks)
{
    InbWorld inb;
    typeInbPayee(inb.form, 2019);
    ASSERT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(inb.w.report().payees.begin()->second.tfn, QStringLiteral("000000000"));
}

TEST(InbForm, TheStoredRecordHoldsEveryMember)
{
    InbWorld inb(2018);
    inb.w.report().highestPayeeId = 6;
    inb.form.OnInitDialog();
    typeInbPayee(inb.form, 2018);
    CCards& v = inb.form.values;
    v.incomeType = s("Working Holiday Maker");
    v.secName = s("  Mary   Ann ");
    v.addLine2 = s("Unit 4");
    v.country = s("australia");
    v.dobDay.clear();
    v.dobMonth = s("0");
    v.dobYear.clear();
    v.lumpAType = s("T");
    v.allow1Name = s("Car");
    v.allow2Name = s("Tools");
    v.allow3Name = s("Meals");
    v.allow4Name = s("Travel");
    v.unionName = s("Union");
    v.fbtExempt = s("N");
    // Members INB keeps no value in are written empty.
    v.abn = s("12345678901");
    v.paymentDay = s("01");
    v.busPaymentType = s("N");
    v.spare6 = s("x");
    const std::pair<qint32 CCards::*, const char*> amounts[] = {
        { &CCards::cdep, "11" },
        { &CCards::lumpA, "12" },
        { &CCards::lumpB, "13" },
        { &CCards::lumpD, "14" },
        { &CCards::lumpE, "1500" },
        { &CCards::lumpEYrMinus2, "1000" },
        { &CCards::lumpEYrMinus3, "300" },
        { &CCards::lumpEPreYrMinus3, "200" },
        { &CCards::allow1, "1" },
        { &CCards::allow2, "2" },
        { &CCards::allow3, "3" },
        { &CCards::allow4, "4" },
        { &CCards::totalAllow, "10" },
        { &CCards::rfbt, "5000" },
        { &CCards::resc, "16" },
        { &CCards::exemptForeign, "17" },
        { &CCards::giving, "18" },
        { &CCards::annuity, "19" },
        { &CCards::unionFees, "20" },
    };
    for (const auto& [m, text] : amounts)
        num(inb.form, m) = s(text);
    ASSERT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored) << inb.w.ui.texts().join(u'|').toStdString();

    CCards want;
    want.payeeId = 7;
    want.payrollNo = s("E-17");
    want.dataSource = s("Manually Added");
    want.payeeType = s("INB");
    want.incomeType = s("Working Holiday Maker");
    want.tfn = s("000000000");
    want.dobDay = s("00");
    want.dobMonth = s("00");
    want.dobYear = s("0000");
    want.surname = s("Citizen");
    want.firstName = s("Jane");
    want.secName = s("Mary Ann");
    want.addLine1 = s("1 Main Street");
    want.addLine2 = s("Unit 4");
    want.suburb = s("SYDNEY");
    want.state = s("NSW");
    want.pCode = 2000;
    want.country = s("AUSTRALIA");
    want.startDay = s("01");
    want.startMonth = s("07");
    want.startYear = s("2017");
    want.endDay = s("30");
    want.endMonth = s("06");
    want.endYear = s("2018");
    want.taxWithheld = 9000;
    want.gross = 52000;
    want.totalAllow = 10;
    want.allow1Name = s("Car");
    want.allow1 = 1;
    want.allow2Name = s("Tools");
    want.allow2 = 2;
    want.allow3Name = s("Meals");
    want.allow3 = 3;
    want.allow4Name = s("Travel");
    want.allow4 = 4;
    want.lumpA = 12;
    want.lumpB = 13;
    want.lumpD = 14;
    want.lumpE = 1500;
    want.lumpEYrMinus2 = 1000;
    want.lumpEYrMinus3 = 300;
    want.lumpEPreYrMinus3 = 200;
    want.lumpAType = s("T");
    want.cdep = 11;
    want.rfbt = 5000;
    want.resc = 16;
    want.giving = 18;
    want.unionFees = 20;
    want.unionName = s("Union");
    want.exemptForeign = 17;
    want.annuity = 19;
    want.origAmended = s("O");
    want.spare1 = s("2016");
    want.spare2 = s("2015");
    want.checked = s("Yes");
    want.fbtExempt = s("N");
    EXPECT_EQ(inb.w.report().payees.at(7), want);
    EXPECT_EQ(inb.w.report().highestPayeeId, 7);
    EXPECT_EQ(inb.w.report().payeesChanged, 1);
    EXPECT_TRUE(inb.w.context.document.IsModified());
}

TEST(InbForm, S57AIsStoredAsABlankBefore2017WhateverTheListHeld)
{
    InbWorld inb(2016);
    EXPECT_EQ(inb.form.incomeTypes.size(), 2);
    EXPECT_FALSE(inb.form.s57AVisible);
    typeInbPayee(inb.form, 2016);
    inb.form.values.fbtExempt = s("Y");
    ASSERT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(inb.w.report().payees.begin()->second.fbtExempt, QStringLiteral(" "));
}

TEST(InbForm, APayeeOpenedAgainAndSavedUnchangedIsStoredByteForByte)
{
    InbWorld inb(2019);
    typeInbPayee(inb.form, 2019);
    inb.form.values.fbtExempt = s("-");
    num(inb.form, &CCards::lumpA) = s("250");
    inb.form.values.lumpAType = s("R");
    ASSERT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    const auto [id, first] = *inb.w.report().payees.begin();

    inb.w.report().payeeMode = 0;
    inb.w.context.currentPayee = first;
    inb.w.context.currentPayeeKey = id;
    PayeeInbForm again(inb.w.context);
    again.OnInitDialog();
    EXPECT_EQ(again.values.tfn, QStringLiteral("000 000 000"));
    EXPECT_EQ(again.values.fbtExempt, QStringLiteral("-"));
    ASSERT_EQ(again.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    EXPECT_EQ(inb.w.report().payees.at(id), first);
}

// A postcode below 1000 shows as Australia Post writes it and is stored as
// the number, typed either way; no postcode shows as it always has.
TEST(InbForm, APostcodeBelowOneThousandShowsItsLeadingZeroAndIsStoredAsTheNumber)
{
    const std::pair<const char*, qint32> typed[] = { { "870", 870 }, { "0870", 870 }, { "2000", 2000 } };
    for (const auto& [text, stored] : typed) {
        SCOPED_TRACE(text);
        InbWorld inb(2019);
        typeInbPayee(inb.form, 2019);
        inb.form.values.suburb = s("ALICE SPRINGS");
        inb.form.values.state = s("NT");
        num(inb.form, &CCards::pCode) = QString::fromLatin1(text);
        ASSERT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
        const auto [id, first] = *inb.w.report().payees.begin();
        EXPECT_EQ(first.pCode, stored);

        inb.w.report().payeeMode = 0;
        inb.w.context.currentPayee = first;
        inb.w.context.currentPayeeKey = id;
        PayeeInbForm again(inb.w.context);
        again.OnInitDialog();
        EXPECT_EQ(num(again, &CCards::pCode), PostcodeText(stored));
        ASSERT_EQ(again.OnBnClickedSave(), PayeeSaveOutcome::Stored);
        EXPECT_EQ(inb.w.report().payees.at(id), first);
    }

    PayeeWorld w;
    CCards none;
    none.payeeId = 3;
    none.payeeType = s("INB");
    w.report().payees[3] = none;
    w.context.currentPayee = none;
    w.context.currentPayeeKey = 3;
    PayeeInbForm opened(w.context);
    opened.OnInitDialog();
    EXPECT_EQ(num(opened, &CCards::pCode), QStringLiteral("0"));
}

TEST(InbForm, StoredAccrualYearsAreNotReadBack)
{
    PayeeWorld w;
    w.report().reportYear = s("2020");
    w.report().reportYearNumber = 2020;
    CCards stored;
    stored.payeeId = 3;
    stored.payeeType = s("INB");
    stored.spare1 = s("1999");
    stored.spare2 = s("1998");
    w.context.currentPayee = stored;
    w.context.currentPayeeKey = 3;
    PayeeInbForm form(w.context);
    form.OnInitDialog();
    EXPECT_EQ(form.accruedYearMinus2, QStringLiteral("2018"));
    EXPECT_EQ(form.accruedYearMinus3, QStringLiteral("2017"));
    EXPECT_EQ(form.accruedPriorTo, QStringLiteral("2017"));
    EXPECT_EQ(form.values.spare1, QStringLiteral("2018"));
    EXPECT_EQ(form.values.spare2, QStringLiteral("2017"));
}

TEST(InbForm, AddingModeChoosesTheFirstItemsAndListsThePreferredNames)
{
    PayeeWorld w;
    w.context.prefs.allowanceNames[0] = s("Car");
    w.context.prefs.allowanceNames[2] = s("Meals");
    w.context.prefs.organisationNames[11] = s("Union");
    w.report().payeeMode = 4;
    PayeeInbForm form(w.context);
    form.OnInitDialog();
    EXPECT_EQ(form.values.origAmended, QStringLiteral("O"));
    EXPECT_EQ(form.values.fbtExempt, QStringLiteral("-"));
    EXPECT_EQ(form.values.incomeType, QStringLiteral("Salary or Wages"));
    EXPECT_TRUE(form.s57AVisible);
    ASSERT_EQ(form.allowanceNames.size(), 12);
    EXPECT_EQ(form.allowanceNames[0], QStringLiteral("Car"));
    EXPECT_EQ(form.allowanceNames[1], QString());
    EXPECT_EQ(form.allowanceNames[2], QStringLiteral("Meals"));
    ASSERT_EQ(form.organisationNames.size(), 12);
    EXPECT_EQ(form.organisationNames[11], QStringLiteral("Union"));
}

TEST(InbForm, TheHiddenS57AListRefusesNoStoredValue)
{
    const QStringList answers { QStringLiteral("-"), QStringLiteral("Y"), QStringLiteral("N") };
    InbWorld before(2016);
    EXPECT_EQ(before.form.chooseListItem(F::FbtExempt, &CCards::fbtExempt, answers, s("X"), ListMatch::Text), -1);
    EXPECT_FALSE(before.form.unchosen(F::FbtExempt));
    InbWorld from(2017);
    EXPECT_EQ(from.form.chooseListItem(F::FbtExempt, &CCards::fbtExempt, answers, s("X"), ListMatch::Text), -1);
    EXPECT_TRUE(from.form.unchosen(F::FbtExempt));
}

TEST(InbForm, AStoredValueNoListOffersIsRefusedUntilChosen)
{
    InbWorld inb(2016);
    typeInbPayee(inb.form, 2016);
    inb.form.chooseListItem(
        F::IncomeType, &CCards::incomeType, inb.form.incomeTypes, s("Working Holiday Maker"), ListMatch::Text);
    inb.form.values.incomeType.clear();
    EXPECT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(inb.form.hasError(F::IncomeType));
    EXPECT_EQ(inb.form.values.surname, QStringLiteral("Citizen")); // the entries stay
}

} // namespace
