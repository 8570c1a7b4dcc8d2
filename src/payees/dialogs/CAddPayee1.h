#pragma once

#include "payees/AddPayeeForm.h"

#include <QDialog>

#include <array>

class AppContext;
class PayeeServices;
class QRadioButton;

// "Quillastrand - Add Payee": chooses the payment-summary type of the
// payees to add and whether to type one or import a file of them.
class CAddPayee1 : public QDialog
{
    Q_OBJECT
public:
    CAddPayee1(AppContext& context, PayeeServices& services, QWidget* parent = nullptr);

private:
    void finish(AddPayeeOutcome outcome);

    AddPayeeForm m_form;
    std::array<QRadioButton*, 7> m_radios {};
};
