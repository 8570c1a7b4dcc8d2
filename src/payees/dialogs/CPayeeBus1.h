#pragma once

#include "payees/PayeeBusForm.h"
#include "payees/dialogs/PayeeEtpBusParts.h"
#include "payees/dialogs/PayeeFormDialog.h"

class QComboBox;
class QLineEdit;

// "Quillastrand - BUS Payee Details": one business or personal services
// payee, added or edited. The Payment Type opens the TFN or the ABN box.
class CPayeeBus1 : private PayeeFormHolder<PayeeBusForm>, public PayeeFormDialog
{
public:
    explicit CPayeeBus1(AppContext& context, QWidget* parent = nullptr);

    PayeeBusForm& form() { return heldForm; }

private:
    void showNumberBoxes();

    QComboBox* m_tfn = nullptr;
    QLineEdit* m_abn = nullptr;
};
