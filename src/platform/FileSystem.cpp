#include "platform/FileSystem.h"

#include "platform/UserInterface.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <new>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

FileError errorFromErrno(int err)
{
    switch (err) {
    case 0:
        return FileError::None;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileError::AccessDenied;
    case ENOENT:
    case ENOTDIR:
        return FileError::NotFound;
    case EEXIST:
        return FileError::AlreadyExists;
    default:
        return FileError::Other;
    }
}

FileResult fromErrno(int err)
{
    return fileFailure(err);
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Closes the descriptor however the read ends.
struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

FileResult readOpenFile(int fd, QByteArray& contents)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fromErrno(errno);
    if (S_ISDIR(info.st_mode))
        return {FileError::Other, QStringLiteral("It is a folder.")};
    if (!S_ISREG(info.st_mode))
        return {FileError::Other, QStringLiteral("It is a device or a pipe, not a file.")};
    if (info.st_size > kLargestReadableFile)
        return {FileError::Other, QStringLiteral("It is larger than any file this program reads (1 GB).")};

    // One pass: the size the file has now, and whatever it grows by while
    // it is read, up to the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > kLargestReadableFile)
                return {FileError::Other, QStringLiteral("It is larger than any file this program reads (1 GB).")};
            bytes.resize(std::min<qsizetype>(2 * done + 4096, kLargestReadableFile + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fromErrno(errno);
        }
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    contents = std::move(bytes);
    return {};
}

} // namespace

NamingCalls systemNamingCalls()
{
    return {
        [](const char* from, const char* to) { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); },
        [](const char* from, const char* to) { return ::link(from, to); },
        [](const char* from, const char* to) { return ::rename(from, to); },
        [](const char* path) { return ::unlink(path); },
        [](int fd) { return ::fsync(fd); },
    };
}

LocalFileSystem::LocalFileSystem(const NamingCalls& naming)
    : m_naming(naming)
{
    const NamingCalls system = systemNamingCalls();
    if (!m_naming.unlink)
        m_naming.unlink = system.unlink;
    if (!m_naming.fsync)
        m_naming.fsync = system.fsync;
}

FileResult fileFailure(int err)
{
    FileResult result;
    result.error = errorFromErrno(err);
    if (!result.ok()) {
        result.detail = QString::fromLocal8Bit(std::strerror(err));
        result.code = err;
    }
    return result;
}

FileResult LocalFileSystem::readAll(const QString& path, QByteArray& contents)
{
    contents.clear();
    // Opened without blocking, so a pipe with no writer is refused rather
    // than waited on.
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return fromErrno(errno);
    FdCloser closer{fd};
    try {
        return readOpenFile(fd, contents);
    } catch (const std::bad_alloc&) {
        contents.clear();
        return {FileError::OutOfMemory, QStringLiteral("There is not enough memory to read it.")};
    }
}

FileResult FileSystem::writeWhole(const QString& path, const QByteArray& contents)
{
    const std::unique_ptr<FileWriter> writer = startWrite(path);
    writer->append(contents);
    return writer->commit();
}

namespace {

// The answers of a file system that has no no-replace rename (exFAT or
// NTFS through FUSE, shared folders of virtual machines).
bool lacksNoReplaceRename(int err)
{
    return err == EINVAL || err == ENOSYS || err == EOPNOTSUPP; // ENOTSUP is EOPNOTSUPP here
}

// The answers of a file system that has no hard links.
bool lacksHardLinks(int err)
{
    return err == EPERM || err == ENOSYS || err == EOPNOTSUPP || err == EMLINK;
}

// Flushes a folder's entries. A folder this user may write but not read
// cannot be opened to be flushed, and a file system that cannot flush a
// folder says EINVAL: the file is saved all the same.
FileResult flushFolderEntries(const QByteArray& folder, int (*sync)(int))
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES ? FileResult{} : fromErrno(errno);
    FdCloser closer{fd};
    if (sync(fd) != 0 && errno != EINVAL)
        return fromErrno(errno);
    return {};
}

class FailedWriter : public FileWriter {
public:
    explicit FailedWriter(FileResult failure) : m_failure(std::move(failure)) {}
    void append(const char*, qsizetype) override {}
    FileResult status() const override { return m_failure; }
    FileResult finish(bool) override { return m_failure; }
    FileResult commit() override { return m_failure; }
    FileResult commitNew(const QString&) override { return m_failure; }
    void cancel() override {}

private:
    FileResult m_failure;
};

