#include "payees/dialogs/PayeeDialogs.h"

#include "payees/dialogs/CPayeeBus1.h"
#include "payees/dialogs/CPayeeETP.h"
#include "payees/dialogs/CPayeeList.h"
#include "payees/dialogs/Totals.h"
#include "widgets/DialogKit.h"

void registerPayeeDialogs(QtUserInterface& ui, AppContext& context, PayeeServices& services, PdfServices& pdf)
{
    registerModalDialog<CPayeeList>(ui, QStringLiteral("CPayeeList"), context, services, pdf);
    registerModalDialog<Totals>(ui, QStringLiteral("Totals"), context);
    registerModalDialog<CPayeeETP>(ui, QStringLiteral("CPayeeETP"), context);
    registerModalDialog<CPayeeBus1>(ui, QStringLiteral("CPayeeBus1"), context);
}
