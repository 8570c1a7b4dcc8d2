#include "payers/EditPayerForm.h"

#include "payers/PayerListStore.h"
#include "payers/ReportPayerForm.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldRules.h"

#include <exception>
#include <utility>
#include <vector>

EditPayerForm::EditPayerForm(AppContext& context)
    : m_context(context)
    , m_key(context.report().payerJustAddedKey)
{
    const auto found = context.payers.find(m_key);
    if (found == context.payers.end())
        return;
    const CPayers& e = found->second;
    fields = PayerFieldsOf(e);
    m_date = e.date;
}

bool EditPayerForm::save()
{
    UserInterface& ui = m_context.ui;
    const PayerFields typed = fields;
    CPayers entry;
    std::vector<std::pair<QString*, QString>> reportPayer;
    try {
        markers.clear();
        ValidatePayerFields check(fields);
        check.stage1(ui);
        check.stage2();
        fields = check.shown();
        markers = check.markers();
        if (check.failed()) {
            ui.message(kCorrectMarkedFields, MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
        PayerFields cleaned = check.cleaned();
        entry = PayerEntryFrom(cleaned, m_date);

        // Everything is built before anything changes, so a failure above
        // leaves the Payer List and the report as they were.
        Report& r = m_context.report();
        if (m_key == r.payerKey) {
            const auto targets = ReportPayerValues(r);
            const auto values = PayerFieldValues(cleaned);
            for (size_t i = 0; i < targets.size(); ++i)
                reportPayer.emplace_back(targets[i], *values[i]);
        }
    } catch (const std::exception&) {
        fields = typed;
        ui.message(QStringLiteral("An unknown error has occurred  - Ref #1011."));
        return false;
    } catch (...) {
        fields = typed;
        ui.message(QStringLiteral("An unknown error has occurred - Ref #1012."));
        return false;
    }
    // The entry as the file holds it now: another copy of the program may
    // have removed it, or changed it (then this edit, the later, wins).
    const PayerListChange outcome = ChangeLivePayerList(m_context, [&](PayerMap& entries) {
        const auto found = entries.find(m_key);
        if (found == entries.end())
            return false;
        entry.reserved5 = found->second.reserved5;
        found->second = std::move(entry);
        return true;
    });
    switch (outcome) {
    case PayerListChange::Refused:
        ui.message(kPayerRemovedMeanwhile);
        return true;
    case PayerListChange::Busy:
        // The dialog stays open with the user's entries, to be saved again.
        return false;
    case PayerListChange::NotWritten:
        return true;
    case PayerListChange::Written:
        break;
    }
    // The report's payer is a copy of the entry the file now holds.
    if (!reportPayer.empty()) {
        for (auto& [target, value] : reportPayer)
            std::swap(*target, value);
        m_context.report().payerDate = m_date;
        // The report's payer changed: closing the report must offer to save it.
        m_context.document.SetModifiedFlag();
    }
    return true;
}
