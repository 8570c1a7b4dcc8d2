#include "payees/dialogs/PayeeDialogs.h"

#include "payees/dialogs/CPayeeList.h"
#include "payees/dialogs/Totals.h"
#include "widgets/DialogKit.h"

void registerPayeeDialogs(QtUserInterface& ui, AppContext& context, PayeeServices& services, PdfServices& pdf)
{
    registerModalDialog<CPayeeList>(ui, QStringLiteral("CPayeeList"), context, services, pdf);
    registerModalDialog<Totals>(ui, QStringLiteral("Totals"), context);
}
