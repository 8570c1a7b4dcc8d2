#include "PreferencesDialogs.h"

#include "AboutDlg.h"
#include "AllowancesDialog.h"
#include "DialogKit.h"
#include "OrganisationsDialog.h"
#include "SettingsDialog.h"

void registerPreferencesDialogs(QtUserInterface& ui, AppContext& context)
{
    registerModalDialog<CSettings>(ui, QStringLiteral("CSettings"), context);
    registerModalDialog<CAllowances1>(ui, QStringLiteral("CAllowances1"), context);
    registerModalDialog<COrganisations1>(ui, QStringLiteral("COrganisations1"), context);
    registerModalDialog<CAboutDlg>(ui, QStringLiteral("CAboutDlg"), context);
}
