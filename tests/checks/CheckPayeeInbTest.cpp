#include "checks/CheckPayeeInb.h"
#include "checks/CheckAll.h"
#include "payees/PayeeInbKit.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

// An INB payee as the form stores it in `year`.
CCards storedByTheForm(int year, const std::function<void(PayeeInbForm&)>& type = {})
{
    InbWorld inb(year);
    typeInbPayee(inb.form, year);
    if (type)
        type(inb.form);
    EXPECT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored) << inb.w.ui.texts().join(u'|').toStdString();
    return inb.w.report().payees.begin()->second;
}

struct InbCheck : ::testing::Test {
    PayeeWorld w;

    // Checks `record` as payee 5 of a report in `year`; true when it passed.
    bool check(const CCards& record, int year = 2019, bool a01 = false)
    {
        w.report().reportYearNumber = year;
        w.report().a01FileOnly = a01 ? 1 : 0;
        w.report().payees[5] = record;
        w.context.checkErrorCount = 0;
        CheckPayeeINB(w.context, 5);
        EXPECT_TRUE(w.context.document.IsModified());
        const QString& checked = stored().checked;
        EXPECT_EQ(w.context.checkErrorCount, checked == QLatin1String("Error") ? 1 : 0);
        return checked == QLatin1String("Yes");
    }
    const CCards& stored() { return w.report().payees.at(5); }
};

TEST_F(InbCheck, RecordsTheFormStoresPass)
{
    const std::pair<int, std::function<void(PayeeInbForm&)>> saved[] = {
        { 2019, {} },
        { 2014, {} },
        { 2018,
            [](PayeeInbForm& f) {
                f.numberText(&CCards::rfbt) = s("4000");
                f.values.fbtExempt = s("Y");
                f.numberText(&CCards::lumpE) = s("1500");
                f.numberText(&CCards::lumpEPreYrMinus3) = s("1500");
                f.numberText(&CCards::lumpA) = s("20");
                f.values.lumpAType = s("R");
                f.values.allow2Name = s("Car");
                f.numberText(&CCards::allow2) = s("50");
                f.numberText(&CCards::totalAllow) = s("50");
                f.values.unionName = s("Union");
                f.numberText(&CCards::unionFees) = s("12");
            } },
        { 2019,
            [](PayeeInbForm& f) {
                f.numberText(&CCards::pCode) = s("9999");
                f.values.state = s("OTH");
                f.values.country = s("new zealand");
                f.values.dobDay = s("29");
                f.values.dobMonth = s("02");
                f.values.dobYear.clear();
            } },
    };
    for (const auto& [year, type] : saved) {
        const CCards record = storedByTheForm(year, type);
        EXPECT_TRUE(check(record, year)) << year;
        CCards expected = record;
        expected.payeeId = 5; // the ID the check was given
        EXPECT_EQ(stored(), expected) << year;
    }
}

TEST_F(InbCheck, APassWritesTheNormalisedRecordBack)
{
    CCards record = storedByTheForm(2019);
    record.surname = s("  Citizen  Smith ");
    record.suburb = s("Sydney ");
    record.country = s(" australia");
    record.dobDay = s("5");
    record.dobMonth = s("3");
    record.dobYear = s("980"); // a year of three characters gets its zero too
    record.spare1 = s(" 2017 ");
    record.dataSource = s(" Tab Delimited Import ");
    record.other1 = 77;
    record.abn = s("12345678901");
    record.spareInt2 = 4;
    record.checked = s("No");
    record.ignoreWarnings = s("Yes");
    ASSERT_TRUE(check(record));

    CCards expected = record;
    expected.surname = s("Citizen Smith");
    expected.suburb = s("Sydney"); // keeps its case
    expected.country = s("AUSTRALIA");
    expected.dobDay = s("05");
    expected.dobMonth = s("03");
    expected.dobYear = s("0980");
    expected.spare1 = s("2017");
    expected.abn.clear();
    expected.spareInt2 = 0;
    expected.checked = s("Yes");
    expected.payeeId = 5;
    EXPECT_EQ(stored(), expected);
}

TEST_F(InbCheck, AFailureChangesOnlyChecked)
{
    CCards record = storedByTheForm(2019);
    record.surname.clear();
    record.firstName = s("  Jane ");
    record.dobDay = s("5");
    ASSERT_FALSE(check(record));
    CCards expected = record;
    expected.checked = s("Error");
    EXPECT_EQ(stored(), expected);
}

