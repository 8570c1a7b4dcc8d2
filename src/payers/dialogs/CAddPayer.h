#pragma once

#include "AddPayerForm.h"
#include "PayerEntryDialog.h"

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
