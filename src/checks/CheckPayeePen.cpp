#include "checks/CheckPayeePen.h"

#include "payees/PayeePEN.h"

void CheckPayeePEN(AppContext& context, qint32 id)
{
    RunPayeeCheck(context, kPenCheckRules, id);
}