struct CheckCase {
    const char* name;
    int year;
    bool a01;
    std::function<void(CCards&)> change;
    bool passes;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class InbCheckTable : public InbCheck, public ::testing::WithParamInterface<CheckCase>
{
};

TEST_P(InbCheckTable, PassesOrFails)
{
    const CheckCase& c = GetParam();
    CCards record = storedByTheForm(c.year);
    c.change(record);
    EXPECT_EQ(check(record, c.year, c.a01), c.passes);
}

const CheckCase kCheckCases[] = {
    { "OneLetterSurnameIgnored", 2019, false,
        [](CCards& r) {
            r.surname = s("C");
            r.ignoreWarnings = s("Yes");
        },
        true },
    { "OneLetterSurname", 2019, false, [](CCards& r) { r.surname = s("C"); }, false },
    { "Placeholder", 2019, false, [](CCards& r) { r.resc = 999999; }, false },
    { "PlaceholderIgnored", 2019, false,
        [](CCards& r) {
            r.giving = 999999;
            r.ignoreWarnings = s("Yes");
        },
        false },
    { "Other1IsNoPlaceholder", 2019, false, [](CCards& r) { r.other1 = 999999; }, true },
    { "NegativeAmount", 2019, false, [](CCards& r) { r.cdep = -5; }, false },
    { "LumpEWithoutAccrualYears", 2019, false,
        [](CCards& r) {
            r.lumpE = 1500;
            r.lumpEYrMinus2 = 1500;
            r.spare1.clear();
        },
        false },
    { "LumpEWithoutAccrualYearsA01Only", 2019, true,
        [](CCards& r) {
            r.lumpE = 1500;
            r.spare2.clear();
        },
        true },
    { "LowerCaseState", 2019, false, [](CCards& r) { r.state = s("nsw"); }, false },
    { "TotalAllowancesA01Only", 2019, true, [](CCards& r) { r.totalAllow = 500; }, true },
    { "TotalAllowances", 2019, false, [](CCards& r) { r.totalAllow = 500; }, false },
    { "UnionNameWithoutAmountA01Only", 2019, true, [](CCards& r) { r.unionName = s("Union"); }, false },
    { "RfbtBelowMinimum", 2018, false,
        [](CCards& r) {
            r.rfbt = 3772;
            r.fbtExempt = s("N");
        },
        false },
    { "RfbtBelowMinimumIgnored", 2018, false,
        [](CCards& r) {
            r.rfbt = 3772;
            r.fbtExempt = s("N");
            r.ignoreWarnings = s("Yes");
        },
        true },
    { "S57ADashAsStored", 2019, false, [](CCards& r) { r.fbtExempt = s("-"); }, false },
    { "TaxAboveTaxable", 2019, false, [](CCards& r) { r.taxWithheld = 60000; }, false },
    { "TaxAboveTaxableIgnored", 2019, false,
        [](CCards& r) {
            r.taxWithheld = 60000;
            r.ignoreWarnings = s("Yes");
        },
        true },
    { "OnlyLumpD", 2019, false,
        [](CCards& r) {
            r.gross = 0;
            r.taxWithheld = 0;
            r.lumpD = 100;
        },
        false },
    { "WorkingHolidayMakerIn2016", 2016, false, [](CCards& r) { r.incomeType = s("Working Holiday Maker"); }, false },
    { "BirthYearRecent", 2019, false, [](CCards& r) { r.dobYear = s("2012"); }, false },
    { "OneDigitPeriodParts", 2019, false, [](CCards& r) { r.startDay = s("1"); }, true },
    { "StartDateOutsideTheYear", 2019, false, [](CCards& r) { r.startYear = s("2017"); }, false },
    { "CountryOfBadCharacters", 2019, false,
        [](CCards& r) {
            r.state = s("OTH");
            r.pCode = 9999;
            r.country = s("ÉIRE");
        },
        false },
};

INSTANTIATE_TEST_SUITE_P(Inb, InbCheckTable, ::testing::ValuesIn(kCheckCases),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(InbCheck, S57AIsABlankBefore2017)
{
    CCards record = storedByTheForm(2016);
    record.fbtExempt = s("Y");
    ASSERT_TRUE(check(record, 2016));
    EXPECT_EQ(stored().fbtExempt, s(" "));
}

TEST_F(InbCheck, CheckAllRunsTheInbCheck)
{
    w.report().payees[1] = storedByTheForm(2019);
    CCards failing = storedByTheForm(2019);
    failing.tfn.clear();
    w.report().payees[2] = failing;
    w.report().payees[1].checked.clear();
    CheckAllPayees(w.context);
    EXPECT_EQ(w.report().payees[1].checked, s("Yes"));
    EXPECT_EQ(w.report().payees[2].checked, s("Error"));
    EXPECT_EQ(w.context.checkErrorCount, 1);
    EXPECT_EQ(w.ui.texts(), QStringList { kCheckErrorsMessage });
}

} // namespace
