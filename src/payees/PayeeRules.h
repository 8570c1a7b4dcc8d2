#pragma once

#include "lodgement/LodgementLayouts.h"
#include "payees/PayeeField.h"
#include "report/CCards.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>
#include <vector>

class AppContext;
class UserInterface;

// The payee rule engine. Each payee type has one ordered list of rules that
// serves both its form's Save and its check:
// - form mode runs every rule and collects every finding, for the markers;
// - check mode stops at the first failure. A warning fails unless the
//   record's ignore-warnings flag is exactly "Yes"; a placeholder 999999
//   fails always.
// Amount warnings run in either mode only while the flag is not "Yes".
// What differs between the modes is data of the type (policies, sums, sets
// of members, the scope of a rule), never a second copy of its rules.

enum class RuleMode { Form, Check };

enum class FindingKind {
    Error,
    FieldWarning, // tested whatever the flag holds; the tick discounts it
    AmountWarning, // tested only while the flag is not "Yes"; has a message
    Placeholder, // an amount of 999999: a warning on the form, a failure in a check
};

struct Finding {
    PayeeField field;
    FindingKind kind;
    QStringView message = {}; // amount warnings and speaking errors; static text

    bool operator==(const Finding&) const = default;
};

// What one run needs beyond the record, made once for a Save or for a whole
// Check All: the year's bounds are built here, not per rule.
struct RuleSettings {
    RuleSettings(RuleMode mode, PayeeType type, int reportYear, bool a01FileOnly);

    RuleMode mode;
    PayeeType type;
    int reportYear;
    bool a01FileOnly;
    QDate yearStart; // 1 July of the year before the report year
    QDate yearEnd; // 30 June of the report year
    RecordLayout layout; // the type's lodgement record in that year
    // Where a rule may speak itself (CheckABN does); the form and Check All
    // set it.
    UserInterface* ui = nullptr;
};

// The texts of a form's number edits, by number member (kCardNumbers order).
using NumberTexts = std::array<QString, kCardNumbers.size()>;

// One run of a rule list over one record. Rules read and normalise `card`
// and report what they find here.
class RuleRun
{
public:
    RuleRun(const RuleSettings& settings, CCards& card, bool ignoreWarnings, const NumberTexts* numberTexts = nullptr)
        : card(card)
        , settings(settings)
        , m_ignoreWarnings(ignoreWarnings)
        , m_numberTexts(numberTexts)
    {
    }

    CCards& card;
    const RuleSettings& settings;

    bool formMode() const { return settings.mode == RuleMode::Form; }
    bool checkMode() const { return settings.mode == RuleMode::Check; }
    bool amountWarningsActive() const { return !m_ignoreWarnings; }
    // The texts of the form's number edits; only in form mode.
    const NumberTexts* numberTexts() const { return m_numberTexts; }

    void error(PayeeField field);
    // An error the form also names in a message of its own.
    void error(PayeeField field, QStringView message);
    void warning(PayeeField field);
    void amountWarning(QStringView message, PayeeField field = PayeeField::AmountValidation);
    void placeholder();

    // Check mode: a rule has failed and the run ends.
    bool failed() const { return m_failed; }
    // Form mode: everything found, in the order the rules found it.
    const std::vector<Finding>& findings() const { return m_findings; }
    std::vector<Finding> takeFindings() { return std::move(m_findings); }

private:
    void report(PayeeField field, FindingKind kind, QStringView message = {});

    bool m_ignoreWarnings;
    const NumberTexts* m_numberTexts;
    bool m_failed = false;
    std::vector<Finding> m_findings;
};

enum class RuleScope { Both, FormOnly, CheckOnly };

// One entry of a type's rule list.
struct PayeeRule {
    void (*run)(RuleRun&);
    RuleScope scope = RuleScope::Both;
};

constexpr PayeeRule formOnly(void (*run)(RuleRun&))
{
    return { run, RuleScope::FormOnly };
}
constexpr PayeeRule checkOnly(void (*run)(RuleRun&))
{
    return { run, RuleScope::CheckOnly };
}

// Runs the rules in order; in check mode up to the first failure. A date
// that cannot be built throws out of here (the caller decides what that
// means: a message on the form, a failure in a check).
void RunPayeeRules(std::span<const PayeeRule> rules, RuleRun& run);

// A number member or a text member of a record.
struct CardMember {
    QString CCards::*text = nullptr;
    qint32 CCards::*number = nullptr;
};
constexpr CardMember member(QString CCards::*text)
{
    return { text, nullptr };
}
constexpr CardMember member(qint32 CCards::*number)
{
    return { nullptr, number };
}

// What a type is to the engine: its rules and the members its record keeps.
struct PayeeTypeRules {
    PayeeType type;
    std::span<const PayeeRule> rules;
    // Stored from the normalised values; every other member is written
    // empty or 0. The payee ID, type, Checked, ignore-warnings flag and the
    // spares are the store's own (StorePayeeRecord).
    std::span<const CardMember> stored;
};

// The record a pass writes: every one of the 71 members, from the working
// values where the type keeps them. ignoreWarnings is the flag to write.
CCards StorePayeeRecord(const PayeeTypeRules& type, const CCards& working, qint32 id, const QString& ignoreWarnings);

// A type's check of one stored record. On a pass the record is rewritten
// from its normalised values with Checked "Yes" (its ignore flag kept); on
// a failure only Checked becomes "Error". True when it passed.
bool CheckPayeeRecord(const PayeeTypeRules& type, qint32 id, CCards& record, const RuleSettings& settings);

// The check of payee `id` as Check All calls it: a type's check is this with
// its rules. An "Error" counts one more in the context's checkErrorCount;
// either outcome marks the report modified. An ID not in the report is
// left alone.
void RunPayeeCheck(AppContext& context, const PayeeTypeRules& type, qint32 id);

// "INB" .. "DAS", exactly as stored; nothing for any other text.
std::optional<PayeeType> PayeeTypeFromCode(const QString& code);
