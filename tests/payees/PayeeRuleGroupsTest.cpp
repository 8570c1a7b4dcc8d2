#include "payees/PayeeFrameTestKit.h"
#include "report/CharChecks.h"
#include "report/FieldRules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <set>

namespace
{

using F = PayeeField;
using Fields = std::set<PayeeField>;

// One group run over a record in both modes.
struct BothModes {
    Fields errors; // form mode
    Fields warnings; // form mode, any kind of warning
    bool checkPasses; // check mode, flag empty
    bool checkPassesIgnoring; // check mode, flag "Yes"
    CCards formCard;
    CCards checkCard;
};

BothModes runGroup(void (*group)(RuleRun&), const CCards& card, PayeeType type = PayeeType::ETP, int year = 2019)
{
    BothModes out;
    const RuleSettings form(RuleMode::Form, type, year, false);
    out.formCard = card;
    RuleRun formRun(form, out.formCard, false);
    group(formRun);
    for (const Finding& f : formRun.findings())
        (f.kind == FindingKind::Error ? out.errors : out.warnings).insert(f.field);

    const RuleSettings check(RuleMode::Check, type, year, false);
    out.checkCard = card;
    RuleRun checkRun(check, out.checkCard, false);
    group(checkRun);
    out.checkPasses = !checkRun.failed();
    CCards ignoring = card;
    RuleRun ignoringRun(check, ignoring, true);
    group(ignoringRun);
    out.checkPassesIgnoring = !ignoringRun.failed();
    return out;
}

// What both modes must agree on: a form error fails the check always, a
// form warning fails it unless ignored, nothing found passes it.
void expectModesAgree(const BothModes& r, const Fields& errors, const Fields& warnings, const std::string& label)
{
    EXPECT_EQ(r.errors, errors) << label;
    EXPECT_EQ(r.warnings, warnings) << label;
    EXPECT_EQ(r.checkPasses, errors.empty() && warnings.empty()) << label;
    EXPECT_EQ(r.checkPassesIgnoring, errors.empty()) << label;
}

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(TfnGroup, EmptyOrNotDigitsIsAnErrorAndAMalformedNumberAWarning)
{
    struct Case {
        const char* tfn;
        Fields errors, warnings;
    };
    const Case cases[] = {
        { "", { F::Tfn }, {} },
        { "123456782", {}, {} },
        { "000000000", {}, {} },
        { "12345678", {}, { F::Tfn } },
        { "1234567821", {}, { F::Tfn } },
        { "123456789", {}, { F::Tfn } }, // check digits refused
        { "987654321", {}, { F::Tfn } },
        { "12345678A", { F::Tfn }, {} }, // only digits lodge
        { "abc12", { F::Tfn }, {} },
        { "1234-5678", { F::Tfn }, {} },
    };
    for (const Case& c : cases) {
        CCards card;
        card.tfn = s(c.tfn);
        expectModesAgree(runGroup(&rules::tfn, card), c.errors, c.warnings, c.tfn);
    }
}

TEST(NameGroups, SurnameAndGivenNames)
{
    struct Case {
        const char* surname;
        const char* first;
        const char* second;
        Fields errors, warnings;
    };
    const Case cases[] = {
        { "Citizen", "Jane", "", {}, {} },
        { "O'Brien-Smith", "Mary Ann", "Lee", {}, {} },
        { "", "Jane", "", { F::Surname }, {} },
        { "X", "Jane", "", {}, { F::Surname } },
        { "St. John", "Jane", "", { F::Surname }, {} },
        { ".", "Jane", "", { F::Surname }, { F::Surname } },
        { "Citizen", "", "", {}, { F::FirstName } },
        { "Citizen", "J", "", {}, { F::FirstName } },
        { "Citizen", "", "Ann", { F::FirstName }, {} },
        { "Citizen", "Jane", "A.", { F::SecName }, {} },
        { "Citizen", "J\"", "", { F::FirstName }, {} },
        { "Citizen", "\u00c9lise", "", { F::FirstName }, {} },
    };
    const auto names = [](RuleRun& run) {
        rules::surname(run);
        rules::givenNames(run);
    };
    for (const Case& c : cases) {
        CCards card;
        card.surname = s(c.surname);
        card.firstName = s(c.first);
        card.secName = s(c.second);
        expectModesAgree(runGroup(names, card), c.errors, c.warnings, c.surname + std::string("/") + c.first);
    }
}

TEST(AddressGroup, LineOneAndSuburbRequiredAllFreeOfBadCharacters)
{
    struct Case {
        const char* line1;
        const char* line2;
        const char* suburb;
        Fields errors;
    };
    const Case cases[] = {
        { "1 Main St", "", "CARLTON", {} },
        { "", "", "CARLTON", { F::AddLine1 } },
        { "1 Main St.", "", "CARLTON", { F::AddLine1 } },
        { "1 Main St", "Unit 2.", "CARLTON", { F::AddLine2 } },
        { "1 Main St", "", "", { F::Suburb } },
        { "1 Main St", "", "ST. KILDA", { F::Suburb } },
    };
    for (const Case& c : cases) {
        CCards card;
        card.addLine1 = s(c.line1);
        card.addLine2 = s(c.line2);
        card.suburb = s(c.suburb);
        expectModesAgree(runGroup(&rules::addressAndSuburb, card), c.errors, {}, c.line1);
    }
}

TEST(PlaceGroup, PostcodeStateAndCountryWithTheirMarkers)
{
    struct Case {
        qint32 pcode;
        const char* state;
        const char* country;
        Fields errors;
    };
    const Case cases[] = {
        { 3000, "VIC", "", {} },
        { 3000, "VIC", "AUSTRALIA", {} },
        { 800, "NT", "", {} },
        { 1, "NT", "", {} },
        { 800, "VIC", "", { F::PCode } },
        { 0, "VIC", "", { F::PCode } },
        { -3000, "VIC", "", { F::PCode } },
        { 10000, "VIC", "", { F::PCode } },
        { 3000, "XYZ", "", { F::State } },
        { 3000, "", "", { F::State } },
        { 9999, "VIC", "", { F::PCode, F::State } },
        { 3000, "OTH", "NEW ZEALAND", { F::PCode, F::State } },
        { 9999, "OTH", "NEW ZEALAND", {} },
        { 9999, "OTH", "", { F::PCode, F::State, F::Country } },
        { 9999, "OTH", "AUS", { F::PCode, F::State, F::Country } },
        { 9999, "OTH", "AUST", { F::PCode, F::State, F::Country } },
        { 3000, "VIC", "AUS", { F::Country } },
        { 3000, "VIC", "NEW ZEALAND", { F::Country } },
        { 9999, "OTH", "NEW ZEALAND.", { F::Country } }, // the lodgement file cannot carry it
        { 9999, "OTH", "C\u00d4TE D'IVOIRE", { F::Country } },
    };
    for (const Case& c : cases) {
        CCards card;
        card.pCode = c.pcode;
        card.state = s(c.state);
        card.country = s(c.country);
        expectModesAgree(
            runGroup(&rules::postcodeStateCountry, card), c.errors, {}, std::to_string(c.pcode) + c.state + c.country);
    }
}

TEST(SmallGroups, PayrollNumberAndOriginalAmended)
{
    CCards card;
    card.origAmended = QStringLiteral("O");
    card.payrollNo = QStringLiteral("EMP-0001/A");
    expectModesAgree(runGroup(&rules::payrollNumber, card), {}, {}, "payroll");
    expectModesAgree(runGroup(&rules::origAmended, card), {}, {}, "O");
    card.payrollNo = QStringLiteral("EMP.1");
    expectModesAgree(runGroup(&rules::payrollNumber, card), { F::PayrollNo }, {}, "payroll dot");
    for (const char* value : { "", "o", "X", "OA" }) {
        card.origAmended = s(value);
        expectModesAgree(runGroup(&rules::origAmended, card), { F::OrigAmended }, {}, value);
    }
    card.origAmended = QStringLiteral("A");
    expectModesAgree(runGroup(&rules::origAmended, card), {}, {}, "A");
}

// Birth dates under a policy per mode.
template <const BirthDateRules& Rules> void birthWith(RuleRun& run)
{
    rules::birthDateOf<Rules>(run);
}
constexpr BirthDateRules kRelative { kRelativeBirthYears, kRelativeBirthYears };
constexpr BirthDateRules kFixedFormRelativeCheck { kFixedBirthYears, kRelativeBirthYears };
constexpr BirthDateRules kWarnOnly { { kTenYearsBefore, {}, false }, { kTenYearsBefore, {}, false } };

TEST(BirthDateGroup, DayMonthYearAndCalendarUnderEachPolicy)
{
    struct Case {
        const char* day;
        const char* month;
        const char* year;
        void (*group)(RuleRun&);
        Fields errors, warnings;
    };
    auto* relative = &birthWith<kRelative>;
    auto* warnOnly = &birthWith<kWarnOnly>;
    const Case cases[] = {
        { "", "", "", relative, {}, {} },
        { "00", "00", "0000", relative, {}, {} },
        { "0", "0", "0", relative, {}, {} },
        { "15", "06", "1980", relative, {}, {} },
        { "31", "04", "1980", relative, { F::DateOfBirth }, {} },
        { "29", "02", "1981", relative, { F::DateOfBirth }, {} },
        { "29", "02", "1980", relative, {}, {} },
        { "29", "02", "0000", relative, {}, {} },
        { "30", "02", "0000", relative, { F::DateOfBirth }, {} },
        { "31", "06", "0000", relative, { F::DateOfBirth }, {} },
        { "31", "07", "0000", relative, {}, {} },
        { "32", "01", "1980", relative, { F::DateOfBirth }, {} },
        { "01", "13", "1980", relative, { F::DateOfBirth }, {} },
        { "31", "00", "1980", relative, {}, {} }, // a part not given: no calendar rule
        { "01", "01", "1900", relative, {}, { F::DateOfBirth } },
        { "01", "01", "1901", relative, {}, {} },
        { "01", "01", "2008", relative, {}, {} },
        { "01", "01", "2009", relative, {}, { F::DateOfBirth } }, // report year 2019 - 10
        { "01", "01", "2016", relative, { F::DateOfBirth }, {} }, // - 3: the warning is withdrawn
        { "01", "01", "2016", warnOnly, {}, { F::DateOfBirth } },
        { "01", "01", "2025", warnOnly, {}, { F::DateOfBirth } },
        { "31", "04", "2010", relative, { F::DateOfBirth }, {} },
        { "1 5", "0 6", "19 80", relative, {}, {} },
        // Parts the lodgement file cannot carry.
        { "001", "01", "1980", relative, { F::DateOfBirth }, {} },
        { "01", "01", "19800", relative, { F::DateOfBirth }, {} },
        { "-1", "01", "1980", relative, { F::DateOfBirth }, {} },
        { "AB", "01", "1980", relative, { F::DateOfBirth }, {} },
        { "01", "01", "198O", relative, { F::DateOfBirth }, {} },
    };
    for (const Case& c : cases) {
        CCards card;
        card.dobDay = s(c.day);
        card.dobMonth = s(c.month);
        card.dobYear = s(c.year);
        expectModesAgree(
            runGroup(c.group, card), c.errors, c.warnings, std::string(c.day) + "/" + c.month + "/" + c.year);
    }
}

TEST(BirthDateGroup, FixedYearsAndTheLeapDayOnTheFormRelativeYearsInTheCheck)
{
    struct Case {
        const char* day;
        const char* month;
        const char* year;
        Fields formErrors, formWarnings;
        bool checkPasses, checkPassesIgnoring;
    };
    const Case cases[] = {
        { "29", "02", "0000", { F::DateOfBirth }, {}, true, true },
        { "01", "01", "2004", {}, {}, true, true },
        { "01", "01", "2005", {}, { F::DateOfBirth }, true, true },
        { "01", "01", "2012", {}, { F::DateOfBirth }, false, true },
        { "01", "01", "2013", { F::DateOfBirth }, {}, false, true },
        { "01", "01", "2016", { F::DateOfBirth }, {}, false, false },
    };
    for (const Case& c : cases) {
        CCards card;
        card.dobDay = s(c.day);
        card.dobMonth = s(c.month);
        card.dobYear = s(c.year);
        const BothModes r = runGroup(&birthWith<kFixedFormRelativeCheck>, card);
        EXPECT_EQ(r.errors, c.formErrors) << c.year;
        EXPECT_EQ(r.warnings, c.formWarnings) << c.year;
        EXPECT_EQ(r.checkPasses, c.checkPasses) << c.year;
        EXPECT_EQ(r.checkPassesIgnoring, c.checkPassesIgnoring) << c.year;
    }
}

TEST(BirthDateGroup, TheCheckPadsShortPartsTheFormFillsOnlyMissingOnes)
{
    CCards card;
    card.dobDay = QStringLiteral("5");
    card.dobMonth = QStringLiteral("3");
    card.dobYear = QStringLiteral("1980");
    BothModes r = runGroup(&birthWith<kRelative>, card);
    EXPECT_TRUE(r.checkPasses);
    EXPECT_EQ(r.checkCard.dobDay, QStringLiteral("05"));
    EXPECT_EQ(r.checkCard.dobMonth, QStringLiteral("03"));
    EXPECT_EQ(r.formCard.dobDay, QStringLiteral("5"));

    card.dobYear = QStringLiteral("85"); // "0085": a year up to 1900
    r = runGroup(&birthWith<kRelative>, card);
    EXPECT_EQ(r.checkCard.dobYear, QStringLiteral("0085"));
    EXPECT_FALSE(r.checkPasses);
    EXPECT_TRUE(r.checkPassesIgnoring);

    card = CCards {};
    r = runGroup(&birthWith<kRelative>, card);
    for (const CCards& c : { r.formCard, r.checkCard }) {
        EXPECT_EQ(c.dobDay, QStringLiteral("00"));
        EXPECT_EQ(c.dobMonth, QStringLiteral("00"));
        EXPECT_EQ(c.dobYear, QStringLiteral("0000"));
    }
}

TEST(PeriodDates, InsideTheFinancialYearAndInOrder)
{
    struct Case {
        const char* start[3];
        const char* end[3];
        Fields errors;
    };
    const Case cases[] = {
        { { "01", "07", "2018" }, { "30", "06", "2019" }, {} },
        { { "30", "06", "2018" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "01", "07", "2018" }, { "01", "07", "2019" }, { F::EndDate } },
        { { "15", "03", "2019" }, { "14", "03", "2019" }, { F::EndDate } },
        { { "15", "03", "2019" }, { "15", "03", "2019" }, {} },
        { { "", "", "" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "00", "07", "2018" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "0", "07", "2018" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "01", "07", "0000" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "31", "04", "2019" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "29", "02", "2019" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "01", "07", "18" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "001", "07", "2018" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "01", "07", "02018" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "+1", "07", "2018" }, { "30", "06", "2019" }, { F::StartDate } },
        { { "0 1", " 07", "2018 " }, { "30", "06", "2019" }, {} },
        // A start outside the year is still compared with the end.
        { { "30", "06", "2018" }, { "29", "06", "2018" }, { F::StartDate, F::EndDate } },
    };
    for (const Case& c : cases) {
        CCards card;
        card.startDay = s(c.start[0]);
        card.startMonth = s(c.start[1]);
        card.startYear = s(c.start[2]);
        card.endDay = s(c.end[0]);
        card.endMonth = s(c.end[1]);
        card.endYear = s(c.end[2]);
        expectModesAgree(runGroup(&rules::periodDates, card), c.errors, {},
            std::string(c.start[0]) + "/" + c.start[1] + "/" + c.start[2]);
    }
}

TEST(PeriodDates, TheCheckPadsOneCharacterDaysAndMonthsAndWritesThemBack)
{
    CCards card;
    card.startDay = QStringLiteral("1");
    card.startMonth = QStringLiteral("7");
    card.startYear = QStringLiteral("2018");
    card.endDay = QStringLiteral("");
    card.endMonth = QStringLiteral("6");
    card.endYear = QStringLiteral("2019");
    BothModes r = runGroup(&rules::periodDates, card);
    EXPECT_FALSE(r.checkPasses); // the empty end day
    EXPECT_EQ(r.checkCard.startDay, QStringLiteral("01"));
    EXPECT_EQ(r.checkCard.startMonth, QStringLiteral("07"));
    EXPECT_EQ(r.checkCard.endDay, QStringLiteral("00"));
    EXPECT_EQ(r.checkCard.endMonth, QStringLiteral("06"));

    card.endDay = QStringLiteral("9");
    r = runGroup(&rules::periodDates, card);
    EXPECT_TRUE(r.checkPasses);
    EXPECT_EQ(r.checkCard.endDay, QStringLiteral("09"));
}

TEST(PaymentDate, BoundDaysOfTheYearPassAndTheDaysBeyondFail)
{
    struct Case {
        const char* date[3];
        int year;
        bool ok;
    };
    const Case cases[] = {
        { { "30", "06", "2019" }, 2019, true },
        { { "01", "07", "2018" }, 2019, true },
        { { "01", "07", "2019" }, 2019, false },
        { { "30", "06", "2018" }, 2019, false },
        { { "29", "02", "2016" }, 2016, true },
        { { "29", "02", "2017" }, 2017, false },
        { { "", "", "" }, 2019, false },
    };
    for (const Case& c : cases) {
        CCards card;
        card.paymentDay = s(c.date[0]);
        card.paymentMonth = s(c.date[1]);
        card.paymentYear = s(c.date[2]);
        const BothModes r = runGroup(&rules::paymentDate, card, PayeeType::ETP, c.year);
        expectModesAgree(r, c.ok ? Fields {} : Fields { F::PaymentDate }, {}, c.date[0]);
    }
}

constexpr qint32 CCards::*kFormPlaceholders[] = { &CCards::gross, &CCards::taxWithheld };
constexpr qint32 CCards::*kCheckPlaceholders[] = { &CCards::gross, &CCards::taxWithheld, &CCards::other1 };
constexpr PlaceholderAmounts kPlaceholders { kFormPlaceholders, kCheckPlaceholders };

// On the form an amount of 999999 keeps its corner warning and is also an
// error at its own field, so "Ignore Warnings" never saves what every check
// fails; so is an amount outside 0..99,999,999.
TEST(PlaceholderGroup, TheFormRefusesAtTheFieldWhatEveryCheckFails)
{
    const struct {
        qint32 CCards::*member;
        qint32 value;
        Fields errors; // on the form
        Fields warnings;
        bool checkPasses;
    } cases[] = {
        { &CCards::gross, 999999, { F::Gross }, { F::Check999999 }, false },
        { &CCards::taxWithheld, 999999, { F::TaxWithheld }, { F::Check999999 }, false },
        { &CCards::gross, 999998, {}, {}, true },
        { &CCards::gross, 99999999, {}, {}, true },
        { &CCards::gross, 0, {}, {}, true },
        { &CCards::gross, 100000000, { F::Gross }, {}, true }, // the range is the amount rule's in a check
        { &CCards::taxWithheld, -5, { F::TaxWithheld }, {}, true },
        { &CCards::other1, 999999, {}, {}, false }, // in the check's set only
        { &CCards::other1, -5, {}, {}, true },
    };
    for (const auto& c : cases) {
        CCards card;
        card.*c.member = c.value;
        const BothModes r = runGroup(&rules::placeholdersOf<kPlaceholders>, card);
        EXPECT_EQ(r.errors, c.errors) << c.value;
        EXPECT_EQ(r.warnings, c.warnings) << c.value;
        EXPECT_EQ(r.checkPasses, c.checkPasses) << c.value;
        EXPECT_EQ(r.checkPassesIgnoring, c.checkPasses) << c.value;
    }

    // Two amounts of 999999: an error at each, one corner warning.
    CCards card;
    card.gross = 999999;
    card.taxWithheld = 999999;
    const BothModes r = runGroup(&rules::placeholdersOf<kPlaceholders>, card);
    EXPECT_EQ(r.errors, (Fields { F::Gross, F::TaxWithheld }));
    EXPECT_EQ(r.warnings, Fields { F::Check999999 });
}

TEST(AmountRangeGroup, EveryAmountOfTheRecordLayoutAndNoOther)
{
    struct Case {
        PayeeType type;
        qint32 CCards::*member;
        qint32 value;
        bool refused;
    };
    const Case cases[] = {
        { PayeeType::INB, &CCards::gross, 99999999, false }, { PayeeType::INB, &CCards::gross, 100000000, true },
        { PayeeType::INB, &CCards::gross, -1, true }, { PayeeType::INB, &CCards::rfbt, -5, true },
        { PayeeType::INB, &CCards::other1, -5, false }, // legacy other income: no field of DINB
        { PayeeType::FEI, &CCards::other1, 100000000, false },
        { PayeeType::FEI, &CCards::cdep, -1, true }, // foreign tax paid
        { PayeeType::PEN, &CCards::allow1, -1, true }, // tax-free component
        { PayeeType::PEN, &CCards::allow3, -1, false }, // a member PEN does not use
        { PayeeType::PEN, &CCards::resc, 100000000, false },
        { PayeeType::SLS, &CCards::other1, -1, true }, // untaxed element
        { PayeeType::ETP, &CCards::taxable, 100000000, true },
        { PayeeType::ETP, &CCards::pCode, -1, false }, // not an amount
    };
    for (const Case& c : cases) {
        CCards card;
        card.*c.member = c.value;
        const BothModes r = runGroup(&rules::amountRange, card, c.type);
        const Fields expected = c.refused ? Fields { fieldOfNumber(c.member) } : Fields {};
        EXPECT_EQ(r.errors, expected) << int(c.type) << " " << c.value;
        EXPECT_EQ(r.checkPassesIgnoring, !c.refused) << int(c.type) << " " << c.value;
    }
}

constexpr AmountTerm kTaxable[] = { { &CCards::gross }, { &CCards::cdep }, { &CCards::lumpB, 20 } };
constexpr AmountTerm kReportable[] = { { &CCards::gross }, { &CCards::cdep }, { &CCards::lumpA } };
constexpr QStringView kAbove = u"above";
constexpr QStringView kNothing = u"nothing";
constexpr TaxAndReportable kTaxSpec { { kTaxable, kTaxable }, { kReportable, kReportable }, kAbove, kNothing };

TEST(TaxAndReportableGroup, TheFirstCaseThatAppliesWith64BitSums)
{
    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    struct Case {
        qint32 tax, gross, cdep, lumpA, lumpB;
        const char* message; // nullptr: no warning
    };
    const Case cases[] = {
        { 100, 0, 0, 0, 1000, "above" }, // taxable 50
        { 100, 0, 0, 0, 2000, nullptr }, // taxable 100
        { 100, 0, 0, 0, 1999, "above" }, // 1999 / 20 truncates to 99
        { 100, 100, 0, 0, 0, nullptr }, { 0, 0, 0, 0, 0, "nothing" }, { -5, 0, 0, 0, 0, "nothing" },
        { 0, 0, 0, 1, 0, nullptr }, { 0, 0, 0, 0, 19, "nothing" }, // lump sum B counts only in the taxable sum
        { 100, kMax, kMax, 0, 0, nullptr }, // would wrap to a negative 32-bit sum
        { 0, kMax, kMax, 2, 0, nullptr }, // would wrap to 0
    };
    for (const Case& c : cases) {
        CCards card;
        card.taxWithheld = c.tax;
        card.gross = c.gross;
        card.cdep = c.cdep;
        card.lumpA = c.lumpA;
        card.lumpB = c.lumpB;
        const RuleSettings form(RuleMode::Form, PayeeType::INB, 2019, false);
        RuleRun run(form, card, false);
        rules::taxAndReportableOf<kTaxSpec>(run);
        if (c.message) {
            ASSERT_EQ(run.findings().size(), 1u) << c.tax << " " << c.lumpB;
            EXPECT_EQ(run.findings()[0].field, F::AmountValidation);
            EXPECT_EQ(run.findings()[0].kind, FindingKind::AmountWarning);
            EXPECT_EQ(run.findings()[0].message, QString::fromLatin1(c.message));
        } else {
            EXPECT_TRUE(run.findings().empty()) << c.tax << " " << c.lumpB;
        }
        const BothModes r = runGroup(&rules::taxAndReportableOf<kTaxSpec>, card, PayeeType::INB);
        EXPECT_EQ(r.checkPasses, c.message == nullptr);
        EXPECT_TRUE(r.checkPassesIgnoring); // amount warnings do not run while ignored
    }
}

constexpr QString CCards::*kCleaned[] = { &CCards::surname, &CCards::suburb, &CCards::state, &CCards::country };
constexpr QString CCards::*kDashes[] = { &CCards::fbtExempt };
constexpr TextCleaning kCleaning { kCleaned, false, kDashes, {} };
constexpr TextCleaning kCleaningWithAbn { kCleaned, true, {}, kDashes };

TEST(Normalisation, TheFormUpperCasesTheAddressTheCheckOnlyTheCountry)
{
    CCards card;
    card.surname = QStringLiteral("  van   der  Berg ");
    card.suburb = QStringLiteral(" north  sydney");
    card.state = QStringLiteral("nsw ");
    card.country = QStringLiteral("new  zealand");
    card.tfn = QStringLiteral(" 123 456 782 ");
    card.abn = QStringLiteral(" 51 824 753 556 ");
    card.fbtExempt = QStringLiteral("-");
    card.payrollNo = QStringLiteral("  kept  as is ");

    BothModes r = runGroup(&rules::normaliseTexts<kCleaning>, card);
    EXPECT_EQ(r.formCard.surname, QStringLiteral("van der Berg"));
    EXPECT_EQ(r.formCard.suburb, QStringLiteral("NORTH SYDNEY"));
    EXPECT_EQ(r.formCard.state, QStringLiteral("NSW"));
    EXPECT_EQ(r.formCard.country, QStringLiteral("NEW ZEALAND"));
    EXPECT_EQ(r.formCard.tfn, QStringLiteral("123456782"));
    EXPECT_EQ(r.formCard.abn, card.abn);
    EXPECT_EQ(r.formCard.fbtExempt, QStringLiteral(" "));
    EXPECT_EQ(r.formCard.payrollNo, card.payrollNo); // not a text of this type's list

    EXPECT_EQ(r.checkCard.surname, QStringLiteral("van der Berg"));
    EXPECT_EQ(r.checkCard.suburb, QStringLiteral("north sydney"));
    EXPECT_EQ(r.checkCard.state, QStringLiteral("nsw"));
    EXPECT_EQ(r.checkCard.country, QStringLiteral("NEW ZEALAND"));
    EXPECT_EQ(r.checkCard.tfn, QStringLiteral("123456782"));
    EXPECT_EQ(r.checkCard.fbtExempt, QStringLiteral("-"));

    r = runGroup(&rules::normaliseTexts<kCleaningWithAbn>, card);
    EXPECT_EQ(r.formCard.abn, QStringLiteral("51824753556"));
    EXPECT_EQ(r.formCard.fbtExempt, QStringLiteral("-"));
    EXPECT_EQ(r.checkCard.fbtExempt, QStringLiteral(" "));
}

TEST(Normalisation, AStateStoredInLowerCaseFailsTheCheckButNotTheForm)
{
    static constexpr PayeeRule list[] = { { &rules::normaliseTexts<kCleaning> }, { &rules::postcodeStateCountry } };
    CCards card;
    card.pCode = 3000;
    card.state = QStringLiteral("vic");
    const auto both = [](RuleRun& run) { RunPayeeRules(list, run); };
    const BothModes r = runGroup(both, card);
    EXPECT_TRUE(r.errors.empty());
    EXPECT_FALSE(r.checkPassesIgnoring);
}

TEST(TextHelpers, BadCharactersAgreeWithCheckTextChars)
{
    for (int c = 0; c < 0x180; ++c) {
        const QString text = QStringLiteral("ab") + QChar(char16_t(c));
        EXPECT_EQ(rules::hasBadChars(text), CheckTextChars(text) > 0) << c;
    }
    for (const char* text : { "", "a", "  a", "a  b", "a b ", "\ta\t", " a  b  c " }) {
        QString cleaned = s(text);
        rules::clean(cleaned);
        EXPECT_EQ(cleaned, CleanField(s(text))) << text;
    }
}

} // namespace
