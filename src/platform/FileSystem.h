#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class UserInterface;

// Why a file operation failed. The program's messages depend on the kind:
// access denied gets one text, every other failure another.
// OutOfMemory: the file could not be held in memory to be read.
enum class FileError { None, AccessDenied, NotFound, AlreadyExists, OutOfMemory, Other };

struct FileResult {
    FileError error = FileError::None;
    QString detail; // the system's reason, in words a user can act on
    int code = 0;   // the system's error number, when the system gave the failure
    // A file saved whole under its name may still carry what went wrong
    // after it took the name: the disk's error while flushing the folder, so
    // the name may not survive a power cut (the system's reason), and
    // temporary files that could not be removed (with the first one's reason).
    QString notLasting {};
    QStringList temporariesLeft {};
    QString temporaryReason {};

    bool ok() const { return error == FileError::None; }
    bool hasWarning() const { return !notLasting.isEmpty() || !temporariesLeft.isEmpty(); }
    static FileResult success() { return {}; }
};

// The failure the system reports as errno err, with its reason
// ("No space left on device").
FileResult fileFailure(int err);

// No file the program reads (report, Payer List, tab-delimited or
// lodgement file) comes near this size: a larger one is refused unread.
inline constexpr qint64 kLargestReadableFile = qint64(1) << 30; // 1 GB

// A file being written. The bytes go to a temporary file of a short name of
// its own in the target's folder (a target's name may use all 255 bytes),
// which commit() renames over the target; until then, and after any failure,
// the target is left byte for byte as it was. A writer dropped without
// commit() removes its temporary file.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Appends bytes. After a failure, further appends do nothing and
    // finish() and commit() report the first failure with its reason.
    virtual void append(const char* data, qsizetype size) = 0;
    void append(const QByteArray& bytes) { append(bytes.constData(), bytes.size()); }
    // The first failure so far, if any.
    virtual FileResult status() const = 0;
    // Ends the writing: the bytes are flushed to disk when durable, and the
    // temporary file is closed. A batch of files finishes each without
    // flushing and flushes them all at once with FileSystem::flushFolder.
    virtual FileResult finish(bool durable = true) = 0;
    // finish() if not done yet, then the rename over the target. A durable
    // file's folder is flushed too, so that the new name survives a power
    // cut; a batch flushes its folder once with FileSystem::flushNames. On
    // failure the temporary file is removed. Once the file has its name, the
    // result is success: a flush that fails then is its notLasting.
    virtual FileResult commit() = 0;
    // As commit(), but gives the file the name target only while no file
    // has it: AlreadyExists otherwise, and the writer stays ready to be
    // given another name. A new file never replaces one it did not see, on
    // any file system (one without a no-replace rename or hard links too).
    // A temporary file that stays beside the named one is in temporariesLeft.
    virtual FileResult commitNew(const QString& target) = 0;
    // Drops the temporary file; the target stays as it was.
    virtual void cancel() = 0;
};

// Every read and write of the program goes through this layer, so that
// failures arrive as kinds and tests can inject them (tests run as root,
// where permissions deny nothing).
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Reads a regular file whole, once. A folder, device or pipe, or a file
    // larger than kLargestReadableFile, is refused without being read.
    virtual FileResult readAll(const QString& path, QByteArray& contents) = 0;
    // Writes the whole file through a temporary file renamed over the target,
    // so a failure leaves the previous file as it was.
    virtual FileResult writeWhole(const QString& path, const QByteArray& contents);
    // Starts writing path as FileWriter describes. Never null: a writer that
    // could not start carries its failure in status().
    virtual std::unique_ptr<FileWriter> startWrite(const QString& path) = 0;
    // Flushes to disk every file written in folder's file system (one call
    // for a batch of files finished without flushing).
    virtual FileResult flushFolder(const QString& folder) = 0;
    // Flushes the folder's own entries to disk, so that the names renames
    // gave files in it survive a power cut (once for a batch of renames).
    virtual FileResult flushNames(const QString& folder) = 0;
    // Creates a new file that must not exist yet.
    virtual FileResult createExclusive(const QString& path, const QByteArray& contents) = 0;
    virtual FileResult remove(const QString& path) = 0;
    virtual FileResult makeFolder(const QString& path) = 0;
    virtual FileResult rename(const QString& from, const QString& to) = 0;
    virtual bool exists(const QString& path) = 0;
    virtual bool isFolder(const QString& path) = 0;
};

