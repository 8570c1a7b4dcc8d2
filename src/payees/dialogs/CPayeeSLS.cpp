#include "payees/dialogs/CPayeeSLS.h"

#include "payees/PayeeTypeSls.h"

CPayeeSLS::CPayeeSLS(AppContext& context, QWidget* parent)
    : PayeeSlsDasDialog(context, std::make_unique<PayeeSlsForm>(context), PayeeType::SLS, parent)
{
}
