#include "payees/dialogs/PayeeDialogs.h"

#include "payees/dialogs/CAddPayee1.h"
#include "payees/dialogs/CPayeeBus1.h"
#include "payees/dialogs/CPayeeDAS.h"
#include "payees/dialogs/CPayeeETP.h"
#include "payees/dialogs/CPayeeFEI.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeeList.h"
#include "payees/dialogs/CPayeePEN.h"
#include "payees/dialogs/CPayeeSLS.h"
#include "payees/dialogs/Totals.h"
#include "widgets/DialogKit.h"

void registerPayeeDialogs(QtUserInterface& ui, AppContext& context, PayeeServices& services, PdfServices& pdf)
{
    registerModalDialog<CPayeeList>(ui, QStringLiteral("CPayeeList"), context, services, pdf);
    registerModalDialog<Totals>(ui, QStringLiteral("Totals"), context);
    registerModalDialog<CAddPayee1>(ui, QStringLiteral("CAddPayee1"), context, services);
    registerModalDialog<CPayeeINB>(ui, QStringLiteral("CPayeeINB"), context);
    registerModalDialog<CPayeeFEI>(ui, QStringLiteral("CPayeeFEI"), context);
    registerModalDialog<CPayeeSLS>(ui, QStringLiteral("CPayeeSLS"), context);
    registerModalDialog<CPayeeDAS>(ui, QStringLiteral("CPayeeDAS"), context);
    registerModalDialog<CPayeePEN>(ui, QStringLiteral("CPayeePEN"), context);
    registerModalDialog<CPayeeETP>(ui, QStringLiteral("CPayeeETP"), context);
    registerModalDialog<CPayeeBus1>(ui, QStringLiteral("CPayeeBus1"), context);
}
