#pragma once

#include "payees/PayeeBusForm.h"
#include "payees/dialogs/PayeeFormDialog.h"

class QComboBox;
class QLineEdit;

// Holds the form's logic, so it exists before the dialog base that shows it.
struct BusFormHolder {
    explicit BusFormHolder(AppContext& context)
        : busForm(context)
    {
    }
    PayeeBusForm busForm;
};

// "Quillastrand - BUS Payee Details": one business or personal services
// payee, added or edited. The Payment Type opens the TFN or the ABN box.
class CPayeeBus1 : private BusFormHolder, public PayeeFormDialog
{
public:
    explicit CPayeeBus1(AppContext& context, QWidget* parent = nullptr);

    PayeeBusForm& form() { return busForm; }

private:
    void showNumberBoxes();

    QComboBox* m_tfn = nullptr;
    QLineEdit* m_abn = nullptr;
};
