#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The buttons a message box offers.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The icon beside a message. Default takes the icon the original framework
// added when none was asked for: a warning for Ok boxes, a question for
// Yes/No boxes (see resolvedIcon).
enum class MessageIcon { Default, None, Information, Warning, Error, Question };

enum class Answer { Ok, Cancel, Yes, No };

MessageIcon resolvedIcon(MessageIcon icon, MessageButtons buttons);

// What a file open or save dialog shows. The filter is written the way the
// program's texts give it: "Label (*.ext)|*.ext|All Files (*.*)|*.*||".
struct FileDialogRequest {
    QString title;
    QString initialFolder;
    QString defaultName;
    QString defaultExtension;
    QString filter;
    bool overwritePrompt = true;
};

// Everything the core asks of the person at the screen. The application
// answers with real message boxes and dialogs; the tests with a script.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual Answer message(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                           MessageIcon icon = MessageIcon::Default) = 0;

    // An empty optional when the user cancelled.
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& initialFolder) = 0;

    // False when the clipboard could not take the text.
    virtual bool setClipboardText(const QString& text) = 0;
    virtual bool openUrl(const QString& url) = 0;

    // Runs another of the program's dialogs modally, named by its class
    // ("CPayeeList", "CSupplier", ...). Returns its result code; 0 when the
    // dialog does not exist (yet).
    virtual int runDialog(const QString& dialogClass) = 0;

    virtual void beginWaitCursor() = 0;
    virtual void endWaitCursor() = 0;
    // While the core waits (for a lock another copy holds), lets the
    // windows repaint without taking any input from the user.
    virtual void keepWindowsDrawn() {}
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    explicit WaitCursor(UserInterface& ui) : m_ui(ui) { m_ui.beginWaitCursor(); }
    ~WaitCursor() { m_ui.endWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UserInterface& m_ui;
};

// Splits a filter of the form "Label|pattern|Label|pattern||" into the
// name filters of a file dialog ("Label (pattern)" entries keep their label).
QStringList fileDialogNameFilters(const QString& filter);
