#include "SupplierDialogs.h"

#include "DialogKit.h"
#include "FileRefDialog.h"
#include "SupplierDialog.h"

void registerSupplierDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CSupplier>(ui, QStringLiteral("CSupplier"), context);
    registerModalDialog<CFileRef1>(ui, QStringLiteral("CFileRef1"), context);
}
