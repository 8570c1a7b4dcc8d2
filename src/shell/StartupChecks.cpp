#include "StartupChecks.h"

#include "AppContext.h"

void RunStartupChecks(AppContext& context)
{
    Q_UNUSED(context);
}
