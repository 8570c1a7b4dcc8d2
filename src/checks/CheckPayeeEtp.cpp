#include "checks/CheckPayeeEtp.h"

#include "payees/PayeeRules.h"
#include "payees/PayeeTypeEtp.h"

void CheckPayeeETP(AppContext& context, qint32 id)
{
    RunPayeeCheck(context, kEtpType, id);
}
