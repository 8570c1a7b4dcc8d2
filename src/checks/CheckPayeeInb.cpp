#include "checks/CheckPayeeInb.h"

#include "payees/PayeeRules.h"
#include "payees/PayeeTypeInb.h"

void CheckPayeeINB(AppContext& context, qint32 id)
{
    RunPayeeCheck(context, kInbType, id);
}
