#include "payees/PayeeFrameTestKit.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

using F = PayeeField;

int g_ran = 0;
void countRun(RuleRun&)
{
    ++g_ran;
}
void errorAtSurname(RuleRun& run)
{
    run.error(F::Surname);
}
void warningAtTfn(RuleRun& run)
{
    run.warning(F::Tfn);
}
constexpr QStringView kMessage = u"amounts";
void amountWarning(RuleRun& run)
{
    run.amountWarning(kMessage);
}
void placeholder(RuleRun& run)
{
    run.placeholder();
}

struct Outcome {
    std::vector<Finding> findings;
    bool failed;
};

Outcome runList(std::span<const PayeeRule> list, RuleMode mode, bool ignore)
{
    CCards card;
    const RuleSettings settings(mode, PayeeType::INB, 2019, false);
    RuleRun run(settings, card, ignore);
    RunPayeeRules(list, run);
    return { run.takeFindings(), run.failed() };
}

TEST(RuleEngine, TheFormCollectsEveryFindingInOrder)
{
    static constexpr PayeeRule list[]
        = { { &warningAtTfn }, { &errorAtSurname }, { &amountWarning }, { &placeholder } };
    const Outcome form = runList(list, RuleMode::Form, false);
    EXPECT_FALSE(form.failed);
    const std::vector<Finding> expected { { F::Tfn, FindingKind::FieldWarning }, { F::Surname, FindingKind::Error },
        { F::AmountValidation, FindingKind::AmountWarning, kMessage }, { F::Check999999, FindingKind::Placeholder } };
    EXPECT_EQ(form.findings, expected);

    // Ignoring silences only the amount warning on the form.
    const Outcome ignoring = runList(list, RuleMode::Form, true);
    EXPECT_EQ(ignoring.findings.size(), 3u);
    EXPECT_EQ(ignoring.findings[0].kind, FindingKind::FieldWarning);
}

TEST(RuleEngine, TheCheckStopsAtTheFirstFailure)
{
    static constexpr PayeeRule list[] = { { &countRun }, { &errorAtSurname }, { &countRun } };
    g_ran = 0;
    const Outcome check = runList(list, RuleMode::Check, false);
    EXPECT_TRUE(check.failed);
    EXPECT_TRUE(check.findings.empty());
    EXPECT_EQ(g_ran, 1);
    g_ran = 0;
    EXPECT_FALSE(runList(list, RuleMode::Form, false).failed);
    EXPECT_EQ(g_ran, 2);
}

TEST(RuleEngine, TheCheckFailsAWarningUnlessIgnoredAndAPlaceholderAlways)
{
    struct Case {
        void (*rule)(RuleRun&);
        bool failsPlain, failsIgnoring;
    };
    const Case cases[] = {
        { &errorAtSurname, true, true },
        { &warningAtTfn, true, false },
        { &amountWarning, true, false },
        { &placeholder, true, true },
        { &countRun, false, false },
    };
    for (const Case& c : cases) {
        const PayeeRule list[] = { { c.rule } };
        EXPECT_EQ(runList(list, RuleMode::Check, false).failed, c.failsPlain);
        EXPECT_EQ(runList(list, RuleMode::Check, true).failed, c.failsIgnoring);
    }
}

TEST(RuleEngine, ScopesLeaveARuleToOneMode)
{
    static constexpr PayeeRule list[] = { formOnly(&errorAtSurname), checkOnly(&warningAtTfn) };
    const Outcome form = runList(list, RuleMode::Form, false);
    ASSERT_EQ(form.findings.size(), 1u);
    EXPECT_EQ(form.findings[0].field, F::Surname);

    static constexpr PayeeRule formRuleOnly[] = { formOnly(&errorAtSurname) };
    EXPECT_FALSE(runList(formRuleOnly, RuleMode::Check, false).failed);
    static constexpr PayeeRule checkRuleOnly[] = { checkOnly(&warningAtTfn) };
    EXPECT_TRUE(runList(checkRuleOnly, RuleMode::Check, false).failed);
}

