#include "SupplierDialogs.h"

#include "FileRefDialog.h"
#include "DialogKit.h"
#include "SupplierDialog.h"

void registerSupplierDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CSupplier>(ui, QStringLiteral("CSupplier"), context);
    registerModalDialog<CFileRef1>(ui, QStringLiteral("CFileRef1"), context);
}
