#include "payers/dialogs/SupplierDialogs.h"

#include "payers/dialogs/FileRefDialog.h"
#include "payers/dialogs/SupplierDialog.h"
#include "widgets/DialogKit.h"

void registerSupplierDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CSupplier>(ui, QStringLiteral("CSupplier"), context);
    registerModalDialog<CFileRef1>(ui, QStringLiteral("CFileRef1"), context);
}
