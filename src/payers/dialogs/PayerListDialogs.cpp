#include "payers/dialogs/PayerListDialogs.h"

#include "payers/dialogs/CAddPayer.h"
#include "payers/dialogs/CEditPayer.h"
#include "payers/dialogs/CPayer.h"
#include "payers/dialogs/CPayerList.h"
#include "report/AppContext.h"
#include "widgets/DialogKit.h"

void registerPayerListDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CPayerList>(ui, QStringLiteral("CPayerList"), context);
    registerModalDialog<CAddPayer>(ui, QStringLiteral("CAddPayer"), context);
    registerModalDialog<CEditPayer>(ui, QStringLiteral("CEditPayer"), context);
    registerModalDialog<CPayer>(ui, QStringLiteral("CPayer"), context);
}
