#pragma once

#include "payees/PayeeFormFrame.h"
#include "payees/PayeeTypeBus.h"

// The logic of the BUS form: the frame over the BUS rules, and the Payment
// Type choice that decides whether the TFN or the ABN box is open.
class PayeeBusForm : public PayeeFormFrame
{
public:
    explicit PayeeBusForm(AppContext& context);

    bool tfnEnabled = false;
    bool abnEnabled = false;

    // A stored payee's ABN is shown as "XX XXX XXX XXX"; a new payee has
    // both boxes closed until a Payment Type is chosen.
    void OnInitDialog() override;
    // The user accepted a Payment Type. Neither box is cleared: Save puts
    // the placeholder in place of the number that does not apply.
    void OnCbnSelendokPaymentType(const QString& paymentType);
};
