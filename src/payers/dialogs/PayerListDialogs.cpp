#include "PayerListDialogs.h"

#include "AppContext.h"
#include "CAddPayer.h"
#include "CEditPayer.h"
#include "CPayer.h"
#include "CPayerList.h"
#include "DialogKit.h"

void registerPayerListDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CPayerList>(ui, QStringLiteral("CPayerList"), context);
    registerModalDialog<CAddPayer>(ui, QStringLiteral("CAddPayer"), context);
    registerModalDialog<CEditPayer>(ui, QStringLiteral("CEditPayer"), context);
    registerModalDialog<CPayer>(ui, QStringLiteral("CPayer"), context);
}
