#include "shell/dialogs/PreferencesDialogs.h"

#include "shell/dialogs/AboutDlg.h"
#include "shell/dialogs/AllowancesDialog.h"
#include "shell/dialogs/OrganisationsDialog.h"
#include "shell/dialogs/SettingsDialog.h"
#include "widgets/DialogKit.h"

void registerPreferencesDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CSettings>(ui, QStringLiteral("CSettings"), context);
    registerModalDialog<CAllowances1>(ui, QStringLiteral("CAllowances1"), context);
    registerModalDialog<COrganisations1>(ui, QStringLiteral("COrganisations1"), context);
    registerModalDialog<CAboutDlg>(ui, QStringLiteral("CAboutDlg"), context);
}
