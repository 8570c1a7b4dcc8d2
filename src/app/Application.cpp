#include "Application.h"

#include "AppContext.h"
#include "CSumbridge1Doc.h"
#include "FileSystem.h"
#include "Preferences.h"
#include "Profile.h"
#include "QtUserInterface.h"
#include "Report.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>

int runApplication(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillastrand"));
    QApplication::setApplicationVersion(AppContext::builtVersion());

    LocalFileSystem files;
    QtUserInterface ui;
    AppContext context(ui, files);

    const auto profile = openProfile();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    context.prefs = ReadPreferences(*profile, DefaultFolder(files, documents));

    QMainWindow window;
    ui.setParentWindow(&window);

    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        const QString path = args.at(1);
        ResetReportGlobals(context.report());
        if (!ReadReportFile(context, path) || context.report().openState == 1)
            return 1;
        context.document.pathName = path;
        context.document.title = fileNameOf(path);
    }

    window.setWindowTitle(context.document.title + QStringLiteral(" - Quillastrand"));
    window.resize(800, 600);
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
