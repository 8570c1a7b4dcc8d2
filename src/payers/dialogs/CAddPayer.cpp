#include "payers/dialogs/CAddPayer.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <QPushButton>

#include <exception>

CAddPayer::CAddPayer(AppContext& context, QWidget* parent)
    : PayerEntryDialog(context, QStringLiteral("Quillastrand - Payer List - Add Payer"),
        QStringLiteral("Payer List - Add a new Payer"), parent)
    , m_form(context)
{
    try {
        m_loadFromOriginal->setVisible(m_form.offersLoadFromOriginal());
        setToolTips(QStringLiteral("Enter the name of a contact person for the data in this Report - will also be "
                                   "used as Authorised Signatory on Payment Summaries"),
            QStringLiteral("Enter the phone number of the nominated contact person in format XX XXXX XXXX or "
                           "XXXX XXX XXX "),
            QStringLiteral("Optional - Enter Payer's fax number in format XX XXXX XXXX"));
        showFields(m_form.fields);
    } catch (const std::exception&) {
        context.ui.message(QStringLiteral("An unknown error has occurred - Ref #1009."));
    } catch (...) {
        context.ui.message(QStringLiteral("An unknown error has occurred - Ref #1010."));
    }
    connect(m_save, &QPushButton::clicked, this, &CAddPayer::OnBnClickedSave);
    connect(m_loadFromOriginal, &QPushButton::clicked, this, &CAddPayer::OnBnClickedLoadFromOriginal);
}

void CAddPayer::OnBnClickedSave()
{
    saveThrough(m_form);
}

void CAddPayer::OnBnClickedLoadFromOriginal()
{
    m_form.fields = readFields();
    m_form.loadFromOriginal();
    showFields(m_form.fields);
}
