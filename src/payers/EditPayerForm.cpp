#include "payers/EditPayerForm.h"

#include "payers/PayerListStore.h"
#include "payers/ReportPayerForm.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldRules.h"

#include <exception>
#include <optional>

EditPayerForm::EditPayerForm(AppContext& context)
    : m_context(context)
    , m_key(context.report().payerJustAddedKey)
{
    const auto found = context.payers.find(m_key);
    if (found == context.payers.end())
        return;
    m_read = found->second;
    fields = PayerFieldsOf(m_read);
}

EditMerge MergePayerEdit(const CPayers& read, const CPayers& theirs, const CPayers& mine,
    const std::array<bool, 14>& changedHere)
{
    EditMerge merge { mine, false };
    for (size_t i = 0; i < kPayerEntryTexts.size(); ++i) {
        const auto text = kPayerEntryTexts[i];
        if (theirs.*text == read.*text || theirs.*text == mine.*text)
            continue;
        if (changedHere[i])
            merge.clash = true;
        else
            merge.entry.*text = theirs.*text;
    }
    merge.entry.reserved5 = theirs.reserved5;
    return merge;
}

bool EditPayerForm::save()
{
    UserInterface& ui = m_context.ui;
    PayerFields typed = fields;
    CPayers entry;
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
        entry = PayerEntryFrom(check.cleaned(), m_read.date);
    } catch (const std::exception&) {
        fields = typed;
        ui.message(QStringLiteral("An unknown error has occurred  - Ref #1011."));
        return false;
    } catch (...) {
        fields = typed;
        ui.message(QStringLiteral("An unknown error has occurred - Ref #1012."));
        return false;
    }
    std::array<bool, 14> changedHere {};
    PayerFields opened = PayerFieldsOf(m_read);
    const auto typedValues = PayerFieldValues(typed);
    const auto openedValues = PayerFieldValues(opened);
    for (size_t i = 0; i < changedHere.size(); ++i)
        changedHere[i] = *typedValues[i] != *openedValues[i];

    // The entry as the file holds it now: another copy of the program may
    // have removed it, or changed it since this dialog read it. Its changes
    // to fields this dialog left alone are kept; a field both changed is
    // written over only on the user's word, given for the entry as it then
    // stood.
    std::optional<CPayers> overwriteAllowed;
    for (;;) {
        bool removed = false;
        std::optional<CPayers> clashing;
        CPayers written;
        const PayerListChange outcome = ChangeLivePayerList(m_context, [&](PayerMap& entries) {
            const auto found = entries.find(m_key);
            if (found == entries.end()) {
                removed = true;
                return false;
            }
            const EditMerge merge = MergePayerEdit(m_read, found->second, entry, changedHere);
            if (merge.clash && overwriteAllowed != found->second) {
                clashing = found->second;
                return false;
            }
            found->second = written = merge.entry;
            return true;
        });
        switch (outcome) {
        case PayerListChange::Refused:
            if (removed) {
                ui.message(kPayerRemovedMeanwhile);
                return true;
            }
            if (ui.message(kPayerChangedMeanwhile.arg(clashing->name), MessageButtons::YesNo, MessageIcon::Question)
                != Answer::Yes)
                return false; // the dialog stays open with the user's entries
            overwriteAllowed = clashing;
            continue;
        case PayerListChange::Busy:
        case PayerListChange::NotWritten:
            // The dialog stays open with the user's entries, to be saved again.
            return false;
        case PayerListChange::Written:
            break;
        }
        // The report's payer is a copy of the entry the file now holds.
        if (m_key == m_context.report().payerKey)
            SetReportPayer(m_context, m_key, written);
        return true;
    }
}
