#include "ReportPayerForm.h"

#include "AppContext.h"
#include "FieldRules.h"
#include "UserInterface.h"

#include <QDateTime>

#include <array>

namespace
{

// The report's payer values in the order of the saved copies.
std::array<QString*, 14> payerValues(Report& r)
{
    return { &r.payerName, &r.payerAbn, &r.payerTradingName, &r.payerBranch, &r.payerAddress1, &r.payerAddress2,
        &r.payerSuburb, &r.payerState, &r.payerPostcode, &r.payerCountry, &r.payerContact, &r.payerPhone, &r.payerFax,
        &r.payerRef };
}

} // namespace

ReportPayerForm::ReportPayerForm(AppContext& context, qint64 now)
    : m_context(context)
    , m_now(now)
{
    fill();
    takeSavedCopies();
}

ReportPayerForm::ReportPayerForm(AppContext& context)
    : ReportPayerForm(context, QDateTime::currentSecsSinceEpoch())
{
}

void ReportPayerForm::fill()
{
    const Report& r = m_context.report();
    fields.ref = r.payerRef;
    fields.name = r.payerName;
    fields.tradingName = r.payerTradingName;
    fields.abn = AbnDisplayForm(r.payerAbn);
    fields.branch = r.payerBranch;
    fields.address1 = r.payerAddress1;
    fields.address2 = r.payerAddress2;
    fields.suburb = r.payerSuburb;
    fields.state = r.payerState;
    fields.country = r.payerCountry;
    fields.postcode = r.payerPostcode;
    fields.contact = r.payerContact;
    fields.phone = r.payerPhone;
    fields.fax = r.payerFax;
    shownDate = r.payerDate != 0 ? r.payerDate : m_now;
}

void ReportPayerForm::readBack()
{
    Report& r = m_context.report();
    r.payerRef = fields.ref;
    r.payerName = fields.name;
    r.payerTradingName = fields.tradingName;
    r.payerAbn = RemoveBlanks(fields.abn);
    r.payerBranch = fields.branch;
    r.payerAddress1 = fields.address1;
    r.payerAddress2 = fields.address2;
    r.payerSuburb = fields.suburb;
    r.payerState = fields.state;
    r.payerCountry = fields.country;
    r.payerPostcode = fields.postcode;
    r.payerContact = fields.contact;
    r.payerPhone = fields.phone;
    r.payerFax = fields.fax;
}

void ReportPayerForm::takeSavedCopies()
{
    Report& r = m_context.report();
    const auto values = payerValues(r);
    for (size_t i = 0; i < values.size(); ++i)
        r.payerFieldsSaved[i] = *values[i];
    r.payerFieldsSaved[19] = QStringLiteral("checked");
}

void ReportPayerForm::update()
{
    readBack();
    takeSavedCopies();
}

bool ReportPayerForm::close()
{
    readBack();
    Report& r = m_context.report();
    const auto values = payerValues(r);
    bool changed = false;
    for (size_t i = 0; i < values.size(); ++i) {
        if (*values[i] != r.payerFieldsSaved[i])
            changed = true;
    }
    if (!changed)
        return true;
    switch (m_context.ui.message(kPayerDetailsNotUpdated, MessageButtons::YesNoCancel)) {
    case Answer::Yes:
        readBack();
        takeSavedCopies();
        m_context.document.SetModifiedFlag();
        return true;
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void ReportPayerForm::selectFromPayerList()
{
    m_context.ui.runDialog(QStringLiteral("CPayerList"));
    fill();
}
