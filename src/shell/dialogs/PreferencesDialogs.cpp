#include "PreferencesDialogs.h"

#include "AboutDlg.h"
#include "AllowancesDialog.h"
#include "OrganisationsDialog.h"
#include "QtUserInterface.h"
#include "SettingsDialog.h"

void registerPreferencesDialogs(QtUserInterface& ui, AppContext& context)
{
    ui.registerDialog(QStringLiteral("CSettings"), [&context](QWidget* parent) {
        CSettings dialog(context, parent);
        return dialog.exec();
    });
    ui.registerDialog(QStringLiteral("CAllowances1"), [&context](QWidget* parent) {
        CAllowances1 dialog(context, parent);
        return dialog.exec();
    });
    ui.registerDialog(QStringLiteral("COrganisations1"), [&context](QWidget* parent) {
        COrganisations1 dialog(context, parent);
        return dialog.exec();
    });
    ui.registerDialog(QStringLiteral("CAboutDlg"), [&context](QWidget* parent) {
        CAboutDlg dialog(context, parent);
        return dialog.exec();
    });
}
