#include "widgets/HelpActions.h"

#include "report/AppContext.h"
#include "platform/UserInterface.h"

void OpenHelp(AppContext& context)
{
    WaitCursor wait(context.ui);
    if (!context.ui.openUrl(context.helpUrl())) {
        context.ui.message(QStringLiteral("An error occurred while trying to access the Quillastrand Help page.\n\r\n\r"
                                          "Please e-mail this message to sales@torvek.com.au."),
                           MessageButtons::Ok, MessageIcon::None);
    }
}
