#include "app/Application.h"

#include "checks/CheckAll.h"
#include "checks/dialogs/CheckDialogs.h"
#include "lodgement/dialogs/LodgementDialogs.h"
#include "lodgement_import/dialogs/LodgementImportDialogs.h"
#include "payees/PayeeServices.h"
#include "payees/dialogs/PayeeDialogs.h"
#include "payers/dialogs/PayerListDialogs.h"
#include "payers/dialogs/SupplierDialogs.h"
#include "pdf/PdfOutputs.h"
#include "pdf/dialogs/PdfDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/dialogs/QtUserInterface.h"
#include "report/AppContext.h"
#include "report/Preferences.h"
#include "shell/ReportCommands.h"
#include "shell/StartupChecks.h"
#include "shell/dialogs/CMainFrame.h"
#include "shell/dialogs/PreferencesDialogs.h"
#include "shell/dialogs/ShellDialogs.h"
#include "transfer/TabDelimitedImport.h"
#include "transfer/dialogs/TransferDialogs.h"
#include "widgets/ControlGestures.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

namespace {

// What the payee dialogs ask of the subsystems above them.
class ApplicationPayeeServices : public PayeeServices
{
public:
    void checkAllPayees(AppContext& context) override { CheckAllPayees(context); }
    void importTabDelimited(AppContext& context, PayeeType type) override { ImportTabDelimited(context, type); }
};

void registerDialogs(QtUserInterface& ui, AppContext& context)
{
    static PdfOutputs pdfOutputs;
    static ApplicationPayeeServices payeeServices;
    registerShellDialogs(ui, context);
    registerLodgementDialogs(ui, context, pdfOutputs);
    registerPayeeDialogs(ui, context, payeeServices, pdfOutputs);
    registerCheckDialogs(ui, context);
    registerPdfDialogs(ui, context, pdfOutputs.namePattern());
    registerPayerListDialogs(ui, context);
    registerSupplierDialogs(ui, context);
    registerPreferencesDialogs(ui, context);
    registerLodgementImportDialogs(ui, context);
    registerTransferDialogs(ui, context);
}

} // namespace

int runApplication(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installControlGestures(app);
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

    // Once the event loop runs, so the window is painted first. The version
    // check waits on the network in the background; closing the window ends it.
    StartupChecks startup(context);
    QTimer::singleShot(0, &window, [&startup] { startup.start(); });
    return app.exec();
}
