#include "payers/PayerListStore.h"

#include "payers/PayerListFile.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/Archive.h"
#include "report/Preferences.h"

#include <QDateTime>

#include <exception>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace
{

const QString kUnableToLoad = QStringLiteral("Unable to load Payer data from file");

const QString kDamagedImport = QStringLiteral(
    "Unable to load Payer data from file. \n\nThe file is damaged or is not a Payer List file, so none of its "
    "Payers has been imported. - Ref #1019.");

const QString kLockSuffix = QStringLiteral(".lock");

const QString kMplFilter = QStringLiteral("MPL Files (*.mpl)|*.mpl|All Files (*.*)|*.*||");

// The Payer List's own file dialogs: .mpl files in the Payer List folder.
// Export asks before writing over a file; Import opens one.
std::optional<QString> chooseMplFile(AppContext& context, const QString& title, const QString& defaultName, bool saving)
{
    FileDialogRequest request;
    request.title = title;
    request.initialFolder = context.prefs.payerListFolder();
    request.defaultName = defaultName;
    request.filter = kMplFilter;
    request.overwritePrompt = saving;
    return saving ? context.ui.saveFileName(request) : context.ui.openFileName(request);
}

// A denied or missing folder is a matter of write access; any other failure,
// a full disk for one, says the system's reason instead.
QString writeFailureText(const FileResult& failure, const QString& accessText, const QString& otherText)
{
    if (failure.error == FileError::AccessDenied || failure.error == FileError::NotFound)
        return SorryText(failure.error, accessText);
    return WithReason(SorryText(failure.error, otherText), failure);
}

QString keptAsidePath(AppContext& context, const QString& folder)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString base = QStringLiteral("LivePayerList-unreadable-") + stamp;
    QString path = joinPath(folder, base + QStringLiteral(".mpl"));
    for (int n = 2; context.files.exists(path); ++n)
        path = joinPath(folder, base + QStringLiteral("-%1.mpl").arg(n));
    return path;
}

// The Payer List as its file holds it at one moment.
struct CurrentList {
    enum class State { Whole, Missing, Damaged, Unreadable } state = State::Missing;
    QByteArray bytes;
    PayerMap entries;
};

// A file cut short or foreign gives the entries before the damage; one that
// cannot be read at all gives way to the Payer List this copy holds.
CurrentList readCurrentList(AppContext& context, const QString& path)
{
    CurrentList current;
    const FileResult read = context.files.readAll(path, current.bytes);
    if (read.error == FileError::NotFound)
        return current;
    if (!read.ok()) {
        current.state = CurrentList::State::Unreadable;
        current.entries = context.payers;
        return current;
    }
    try {
        ReadPayerList(current.bytes,
            [&current](const QString& key, CPayers entry) { current.entries.insert_or_assign(key, std::move(entry)); });
        current.state = CurrentList::State::Whole;
    } catch (const ArchiveError&) {
        current.state = CurrentList::State::Damaged;
    }
    return current;
}

// Before the live file is replaced: when what is on disk is not a whole
// Payer List (cut short, foreign, unreadable), keep it under a new name. What
// to tell the user goes to told. False when it could not be kept; the file
// must then stay.
bool keepUnreadableFileAside(AppContext& context, const QString& path, const CurrentList& current, QStringList& told)
{
    FileSystem& files = context.files;
    if (current.state == CurrentList::State::Whole || current.state == CurrentList::State::Missing
        || files.isFolder(path))
        return true;

    const QString aside = keptAsidePath(context, folderOf(path));
    // A copy leaves the damaged file in place should the rewrite fail; a
    // file that cannot even be read can only be renamed.
    const FileResult kept = current.state == CurrentList::State::Damaged ? files.createExclusive(aside, current.bytes)
                                                                         : files.rename(path, aside);
    if (!kept.ok()) {
        told << QStringLiteral("The Payer List file could not be read in full and could not be kept "
                               "under a new name, so it has not been written again.\n\n"
                               "Open File > Preferences and select a location for the Payer List file "
                               "where you have Write permission.");
        return false;
    }
    told << QStringLiteral("The Payer List file could not be read in full. So that none of its Payers "
                           "is lost, it has been kept as\n\n%1\n\nbefore the Payer List file is "
                           "written again.")
                .arg(aside);
    return true;
}

