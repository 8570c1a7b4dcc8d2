#pragma once

#include "payees/PayeeEtpForm.h"
#include "payees/dialogs/PayeeEtpBusParts.h"
#include "payees/dialogs/PayeeFormDialog.h"

// "Quillastrand - ETP Payee Details": one employment termination payment
// payee, added or edited. It does not scroll.
class CPayeeETP : private PayeeFormHolder<PayeeEtpForm>, public PayeeFormDialog
{
public:
    explicit CPayeeETP(AppContext& context, QWidget* parent = nullptr);

    PayeeEtpForm& form() { return heldForm; }
};
