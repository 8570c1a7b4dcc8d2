#include "ShellDialogs.h"

#include "AppContext.h"
#include "CSummary.h"
#include "DialogKit.h"
#include "YearDialogs.h"

void registerShellDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CDateSet1>(ui, QStringLiteral("CDateSet1"), context);
    registerModalDialog<ChangeYear, &ChangeYear::run>(ui, QStringLiteral("ChangeYear"), context);
    registerModalDialog<CSummary>(ui, QStringLiteral("CSummary"), context);
}