// Merges the entries of an imported file into entries, in file order. An
// entry whose key entries holds already replaces it as replaceHeld answers
// for its place in the file; false, part-way, when it gives no answer.
bool mergeImported(PayerMap& entries, const std::vector<std::pair<QString, CPayers>>& imported,
    const std::function<std::optional<bool>(size_t place)>& replaceHeld)
{
    for (size_t place = 0; place < imported.size(); ++place) {
        const auto& [key, entry] = imported[place];
        const auto found = entries.find(key);
        if (found == entries.end()) {
            entries.emplace(key, entry);
            continue;
        }
        const std::optional<bool> replace = replaceHeld(place);
        if (!replace)
            return false;
        if (*replace)
            found->second = entry;
    }
    return true;
}

} // namespace

QString LivePayerListPath(const AppContext& context)
{
    return joinPath(context.prefs.payerListFolder(), kLivePayerListName);
}

PayerListChange ChangeLivePayerList(AppContext& context, const std::function<bool(PayerMap& entries)>& change)
{
    const QString path = LivePayerListPath(context);
    PayerListChange outcome = PayerListChange::NotWritten;
    try {
        QStringList told;
        FileResult written;
        {
            WaitCursor wait(context.ui);
            const FileLock lock(context.files, path + kLockSuffix, context.payerListLockWait, FileLock::kStaleAfter,
                [&context] { context.ui.keepWindowsDrawn(); });
            // A disk that gives no lock (the lock file cannot be made) is
            // written without one, as before there were locks.
            if (lock.state() == FileLock::State::Busy) {
                outcome = PayerListChange::Busy;
                told << kPayerListBusy;
            } else if (lock.state() == FileLock::State::Stuck) {
                // A lock left where this copy cannot take it over still
                // holds the file: only a disk that gives no lock at all is
                // written without one.
                outcome = PayerListChange::Busy;
                told << WithReason(kPayerListHeldBy.arg(lock.stuckFile()), lock.reason());
            } else {
                CurrentList current = readCurrentList(context, path);
                PayerMap changed = current.entries;
                if (!change(changed)) {
                    outcome = PayerListChange::Refused;
                } else if (keepUnreadableFileAside(context, path, current, told)) {
                    written = context.files.writeWhole(path, WritePayerList(changed));
                    if (written.ok()) {
                        outcome = PayerListChange::Written;
                        current.entries = std::move(changed);
                    } else {
                        told << writeFailureText(written,
                                    QStringLiteral("you do not seem to have write access to the PayerList Folder "
                                                   "as set under File > Preferences. Open File > Preferences and "
                                                   "select a different location."),
                                    QStringLiteral("the Payer List file could not be written in the PayerList "
                                                   "Folder as set under File > Preferences."))
                                + QStringLiteral("\n\n") + kPayerListNothingSaved;
                    }
                }
                context.payers = std::move(current.entries);
            }
        } // the lock goes before the user is told anything
        for (const QString& text : told)
            context.ui.message(text);
        if (outcome == PayerListChange::Written) {
            TellSaved(context.ui, path, written);
            const auto profile = openProfile();
            WritePreference(*profile, kPrefSet1, QStringLiteral("1"));
            context.prefs.prefsSet1 = QStringLiteral("1");
        }
    } catch (...) {
        context.ui.message(QStringLiteral(
            "An error while trying to write to the PayerList file. \n\nYou may not have permission to Write here. "
            "\n\nOpen File > Preferences and select a location for the Payer List file where you have Write "
            "permission. - Ref #1017."));
    }
    return outcome;
}

PayerListLoad LoadLivePayerList(AppContext& context, const QString& standardFailureText)
{
    QByteArray bytes;
    if (!context.files.readAll(LivePayerListPath(context), bytes).ok())
        return PayerListLoad::NotOpened;
    context.payers.clear();
    try {
        ReadPayerList(bytes,
            [&context](const QString& key, CPayers entry) { context.payers.insert_or_assign(key, std::move(entry)); });
        return PayerListLoad::Loaded;
    } catch (const ArchiveError&) {
        context.ui.message(kUnableToLoad);
    } catch (const std::exception&) {
        context.ui.message(standardFailureText);
    } catch (...) {
        context.ui.message(kUnableToLoad);
    }
    return PayerListLoad::Damaged;
}

