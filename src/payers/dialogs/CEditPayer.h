#pragma once

#include "payers/EditPayerForm.h"
#include "payers/dialogs/PayerEntryDialog.h"

// "Quillastrand - Payer List - Edit Payer": changes the Payer List entry
// whose key the Payer List left in the report's payerJustAddedKey.
class CEditPayer : public PayerEntryDialog
{
    Q_OBJECT
public:
    CEditPayer(AppContext& context, QWidget* parent = nullptr);

    void OnBnClickedSave();

private:
    EditPayerForm m_form;
};
