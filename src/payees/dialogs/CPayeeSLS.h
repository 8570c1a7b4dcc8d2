#pragma once

#include "payees/dialogs/PayeeSlsDasDialog.h"

// The SLS payee form, opened by Add Payee and EditPayee as "CPayeeSLS".
class CPayeeSLS : public PayeeSlsDasDialog
{
public:
    CPayeeSLS(AppContext& context, QWidget* parent);
};
