#include "shell/dialogs/CMainFrame.h"

#include "report/AppContext.h"
#include "shell/MainFormModel.h"
#include "shell/ReportCommands.h"
#include "shell/dialogs/CSumbridge1View.h"
#include "widgets/DialogKit.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

#include <stdexcept>

namespace {

// The desktop theme's icon of that name where the theme has one, else the
// program's own.
QIcon toolbarIcon(const char* name)
{
    QIcon bundled;
    for (int size : {16, 32})
        bundled.addFile(QStringLiteral(":/toolbar/%1-%2.png").arg(QLatin1String(name)).arg(size), QSize(size, size));
    return QIcon::fromTheme(QString::fromLatin1(name), bundled);
}

QAction* disabledAction(QMenu* menu, const QString& text, const QKeySequence& keys = {})
{
    QAction* action = menu->addAction(text);
    action->setShortcut(keys);
    action->setEnabled(false);
    return action;
}

} // namespace

CMainFrame::CMainFrame(AppContext& context, CSumbridge1App& commands, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_commands(commands)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint
                    | Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
                   & ~Qt::WindowMaximizeButtonHint);
    setApplicationIcon(this);

    m_view = new CSumbridge1View(context, this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("formScroll"));
    scroll->setWidget(m_view);
    scroll->setWidgetResizable(true);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setFrameShape(QFrame::NoFrame);
    // The scroll area shows nothing of its own: the tab key passes it by.
    scroll->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(scroll);

    buildMenus();
    buildToolBar();
    buildStatusBar();

    const QScreen* s = screen();
    const int dpi = s ? qRound(s->logicalDotsPerInchX()) : -1;
    setMinimumSize(MinimumFrameSize(dpi));
    RefreshView();
    // Shrunk to fit the form, as far as the minimum allows.
    int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    if (auto* bar = findChild<QToolBar*>(QStringLiteral("mainToolBar")))
        chrome += bar->sizeHint().height();
    const QSize form = m_view->sizeHint();
    resize(QSize(form.width(), form.height() + chrome).expandedTo(minimumSize()));
}

