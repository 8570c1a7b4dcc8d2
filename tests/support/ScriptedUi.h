#pragma once

#include "platform/UserInterface.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// A user interface that records everything the core shows or asks and
// answers from a script. A question with no scripted answer fails the test.
class ScriptedUi : public UserInterface {
public:
    struct Message {
        QString text;
        MessageButtons buttons;
        MessageIcon icon; // resolved: never Default
    };

    // Scripting.
    void answer(Answer a) { m_answers.push_back(a); }
    void answerFile(std::optional<QString> path) { m_files.push_back(std::move(path)); }
    void answerFolder(std::optional<QString> folder) { m_folders.push_back(std::move(folder)); }
    // What runDialog does for a dialog class (it is recorded either way).
    void onDialog(const QString& dialogClass, std::function<int()> run);

    // Records.
    std::vector<Message> messages;
    QStringList texts() const;
    std::vector<FileDialogRequest> fileRequests;
    QStringList folderTitles;
    QStringList folderStarts; // the folder each folder choice opened on
    QStringList dialogsRun;
    QString clipboard;
    // The clipboard refuses every text while this is set.
    bool clipboardUnavailable = false;
    QStringList urlsOpened;
    int waitDepth = 0;
    int waitCursorsShown = 0;

    // True when nothing scripted is left unanswered.
    bool scriptUsedUp() const { return m_answers.empty() && m_files.empty() && m_folders.empty(); }

    Answer message(const QString& text, MessageButtons buttons, MessageIcon icon) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& initialFolder) override;
    bool setClipboardText(const QString& text) override;
    bool openUrl(const QString& url) override;
    int runDialog(const QString& dialogClass) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;

private:
    std::optional<QString> nextFile(const FileDialogRequest& request);

    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_files;
    std::deque<std::optional<QString>> m_folders;
    std::vector<std::pair<QString, std::function<int()>>> m_dialogs;
};
