#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class AppContext;
struct FileIdentity;
enum class ReportRead;

inline const QString kSaveBeforeOpeningPrompt =
    QStringLiteral("Changes have not been saved. Do you want save this Report before opening a new Report?");
inline const QString kOpenFilter = QStringLiteral("Quillastrand Files: (*.vkrd)|*.vkrd||");
inline const QString kSaveFilter = QStringLiteral("Quillastrand Files (*.vkrd)|*.vkrd|");
// Asked before a save writes over the report's own file once another
// program (another copy of this one, too) has written that file.
inline const QString kChangedOnDiskQuestion =
    QStringLiteral("The report file \"%1\" has been changed by another program since it was opened or last saved "
                   "here. Do you want to write over those changes?");

// The File menu's report commands: New, Open, Open Recent, Save, Save As,
// and the save question when the main window closes. Each ends by
// refreshing the main form through the callback.
class CSumbridge1App {
public:
    CSumbridge1App(AppContext& context, std::function<void()> refreshView);

    // New asks its question only once the main window exists.
    void setMainWindowExists(bool exists) { m_windowExists = exists; }

    void OnFileNew();
    void OnFileOpen();
    // True when the report was written.
    bool OnFileSave();
    bool OnFileSaveAs();
    // Entry `index` (from 0) of the recent-file list; std::invalid_argument
    // for an entry outside it.
    void OnOpenRecentFile(int index);
    // A report named on the command line; false (after its message, leaving
    // an empty untitled report) when it cannot be opened. One read only in
    // part opens without a path.
    bool OpenCommandLineFile(const QString& path);
    // Closing the window: true when it may close (saved, or not wanted).
    bool CanCloseFrame();

    QStringList recentFiles() const;

private:
    enum class Prompted {
        GoOn,    // nothing unsaved, or it was saved
        Discard, // the user drops the changes for what is opened next
        Stop,
    };
    // The question before a report is replaced. The changes of a report the
    // user chose to drop stay, and count as unsaved, until another report
    // really replaces them.
    Prompted savePrompt();
    bool saveToChosenFile(const QString& proposedName);
    bool saveTo(const QString& path);
    // A save over the report's own file asks first once another program has
    // written it since this copy last read or wrote it. A file gone from
    // its place (deleted, renamed) is written as any other.
    bool mayWriteOver(const QString& path);
    // Reads path into the report, which keeps no path name until the caller
    // gives it one; identity is what the file held. The report is reset only
    // once the file's bytes are in hand: a file that cannot be read at all
    // (Unreadable, after its message) leaves the report and the document as
    // they were. A report read only in part keeps no path: Save asks for a
    // name, so the file, with all it holds past the damage, is never written
    // over unasked.
    ReportRead readInto(const QString& path, FileIdentity& identity);
    // A report read whole is saved back to its own file.
    void takePath(const QString& path, const FileIdentity& identity);
    void makeUntitled(const QString& title);
    void refresh();

    AppContext& m_context;
    std::function<void()> m_refreshView;
    bool m_windowExists = true;
};
