#include "checks/dialogs/CheckDialogs.h"

#include "checks/dialogs/CDataReview1.h"
#include "widgets/DialogKit.h"

void registerCheckDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CDataReview1>(ui, QStringLiteral("CDataReview1"), context);
}
