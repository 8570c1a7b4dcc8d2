#include "LodgementDialogs.h"

#include "CGenerate1.h"
#include "DialogKit.h"

void registerLodgementDialogs(QtUserInterface& ui, AppContext& context, PdfServices& pdf)
{
    registerModalDialog<CGenerate1>(ui, QStringLiteral("CGenerate1"), context, pdf);
}
