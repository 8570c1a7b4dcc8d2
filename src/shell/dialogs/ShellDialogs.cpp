#include "shell/dialogs/ShellDialogs.h"

#include "report/AppContext.h"
#include "shell/dialogs/CSummary.h"
#include "shell/dialogs/YearDialogs.h"
#include "widgets/DialogKit.h"

void registerShellDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CDateSet1>(ui, QStringLiteral("CDateSet1"), context);
    registerModalDialog<ChangeYear, &ChangeYear::run>(ui, QStringLiteral("ChangeYear"), context);
    registerModalDialog<CSummary>(ui, QStringLiteral("CSummary"), context);
}
