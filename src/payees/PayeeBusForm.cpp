#include "payees/PayeeBusForm.h"

#include "report/FieldRules.h"

PayeeBusForm::PayeeBusForm(AppContext& context)
    : PayeeFormFrame(context, kBusType)
{
}

void PayeeBusForm::OnInitDialog()
{
    PayeeFormFrame::OnInitDialog();
    if (adding()) {
        tfnEnabled = abnEnabled = false;
        return;
    }
    values.abn = AbnDisplayForm(values.abn);
    OnCbnSelendokPaymentType(values.busPaymentType);
}

void PayeeBusForm::OnCbnSelendokPaymentType(const QString& paymentType)
{
    abnEnabled = paymentType == kVoluntaryAgreement;
    tfnEnabled = !abnEnabled;
}
