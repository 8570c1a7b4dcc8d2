#include "EditPayerForm.h"

#include "AppContext.h"
#include "FieldRules.h"
#include "PayerListStore.h"
#include "UserInterface.h"

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
    fields.name = e.name;
    fields.abn = AbnDisplayForm(e.abn);
    fields.tradingName = e.tradingName;
    fields.branch = e.branch;
    fields.address1 = e.address1;
    fields.address2 = e.address2;
    fields.suburb = e.suburb;
    fields.state = e.state;
    fields.postcode = e.postcode;
    fields.country = e.country;
    fields.contact = e.contact;
    fields.phone = e.phone;
    fields.fax = e.fax;
    fields.ref = e.ref;
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
        const PayerFields& f = check.cleaned();
        CPayers entry;
        entry.ref = f.ref;
        entry.name = f.name;
        entry.tradingName = f.tradingName;
        entry.abn = f.abn;
        entry.reserved5 = m_reserved5;
        entry.branch = f.branch;
        entry.address1 = f.address1;
        entry.address2 = f.address2;
        entry.suburb = f.suburb;
        entry.state = f.state;
        entry.postcode = f.postcode;
        entry.country = f.country;
        entry.contact = f.contact;
        entry.phone = f.phone;
        entry.fax = f.fax;
        entry.date = m_date;

        // Everything is built before anything changes, so a failure above
        // leaves the Payer List and the report as they were.
        Report& r = m_context.report();
        const bool reportUsesIt = m_key == r.payerKey;
        std::vector<std::pair<QString*, QString>> reportPayer;
        if (reportUsesIt) {
            reportPayer = { { &r.payerName, entry.name }, { &r.payerAbn, entry.abn },
                { &r.payerTradingName, entry.tradingName }, { &r.payerBranch, entry.branch },
                { &r.payerAddress1, entry.address1 }, { &r.payerAddress2, entry.address2 },
                { &r.payerSuburb, entry.suburb }, { &r.payerState, entry.state }, { &r.payerPostcode, entry.postcode },
                { &r.payerCountry, entry.country }, { &r.payerContact, entry.contact }, { &r.payerPhone, entry.phone },
                { &r.payerFax, entry.fax }, { &r.payerRef, entry.ref } };
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
