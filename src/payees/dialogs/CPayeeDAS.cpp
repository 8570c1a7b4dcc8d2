#include "payees/dialogs/CPayeeDAS.h"

#include "payees/PayeeTypeDas.h"

CPayeeDAS::CPayeeDAS(AppContext& context, QWidget* parent)
    : PayeeSlsDasDialog(context, std::make_unique<PayeeDasForm>(context), PayeeType::DAS, parent)
{
}
