#include "platform/dialogs/QtUserInterface.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

void QtUserInterface::registerDialog(const QString& dialogClass, DialogRunner runner)
{
    m_dialogs[dialogClass] = std::move(runner);
}

Answer QtUserInterface::message(const QString& text, MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(QStringLiteral("Quillastrand"));
    // Texts may quote what the user typed or a server sent; a "<" in them is
    // shown, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (resolvedIcon(icon, buttons)) {
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // Waiting is over while the user reads.
    const bool waiting = QGuiApplication::overrideCursor() != nullptr;
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int pressed = box.exec();
    if (waiting)
        QGuiApplication::restoreOverrideCursor();
    switch (pressed) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == MessageButtons::YesNoCancel ? Answer::Cancel : Answer::Ok;
    }
}

namespace {

QFileDialog* makeFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    auto* dialog = new QFileDialog(parent, request.title);
    dialog->setNameFilters(fileDialogNameFilters(request.filter));
    if (!request.initialFolder.isEmpty())
        dialog->setDirectory(request.initialFolder);
    if (!request.defaultName.isEmpty())
        dialog->selectFile(request.defaultName);
    QString suffix = request.defaultExtension;
    suffix.remove(QStringLiteral("*."));
    suffix.remove(QLatin1Char('.'));
    if (!suffix.isEmpty())
        dialog->setDefaultSuffix(suffix);
    return dialog;
}

} // namespace

std::optional<QString> QtUserInterface::openFileName(const FileDialogRequest& request)
{
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(m_parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().first();
}

std::optional<QString> QtUserInterface::saveFileName(const FileDialogRequest& request)
{
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(m_parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().first();
}

std::optional<QString> QtUserInterface::chooseFolder(const QString& title, const QString& initialFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(m_parent, title, initialFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::cleanPath(folder);
}

bool QtUserInterface::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    // The platform reports no failure of its own: reading the text back is
    // the proof that the clipboard holds it.
    return clipboard->text() == text;
}

bool QtUserInterface::openUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

int QtUserInterface::runDialog(const QString& dialogClass)
{
    auto it = m_dialogs.find(dialogClass);
    if (it == m_dialogs.end())
        return 0;
    return it->second(m_parent);
}

void QtUserInterface::beginWaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::endWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

void QtUserInterface::keepWindowsDrawn()
{
    // Painted straight away, with no event handled: a queued reply or a
    // timer could otherwise open a dialog or change a setting in the middle
    // of a change to a shared file, under its lock, and keys and clicks wait
    // for the end of the wait.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->repaint();
}
