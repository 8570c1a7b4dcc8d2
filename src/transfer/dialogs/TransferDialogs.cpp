#include "transfer/dialogs/TransferDialogs.h"

#include "platform/dialogs/QtUserInterface.h"
#include "transfer/dialogs/Export.h"

#include <memory>

void registerTransferDialogs(QtUserInterface& ui, AppContext& context)
{
    // The chosen export type lives as long as the registration, not the dialog.
    auto chosenType = std::make_shared<int>(0);
    ui.registerDialog(QStringLiteral("Export"), [&context, chosenType](QWidget* parent) {
        Export dialog(context, *chosenType, parent);
        return dialog.exec();
    });
}
