#include "lodgement/dialogs/LodgementDialogs.h"

#include "lodgement/dialogs/CGenerate1.h"
#include "widgets/DialogKit.h"

void registerLodgementDialogs(QtUserInterface& ui, AppContext& context, PdfServices& pdf)
{
    registerModalDialog<CGenerate1>(ui, QStringLiteral("CGenerate1"), context, pdf);
}
