#include "checks/CheckPayeeBus.h"

#include "payees/PayeeRules.h"
#include "payees/PayeeTypeBus.h"

void CheckPayeeBUS(AppContext& context, qint32 id)
{
    RunPayeeCheck(context, kBusType, id);
}
