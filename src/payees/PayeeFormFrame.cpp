#include "payees/PayeeFormFrame.h"

#include "payees/PayeeRuleGroups.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "report/PayeeIds.h"
#include "widgets/Scale.h"

#include <algorithm>
#include <exception>

namespace
{

const QString kCorrectAndSave = QStringLiteral("Please correct all highlighted entries and press Save again.");
const QString kIdRequired = QStringLiteral("You must provide a unique Payee ID number.");
const QString kIdTooLong = QStringLiteral("The unique Payee ID number must be less than 10 digits.");
const QString kIdTaken = QStringLiteral("This Unique Payee ID already exists - please choose another.");
const QString kInvalidDate = QStringLiteral("Invalid date - please check");

constexpr qint32 kAddingMode = 4;

QString padded(const QString& text, int width)
{
    return text.size() < width ? QString(width - text.size(), u'0') + text : text;
}

bool isWarning(FindingKind kind)
{
    return kind != FindingKind::Error;
}

} // namespace

int MatchListItem(const QStringList& items, const QString& stored, ListMatch how)
{
    if (stored.isEmpty())
        return -1;
    switch (how) {
    case ListMatch::Day:
    case ListMatch::Month:
        return int(items.indexOf(padded(stored, 2)));
    case ListMatch::Year:
        return int(items.indexOf(padded(stored, 4)));
    case ListMatch::Text:
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (items.at(i).compare(stored, Qt::CaseInsensitive) == 0)
                return int(i);
        }
        return -1;
    }
    return -1;
}

QString PayeeFormTitle(PayeeType type, const QString& reportYear)
{
    return QStringLiteral("Payee Details - %1 Payment Summary - Year ended 30 June ").arg(payeeTypeCode(type))
        + reportYear;
}

QRect TallFormPlacement(QSize form, QSize screen, int dotsPerInch, int verticalBarWidth)
{
    int height = std::min(form.height(), screen.height());
    if (ScalePercent(dotsPerInch > 0 ? dotsPerInch : 96) > 135)
        height = std::max(height - 100, std::min(height, 100));
    int width = form.width();
    if (height < form.height())
        width += verticalBarWidth;
    width = std::min(width, screen.width());
    const int x = std::max((screen.width() - width) / 2, 0);
    const int y = std::max(std::min((screen.height() - height) / 2 + 25, screen.height() - height), 0);
    return { x, y, width, height };
}

PayeeFormFrame::PayeeFormFrame(AppContext& context, const PayeeTypeRules& type)
    : m_context(context)
    , m_type(type)
{
}

bool PayeeFormFrame::hasError(PayeeField field) const
{
    return std::any_of(m_findings.begin(), m_findings.end(),
        [field](const Finding& f) { return f.field == field && f.kind == FindingKind::Error; });
}

bool PayeeFormFrame::hasWarning(PayeeField field) const
{
    return std::any_of(m_findings.begin(), m_findings.end(),
        [field](const Finding& f) { return f.field == field && isWarning(f.kind); });
}

void PayeeFormFrame::OnInitDialog()
{
    Report& report = m_context.report();
    m_adding = report.payeeMode == kAddingMode;
    const qint32 year = StringToInt(report.reportYear);
    if (report.reportYear.size() == 4 && year >= 2012 && year <= 2027) {
        report.reportYearNumber = year;
        report.priorYear = IntToString(year - 1);
    }
    title = PayeeFormTitle(m_type.type, report.reportYear);
    numberTexts = {};
    m_findings.clear();
    m_unchosen.clear();
    ignoreWarningsVisible = false;
    ignoreWarningsTicked = false;

    CCards& current = m_context.currentPayee;
    if (m_adding) {
        values = CCards {};
        values.dataSource = report.newPayeeDataSource;
        values.origAmended = QStringLiteral("O");
        // With no free ID left the field stays empty, and Save says so.
        const std::optional<qint32> proposed = ProposedPayeeId(report);
        payeeIdText = proposed ? IntToString(*proposed) : QString();
        payeeIdEnabled = true;
        current.ignoreWarnings.clear();
        return;
    }
    values = current;
    if (values.tfn.size() == 9)
        values.tfn = values.tfn.left(3) + u' ' + values.tfn.mid(3, 3) + u' ' + values.tfn.mid(6);
    for (std::size_t i = 0; i < kCardNumbers.size(); ++i)
        numberTexts[i] = IntToString(values.*kCardNumbers[i].member);
    numberText(&CCards::pCode) = PostcodeText(values.pCode);
    payeeIdText = IntToString(values.payeeId);
    payeeIdEnabled = false;
    ignoreWarningsTicked = ignoreWarningsVisible = current.ignoreWarnings == QLatin1String("Yes");
}

