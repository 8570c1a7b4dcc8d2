#include "pdf/dialogs/PdfDialogs.h"

#include "pdf/dialogs/AdviceName.h"
#include "pdf/dialogs/CGenSinglePay.h"
#include "widgets/DialogKit.h"

void registerPdfDialogs(QtUserInterface& ui, AppContext& context, PdfNamePattern& pattern)
{
    registerModalDialog<CGenSinglePay>(ui, QStringLiteral("CGenSinglePay"), context);
    registerModalDialog<AdviceName>(ui, QStringLiteral("AdviceName"), context, pattern);
}
