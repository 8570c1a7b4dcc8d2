#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <chrono>
#include <functional>
#include <optional>

// Who holds a lock file, as the file says: enough to tell a lock that a copy
// of the program left behind when it stopped.
struct LockOwner {
    qint64 pid = 0;
    QString host;
    QString machine; // the machine's own id, where it has one
    QString boot; // the id of the machine's boot the copy ran in
    qint64 takenAt = 0; // milliseconds since 1970 UTC, by the holder's clock
    QString token; // one of its own for every taking

    // This process on this machine, taking a lock now.
    static LockOwner here();
    QByteArray toBytes() const;
    // Nothing when the bytes do not say who holds the lock.
    static std::optional<LockOwner> parse(const QByteArray& bytes);
    // The same running system (machine and boot), whose process ids can be asked after.
    bool sameSystemAs(const LockOwner& other) const;
};

// Whether a lock file that holder left may be taken over by here at now
// (milliseconds since 1970 UTC). A lock of a process of this very system is
// stale at once when that process no longer runs (holderRuns false), and
// otherwise once its time of taking is further than staleAfter from now
// either way, by this system's own clock. Another system's clock says
// nothing here: its lock is stale only once this copy has itself seen the
// lock file unchanged for staleAfter (seenUnchanged, on its own monotonic
// clock).
bool IsStaleLock(const LockOwner& holder, const LockOwner& here, qint64 now, std::chrono::milliseconds staleAfter,
    bool holderRuns, std::chrono::milliseconds seenUnchanged);

// Whether a process of this system has the id pid.
bool ProcessRuns(qint64 pid);

// An exclusive hold that copies of the program take before they change a file
// they share, on one machine or on several that see the same folder: the lock
// file exists while one copy holds it. It is made through FileSystem with an
// exclusive create, which every local disk and network share gives, so tests
// can refuse it like any other write. A copy holds it only while it reads,
// changes and writes; a lock left by a copy that stopped is taken over (see
// IsStaleLock). Copies take a stale lock away one at a time, each under a
// second lock file beside it (the lock's name and ".rmlock", itself taken
// over the same way), and only while it is still the lock they judged
// stale: whatever the timing, one copy alone holds the lock.
class FileLock
{
public:
    enum class State {
        Held, // this copy holds the lock until release() or the end of the FileLock
        Busy, // another copy held it for the whole wait
        Unavailable, // the lock file could not be made here (reason()): the disk gives no lock
        Stuck, // a lock file this copy can neither read nor take over (reason()): nothing may be written
    };

    static constexpr std::chrono::milliseconds kStaleAfter { 60000 };

    // Takes the lock file at path, waiting up to wait while another copy
    // holds it; whileWaiting, when given, is called between the looks.
    FileLock(FileSystem& files, const QString& path, std::chrono::milliseconds wait,
        std::chrono::milliseconds staleAfter = kStaleAfter, const std::function<void()>& whileWaiting = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State state() const { return m_state; }
    const FileResult& reason() const { return m_reason; }
    // The lock file that stops a Stuck lock: the lock's own, or the one
    // beside it that its takeover needs.
    const QString& stuckFile() const { return m_stuckFile; }
    bool held() const { return m_held; }
    // Lets go of a held lock: its file goes, unless another copy has taken
    // it over meanwhile.
    void release();

private:
    FileSystem& m_files;
    QString m_path;
    QByteArray m_bytes;
    State m_state = State::Busy;
    FileResult m_reason;
    QString m_stuckFile;
    bool m_held = false;
};
