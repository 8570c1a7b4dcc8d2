#pragma once

#include "payees/dialogs/PayeeSlsDasDialog.h"

// The DAS payee form, opened by Add Payee and EditPayee as "CPayeeDAS".
class CPayeeDAS : public PayeeSlsDasDialog
{
public:
    CPayeeDAS(AppContext& context, QWidget* parent);
};
