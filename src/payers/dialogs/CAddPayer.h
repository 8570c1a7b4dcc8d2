#pragma once

#include "payers/AddPayerForm.h"
#include "payers/dialogs/PayerEntryDialog.h"

// "Quillastrand - Payer List - Add Payer": a new entry of the Payer List.
class CAddPayer : public PayerEntryDialog
{
    Q_OBJECT
public:
    CAddPayer(AppContext& context, QWidget* parent = nullptr);

    void OnBnClickedSave();
    void OnBnClickedLoadFromOriginal();

private:
    AddPayerForm m_form;
};
