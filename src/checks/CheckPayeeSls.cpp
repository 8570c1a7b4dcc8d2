#include "checks/CheckPayeeSls.h"

#include "payees/PayeeRules.h"
#include "payees/PayeeTypeSls.h"

void CheckPayeeSLS(AppContext& context, qint32 id)
{
    RunPayeeCheck(context, kSlsType, id);
}
