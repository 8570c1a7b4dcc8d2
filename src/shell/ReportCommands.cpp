#include "shell/ReportCommands.h"

#include "payers/PayerListStore.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/Report.h"
#include "shell/RecentFileList.h"

#include <QFileInfo>

#include <stdexcept>

namespace {

// A report is titled by its file name without the extension, whichever way
// it was opened or saved, so the window caption reads the same each time.
QString reportTitleOf(const QString& path)
{
    const QString title = QFileInfo(path).completeBaseName();
    return title.isEmpty() ? fileNameOf(path) : title;
}

} // namespace

CSumbridge1App::CSumbridge1App(AppContext& context, std::function<void()> refreshView)
    : m_context(context), m_refreshView(std::move(refreshView))
{
}

void CSumbridge1App::refresh()
{
    if (m_refreshView)
        m_refreshView();
}

QStringList CSumbridge1App::recentFiles() const
{
    return ReadRecentFiles();
}

CSumbridge1App::Prompted CSumbridge1App::savePrompt()
{
    if (!m_context.document.IsModified())
        return Prompted::GoOn;
    switch (m_context.ui.message(kSaveBeforeOpeningPrompt, MessageButtons::YesNoCancel)) {
    case Answer::Yes:
        // Only a report that was really written may be replaced.
        return OnFileSave() ? Prompted::GoOn : Prompted::Stop;
    case Answer::No:
        // The flag stays: a command that ends before another report
        // replaces this one leaves its changes unsaved, and closing asks.
        return Prompted::Discard;
    default:
        return Prompted::Stop;
    }
}

void CSumbridge1App::makeUntitled(const QString& title)
{
    ResetReportGlobals(m_context.report());
    m_context.currentPayee = CCards();
    m_context.document.pathName.clear();
    m_context.document.title = title;
    m_context.document.fileOnDisk = FileIdentity();
    m_context.document.SetModifiedFlag(false);
}

ReportRead CSumbridge1App::readInto(const QString& path, FileIdentity& identity)
{
    QByteArray bytes;
    const ReportRead read = ReadReportBytes(m_context, path, bytes);
    if (read == ReportRead::Unreadable)
        return read;
    makeUntitled(reportTitleOf(path));
    identity = identityOf(bytes);
    return LoadReportBytes(m_context, read, bytes);
}

void CSumbridge1App::takePath(const QString& path, const FileIdentity& identity)
{
    m_context.document.pathName = path;
    m_context.document.title = reportTitleOf(path);
    m_context.document.fileOnDisk = identity;
    m_context.document.SetModifiedFlag(false);
    AddRecentFile(path);
}

void CSumbridge1App::OnFileNew()
{
    WaitCursor wait(m_context.ui);
    if (m_windowExists && savePrompt() == Prompted::Stop)
        return;
    makeUntitled(QStringLiteral("Untitled"));
    refresh();
}

void CSumbridge1App::OnFileOpen()
{
    if (savePrompt() == Prompted::Stop)
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.initialFolder = m_context.prefs.reportsFolder();
    request.defaultExtension = QStringLiteral("vkrd");
    request.filter = kOpenFilter;
    request.overwritePrompt = false;
    const std::optional<QString> chosen = m_context.ui.openFileName(request);
    if (!chosen) {
        // Nothing replaces the report: its changes stay, still unsaved.
        refresh();
        return;
    }

    WaitCursor wait(m_context.ui);
    try {
        // The report keeps no path name, so a later Save asks for one and
        // can never write over the file that was opened.
        FileIdentity read;
        if (readInto(*chosen, read) != ReportRead::Unreadable) {
            LoadPayerListAndMatchPayer(m_context);
            if (m_context.report().openState == 1) {
                m_context.report().openState = 0;
                makeUntitled(QStringLiteral("untitled"));
            }
        }
    } catch (...) {
        m_context.ui.message(QStringLiteral("error on file open"));
    }
    refresh();
}

