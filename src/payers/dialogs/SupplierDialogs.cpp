#include "SupplierDialogs.h"

#include "FileRefDialog.h"
#include "QtUserInterface.h"
#include "SupplierDialog.h"

void registerSupplierDialogs(QtUserInterface& ui, AppContext& context)
{
    ui.registerDialog(QStringLiteral("CSupplier"), [&context](QWidget* parent) {
        CSupplier dialog(context, parent);
        return dialog.exec();
    });
    ui.registerDialog(QStringLiteral("CFileRef1"), [&context](QWidget* parent) {
        CFileRef1 dialog(context, parent);
        return dialog.exec();
    });
}
