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
    m_reserved5 = e.reserved5;
}

bool EditPayerForm::save()
{
    UserInterface& ui = m_context.ui;
    const PayerFields typed = fields;
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
        CPayers entry = PayerEntryFrom(cleaned, m_date);
        entry.reserved5 = m_reserved5;

        // Everything is built before anything changes, so a failure above
        // leaves the Payer List and the report as they were.
        Report& r = m_context.report();
        const bool reportUsesIt = m_key == r.payerKey;
        std::vector<std::pair<QString*, QString>> reportPayer;
        if (reportUsesIt) {
            const auto targets = ReportPayerValues(r);
            const auto values = PayerFieldValues(cleaned);
            for (size_t i = 0; i < targets.size(); ++i)
                reportPayer.emplace_back(targets[i], *values[i]);
        }
        auto& stored = m_context.payers[m_key];
        std::swap(stored, entry);
        for (auto& [target, value] : reportPayer)
            std::swap(*target, value);
        if (reportUsesIt) {
            r.payerDate = m_date;
            // The report's payer changed: closing the report must offer to save it.
            m_context.document.SetModifiedFlag();
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
    SaveLivePayerList(m_context);
    return true;
}
