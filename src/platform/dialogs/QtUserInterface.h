#pragma once

#include "platform/UserInterface.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

// The user interface of the running program: message boxes, file dialogs,
// the clipboard, the browser and the program's own dialogs.
class QtUserInterface : public UserInterface {
public:
    using DialogRunner = std::function<int(QWidget* parent)>;

    void setParentWindow(QWidget* parent) { m_parent = parent; }
    QWidget* parentWindow() const { return m_parent; }
    // Each subsystem's dialogs are registered by the application.
    void registerDialog(const QString& dialogClass, DialogRunner runner);

    Answer message(const QString& text, MessageButtons buttons, MessageIcon icon) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& initialFolder) override;
    bool setClipboardText(const QString& text) override;
    bool openUrl(const QString& url) override;
    int runDialog(const QString& dialogClass) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    void keepWindowsDrawn() override;

private:
    QPointer<QWidget> m_parent;
    std::map<QString, DialogRunner> m_dialogs;
};
