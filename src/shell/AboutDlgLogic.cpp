#include "shell/AboutDlgLogic.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"

namespace {

const QString kEmailUs = QStringLiteral("Please e-mail this message to sales@torvek.com.au.");

void openPage(AppContext& context, const QString& url, const QString& failure)
{
    WaitCursor wait(context.ui);
    if (!context.ui.openUrl(url))
        context.ui.message(failure + kEmailUs);
}

} // namespace

void OnDownloadUpdate(AppContext& context)
{
    openPage(context, context.updatesUrl(),
             QStringLiteral("An error occurred while trying to access the Quillastrand Updates page.\n\r\n\r"));
}

void OnVisitWebsite(AppContext& context)
{
    openPage(context, context.homeUrl(), QStringLiteral("An error occurred while trying to access the Torvek website.\n\r\n\r"));
}

QString AboutVersionText(AppContext& context)
{
    GetProductVersion(context);
    Report& report = context.report();
    report.versionText = QStringLiteral("Version: ") + report.productVersion;
    return report.versionText;
}
