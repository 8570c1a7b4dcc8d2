#include "platform/FileLock.h"

#include <QDateTime>
#include <QList>
#include <QSysInfo>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <map>
#include <mutex>
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
// The lock file beside a lock that a copy holds while it takes the lock
// away, and how many such files may stand one beside the other (each left
// by a copy that stopped while taking the one before away).
const QString kRemovalSuffix = QStringLiteral(".rmlock");
constexpr int kDeepestRemoval = 4;

const QByteArray kHeading = "# A copy of Quillastrand is changing the file beside this one.\n";

// Since when this process has seen each lock file as it now is, on its own
// clock: what another machine's clock says is no measure of a lock's age.
class Sightings
{
public:
    milliseconds unchangedFor(const QString& path, const QByteArray& bytes)
    {
        const std::lock_guard<std::mutex> hold(m_mutex);
        const Clock::time_point now = Clock::now();
        auto [seen, added] = m_seen.try_emplace(path, Sighting { bytes, now });
        if (!added && seen->second.bytes != bytes)
            seen->second = Sighting { bytes, now };
        return std::chrono::duration_cast<milliseconds>(now - seen->second.since);
    }
    void forget(const QString& path)
    {
        const std::lock_guard<std::mutex> hold(m_mutex);
        m_seen.erase(path);
    }

private:
    struct Sighting {
        QByteArray bytes;
        Clock::time_point since;
    };
    std::mutex m_mutex;
    std::map<QString, Sighting> m_seen;
};

Sightings& sightings()
{
    static Sightings all;
    return all;
}

// What one go at a lock file came to.
struct Attempt {
    enum Outcome {
        Taken,
        Held, // by another copy, or being taken away by one
        Unreadable, // a lock file this copy cannot read: held, for all it knows
        Unavailable, // the lock file cannot be made
        Stuck, // a stale lock file that cannot be taken away
    } outcome;
    FileResult reason {};
    QString file {};
};

// Takes a lock file in one go, taking a stale one away first.
class Taker
{
public:
    Taker(FileSystem& files, const LockOwner& self, milliseconds staleAfter)
        : m_files(files)
        , m_self(self)
        , m_staleAfter(staleAfter)
    {
    }

    Attempt take(const QString& path, const QByteArray& mine, int depth = 0)
    {
        for (int takeover = 0; takeover < kTakeoversInARow; ++takeover) {
            const FileResult created = m_files.createExclusive(path, mine);
            if (created.ok()) {
                sightings().forget(path);
                return { Attempt::Taken };
            }
            // Where the lock's own file cannot be made the disk gives no
            // lock; where the one beside it cannot, a stale lock stays.
            if (created.error != FileError::AlreadyExists)
                return { depth == 0 ? Attempt::Unavailable : Attempt::Stuck, created, path };

            QByteArray seen;
            const FileResult read = m_files.readAll(path, seen);
            if (read.error == FileError::NotFound)
                continue;
            if (!read.ok())
                return { Attempt::Unreadable, read, path };
            if (!isStale(path, seen) || depth >= kDeepestRemoval)
                return { Attempt::Held };

            // One copy at a time takes it away, and only as it was judged:
            // another copy may have taken it away and hold a lock of its own
            // under the name by now.
            const QString removal = path + kRemovalSuffix;
            const QByteArray removing = freshBytes();
            const Attempt serialized = take(removal, removing, depth + 1);
            if (serialized.outcome != Attempt::Taken)
                return serialized;
            QByteArray again;
            FileResult removed;
            if (m_files.readAll(path, again).ok() && again == seen && isStale(path, again))
                removed = m_files.remove(path);
            letGo(m_files, removal, removing);
            if (!removed.ok() && removed.error != FileError::NotFound)
                return { Attempt::Stuck, removed, path };
        }
        return { Attempt::Held };
    }

    // This copy's lock bytes, taken now, with a token of their own.
    QByteArray freshBytes() const
    {
        LockOwner mine = m_self;
        mine.takenAt = QDateTime::currentMSecsSinceEpoch();
        mine.token = QUuid::createUuid().toString(QUuid::WithoutBraces);
        return mine.toBytes();
    }

    // Takes away the lock file at path only while it holds bytes.
    static void letGo(FileSystem& files, const QString& path, const QByteArray& bytes)
    {
        QByteArray now;
        const FileResult read = files.readAll(path, now);
        if (read.error == FileError::NotFound || (read.ok() && now != bytes))
            return;
        files.remove(path);
    }

private:
    bool isStale(const QString& path, const QByteArray& seen) const
    {
        const milliseconds unchanged = sightings().unchangedFor(path, seen);
        const std::optional<LockOwner> holder = LockOwner::parse(seen);
        if (!holder)
            return unchanged >= std::min(kUnsignedStaleAfter, m_staleAfter);
        const bool runs = holder->sameSystemAs(m_self) && ProcessRuns(holder->pid);
        return IsStaleLock(*holder, m_self, QDateTime::currentMSecsSinceEpoch(), m_staleAfter, runs, unchanged);
    }

    FileSystem& m_files;
    const LockOwner& m_self;
    milliseconds m_staleAfter;
};

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

bool IsStaleLock(const LockOwner& holder, const LockOwner& here, qint64 now, milliseconds staleAfter, bool holderRuns,
    milliseconds seenUnchanged)
{
    if (!holder.sameSystemAs(here))
        return seenUnchanged >= staleAfter;
    if (!holderRuns)
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

FileLock::FileLock(FileSystem& files, const QString& path, milliseconds wait, milliseconds staleAfter,
    const std::function<void()>& whileWaiting)
    : m_files(files)
    , m_path(path)
{
    const LockOwner self = LockOwner::here();
    Taker taker(files, self, staleAfter);
    const Clock::time_point deadline = Clock::now() + wait;
    for (;;) {
        m_bytes = taker.freshBytes();
        const Attempt attempt = taker.take(path, m_bytes);
        switch (attempt.outcome) {
        case Attempt::Taken:
            m_state = State::Held;
            m_held = true;
            return;
        case Attempt::Unavailable:
            m_state = State::Unavailable;
            m_reason = attempt.reason;
            return;
        case Attempt::Stuck:
            m_state = State::Stuck;
            m_reason = attempt.reason;
            m_stuckFile = attempt.file;
            return;
        case Attempt::Unreadable:
        case Attempt::Held:
            break;
        }
        if (Clock::now() >= deadline) {
            // A lock file that stayed unreadable may be held by a copy still
            // writing: it is no licence to write.
            if (attempt.outcome == Attempt::Unreadable) {
                m_state = State::Stuck;
                m_reason = attempt.reason;
                m_stuckFile = attempt.file;
            } else {
                m_state = State::Busy;
            }
            return;
        }
        if (whileWaiting)
            whileWaiting();
        const Clock::time_point now = Clock::now();
        if (now < deadline)
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
    Taker::letGo(m_files, m_path, m_bytes);
}