void CSumbridge1App::OnOpenRecentFile(int index)
{
    const QStringList recent = ReadRecentFiles();
    if (index < 0 || index >= recent.size())
        throw std::invalid_argument("recent file entry out of range");
    const QString path = recent.at(index);
    const Prompted prompted = savePrompt();
    if (prompted == Prompted::Stop)
        return;

    WaitCursor wait(m_context.ui);
    const bool alreadyOpen = !m_context.document.pathName.isEmpty() && path == m_context.document.pathName;
    // The report already open is read again only when the user dropped its
    // changes: what its file holds is what they chose to go back to.
    if (!alreadyOpen || prompted == Prompted::Discard) {
        FileIdentity identity;
        switch (readInto(path, identity)) {
        case ReportRead::Whole:
        case ReportRead::WrongFormat: // made untitled below
            takePath(path, identity);
            break;
        case ReportRead::Damaged: // keeps no path
            break;
        case ReportRead::Unreadable:
            // The entry goes; the report on screen stays as it was, its
            // changes too, for nothing has replaced it.
            RemoveRecentFile(path);
            refresh();
            return;
        }
    }
    LoadPayerListAndMatchPayer(m_context);
    if (m_context.report().openState == 1) {
        m_context.report().openState = 0;
        makeUntitled(QStringLiteral("untitled"));
    }
    refresh();
}

bool CSumbridge1App::mayWriteOver(const QString& path)
{
    const CSumbridge1Doc& document = m_context.document;
    if (path != document.pathName || !document.fileOnDisk.known())
        return true;
    FileIdentity onDisk;
    FileResult read;
    {
        WaitCursor wait(m_context.ui);
        read = readIdentity(m_context.files, path, onDisk);
    }
    if (read.error == FileError::NotFound)
        return true;
    if (read.ok() && onDisk == document.fileOnDisk)
        return true;
    // Written since, or no longer readable as it was left: the user decides.
    return m_context.ui.message(kChangedOnDiskQuestion.arg(fileNameOf(path)), MessageButtons::YesNo,
                                MessageIcon::Warning)
        == Answer::Yes;
}

bool CSumbridge1App::saveTo(const QString& path)
{
    if (!mayWriteOver(path))
        return false;
    WaitCursor wait(m_context.ui);
    FileIdentity written;
    if (!WriteReportFile(m_context, path, &written))
        return false;
    takePath(path, written);
    return true;
}

bool CSumbridge1App::saveToChosenFile(const QString& proposedName)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save As");
    request.initialFolder = m_context.prefs.reportsFolder();
    request.defaultName = proposedName;
    request.defaultExtension = QStringLiteral("vkrd");
    request.filter = kSaveFilter;
    request.overwritePrompt = true;
    const std::optional<QString> chosen = m_context.ui.saveFileName(request);
    if (!chosen)
        return false;
    return saveTo(*chosen);
}

bool CSumbridge1App::OnFileSave()
{
    const bool saved = m_context.document.pathName.isEmpty() ? saveToChosenFile(QString())
                                                              : saveTo(m_context.document.pathName);
    refresh();
    return saved;
}

bool CSumbridge1App::OnFileSaveAs()
{
    const QString& path = m_context.document.pathName;
    const bool saved = saveToChosenFile(path.isEmpty() ? QString() : fileNameOf(path));
    refresh();
    return saved;
}

bool CSumbridge1App::OpenCommandLineFile(const QString& path)
{
    // A file that cannot be opened leaves an empty report with no path, so
    // the window still opens and nothing is written over that file.
    FileIdentity identity;
    const ReportRead read = readInto(path, identity);
    if (read == ReportRead::Unreadable || read == ReportRead::WrongFormat) {
        makeUntitled(QStringLiteral("Untitled"));
        return false;
    }
    if (read == ReportRead::Whole)
        takePath(path, identity);
    LoadPayerListAndMatchPayer(m_context);
    return true;
}

bool CSumbridge1App::CanCloseFrame()
{
    if (!m_context.document.IsModified())
        return true;
    const QString question = QStringLiteral("Save changes to %1?").arg(m_context.document.title);
    switch (m_context.ui.message(question, MessageButtons::YesNoCancel, MessageIcon::Warning)) {
    case Answer::Yes:
        return OnFileSave();
    case Answer::No:
        return true;
    default:
        return false;
    }
}