void CMainFrame::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_newAction = m_fileMenu->addAction(QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), this,
                                        [this] { m_commands.OnFileNew(); });
    m_newAction->setStatusTip(QStringLiteral("Create a new Report"));
    m_openAction = m_fileMenu->addAction(QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                                         [this] { m_commands.OnFileOpen(); });
    m_openAction->setStatusTip(QStringLiteral("Open an existing Report"));
    m_saveAction = m_fileMenu->addAction(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                                         [this] { m_commands.OnFileSave(); });
    m_saveAction->setStatusTip(QStringLiteral("Save the active Report"));
    QAction* saveAs =
        m_fileMenu->addAction(QStringLiteral("Save &As..."), this, [this] { m_commands.OnFileSaveAs(); });
    saveAs->setStatusTip(QStringLiteral("Save the active Report with a new name"));
    m_fileMenu->addSeparator();
    QAction* prefs = m_fileMenu->addAction(QStringLiteral("&Preferences"), this,
                                           [this] { m_view->commands().OnSetUserPreferences(); });
    prefs->setStatusTip(QStringLiteral("Set User Preferences"));
    m_recentAnchor = m_fileMenu->addSeparator();
    m_fileMenu->addSeparator();
    QAction* exit = m_fileMenu->addAction(QStringLiteral("E&xit"), this, [this] { close(); });
    exit->setObjectName(QStringLiteral("exitAction"));
    exit->setStatusTip(QStringLiteral("Quit the application; prompts to save documents"));
    connect(m_fileMenu, &QMenu::aboutToShow, this, &CMainFrame::fillRecentFiles);
    fillRecentFiles();

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    disabledAction(edit, QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addSeparator();
    m_cutAction = disabledAction(edit, QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m_copyAction = disabledAction(edit, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m_pasteAction = disabledAction(edit, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* toolbarToggle = viewMenu->addAction(QStringLiteral("&Toolbar"));
    toolbarToggle->setObjectName(QStringLiteral("toolbarToggle"));
    toolbarToggle->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    toolbarToggle->setCheckable(true);
    toolbarToggle->setChecked(true);
    QAction* statusToggle = viewMenu->addAction(QStringLiteral("&Status Bar"));
    statusToggle->setStatusTip(QStringLiteral("Show or hide the status bar"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    // The toolbar's own toggle is wired once the toolbar exists.
    connect(toolbarToggle, &QAction::toggled, this, [this](bool on) {
        if (auto* bar = findChild<QToolBar*>(QStringLiteral("mainToolBar")))
            bar->setVisible(on);
    });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    QAction* fix = tools->addAction(QStringLiteral("Remove CR's and LF's from an VESK.A01 file"), this,
                                    [this] { m_view->commands().OnFixA01LineBreaks(); });
    fix->setStatusTip(
        QStringLiteral("Choose existing VESK.A01 - a new file will be created with any CR's and LF's removed"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* helpPage = help->addAction(QStringLiteral("&Help"), this, [this] { m_view->commands().OnHelpFinder(); });
    helpPage->setStatusTip(QStringLiteral("On-Line Help"));
    help->addSeparator();
    QAction* check = help->addAction(QStringLiteral("&Check For Update"), this,
                                     [this] { m_view->commands().OnCheckForUpdate(); });
    check->setStatusTip(QStringLiteral("Check latest available version number"));
    QAction* download = help->addAction(QStringLiteral("&Download Update"), this,
                                        [this] { m_view->commands().OnDownloadUpdate(); });
    download->setStatusTip(QStringLiteral("Opens web update page in new browser window"));
    QAction* visit = help->addAction(QStringLiteral("&Visit Torvek Website"), this,
                                     [this] { m_view->commands().OnVisitWebsite(); });
    visit->setStatusTip(QStringLiteral("Opens web page in new browser window"));
    help->addSeparator();
    m_aboutAction = help->addAction(QStringLiteral("&About Quillastrand..."), this,
                                    [this] { m_view->commands().OnAppAbout(); });
    m_aboutAction->setStatusTip(QStringLiteral("Display program information, version number and copyright"));
}

void CMainFrame::fillRecentFiles()
{
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    const QStringList recent = m_commands.recentFiles();
    QList<QAction*> actions;
    if (recent.isEmpty()) {
        auto* none = new QAction(QStringLiteral("Recent File"), m_fileMenu);
        none->setEnabled(false);
        actions << none;
    }
    for (int i = 0; i < recent.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(recent.at(i)), m_fileMenu);
        action->setStatusTip(QStringLiteral("Open this Report"));
        connect(action, &QAction::triggered, this, [this, i] {
            try {
                m_commands.OnOpenRecentFile(i);
            } catch (const std::invalid_argument&) {
                // The list changed under the menu: nothing to open.
            }
        });
        actions << action;
    }
    // Between the Preferences separator and the one before Exit.
    const QList<QAction*> all = m_fileMenu->actions();
    const int anchor = all.indexOf(m_recentAnchor);
    QAction* before = anchor >= 0 && anchor + 1 < all.size() ? all.at(anchor + 1) : nullptr;
    m_fileMenu->insertActions(before, actions);
    m_recentActions = actions;
}

void CMainFrame::buildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Standard"));
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->setIconSize(QSize(16, 16));
    m_newAction->setIcon(toolbarIcon("document-new"));
    m_openAction->setIcon(toolbarIcon("document-open"));
    m_saveAction->setIcon(toolbarIcon("document-save"));
    m_cutAction->setIcon(toolbarIcon("edit-cut"));
    m_copyAction->setIcon(toolbarIcon("edit-copy"));
    m_pasteAction->setIcon(toolbarIcon("edit-paste"));
    m_printAction = new QAction(toolbarIcon("document-print"), QStringLiteral("Print"), this);
    m_printAction->setObjectName(QStringLiteral("printAction"));
    m_printAction->setEnabled(false);
    m_aboutAction->setIcon(toolbarIcon("help-about"));
    bar->addAction(m_newAction);
    bar->addAction(m_openAction);
    bar->addAction(m_saveAction);
    bar->addSeparator();
    bar->addAction(m_cutAction);
    bar->addAction(m_copyAction);
    bar->addAction(m_pasteAction);
    bar->addSeparator();
    bar->addAction(m_printAction);
    bar->addAction(m_aboutAction);
}

void CMainFrame::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("mainStatusBar"));
    for (const char* pane : {"CAP", "NUM", "SCRL"}) {
        auto* indicator = new QLabel(QString::fromLatin1(pane), bar);
        indicator->setEnabled(false);
        bar->addPermanentWidget(indicator);
    }
    // A menu or toolbar tip replaces "Ready" while it shows; once it has
    // gone, "Ready" comes back.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(QStringLiteral("Ready"));
    });
    bar->showMessage(QStringLiteral("Ready"));
}

void CMainFrame::updateCaption()
{
    setWindowTitle(m_context.document.title + QStringLiteral(" - Quillastrand"));
}

void CMainFrame::RefreshView()
{
    m_view->refreshView();
    updateCaption();
}

void CMainFrame::centreOnScreen()
{
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_commands.CanCloseFrame())
        event->accept();
    else
        event->ignore();
}