// The calls by which a new file takes its name without replacing another,
// and by which its name is made to last. Some file systems lack the first
// two (FUSE mounts of USB sticks, shared folders of virtual machines, older
// network mounts); tests replace them to play such a file system, or a disk
// that fails. Each answers as the system call does: 0, or -1 with errno set.
struct NamingCalls {
    int (*renameNoReplace)(const char* from, const char* to);
    int (*link)(const char* from, const char* to);
    int (*rename)(const char* from, const char* to);
    // Removes the temporary file a hard link has named; the system's when null.
    int (*unlink)(const char* path) = nullptr;
    // Flushes an open folder's entries; the system's when null.
    int (*fsync)(int fd) = nullptr;
};
NamingCalls systemNamingCalls();

// The real file system.
class LocalFileSystem : public FileSystem {
public:
    LocalFileSystem() = default;
    explicit LocalFileSystem(const NamingCalls& naming);

    FileResult readAll(const QString& path, QByteArray& contents) override;
    std::unique_ptr<FileWriter> startWrite(const QString& path) override;
    FileResult flushFolder(const QString& folder) override;
    FileResult flushNames(const QString& folder) override;
    FileResult createExclusive(const QString& path, const QByteArray& contents) override;
    FileResult remove(const QString& path) override;
    FileResult makeFolder(const QString& path) override;
    FileResult rename(const QString& from, const QString& to) override;
    bool exists(const QString& path) override;
    bool isFolder(const QString& path) override;

private:
    NamingCalls m_naming = systemNamingCalls();
};

// A writer that could not start, or was refused: every call reports failure.
std::unique_ptr<FileWriter> failedWriter(const FileResult& failure);

// Proves a folder writable: creates a file of a unique name in it
// exclusively and deletes it again. Never touches an existing file.
FileResult probeFolderWritable(FileSystem& files, const QString& folder);

// A folder or file that cannot be written is reported as "Sorry1 - " + rest
// when the system refused access, "Sorry3 - " + rest for any other failure.
QString SorryText(FileError error, const QString& rest);

// message, a blank line and the system's reason for failure, when it gave one.
QString WithReason(const QString& message, const FileResult& failure);

// What went wrong after a file, or a run of files, took its name, one
// sentence a paragraph: nothing when nothing did.
QString SavedWarningText(const FileResult& saved, bool run = false);

// Tells the user a file was saved as path: `usual` (nothing when empty)
// when all went well, otherwise that it is saved under that name and what
// went wrong after, with a warning icon.
void TellSaved(UserInterface& ui, const QString& path, const FileResult& saved, const QString& usual = QString());

// "a/b/c.txt" -> "a/b": the path up to its last separator.
QString folderOf(const QString& path);
// "a/b/c.txt" -> "c.txt".
QString fileNameOf(const QString& path);
// Joins a folder and a file name with one separator.
QString joinPath(const QString& folder, const QString& name);

// What a file held when the program last read or wrote it: its size and a
// hash of its bytes. Its time of change is left out: a coarse clock (two
// seconds on a USB stick) gives two writes one time, and a copy or a touch
// changes it without changing a byte.
struct FileIdentity {
    qint64 size = -1; // -1: nothing recorded
    QByteArray hash;

    bool known() const { return size >= 0; }
    bool operator==(const FileIdentity&) const = default;
};

// The identity of bytes the program holds, as read from or written to a file.
FileIdentity identityOf(const QByteArray& contents);
// Reads the file at path whole and gives its identity.
FileResult readIdentity(FileSystem& files, const QString& path, FileIdentity& identity);