void ExportPayerList(AppContext& context)
{
    Report& report = context.report();
    try {
        const std::optional<QString> chosen = chooseMplFile(
            context, QStringLiteral("Save Payer List Export File"), QStringLiteral("PayerListExport"), true);
        if (!chosen)
            return;
        report.payerListExportPath = *chosen;
        WaitCursor wait(context.ui);
        const FileResult written = context.files.writeWhole(*chosen, WritePayerList(context.payers));
        if (!written.ok()) {
            context.ui.message(writeFailureText(written,
                QStringLiteral("you do not seem to have write access to this \nfolder, please try a different "
                               "location."),
                QStringLiteral("the export file could not be written, please try a different location.")));
            return;
        }
        TellSaved(context.ui, *chosen, written, QStringLiteral("Export complete."));
    } catch (...) {
        context.ui.message(QStringLiteral("An unknown error has occurred \nduring the export process - Ref #1017."));
    }
}

void ImportPayerList(AppContext& context)
{
    Report& report = context.report();
    const std::optional<QString> chosen
        = chooseMplFile(context, QStringLiteral("Payer List Exported File"), QStringLiteral("PayerList"), false);
    if (!chosen)
        return;
    report.payerListExportPath = *chosen;

    QByteArray bytes;
    if (const FileResult read = context.files.readAll(*chosen, bytes); !read.ok()) {
        context.ui.message(WithReason(
            QStringLiteral("An error has occurred while trying to load \nPayer List data from file - Ref #1016b."),
            read));
        return;
    }
    try {
        // The whole file is read before a question is asked: a damaged file
        // adds nothing.
        std::vector<std::pair<QString, CPayers>> imported;
        ReadPayerList(bytes, [&imported](const QString& key, CPayers entry) {
            imported.emplace_back(key, std::move(entry));
        });
        // The answers given, by the entry's place in the file. The entries
        // are merged into the list as its file holds it when they are
        // written, under its lock; the questions are asked without the lock,
        // and a key another copy added meanwhile brings its own question.
        std::map<size_t, bool> answers;
        for (;;) {
            const PayerListChange outcome = ChangeLivePayerList(context, [&](PayerMap& entries) {
                return mergeImported(entries, imported, [&answers](size_t place) -> std::optional<bool> {
                    const auto found = answers.find(place);
                    return found == answers.end() ? std::nullopt : std::optional<bool>(found->second);
                });
            });
            if (outcome != PayerListChange::Refused)
                return;
            // The Payer List holds what the file held: ask what it raises.
            PayerMap trial = context.payers;
            const bool answered = mergeImported(trial, imported, [&](size_t place) -> std::optional<bool> {
                if (const auto found = answers.find(place); found != answers.end())
                    return found->second;
                const auto& [key, entry] = imported[place];
                const QString question = key + u' ' + entry.name
                    + QStringLiteral("\n\nThis Payer with this ABN/Branch combination already exists in the "
                                     "Payer List.\r\n\r\nDo you want to replace with the imported Payer.");
                switch (context.ui.message(question, MessageButtons::YesNoCancel)) {
                case Answer::Yes:
                    return answers[place] = true;
                case Answer::No:
                    return answers[place] = false;
                default:
                    return std::nullopt;
                }
            });
            if (!answered)
                return;
        }
    } catch (const ArchiveError&) {
        context.ui.message(kDamagedImport);
    } catch (const std::exception&) {
        context.ui.message(QStringLiteral(
            "An error has occurred while trying to import Payer List data. \n\nYou may not have permission to Write "
            "here. \n\nOpen File > Preferences and select a location for the Payer List file where you have Write "
            "permission - Ref #1016."));
    } catch (...) {
        context.ui.message(QStringLiteral(
            "Unable to load Payer data from file. \n\nYou may not have permission to Write here. \n\nOpen File > "
            "Preferences and select a location for the Payer List file where you have Write permission - Ref #1019."));
    }
}

void LoadPayerListAndMatchPayer(AppContext& context)
{
    Report& report = context.report();
    if (report.payerKey.isEmpty())
        return;
    report.payerNotInList = 0;
    if (LoadLivePayerList(context,
            QStringLiteral("An error has occurred while trying to load Payer List data from "
                           "file."))
        == PayerListLoad::Damaged)
        report.payerNotInList = 2;

    const auto found = context.payers.find(report.payerKey);
    if (found == context.payers.end()) {
        report.payerNotInList = 2;
        context.ui.message(QStringLiteral(
            "This Payer in this Report is not in the current Payer List. \r\n\r\nYou will need to add this Payer to "
            "the Payer List or select a Payer from the current Payer List if you intend to generate any files."));
        return;
    }
    if (found->second.abn != report.payerAbn) {
        report.payerAbn = found->second.abn;
        context.ui.message(QStringLiteral("The Payer's ABN has been changed as per the current Payer List"));
    }
}
