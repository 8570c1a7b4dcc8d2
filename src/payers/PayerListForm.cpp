#include "payers/PayerListForm.h"

#include "payers/PayerListStore.h"
#include "payers/ReportPayerForm.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldRules.h"

#include <algorithm>
#include <optional>

namespace
{

const QString kSelectOneOnly = QStringLiteral("Please select one Payer only.");

} // namespace

PayerListForm::PayerListForm(AppContext& context)
    : m_context(context)
{
}

void PayerListForm::load()
{
    LoadLivePayerList(m_context,
        QStringLiteral("An error has occurred while trying to \nload Payer List data from file  - Ref #1015."));
}

void PayerListForm::showHintOnce()
{
    Report& r = m_context.report();
    if (r.fromLodgementFile == QLatin1String("Yes") && r.payerListHintShown == 0) {
        m_context.ui.message(kLoadFromOriginalHint);
        r.payerListHintShown = 1;
    }
}

void PayerListForm::refresh()
{
    Report& r = m_context.report();
    m_rows.clear();
    for (const auto& [key, entry] : m_context.payers)
        m_rows.push_back({ key, entry.ref, entry.name, entry.tradingName, AbnDisplayForm(entry.abn), false });

    if (m_rows.size() == 1) {
        m_rows.front().checked = true;
    } else if (m_rows.size() > 1) {
        const QString& wanted = r.payerJustAdded == 1 ? r.payerJustAddedKey : r.payerKey;
        for (PayerListRow& row : m_rows) {
            if (row.key == wanted)
                row.checked = true;
        }
    }
    r.payerJustAdded = 0;
    r.payerJustAddedKey.clear();
}

void PayerListForm::setChecked(int row, bool checked)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_rows[size_t(row)].checked = checked;
    if (!checked)
        return;
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (i != row)
            m_rows[size_t(i)].checked = false;
    }
}

bool PayerListForm::tickByKey(const QString& key, bool checked)
{
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (m_rows[size_t(i)].key == key) {
            if (m_rows[size_t(i)].checked == checked)
                return false;
            setChecked(i, checked);
            break;
        }
    }
    return true;
}

int PayerListForm::tickedCount() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(), [](const PayerListRow& row) { return row.checked; }));
}

int PayerListForm::tickedRow() const
{
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (m_rows[size_t(i)].checked)
            return i;
    }
    return -1;
}

bool PayerListForm::probeWritable()
{
    WaitCursor wait(m_context.ui);
    if (probeFolderWritable(m_context.files, m_context.prefs.payerListFolder()).ok())
        return true;
    m_context.ui.message(kNoWriteAccessToPayerList);
    return false;
}

std::optional<QString> PayerListForm::onlyTickedKey(const QString& noTickText)
{
    const int ticked = tickedCount();
    if (ticked == 0) {
        m_context.ui.message(noTickText);
        return std::nullopt;
    }
    if (ticked > 1) {
        m_context.ui.message(kSelectOneOnly);
        return std::nullopt;
    }
    return m_rows[size_t(tickedRow())].key;
}

void PayerListForm::add()
{
    if (!probeWritable())
        return;
    m_context.report().payerJustAdded = 1;
    m_context.ui.runDialog(QStringLiteral("CAddPayer"));
    refresh();
}

void PayerListForm::edit()
{
    if (!probeWritable())
        return;
    UserInterface& ui = m_context.ui;
    if (m_rows.empty()) {
        ui.message(QStringLiteral("There are no Payers to Edit."));
        return;
    }
    const std::optional<QString> key
        = onlyTickedKey(QStringLiteral("Please place a tick next to the \nPayer you want to edit."));
    if (!key)
        return;
    Report& r = m_context.report();
    r.payerJustAddedKey = *key;
    r.payerJustAdded = 1;
    ui.runDialog(QStringLiteral("CEditPayer"));
    refresh();
}

void PayerListForm::remove()
{
    if (!probeWritable())
        return;
    UserInterface& ui = m_context.ui;
    WaitCursor wait(ui);
    if (m_rows.empty()) {
        ui.message(QStringLiteral("There are no Payers to Remove."));
        return;
    }
    const std::optional<QString> ticked
        = onlyTickedKey(QStringLiteral("Please place a tick next to the \nPayer you want to Remove."));
    if (!ticked)
        return;
    const QString key = *ticked;
    if (ui.message(QStringLiteral("Are you sure you want to remove this Payer?"), MessageButtons::YesNoCancel)
        != Answer::Yes)
        return;
    // Removed from the file as it is now: another copy of the program may
    // have removed the entry already, or changed it since this list showed
    // it, and then its changes go only on the user's word for the entry as
    // it then stands.
    const auto shown = m_context.payers.find(key);
    std::optional<CPayers> removable;
    if (shown != m_context.payers.end())
        removable = shown->second;
    for (;;) {
        std::optional<CPayers> changed;
        const PayerListChange outcome = ChangeLivePayerList(m_context, [&](PayerMap& entries) {
            const auto found = entries.find(key);
            if (found == entries.end())
                return false;
            if (found->second != removable) {
                changed = found->second;
                return false;
            }
            entries.erase(found);
            return true;
        });
        if (outcome != PayerListChange::Refused)
            break;
        if (!changed) {
            ui.message(kPayerRemovedMeanwhile);
            break;
        }
        if (ui.message(kRemoveChangedPayer.arg(changed->name), MessageButtons::YesNo, MessageIcon::Question)
            != Answer::Yes)
            break;
        removable = changed;
    }
    // The report's payer is a copy of the entry: without the entry,
    // generation must refuse as for any payer missing from the list.
    Report& r = m_context.report();
    if (key == r.payerKey && !m_context.payers.contains(key))
        r.payerNotInList = 2;
    refresh();
}

bool PayerListForm::selectForReport()
{
    const std::optional<QString> ticked
        = onlyTickedKey(QStringLiteral("Please place a tick next to the \nPayer you want to use for this Report."));
    if (!ticked)
        return false;
    const QString key = *ticked;
    const auto found = m_context.payers.find(key);
    if (found == m_context.payers.end())
        return false;
    SetReportPayer(m_context, key, found->second);
    return true;
}

void PayerListForm::exportList()
{
    if (m_rows.empty())
        return;
    ExportPayerList(m_context);
}

void PayerListForm::importList()
{
    if (!probeWritable())
        return;
    ImportPayerList(m_context);
    refresh();
}
