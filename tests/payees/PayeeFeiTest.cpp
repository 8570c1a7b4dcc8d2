#include "payees/PayeeFEI.h"
#include "payees/PayeeFeiKit.h"
#include "payees/PayeeFrameTestKit.h"
#include "payees/PayeeLumpSumRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace
{

using F = PayeeField;
using K = FindingKind;

const QString kGate = QStringLiteral("Please correct all highlighted entries and press Save again.");
const QString kTaxAbove = QStringLiteral("Aust Tax Withheld should not be greater than Taxable Amounts. This will be "
                                         "accepted by the ATO, however a Warning will be generated. \n\nEnsure the "
                                         "figures are correct.");
const QString kNothing = QStringLiteral("There should be at least one Taxable or Reportable field. This will be "
                                        "accepted by the ATO, however a Warning will be generated. \n\nEnsure the "
                                        "figures are correct.");
const QString kOnlyD = QStringLiteral("Payment Summary should not include only Lump Sum D, there should be at least "
                                      "one Taxable or Reportable field. This will be accepted by the ATO, however a "
                                      "Warning will be generated. \n\nEnsure the figures are correct.");

// An FEI payee as the form stores it in report year 2019.
CCards feiPayee()
{
    CCards c = validFeiPayee(9);
    c.dataSource = QStringLiteral("Manually Added");
    c.dobDay = QStringLiteral("00");
    c.dobMonth = QStringLiteral("00");
    c.dobYear = QStringLiteral("0000");
    c.foreignTaxPaid() = 700;
    c.rfbt = 4000;
    c.fbtExempt = QStringLiteral("N");
    c.spare1 = QStringLiteral("2017");
    c.spare2 = QStringLiteral("2016");
    c.checked = QStringLiteral("Yes");
    return c;
}

struct FormResult {
    PayeeSaveOutcome outcome;
    std::vector<Finding> findings;
    QStringList messages;
    CCards stored;
};

FormResult saveInForm(const CCards& record, int year = 2019, bool a01FileOnly = false)
{
    PayeeWorld w;
    w.report().reportYear = QString::number(year);
    w.report().a01FileOnly = a01FileOnly ? 1 : 0;
    w.report().payees[record.payeeId] = record;
    w.context.currentPayee = record;
    w.context.currentPayeeKey = record.payeeId;
    w.report().payeeMode = 0;
    PayeeFeiForm form(w.context);
    form.OnInitDialog();
    // The edits of the form show the year's accrual years.
    return { form.OnBnClickedSave(), form.findings(), w.ui.texts(), w.report().payees[record.payeeId] };
}

bool checkPasses(const CCards& record, int year = 2019, const char* flag = "", bool a01FileOnly = false)
{
    CCards r = record;
    r.ignoreWarnings = QString::fromLatin1(flag);
    return CheckPayeeRecord(kFeiRules, r.payeeId, r, RuleSettings(RuleMode::Check, PayeeType::FEI, year, a01FileOnly));
}

std::vector<Finding> markersOf(const std::vector<Finding>& findings)
{
    std::vector<Finding> marks;
    for (const Finding& f : findings)
        marks.push_back({ f.field, f.kind });
    return marks;
}

TEST(FeiPayee, TheFixtureIsStoredAsItStandsAndPassesTheCheck)
{
    const FormResult form = saveInForm(feiPayee());
    ASSERT_EQ(form.outcome, PayeeSaveOutcome::Stored) << form.messages.join(u'|').toStdString();
    EXPECT_EQ(form.stored, feiPayee());
    CCards r = feiPayee();
    EXPECT_TRUE(CheckPayeeRecord(kFeiRules, 9, r, RuleSettings(RuleMode::Check, PayeeType::FEI, 2019, false)));
    EXPECT_EQ(r, feiPayee());
}

TEST(FeiPayee, IncomeTypesEitherSideOf2020)
{
    EXPECT_EQ(FeiIncomeTypes(2020), (QStringList { QStringLiteral("Foreign Income"), QStringLiteral("JPDA Income") }));
    EXPECT_EQ(FeiIncomeTypes(2021), QStringList { QStringLiteral("Foreign Income") });
    CCards c = feiPayee();
    c.incomeType = QStringLiteral("JPDA Income");
    EXPECT_TRUE(checkPasses(c, 2019));
    c.startYear = QStringLiteral("2020");
    c.endYear = QStringLiteral("2021");
    EXPECT_FALSE(checkPasses(c, 2021));
    EXPECT_EQ(markersOf(saveInForm(c, 2021).findings), (std::vector<Finding> { { F::IncomeType, K::Error } }));
}

struct RuleCase {
    const char* name;
    std::function<void(CCards&)> edit;
    std::vector<Finding> formFindings;
    bool checkPasses;
    bool checkPassesIgnoring;
    int year = 2019;
    bool a01FileOnly = false;
};

void runRuleCases(const std::vector<RuleCase>& cases)
{
    for (const RuleCase& k : cases) {
        CCards c = feiPayee();
        k.edit(c);
        const FormResult form = saveInForm(c, k.year, k.a01FileOnly);
        EXPECT_EQ(markersOf(form.findings), k.formFindings) << k.name;
        EXPECT_EQ(checkPasses(c, k.year, "", k.a01FileOnly), k.checkPasses) << k.name;
        EXPECT_EQ(checkPasses(c, k.year, "Yes", k.a01FileOnly), k.checkPassesIgnoring) << k.name;
    }
}

TEST(FeiPayee, LumpSumsUnionAndFringeBenefits)
{
    const auto lumpE = [](int e, int m2, int m3, int pre) {
        return [=](CCards& c) {
            c.lumpE = e;
            c.lumpEYrMinus2 = m2;
            c.lumpEYrMinus3 = m3;
            c.lumpEPreYrMinus3 = pre;
        };
    };
    runRuleCases({
        { "Lump Sum A without a type", [](CCards& c) { c.lumpA = 10; }, { { F::LumpAType, K::Error } }, false, false },
        { "Lump Sum A type R",
            [](CCards& c) {
                c.lumpA = 10;
                c.lumpAType = QStringLiteral("R");
            },
            {}, true, true },
        { "a type without Lump Sum A", [](CCards& c) { c.lumpAType = QStringLiteral("T"); },
            { { F::LumpAType, K::Error } }, false, false },
        { "Lump Sum E 1000 accrued, 2019", lumpE(1000, 500, 300, 200), { { F::LumpE, K::Error } }, false, false },
        { "Lump Sum E 1000 accrued, 2015",
            [&](CCards& c) {
                lumpE(1000, 500, 300, 200)(c);
                c.startYear = QStringLiteral("2014");
                c.endYear = QStringLiteral("2015");
            },
            {}, true, true, 2015 },
        { "Lump Sum E 1500 not accrued", lumpE(1500, 0, 0, 0), { { F::LumpE, K::Error } }, false, false },
        { "Lump Sum E 1500 not accrued, lodgement file only", lumpE(1500, 0, 0, 0), {}, true, true, 2019, true },
        { "Total Allowances", [](CCards& c) { c.totalAllow = 1; }, { { F::TotalAllow, K::Error } }, false, false },
        { "union fees without a name", [](CCards& c) { c.unionFees = 50; }, { { F::UnionName, K::Error } }, false,
            false },
        { "union fees without a name, lodgement file only", [](CCards& c) { c.unionFees = 50; }, {}, true, true, 2019,
            true },
        { "a union name without fees", [](CCards& c) { c.unionName = QStringLiteral("AWU"); },
            { { F::UnionName, K::Error } }, false, false },
        { "RFBT below the 2018 threshold, s57A blank",
            [](CCards& c) {
                c.rfbt = 3000;
                c.fbtExempt = QStringLiteral("-");
            },
            { { F::FbtExempt, K::Error }, { F::Rfbt, K::FieldWarning } }, false, false },
        { "RFBT below the threshold, s57A N", [](CCards& c) { c.rfbt = 3772; }, { { F::Rfbt, K::FieldWarning } }, false,
            true },
        { "RFBT 0 with s57A N", [](CCards& c) { c.rfbt = 0; }, { { F::FbtExempt, K::Error } }, false, false },
        { "RFBT 0 with s57A blank",
            [](CCards& c) {
                c.rfbt = 0;
                c.fbtExempt = QStringLiteral(" ");
            },
            {}, true, true },
        { "negative RFBT",
            [](CCards& c) {
                c.rfbt = -1;
                c.fbtExempt = QStringLiteral(" ");
            },
            { { F::Rfbt, K::Error }, { F::FbtExempt, K::Error } }, false, false },
        { "2016: no s57A, RFBT threshold 3921",
            [](CCards& c) {
                c.startYear = QStringLiteral("2015");
                c.endYear = QStringLiteral("2016");
                c.rfbt = 3920;
                c.fbtExempt = QStringLiteral("Y");
            },
            { { F::Rfbt, K::FieldWarning } }, false, true, 2016 },
        { "birth year 2 before the report year",
            [](CCards& c) {
                c.dobDay = QStringLiteral("01");
                c.dobMonth = QStringLiteral("01");
                c.dobYear = QStringLiteral("2017");
            },
            { { F::DateOfBirth, K::Error } }, false, false },
        { "birth year 8 before", [](CCards& c) { c.dobYear = QStringLiteral("2011"); },
            { { F::DateOfBirth, K::FieldWarning } }, false, true },
    });
}

TEST(FeiPayee, S57ABefore2017IsStoredBlank)
{
    CCards c = feiPayee();
    c.startYear = QStringLiteral("2015");
    c.endYear = QStringLiteral("2016");
    c.rfbt = 4000;
    c.fbtExempt = QStringLiteral("Y");
    const FormResult form = saveInForm(c, 2016);
    ASSERT_EQ(form.outcome, PayeeSaveOutcome::Stored);
    EXPECT_EQ(form.stored.fbtExempt, QStringLiteral(" "));
    EXPECT_EQ(form.stored.spare1, QStringLiteral("2014"));
}

TEST(FeiPayee, HiddenAmountsAreHeldAtZeroByTheFormAndRefusedByTheCheck)
{
    for (qint32 CCards::*m : { &CCards::lumpB, &CCards::exemptForeign, &CCards::annuity }) {
        CCards c = feiPayee();
        c.*m = 100;
        const FormResult form = saveInForm(c);
        ASSERT_EQ(form.outcome, PayeeSaveOutcome::Stored);
        EXPECT_EQ(form.stored, feiPayee());
        EXPECT_FALSE(checkPasses(c, 2019, "Yes"));
    }
}

TEST(FeiPayee, TheThreeAmountMessagesInOrder)
{
    CCards c = feiPayee();
    c.taxWithheld = 100;
    c.gross = 50;
    c.rfbt = 0;
    c.fbtExempt = QStringLiteral(" ");
    EXPECT_EQ(saveInForm(c).messages, (QStringList { kTaxAbove, kGate }));
    c.taxWithheld = 0;
    c.gross = 0;
    EXPECT_EQ(saveInForm(c).messages, (QStringList { kNothing, kGate }));
    c.lumpD = 500;
    EXPECT_EQ(saveInForm(c).messages, (QStringList { kOnlyD, kGate }));
    c.ignoreWarnings = QStringLiteral("Yes");
    EXPECT_EQ(saveInForm(c).outcome, PayeeSaveOutcome::Stored);
}

// The form's and the check's sums on the same records.
TEST(FeiPayee, FormAndCheckDifferOnPurpose)
{
    struct Case {
        const char* name;
        std::function<void(CCards&)> edit;
        bool formStores;
        bool checkPasses;
    };
    const auto noOther = [](CCards& c) {
        c.taxWithheld = 0;
        c.gross = 0;
        c.rfbt = 0;
        c.fbtExempt = QStringLiteral(" ");
        c.foreignTaxPaid() = 0;
    };
    const Case cases[] = {
        { "only Lump Sum D and Foreign Tax Paid",
            [&](CCards& c) {
                noOther(c);
                c.lumpD = 500;
                c.foreignTaxPaid() = 50;
            },
            false, true },
        { "tax above Gross, within Gross + Total Allowances: the allowance itself is an error",
            [&](CCards& c) {
                c.taxWithheld = 60000;
                c.totalAllow = 20000;
            },
            false, false },
        { "only Exempt Foreign Employment Income",
            [&](CCards& c) {
                noOther(c);
                c.exemptForeign = 10;
            },
            false, false },
        { "State in lower case", [](CCards& c) { c.state = QStringLiteral("nsw"); }, true, false },
        { "Suburb in lower case", [](CCards& c) { c.suburb = QStringLiteral("sydney"); }, true, true },
        { "one-character birth parts",
            [](CCards& c) {
                c.dobDay = QStringLiteral("7");
                c.dobMonth = QStringLiteral("3");
                c.dobYear = QStringLiteral("1970");
            },
            true, true },
        { "Gross 999999 with the flag",
            [](CCards& c) {
                c.gross = 999999;
                c.ignoreWarnings = QStringLiteral("Yes");
            },
            false, false },
    };
    for (const Case& k : cases) {
        CCards c = feiPayee();
        k.edit(c);
        EXPECT_EQ(saveInForm(c).outcome == PayeeSaveOutcome::Stored, k.formStores) << k.name;
        EXPECT_EQ(checkPasses(c, 2019, c.ignoreWarnings == QLatin1String("Yes") ? "Yes" : ""), k.checkPasses) << k.name;
    }
}

TEST(FeiPayee, AddingAndAllZero)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    w.report().reportYear = QStringLiteral("2016");
    w.context.prefs.allowanceNames[0] = QStringLiteral("Car");
    PayeeFeiForm form(w.context);
    form.OnInitDialog();
    EXPECT_EQ(form.values.incomeType, QStringLiteral("Foreign Income"));
    EXPECT_EQ(form.values.fbtExempt, QStringLiteral("-"));
    EXPECT_FALSE(form.s57AVisible);
    EXPECT_EQ(form.accruedYearMinus2, QStringLiteral("2014"));
    EXPECT_EQ(form.accruedYearMinus3, QStringLiteral("2013"));
    EXPECT_EQ(form.allowanceNames.size(), 12);
    EXPECT_EQ(form.allowanceNames.front(), QStringLiteral("Car"));
    // RFBT, RESC and Workplace Giving must be typed: empty they are errors.
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(form.hasError(F::Rfbt));
    EXPECT_TRUE(form.hasError(F::Resc));
    EXPECT_TRUE(form.hasError(F::Giving));
    EXPECT_EQ(w.ui.texts().front(), kNothing);
    form.OnBnClickedAllZero();
    form.OnBnClickedSave();
    EXPECT_FALSE(form.hasError(F::Rfbt));
    EXPECT_FALSE(form.hasError(F::Resc));
    EXPECT_FALSE(form.hasError(F::Giving));
}

TEST(FeiPayee, CheckWritesBackCleanedOrLeavesAllButChecked)
{
    CCards c = feiPayee();
    c.surname = QStringLiteral(" Van  Dyke ");
    c.dobDay = QStringLiteral("7");
    c.dobMonth = QStringLiteral("3");
    c.dobYear = QStringLiteral("1970");
    c.abn = QStringLiteral("x");
    c.taxable = 4;
    CCards r = c;
    ASSERT_TRUE(CheckPayeeRecord(kFeiRules, 9, r, RuleSettings(RuleMode::Check, PayeeType::FEI, 2019, false)));
    CCards expected = c;
    expected.surname = QStringLiteral("Van Dyke");
    expected.dobDay = QStringLiteral("07");
    expected.dobMonth = QStringLiteral("03");
    expected.abn.clear();
    expected.taxable = 0;
    EXPECT_EQ(r, expected);

    c.lumpB = 100;
    c.checked = QStringLiteral("No");
    r = c;
    ASSERT_FALSE(CheckPayeeRecord(kFeiRules, 9, r, RuleSettings(RuleMode::Check, PayeeType::FEI, 2019, false)));
    c.checked = QStringLiteral("Error");
    EXPECT_EQ(r, c);
}

} // namespace
