#include "LodgementDialogs.h"

#include "CGenerate1.h"
#include "QtUserInterface.h"

void registerLodgementDialogs(QtUserInterface& ui, AppContext& context, PdfServices& pdf)
{
    ui.registerDialog(QStringLiteral("CGenerate1"), [&context, &pdf](QWidget* parent) {
        CGenerate1 dialog(context, pdf, parent);
        return dialog.exec();
    });
}
