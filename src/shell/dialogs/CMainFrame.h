#pragma once

#include <QMainWindow>

class AppContext;
class CSumbridge1App;
class CSumbridge1View;
class QMenu;

// The main window: menu, toolbar, status bar and the main form. Its caption
// is "<report title> - Quillastrand"; it cannot be maximised.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(AppContext& context, CSumbridge1App& commands, QWidget* parent = nullptr);

    CSumbridge1View* view() const { return m_view; }
    // Recomputes the form and the caption.
    void RefreshView();
    void centreOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void fillRecentFiles();
    void updateCaption();

    AppContext& m_context;
    CSumbridge1App& m_commands;
    CSumbridge1View* m_view = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentAnchor = nullptr;
    QList<QAction*> m_recentActions;
    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_cutAction = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_pasteAction = nullptr;
    QAction* m_printAction = nullptr;
};
