#include "payers/AddPayerForm.h"

#include "payers/PayerListStore.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldRules.h"

#include <QDateTime>

#include <exception>

AddPayerForm::AddPayerForm(AppContext& context, qint64 createdAt)
    : m_context(context)
    , m_date(createdAt)
{
    fields.branch = QStringLiteral("001");
}

AddPayerForm::AddPayerForm(AppContext& context)
    : AddPayerForm(context, QDateTime::currentSecsSinceEpoch())
{
}

bool AddPayerForm::offersLoadFromOriginal() const
{
    return m_context.report().fromLodgementFile == QLatin1String("Yes");
}

void AddPayerForm::loadFromOriginal()
{
    const Report& r = m_context.report();
    fields.name = r.origPayerName;
    fields.abn = AbnDisplayForm(r.origPayerAbn);
    fields.tradingName = r.origPayerTradingName;
    fields.branch = r.origPayerBranch;
    fields.address1 = r.origPayerAddress1;
    fields.address2 = r.origPayerAddress2;
    fields.suburb = r.origPayerSuburb;
    if (IsStateChoice(r.origPayerState))
        fields.state = r.origPayerState;
    fields.postcode = r.origPayerPostcode;
    fields.country = r.origPayerCountry;
    fields.contact = r.origPayerContact;
    fields.phone = r.origPayerPhone;
    fields.fax = r.origPayerFax;
}

bool AddPayerForm::save()
{
    UserInterface& ui = m_context.ui;
    const PayerFields typed = fields;
    QString key;
    CPayers entry;
    try {
        markers.clear();
        ValidatePayerFields check(fields);
        check.stage1(ui);
        key = check.key();
        if (m_context.payers.contains(key)) {
            fields = check.shown();
            markers = check.markers();
            ui.message(kDuplicatePayer, MessageButtons::Ok, MessageIcon::None);
            return false;
        }
        check.stage2();
        fields = check.shown();
        markers = check.markers();
        if (check.failed()) {
            ui.message(kCorrectMarkedFields, MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
        entry = PayerEntryFrom(check.cleaned(), m_date);
    } catch (const std::exception&) {
        // Nothing half-done reaches the Payer List or its file; the user's
        // entries stay to be saved again.
        fields = typed;
        ui.message(QStringLiteral("An unknown error has occurred - Ref #1007."));
        return false;
    } catch (...) {
        fields = typed;
        ui.message(QStringLiteral("An unknown error has occurred - Ref #1008."));
        return false;
    }
    // Another copy of the program may have added the key since this copy
    // read the list.
    const PayerListChange outcome
        = ChangeLivePayerList(m_context, [&](PayerMap& entries) { return entries.emplace(key, entry).second; });
    switch (outcome) {
    case PayerListChange::Refused:
        ui.message(kDuplicatePayer, MessageButtons::Ok, MessageIcon::None);
        return false;
    case PayerListChange::Busy:
    case PayerListChange::NotWritten:
        // The dialog stays open with the user's entries, to be saved again.
        return false;
    case PayerListChange::Written:
        break;
    }
    m_context.report().payerJustAddedKey = key;
    return true;
}