TEST(CheckPayeeRecord, APassRewritesTheRecordAndKeepsItsFlag)
{
    CCards record = passingTestPayee();
    record.payeeId = 77; // not the key: the key wins
    record.surname = QStringLiteral("Citizen");
    record.abn = QStringLiteral("51824753556"); // not kept by the type
    record.lumpE = 5;
    record.ignoreWarnings = QStringLiteral("Yes");
    record.checked = QStringLiteral("No");
    const RuleSettings settings(RuleMode::Check, PayeeType::ETP, 2019, false);

    EXPECT_TRUE(CheckPayeeRecord(testtype::kType, 12, record, settings));
    EXPECT_EQ(record.payeeId, 12);
    EXPECT_EQ(record.checked, QStringLiteral("Yes"));
    EXPECT_EQ(record.ignoreWarnings, QStringLiteral("Yes"));
    EXPECT_EQ(record.payeeType, QStringLiteral("ETP"));
    EXPECT_TRUE(record.abn.isEmpty());
    EXPECT_EQ(record.lumpE, 0);
    EXPECT_EQ(record.surname, QStringLiteral("Citizen"));
}

TEST(CheckPayeeRecord, AFailureChangesOnlyChecked)
{
    CCards record = passingTestPayee();
    record.surname.clear();
    record.abn = QStringLiteral("kept");
    CCards expected = record;
    expected.checked = QStringLiteral("Error");
    const RuleSettings settings(RuleMode::Check, PayeeType::ETP, 2019, false);

    EXPECT_FALSE(CheckPayeeRecord(testtype::kType, 1, record, settings));
    EXPECT_EQ(record, expected);

    // The amount warning fails it unless the record ignores warnings.
    record = passingTestPayee();
    record.taxWithheld = 0;
    EXPECT_FALSE(CheckPayeeRecord(testtype::kType, 1, record, settings));
    record.ignoreWarnings = QStringLiteral("yes"); // only "Yes" ignores
    EXPECT_FALSE(CheckPayeeRecord(testtype::kType, 1, record, settings));
    record.ignoreWarnings = QStringLiteral("Yes");
    EXPECT_TRUE(CheckPayeeRecord(testtype::kType, 1, record, settings));
}

TEST(CheckPayeeRecord, ADateThatCannotBeBuiltFailsTheRecord)
{
    static constexpr PayeeRule throwing[] = { { [](RuleRun&) { throw std::runtime_error("date"); } } };
    static const PayeeTypeRules type { PayeeType::ETP, throwing, {} };
    CCards record = passingTestPayee();
    const RuleSettings settings(RuleMode::Check, PayeeType::ETP, 2019, false);
    EXPECT_FALSE(CheckPayeeRecord(type, 1, record, settings));
    EXPECT_EQ(record.checked, QStringLiteral("Error"));
}

TEST(RunPayeeCheck, CountsAnErrorAndMarksTheReportEitherWay)
{
    PayeeWorld w;
    w.report().payees[1] = passingTestPayee();
    CCards failing = passingTestPayee();
    failing.surname.clear();
    w.report().payees[2] = failing;

    RunPayeeCheck(w.context, testtype::kType, 1);
    EXPECT_EQ(w.report().payees.at(1).checked, QStringLiteral("Yes"));
    EXPECT_EQ(w.context.checkErrorCount, 0);
    EXPECT_TRUE(w.context.document.IsModified());

    w.context.document.SetModifiedFlag(false);
    RunPayeeCheck(w.context, testtype::kType, 2);
    EXPECT_EQ(w.report().payees.at(2).checked, QStringLiteral("Error"));
    EXPECT_EQ(w.context.checkErrorCount, 1);
    EXPECT_TRUE(w.context.document.IsModified());

    RunPayeeCheck(w.context, testtype::kType, 3); // no such payee: nothing made
    EXPECT_FALSE(w.report().payees.contains(3));
    EXPECT_EQ(w.context.checkErrorCount, 1);
}

TEST(PayeeTypeFromCode, ExactTypeTextsOnly)
{
    EXPECT_EQ(PayeeTypeFromCode(QStringLiteral("PEN")), PayeeType::PEN);
    EXPECT_EQ(PayeeTypeFromCode(QStringLiteral("DAS")), PayeeType::DAS);
    EXPECT_FALSE(PayeeTypeFromCode(QStringLiteral("pen")).has_value());
    EXPECT_FALSE(PayeeTypeFromCode(QStringLiteral(" PEN")).has_value());
    EXPECT_FALSE(PayeeTypeFromCode(QString()).has_value());
}

} // namespace
