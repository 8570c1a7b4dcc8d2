#pragma once

#include "payees/PayeeEtpForm.h"
#include "payees/dialogs/PayeeFormDialog.h"

// Holds the form's logic, so it exists before the dialog base that shows it.
struct EtpFormHolder {
    explicit EtpFormHolder(AppContext& context)
        : etpForm(context)
    {
    }
    PayeeEtpForm etpForm;
};

// "Quillastrand - ETP Payee Details": one employment termination payment
// payee, added or edited. It does not scroll.
class CPayeeETP : private EtpFormHolder, public PayeeFormDialog
{
public:
    explicit CPayeeETP(AppContext& context, QWidget* parent = nullptr);

    PayeeEtpForm& form() { return etpForm; }
};
