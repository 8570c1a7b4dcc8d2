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

void OnCheckForUpdate(AppContext& context, const VersionCheckOptions& options)
{
    WaitCursor wait(context.ui);
    const UpdateCheckResult result = CheckForUpdate(context, options);
    switch (result) {
    case UpdateCheckResult::OwnVersionInvalid:
    case UpdateCheckResult::NoInternet:
        return;
    // Asked for an answer, the user learns why there is none rather than an
    // empty "Latest Version is".
    case UpdateCheckResult::TimedOut:
        context.ui.message(QStringLiteral("Unable to check for updates\nas the Torvek website did not answer in time."));
        return;
    case UpdateCheckResult::TransferFailed:
        context.ui.message(QStringLiteral("Unable to check for updates\nas the Torvek website could not be reached."));
        return;
    case UpdateCheckResult::Checked:
        break;
    }
    const Report& report = context.report();
    if (report.latestVersion <= context.ownVersion)
        context.ui.message(QStringLiteral("Latest Version is ") + report.versionReply);
}

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
