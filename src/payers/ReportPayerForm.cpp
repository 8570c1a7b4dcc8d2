#include "payers/ReportPayerForm.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldRules.h"

#include <QDateTime>

std::array<QString*, 14> ReportPayerValues(Report& r)
{
    return { &r.payerName, &r.payerAbn, &r.payerTradingName, &r.payerBranch, &r.payerAddress1, &r.payerAddress2,
        &r.payerSuburb, &r.payerState, &r.payerPostcode, &r.payerCountry, &r.payerContact, &r.payerPhone, &r.payerFax,
        &r.payerRef };
}

void SetReportPayer(AppContext& context, const QString& key, const CPayers& entry)
{
    Report& r = context.report();
    r.payerKey = key;
    const auto values = ReportPayerValues(r);
    for (size_t i = 0; i < values.size(); ++i)
        *values[i] = entry.*kPayerEntryTexts[i];
    r.payerDate = entry.date;
    r.payerNotInList = 0;
    context.document.SetModifiedFlag();
}

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
    Report& r = m_context.report();
    const auto values = ReportPayerValues(r);
    const auto shown = PayerFieldValues(fields);
    for (size_t i = 0; i < values.size(); ++i)
        *shown[i] = *values[i];
    fields.abn = AbnDisplayForm(r.payerAbn);
    shownDate = r.payerDate != 0 ? r.payerDate : m_now;
}

void ReportPayerForm::readBack()
{
    Report& r = m_context.report();
    const auto values = ReportPayerValues(r);
    const auto shown = PayerFieldValues(fields);
    for (size_t i = 0; i < values.size(); ++i)
        *values[i] = *shown[i];
    r.payerAbn = RemoveBlanks(fields.abn);
}

void ReportPayerForm::takeSavedCopies()
{
    Report& r = m_context.report();
    const auto values = ReportPayerValues(r);
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
    const auto values = ReportPayerValues(r);
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
