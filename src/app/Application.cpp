#include "app/Application.h"

#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/dialogs/QtUserInterface.h"
#include "report/AppContext.h"
#include "report/Preferences.h"
#include "shell/ReportCommands.h"
#include "shell/StartupChecks.h"
#include "shell/dialogs/CMainFrame.h"
#include "shell/dialogs/ShellDialogs.h"

#if __has_include("lodgement/dialogs/LodgementDialogs.h")
#include "lodgement/dialogs/LodgementDialogs.h"
#endif
#if __has_include("payers/dialogs/PayerListDialogs.h")
#include "payers/dialogs/PayerListDialogs.h"
#endif
#if __has_include("payers/dialogs/SupplierDialogs.h")
#include "payers/dialogs/SupplierDialogs.h"
#endif
#if __has_include("shell/dialogs/PreferencesDialogs.h")
#include "shell/dialogs/PreferencesDialogs.h"
#endif
#if __has_include("transfer/dialogs/TransferDialogs.h")
#include "transfer/dialogs/TransferDialogs.h"
#endif
#if __has_include("lodgement_import/dialogs/LodgementImportDialogs.h")
#include "lodgement_import/dialogs/LodgementImportDialogs.h"
#endif

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

namespace {

void registerDialogs(QtUserInterface& ui, AppContext& context)
{
    registerShellDialogs(ui, context);
#if __has_include("lodgement/dialogs/LodgementDialogs.h")
    registerLodgementDialogs(ui, context);
#endif
#if __has_include("payers/dialogs/PayerListDialogs.h")
    registerPayerListDialogs(ui, context);
#endif
#if __has_include("payers/dialogs/SupplierDialogs.h")
    registerSupplierDialogs(ui, context);
#endif
#if __has_include("shell/dialogs/PreferencesDialogs.h")
    registerPreferencesDialogs(ui, context);
#endif
#if __has_include("transfer/dialogs/TransferDialogs.h")
    registerTransferDialogs(ui, context);
#endif
#if __has_include("lodgement_import/dialogs/LodgementImportDialogs.h")
    registerLodgementImportDialogs(ui, context);
#endif
}

} // namespace

int runApplication(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(kProfileOrganisation));
    QApplication::setApplicationName(QStringLiteral("Quillastrand"));
    QApplication::setApplicationVersion(AppContext::builtVersion());
    QApplication::setDesktopFileName(QStringLiteral("quillastrand"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillastrand.svg")));

    LocalFileSystem files;
    QtUserInterface ui;
    AppContext context(ui, files);

    {
        const auto profile = openProfile();
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        context.prefs = ReadPreferences(*profile, DefaultFolder(files, documents));
    }
    registerDialogs(ui, context);

    CMainFrame* frame = nullptr;
    CSumbridge1App commands(context, [&frame] {
        if (frame)
            frame->RefreshView();
    });

    // A report named on the command line is opened before the window shows;
    // one that cannot be opened gives its message, then the window opens on
    // an empty report.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        commands.setMainWindowExists(false);
        commands.OpenCommandLineFile(args.at(1));
    }
    commands.setMainWindowExists(true);

    CMainFrame window(context, commands);
    frame = &window;
    ui.setParentWindow(&window);
    window.RefreshView();
    window.centreOnScreen();
    window.show();

    // Once the event loop runs, so the window is painted before the version
    // check, which may wait on the network.
    QTimer::singleShot(0, &window, [&context] { RunStartupChecks(context); });
    return app.exec();
}
