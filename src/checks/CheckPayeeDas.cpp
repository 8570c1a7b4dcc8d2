#include "checks/CheckPayeeDas.h"

#include "payees/PayeeRules.h"
#include "payees/PayeeTypeDas.h"

void CheckPayeeDAS(AppContext& context, qint32 id)
{
    RunPayeeCheck(context, kDasType, id);
}
