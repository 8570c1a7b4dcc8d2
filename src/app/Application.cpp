#include "Application.h"

#include "AppContext.h"
#include "CMainFrame.h"
#include "FileSystem.h"
#include "Preferences.h"
#include "Profile.h"
#include "QtUserInterface.h"
#include "ReportCommands.h"
#include "ShellDialogs.h"
#include "StartupChecks.h"

#if __has_include("LodgementDialogs.h")
#include "LodgementDialogs.h"
#endif
#if __has_include("PayerListDialogs.h")
#include "PayerListDialogs.h"
#endif
#if __has_include("SupplierDialogs.h")
#include "SupplierDialogs.h"
#endif
#if __has_include("PreferencesDialogs.h")
#include "PreferencesDialogs.h"
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
#if __has_include("LodgementDialogs.h")
    registerLodgementDialogs(ui, context);
#endif
#if __has_include("PayerListDialogs.h")
    registerPayerListDialogs(ui, context);
#endif
#if __has_include("SupplierDialogs.h")
    registerSupplierDialogs(ui, context);
#endif
#if __has_include("PreferencesDialogs.h")
    registerPreferencesDialogs(ui, context);
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
    // one that cannot be opened ends start-up after its message.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        commands.setMainWindowExists(false);
        if (!commands.OpenCommandLineFile(args.at(1)))
            return 1;
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
