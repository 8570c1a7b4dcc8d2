#include "checks/CheckPayeeFei.h"

#include "payees/PayeeFEI.h"

void CheckPayeeFEI(AppContext& context, qint32 id)
{
    RunPayeeCheck(context, kFeiRules, id);
}
