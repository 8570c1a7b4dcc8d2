#include "payees/EditPayee.h"

void EditPayee(AppContext&, qint32)
{
}
