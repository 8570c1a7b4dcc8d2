#include "payers/dialogs/CEditPayer.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <QPushButton>

#include <exception>

CEditPayer::CEditPayer(AppContext& context, QWidget* parent)
    : PayerEntryDialog(context, QStringLiteral("Quillastrand - Payer List - Edit Payer"),
        QStringLiteral("Payer List - Edit an existing Payer"), parent)
    , m_form(context)
{
    try {
        showFields(m_form.fields);
        setToolTips(QStringLiteral("Enter the name of a contact person for the data in this Report - will also be "
                                   "Authorised Signatory on Payment Summaries"),
            QStringLiteral("Enter the phone number of the nominated contact person in format XX XXXX XXXX or "
                           "XXXX XXX XXX"),
            QStringLiteral("Optional - Enter Payer's fax numberin format XX XXXX XXXX"));
    } catch (const std::exception&) {
        context.ui.message(QStringLiteral("An unknown error has occurred - Ref #1013."));
    } catch (...) {
        context.ui.message(QStringLiteral("An unknown error has occurred - Ref #1014."));
    }
    connect(m_save, &QPushButton::clicked, this, &CEditPayer::OnBnClickedSave);
}

void CEditPayer::OnBnClickedSave()
{
    saveThrough(m_form);
}