void PayeeFormFrame::OnBnClickedIgnoreWarnings()
{
    QString& flag = m_context.currentPayee.ignoreWarnings;
    if (flag == QLatin1String("Yes"))
        flag.clear();
    else
        flag = QStringLiteral("Yes");
    ignoreWarningsTicked = flag == QLatin1String("Yes");
}

int PayeeFormFrame::chooseListItem(
    PayeeField field, QString CCards::*member, const QStringList& items, const QString& stored, ListMatch how)
{
    const int index = MatchListItem(items, stored, how);
    listChosen(member);
    if (index < 0 && !stored.isEmpty() && !listHidden(member))
        m_unchosen.push_back({ field, member });
    return index;
}

void PayeeFormFrame::listChosen(QString CCards::*member)
{
    std::erase_if(m_unchosen, [member](const UnchosenList& list) { return list.member == member; });
}

bool PayeeFormFrame::unchosen(PayeeField field) const
{
    return std::any_of(
        m_unchosen.begin(), m_unchosen.end(), [field](const UnchosenList& list) { return list.field == field; });
}

bool PayeeFormFrame::listHidden(QString CCards::*) const
{
    return false;
}

// Runs the Payee ID rule, the list rule and the type's rules; false when
// Save must stop with the form open.
bool PayeeFormFrame::validate(qint32& id, CCards& working)
{
    const Report& report = m_context.report();
    UserInterface& ui = m_context.ui;
    m_findings.clear();
    ignoreWarningsVisible = false;

    const std::optional<qint32> typedId = rules::readEditNumber(payeeIdText);
    if (!typedId || payeeIdText.size() > 9)
        m_findings.push_back({ PayeeField::PayeeId, FindingKind::Error });
    id = m_adding ? typedId.value_or(0) : m_context.currentPayeeKey;
    for (const UnchosenList& list : m_unchosen) {
        if (!hasError(list.field))
            m_findings.push_back({ list.field, FindingKind::Error });
    }

    RuleSettings settings(RuleMode::Form, m_type.type, report.reportYearNumber, report.a01FileOnly != 0);
    settings.ui = &ui;
    RuleRun run(settings, working, m_context.currentPayee.ignoreWarnings == QLatin1String("Yes"), &numberTexts);
    try {
        RunPayeeRules(m_type.rules, run);
    } catch (const std::exception&) {
        ui.message(kInvalidDate, MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    for (const Finding& f : run.findings()) {
        m_findings.push_back(f);
        if (!f.message.isEmpty())
            ui.message(f.message.toString(), MessageButtons::Ok, MessageIcon::Warning);
    }

    const auto errors = std::count_if(
        m_findings.begin(), m_findings.end(), [](const Finding& f) { return f.kind == FindingKind::Error; });
    auto warnings = qsizetype(m_findings.size()) - errors;
    if (ignoreWarningsTicked) {
        warnings = 0;
        m_context.currentPayee.ignoreWarnings = QStringLiteral("Yes");
    }
    if (errors + warnings > 0) {
        if (warnings > 0 || m_context.currentPayee.ignoreWarnings == QLatin1String("Yes"))
            ignoreWarningsVisible = true;
        ui.message(kCorrectAndSave, MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    return true;
}

bool PayeeFormFrame::acceptNewId(qint32 id)
{
    Report& report = m_context.report();
    UserInterface& ui = m_context.ui;
    if (id == 0) {
        ui.message(kIdRequired, MessageButtons::Ok, MessageIcon::Information);
        return false;
    }
    if (id > 999999999) {
        ui.message(kIdTooLong, MessageButtons::Ok, MessageIcon::Information);
        return false;
    }
    if (report.payees.contains(id)) {
        ui.message(kIdTaken, MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    NotePayeeIdStored(report, id);
    return true;
}

PayeeSaveOutcome PayeeFormFrame::OnBnClickedSave(qint64 payeeLimit)
{
    // A full report takes no new payee, whatever the form holds.
    if (m_adding && PayeeRoomLeft(m_context.report(), payeeLimit) < 1) {
        m_context.ui.message(TooManyPayeesMessage(qint64(m_context.report().payees.size()), 1, payeeLimit));
        return PayeeSaveOutcome::StayOpen;
    }
    qint32 id = 0;
    CCards working = values;
    if (!validate(id, working))
        return PayeeSaveOutcome::StayOpen;
    if (m_adding && !acceptNewId(id))
        return PayeeSaveOutcome::StayOpen;

    Report& report = m_context.report();
    const QString flag = ignoreWarningsTicked ? QStringLiteral("Yes") : QString();
    report.payees[id] = StorePayeeRecord(m_type, working, id, flag);
    m_context.document.SetModifiedFlag(true);
    report.payeesChanged = 1;
    return PayeeSaveOutcome::Stored;
}
