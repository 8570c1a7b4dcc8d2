#include "lodgement_import/dialogs/LodgementImportDialogs.h"

#include "lodgement_import/CrLfTool.h"
#include "lodgement_import/LodgementReader.h"
#include "lodgement_import/dialogs/COrigEmp.h"
#include "widgets/DialogKit.h"

void registerLodgementImportDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<COrigEmp>(ui, QStringLiteral("COrigEmp"), context);
    ui.registerDialog(QStringLiteral("OnBnClickedLoadA01"), [&context](QWidget*) {
        OnBnClickedLoadA01(context);
        return 1;
    });
    ui.registerDialog(QStringLiteral("OnFixA01LineBreaks"), [&context](QWidget*) {
        OnFixA01LineBreaks(context);
        return 1;
    });
}
