#include "payees/PayeeRules.h"

#include "report/AppContext.h"

#include <exception>

RuleSettings::RuleSettings(RuleMode mode, PayeeType type, int reportYear, bool a01FileOnly)
    : mode(mode)
    , type(type)
    , reportYear(reportYear)
    , a01FileOnly(a01FileOnly)
    , yearStart(reportYear - 1, 7, 1)
    , yearEnd(reportYear, 6, 30)
    , layout(payeeRecordLayout(type, reportYear))
{
}

void RuleRun::report(PayeeField field, FindingKind kind, QStringView message)
{
    if (settings.mode == RuleMode::Check)
        m_failed = true;
    else
        m_findings.push_back({ field, kind, message });
}

void RuleRun::error(PayeeField field)
{
    report(field, FindingKind::Error);
}

void RuleRun::error(PayeeField field, QStringView message)
{
    report(field, FindingKind::Error, message);
}

void RuleRun::warning(PayeeField field)
{
    if (checkMode() && m_ignoreWarnings)
        return;
    report(field, FindingKind::FieldWarning);
}

void RuleRun::amountWarning(QStringView message, PayeeField field)
{
    if (m_ignoreWarnings)
        return;
    report(field, FindingKind::AmountWarning, message);
}

void RuleRun::placeholder()
{
    report(PayeeField::Check999999, FindingKind::Placeholder);
}

void RunPayeeRules(std::span<const PayeeRule> rules, RuleRun& run)
{
    const RuleScope skipped = run.formMode() ? RuleScope::CheckOnly : RuleScope::FormOnly;
    for (const PayeeRule& rule : rules) {
        if (rule.scope == skipped)
            continue;
        rule.run(run);
        if (run.failed())
            return;
    }
}

CCards StorePayeeRecord(const PayeeTypeRules& type, const CCards& working, qint32 id, const QString& ignoreWarnings)
{
    CCards stored;
    for (const CardMember& m : type.stored) {
        Q_ASSERT(m.text || m.number);
        if (m.text)
            stored.*m.text = working.*m.text;
        else
            stored.*m.number = working.*m.number;
    }
    stored.payeeId = id;
    stored.payeeType = payeeTypeCode(type.type);
    stored.SetIgnoreWarnings(ignoreWarnings);
    stored.checked = QStringLiteral("Yes");
    // spare6 and the spare ints stay empty and 0: no type keeps them.
    return stored;
}

bool CheckPayeeRecord(const PayeeTypeRules& type, qint32 id, CCards& record, const RuleSettings& settings)
{
    CCards working = record;
    RuleRun run(settings, working, record.ignoreWarnings == QLatin1String("Yes"));
    bool passed = false;
    try {
        RunPayeeRules(type.rules, run);
        passed = !run.failed();
    } catch (const std::exception&) {
        // A date that could not be built fails the record; the walk goes on.
        passed = false;
    }
    if (!passed) {
        record.checked = QStringLiteral("Error");
        return false;
    }
    record = StorePayeeRecord(type, working, id, record.ignoreWarnings);
    return true;
}

void RunPayeeCheck(AppContext& context, const PayeeTypeRules& type, qint32 id)
{
    Report& report = context.report();
    const auto found = report.payees.find(id);
    if (found == report.payees.end())
        return;
    RuleSettings settings(RuleMode::Check, type.type, report.reportYearNumber, report.a01FileOnly != 0);
    settings.ui = &context.ui;
    if (!CheckPayeeRecord(type, id, found->second, settings))
        ++context.checkErrorCount;
    context.document.SetModifiedFlag(true);
}

std::optional<PayeeType> PayeeTypeFromCode(const QString& code)
{
    for (const PayeeType type : kPayeeTypes) {
        if (code == payeeTypeCode(type))
            return type;
    }
    return std::nullopt;
}
