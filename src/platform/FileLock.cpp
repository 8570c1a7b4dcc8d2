#include "platform/FileLock.h"

#include <QDateTime>
#include <QList>
#include <QSysInfo>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <signal.h>
#include <thread>
#include <unistd.h>

namespace
{

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How often a waiting copy looks again.
constexpr milliseconds kPoll { 50 };
// A lock file that does not say who holds it (its maker stopped between
// making and writing it, or something else has its name) is taken over once
// it has stayed the same this long.
constexpr milliseconds kUnsignedStaleAfter { 2000 };
// Takeovers in a row without a pause: a file system that keeps refusing the
// name it has just freed must not keep this copy spinning.
constexpr int kTakeoversInARow = 3;

const QByteArray kHeading = "# A copy of Quillastrand is changing the file beside this one.\n";

// What a look at the lock file found, comparable with a later look.
QByteArray lookAt(FileSystem& files, const QString& path, FileResult& read)
{
    QByteArray bytes;
    read = files.readAll(path, bytes);
    if (read.ok())
        return bytes;
    return QByteArray("\x01unreadable ") + QByteArray::number(int(read.error)) + ' ' + QByteArray::number(read.code);
}

} // namespace

LockOwner LockOwner::here()
{
    LockOwner owner;
    owner.pid = ::getpid();
    owner.host = QSysInfo::machineHostName();
    owner.machine = QString::fromLatin1(QSysInfo::machineUniqueId());
    owner.boot = QString::fromLatin1(QSysInfo::bootUniqueId());
    owner.takenAt = QDateTime::currentMSecsSinceEpoch();
    owner.token = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return owner;
}

QByteArray LockOwner::toBytes() const
{
    QByteArray bytes = kHeading;
    const auto line = [&bytes](const char* key, const QByteArray& value) { bytes += key + ('=' + value) + '\n'; };
    line("pid", QByteArray::number(pid));
    line("host", host.toUtf8());
    line("machine", machine.toUtf8());
    line("boot", boot.toUtf8());
    line("taken", QByteArray::number(takenAt));
    line("token", token.toUtf8());
    return bytes;
}

std::optional<LockOwner> LockOwner::parse(const QByteArray& bytes)
{
    LockOwner owner;
    bool hasPid = false;
    bool hasTaken = false;
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith('#') || equals <= 0)
            continue;
        const QByteArray key = line.left(equals);
        const QByteArray value = line.mid(equals + 1);
        if (key == "pid")
            owner.pid = value.toLongLong(&hasPid);
        else if (key == "host")
            owner.host = QString::fromUtf8(value);
        else if (key == "machine")
            owner.machine = QString::fromUtf8(value);
        else if (key == "boot")
            owner.boot = QString::fromUtf8(value);
        else if (key == "taken")
            owner.takenAt = value.toLongLong(&hasTaken);
        else if (key == "token")
            owner.token = QString::fromUtf8(value);
    }
    if (!hasPid || !hasTaken || owner.token.isEmpty())
        return std::nullopt;
    return owner;
}

bool LockOwner::sameSystemAs(const LockOwner& other) const
{
    return !boot.isEmpty() && boot == other.boot && machine == other.machine && host == other.host;
}

bool IsStaleLock(const LockOwner& holder, const LockOwner& here, qint64 now, milliseconds staleAfter, bool holderRuns)
{
    if (holder.sameSystemAs(here) && !holderRuns)
        return true;
    // Compared without a subtraction: a file may say any time at all.
    const qint64 limit = staleAfter.count();
    return holder.takenAt < now - limit || holder.takenAt > now + limit;
}

bool ProcessRuns(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

FileLock::FileLock(FileSystem& files, const QString& path, milliseconds wait, milliseconds staleAfter)
    : m_files(files)
    , m_path(path)
{
    const LockOwner self = LockOwner::here();
    const Clock::time_point deadline = Clock::now() + wait;
    const milliseconds unsignedStaleAfter = std::min(kUnsignedStaleAfter, staleAfter);
    std::optional<QByteArray> watched; // an unsigned lock file as first seen, and since when
    Clock::time_point watchedSince;
    int takeovers = 0;
    for (;;) {
        LockOwner mine = self;
        mine.takenAt = QDateTime::currentMSecsSinceEpoch();
        m_bytes = mine.toBytes();
        const FileResult created = files.createExclusive(path, m_bytes);
        if (created.ok()) {
            m_state = State::Held;
            m_held = true;
            return;
        }
        if (created.error != FileError::AlreadyExists) {
            m_state = State::Unavailable;
            m_reason = created;
            return;
        }

        FileResult read;
        const QByteArray seen = lookAt(files, path, read);
        const std::optional<LockOwner> holder = read.ok() ? LockOwner::parse(seen) : std::nullopt;
        bool stale = false;
        if (holder) {
            watched.reset();
            stale
                = IsStaleLock(*holder, self, QDateTime::currentMSecsSinceEpoch(), staleAfter, ProcessRuns(holder->pid));
        } else {
            if (!watched || *watched != seen) {
                watched = seen;
                watchedSince = Clock::now();
            }
            stale = Clock::now() - watchedSince >= unsignedStaleAfter;
        }

        if (stale && takeovers < kTakeoversInARow) {
            // Taken away only as it was judged: another copy may have taken
            // it over already and hold it now.
            FileResult reread;
            if (lookAt(files, path, reread) == seen) {
                const FileResult removed = files.remove(path);
                if (!removed.ok() && removed.error != FileError::NotFound) {
                    m_state = State::Unavailable;
                    m_reason = removed;
                    return;
                }
            }
            watched.reset();
            ++takeovers;
            continue;
        }
        takeovers = 0;

        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            m_state = State::Busy;
            return;
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(kPoll, deadline - now));
    }
}

FileLock::~FileLock()
{
    try {
        release();
    } catch (...) {
        // A lock file left behind is taken over as stale.
    }
}

void FileLock::release()
{
    if (!m_held)
        return;
    m_held = false;
    QByteArray now;
    const FileResult read = m_files.readAll(m_path, now);
    if (read.error == FileError::NotFound || (read.ok() && now != m_bytes))
        return;
    m_files.remove(m_path);
}