// A name of its own, short enough beside any target name, that no other
// writer in the folder can take: created with O_EXCL.
int createTemporaryIn(const QString& folder, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray unique = QUuid::createUuid().toRfc4122().toHex().left(12);
        name = encoded(joinPath(folder, QStringLiteral(".qls-%1.tmp").arg(QString::fromLatin1(unique))));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

class LocalFileWriter : public FileWriter {
public:
    LocalFileWriter(int fd, QByteArray temporary, QByteArray target, const NamingCalls& naming)
        : m_fd(fd), m_temporary(std::move(temporary)), m_target(std::move(target)), m_naming(naming)
    {
    }
    ~LocalFileWriter() override { cancel(); }

    void append(const char* data, qsizetype size) override
    {
        if (!m_failure.ok() || m_fd < 0)
            return;
        qsizetype done = 0;
        while (done < size) {
            const ssize_t n = ::write(m_fd, data + done, size_t(size - done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                m_failure = fromErrno(errno);
                return;
            }
            done += n;
        }
    }

    FileResult status() const override { return m_failure; }

    FileResult finish(bool durable) override
    {
        if (m_fd < 0 || !m_failure.ok())
            return m_failure;
        m_durable = durable;
        // A full disk may only show here, when the data reaches it.
        if (durable && ::fdatasync(m_fd) != 0)
            m_failure = fromErrno(errno);
        if (::close(m_fd) != 0 && m_failure.ok())
            m_failure = fromErrno(errno);
        m_fd = -1;
        return m_failure;
    }

    FileResult commit() override
    {
        if (m_committed)
            return m_failure;
        finish(true);
        if (m_failure.ok() && m_naming.rename(m_temporary.constData(), m_target.constData()) != 0)
            m_failure = fromErrno(errno);
        if (!m_failure.ok()) {
            cancel();
            return m_failure;
        }
        m_committed = true;
        return flushNameIn(m_target);
    }

    FileResult commitNew(const QString& target) override
    {
        if (m_committed)
            return m_failure;
        finish(true);
        if (m_failure.ok()) {
            const QByteArray name = encoded(QFileInfo(target).absoluteFilePath());
            const int err = takeNewName(name);
            if (err == 0) {
                m_committed = true;
                return flushNameIn(name);
            }
            if (err == EEXIST)
                return fromErrno(err);
            m_failure = fromErrno(err);
        }
        cancel();
        return m_failure;
    }

    void cancel() override
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
        if (!m_committed && !m_temporary.isEmpty()) {
            ::unlink(m_temporary.constData());
            m_temporary.clear();
        }
        if (m_failure.ok() && !m_committed)
            m_failure = {FileError::Other, QStringLiteral("The writing was cancelled.")};
    }

private:
    // Gives the temporary file the name, only while no file has it: 0, or
    // the errno of the failure (EEXIST when a file has the name).
    int takeNewName(const QByteArray& name)
    {
        const char* temporary = m_temporary.constData();
        if (m_naming.renameNoReplace(temporary, name.constData()) == 0)
            return 0;
        int err = errno;
        if (!lacksNoReplaceRename(err))
            return err;
        // A hard link refuses an existing name just the same.
        if (m_naming.link(temporary, name.constData()) == 0) {
            // The file has its name either way; a temporary name that stays
            // beside it is told, not left unsaid.
            if (m_naming.unlink(temporary) != 0) {
                m_failure.temporariesLeft = QStringList { QFile::decodeName(m_temporary) };
                m_failure.temporaryReason = fromErrno(errno).detail;
            }
            return 0;
        }
        err = errno;
        if (!lacksHardLinks(err))
            return err;
        // Neither: claim the name with a file only one can create, then
        // rename over that claim, which is ours alone.
        const int claim = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (claim < 0)
            return errno;
        ::close(claim);
        if (m_naming.rename(temporary, name.constData()) == 0)
            return 0;
        err = errno;
        ::unlink(name.constData());
        return err;
    }

    // A durable file's new name is flushed with its folder; a batch's
    // files (finished without flushing) wait for the batch to do it once.
    // The file has its name by now: a flush that fails leaves it saved, with
    // the disk's reason why its name may not last.
    FileResult flushNameIn(const QByteArray& path)
    {
        if (!m_durable)
            return m_failure;
        const qsizetype slash = path.lastIndexOf('/');
        const FileResult flushed = flushFolderEntries(
            slash < 0 ? QByteArray(".") : path.left(std::max<qsizetype>(slash, 1)), m_naming.fsync);
        if (!flushed.ok())
            m_failure.notLasting = flushed.detail;
        return m_failure;
    }

    int m_fd;
    QByteArray m_temporary;
    QByteArray m_target;
    NamingCalls m_naming;
    FileResult m_failure;
    bool m_committed = false;
    bool m_durable = true;
};

} // namespace

std::unique_ptr<FileWriter> failedWriter(const FileResult& failure)
{
    return std::make_unique<FailedWriter>(failure);
}

