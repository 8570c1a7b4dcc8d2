#include "shell/StartupChecks.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "shell/VersionCheck.h"

namespace {

const QString kFirstRunOffer = QStringLiteral(
    "To save you having to repeat entering Payer Details, Quillastrand saves this data in a permanent file. "
    "\n\nQuillastrand will create the PayerList file in a default location only you can access.\n\nAlternatively "
    "you can specify a different location, especially if using a shared PayerList file. \n\nSelect Preferences under "
    "the File menu and choose a suitable location, or Save the default \nprovided to prevent this pop-up at restart.  "
    "\n\nYou can also specify default folders for other file types. \n\nDo you want to open the Preferences screen "
    "now?");

} // namespace

StartupChecks::StartupChecks(AppContext& context, VersionCheckOptions options)
    : m_context(context), m_options(options), m_check(context, std::move(options))
{
}

void StartupChecks::start()
{
    if (m_context.prefs.checkUpdates == QStringLiteral("2")) {
        m_check.start(UpdateCheckKind::AtStartup, [this](UpdateCheckResult) { offerPreferences(); });
        return;
    }
    GetProductVersion(m_context, m_options);
    offerPreferences();
}

void StartupChecks::offerPreferences()
{
    if (m_context.prefs.prefsSet == QStringLiteral("0")) {
        if (m_context.ui.message(kFirstRunOffer, MessageButtons::YesNoCancel) == Answer::Yes)
            m_context.ui.runDialog(QStringLiteral("CSettings"));
    }
}
