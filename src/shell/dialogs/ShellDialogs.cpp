#include "ShellDialogs.h"

#include "AppContext.h"
#include "CSummary.h"
#include "QtUserInterface.h"
#include "YearDialogs.h"

void registerShellDialogs(QtUserInterface& ui, AppContext& context)
{
    ui.registerDialog(QStringLiteral("CDateSet1"), [&context](QWidget* parent) {
        CDateSet1 dialog(context, parent);
        return dialog.exec();
    });
    ui.registerDialog(QStringLiteral("ChangeYear"), [&context](QWidget* parent) {
        ChangeYear dialog(context, parent);
        return dialog.run();
    });
    ui.registerDialog(QStringLiteral("CSummary"), [&context](QWidget* parent) {
        CSummary dialog(context, parent);
        return dialog.exec();
    });
}