std::unique_ptr<FileWriter> LocalFileSystem::startWrite(const QString& path)
{
    QFileInfo info(path);
    if (info.exists() && info.isDir())
        return failedWriter({FileError::Other, QStringLiteral("It is a folder.")});
    if (info.exists() && !info.isWritable())
        return failedWriter({FileError::AccessDenied, QStringLiteral("The file is read-only.")});
    // A link stays a link: the file it points to is the one replaced.
    QString target = path;
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        if (!resolved.isEmpty()) {
            target = resolved;
            info = QFileInfo(target);
        }
    }
    const QString folder = info.absolutePath();
    if (::access(encoded(folder).constData(), W_OK) != 0)
        return failedWriter(fromErrno(errno));

    QByteArray temporary;
    const int fd = createTemporaryIn(folder, temporary);
    if (fd < 0)
        return failedWriter(fromErrno(errno));
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    if (::stat(encoded(target).constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    return std::make_unique<LocalFileWriter>(fd, temporary, encoded(target), m_naming);
}

FileResult LocalFileSystem::flushFolder(const QString& folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return fromErrno(errno);
    FdCloser closer{fd};
    if (::syncfs(fd) != 0)
        return fromErrno(errno);
    return {};
}

FileResult LocalFileSystem::flushNames(const QString& folder)
{
    return flushFolderEntries(encoded(folder), m_naming.fsync);
}

FileResult LocalFileSystem::createExclusive(const QString& path, const QByteArray& contents)
{
    const int fd = ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return fromErrno(errno);
    qsizetype done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.constData() + done, size_t(contents.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const FileResult r = fromErrno(errno);
            ::close(fd);
            ::unlink(encoded(path).constData());
            return r;
        }
        done += n;
    }
    if (::close(fd) != 0)
        return fromErrno(errno);
    return {};
}

FileResult LocalFileSystem::remove(const QString& path)
{
    if (::unlink(encoded(path).constData()) != 0)
        return fromErrno(errno);
    return {};
}

FileResult LocalFileSystem::makeFolder(const QString& path)
{
    if (::mkdir(encoded(path).constData(), 0755) != 0)
        return fromErrno(errno);
    return {};
}

FileResult LocalFileSystem::rename(const QString& from, const QString& to)
{
    if (::rename(encoded(from).constData(), encoded(to).constData()) != 0)
        return fromErrno(errno);
    return {};
}

bool LocalFileSystem::exists(const QString& path)
{
    return QFileInfo::exists(path);
}

bool LocalFileSystem::isFolder(const QString& path)
{
    return QFileInfo(path).isDir();
}

FileResult probeFolderWritable(FileSystem& files, const QString& folder)
{
    // No folder is no folder: never fall back to the working directory.
    if (folder.isEmpty())
        return {FileError::NotFound, QStringLiteral("no folder given")};
    const QString name = QStringLiteral("mytemp-%1.foo").arg(QUuid::createUuid().toString(QUuid::Id128));
    const QString probe = joinPath(folder, name);
    FileResult created = files.createExclusive(probe, QByteArray());
    if (!created.ok())
        return created;
    return files.remove(probe);
}

QString SorryText(FileError error, const QString& rest)
{
    return (error == FileError::AccessDenied ? QStringLiteral("Sorry1 - ") : QStringLiteral("Sorry3 - ")) + rest;
}

QString WithReason(const QString& message, const FileResult& failure)
{
    if (failure.detail.isEmpty())
        return message;
    const bool stop = failure.detail.endsWith(QLatin1Char('.'));
    return message + QStringLiteral("\n\n") + failure.detail + (stop ? QString() : QStringLiteral("."));
}

QString SavedWarningText(const FileResult& saved, bool run)
{
    const auto sentence
        = [](const QString& text) { return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.'); };
    QStringList paragraphs;
    if (!saved.notLasting.isEmpty()) {
        paragraphs << sentence((run ? QStringLiteral("The disk reported an error while making them last: %1")
                                    : QStringLiteral("The disk reported an error while making it last: %1"))
                                   .arg(saved.notLasting));
    }
    const QStringList& left = saved.temporariesLeft;
    if (left.size() == 1) {
        paragraphs << sentence((run ? QStringLiteral("The temporary file %1 could not be removed: %2")
                                    : QStringLiteral("Its temporary file %1 could not be removed: %2"))
                                   .arg(left.front(), saved.temporaryReason));
    } else if (left.size() > 1) {
        paragraphs << sentence(QStringLiteral("%1 temporary files could not be removed, among them %2: %3")
                                   .arg(left.size())
                                   .arg(left.front(), saved.temporaryReason));
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

void TellSaved(UserInterface& ui, const QString& path, const FileResult& saved, const QString& usual)
{
    if (!saved.hasWarning()) {
        if (!usual.isEmpty())
            ui.message(usual);
        return;
    }
    ui.message(QStringLiteral("The file is saved as %1.\n\n").arg(path) + SavedWarningText(saved), MessageButtons::Ok,
        MessageIcon::Warning);
}

QString folderOf(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    return at < 0 ? QString() : path.left(at);
}

QString fileNameOf(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    return at < 0 ? path : path.mid(at + 1);
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

FileIdentity identityOf(const QByteArray& contents)
{
    // Fast enough to hash a report of hundreds of megabytes at each save.
    return {contents.size(), QCryptographicHash::hash(contents, QCryptographicHash::Blake2b_256)};
}

FileResult readIdentity(FileSystem& files, const QString& path, FileIdentity& identity)
{
    QByteArray contents;
    const FileResult read = files.readAll(path, contents);
    if (read.ok())
        identity = identityOf(contents);
    return read;
}
