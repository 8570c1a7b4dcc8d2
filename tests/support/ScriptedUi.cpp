#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

QStringList ScriptedUi::texts() const
{
    QStringList result;
    for (const Message& m : messages)
        result << m.text;
    return result;
}

void ScriptedUi::onDialog(const QString& dialogClass, std::function<int()> run)
{
    m_dialogs.emplace_back(dialogClass, std::move(run));
}

Answer ScriptedUi::message(const QString& text, MessageButtons buttons, MessageIcon icon)
{
    messages.push_back({text, buttons, resolvedIcon(icon, buttons)});
    if (buttons == MessageButtons::Ok)
        return Answer::Ok;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return buttons == MessageButtons::OkCancel ? Answer::Cancel : Answer::No;
    }
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

namespace {

// Takes the next scripted choice; an unscripted dialog fails the test.
std::optional<QString> takeNext(std::deque<std::optional<QString>>& script, const QString& what)
{
    if (script.empty()) {
        ADD_FAILURE() << "unscripted dialog: " << what.toStdString();
        return std::nullopt;
    }
    const bool chosen = script.front().has_value();
    const QString value = chosen ? *script.front() : QString();
    script.pop_front();
    if (!chosen)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> ScriptedUi::nextFile(const FileDialogRequest& request)
{
    fileRequests.push_back(request);
    return takeNext(m_files, request.title);
}

std::optional<QString> ScriptedUi::openFileName(const FileDialogRequest& request)
{
    return nextFile(request);
}

std::optional<QString> ScriptedUi::saveFileName(const FileDialogRequest& request)
{
    return nextFile(request);
}

std::optional<QString> ScriptedUi::chooseFolder(const QString& title, const QString& initialFolder)
{
    folderTitles << title;
    folderStarts << initialFolder;
    return takeNext(m_folders, title);
}

bool ScriptedUi::setClipboardText(const QString& text)
{
    if (clipboardUnavailable)
        return false;
    clipboard = text;
    return true;
}

bool ScriptedUi::openUrl(const QString& url)
{
    urlsOpened << url;
    return true;
}

int ScriptedUi::runDialog(const QString& dialogClass)
{
    dialogsRun << dialogClass;
    for (auto& [name, run] : m_dialogs) {
        if (name == dialogClass)
            return run();
    }
    return 0;
}

void ScriptedUi::beginWaitCursor()
{
    ++waitDepth;
    ++waitCursorsShown;
}

void ScriptedUi::endWaitCursor()
{
    --waitDepth;
}
