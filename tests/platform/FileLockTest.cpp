#include "platform/FileLock.h"
#include "support/FaultyFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// ---- when a lock left behind is taken over ----

TEST(StaleLock, TableOfHolders)
{
    const LockOwner here = LockOwner::here();
    const qint64 now = here.takenAt;
    LockOwner sameSystem = here;
    LockOwner otherMachine = here;
    otherMachine.host = QStringLiteral("other-pc");
    otherMachine.machine = QStringLiteral("0123456789abcdef");
    LockOwner rebooted = here;
    rebooted.boot = QStringLiteral("another-boot");
    LockOwner noBoot = here;
    noBoot.boot.clear();

    const struct {
        const char* what;
        LockOwner holder;
        qint64 takenAgo;
        bool holderRuns;
        milliseconds seenUnchanged;
        bool stale;
    } cases[] = {
        { "a running copy of this system", sameSystem, 0, true, 0ms, false },
        { "a copy of this system that stopped", sameSystem, 0, false, 0ms, true },
        { "a running copy of this system, long ago", sameSystem, 61000, true, 0ms, true },
        { "a running copy of this system, ahead of this clock", sameSystem, -61000, true, 0ms, true },
        { "a running copy of this system, seen a long while", sameSystem, 0, true, 61000ms, false },
        // Another machine's clock says nothing, either way.
        { "another machine, just now", otherMachine, 0, false, 0ms, false },
        { "another machine, past the limit", otherMachine, 61000, false, 0ms, false },
        { "another machine whose clock is far ahead", otherMachine, -61000, false, 0ms, false },
        { "another machine, seen unchanged within the limit", otherMachine, 0, false, 59000ms, false },
        { "another machine, seen unchanged for the limit", otherMachine, 0, true, 60000ms, true },
        // A process id of another boot, or of a system that gave none, says nothing.
        { "this machine before a restart, just now", rebooted, 0, false, 0ms, false },
        { "this machine before a restart, long ago", rebooted, 61000, false, 0ms, false },
        { "this machine before a restart, seen unchanged for the limit", rebooted, 0, false, 60000ms, true },
        { "no boot id, just now", noBoot, 0, false, 0ms, false },
    };
    for (const auto& c : cases) {
        LockOwner holder = c.holder;
        holder.takenAt = now - c.takenAgo;
        EXPECT_EQ(IsStaleLock(holder, here, now, 60s, c.holderRuns, c.seenUnchanged), c.stale) << c.what;
    }
    // A time of any size is judged without overflow.
    for (const qint64 extreme : { std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max() }) {
        LockOwner holder = sameSystem;
        holder.takenAt = extreme;
        EXPECT_TRUE(IsStaleLock(holder, here, now, 60s, true, 0ms));
        holder = otherMachine;
        holder.takenAt = extreme;
        EXPECT_FALSE(IsStaleLock(holder, here, now, 60s, true, 0ms));
    }
}

TEST(StaleLock, TheOwnerReadsBackAndForeignBytesSayNoOne)
{
    const LockOwner here = LockOwner::here();
    const std::optional<LockOwner> back = LockOwner::parse(here.toBytes());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->pid, here.pid);
    EXPECT_EQ(back->host, here.host);
    EXPECT_EQ(back->machine, here.machine);
    EXPECT_EQ(back->boot, here.boot);
    EXPECT_EQ(back->takenAt, here.takenAt);
    EXPECT_EQ(back->token, here.token);
    EXPECT_TRUE(back->sameSystemAs(here));
    EXPECT_NE(LockOwner::here().token, here.token);

    for (const QByteArray& bytes : { QByteArray(), QByteArray("garbage"), QByteArray("pid=12\ntaken=5\n"),
             QByteArray("pid=x\ntaken=5\ntoken=t\n"), QByteArray("pid=1\ntaken=\ntoken=t\n") })
        EXPECT_FALSE(LockOwner::parse(bytes).has_value()) << bytes.constData();
    EXPECT_TRUE(ProcessRuns(::getpid()));
    EXPECT_FALSE(ProcessRuns(0));
    EXPECT_FALSE(ProcessRuns(-1));
}

// ---- taking and letting go ----

class FileLocks : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    FaultyFileSystem files;
    QString lockPath() const { return dir.filePath(QStringLiteral("list.mpl.lock")); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    void put(const QByteArray& bytes) const
    {
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile file(lockPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A copy on another machine, taking a lock now by its clock.
    static LockOwner otherMachine()
    {
        LockOwner other = LockOwner::here();
        other.host = QStringLiteral("other-pc");
        other.machine = QStringLiteral("0123456789abcdef");
        other.boot = QStringLiteral("its-boot");
        return other;
    }
    static LockOwner anotherTaking(LockOwner owner)
    {
        owner.token = QUuid::createUuid().toString(QUuid::WithoutBraces);
        return owner;
    }
    // The id of a process of this system that has ended.
    static qint64 endedProcess()
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }
};

TEST_F(FileLocks, AHeldLockIsAFileThatGoesWhenLetGo)
{
    {
        FileLock lock(files, lockPath(), 0ms);
        ASSERT_EQ(lock.state(), FileLock::State::Held);
        EXPECT_TRUE(lock.held());
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<LockOwner> owner = LockOwner::parse(file.readAll());
        ASSERT_TRUE(owner.has_value());
        EXPECT_EQ(owner->pid, ::getpid());
        lock.release();
        EXPECT_FALSE(lock.held());
        EXPECT_TRUE(entries().isEmpty());
    }
    {
        const FileLock lock(files, lockPath(), 0ms);
        EXPECT_EQ(lock.state(), FileLock::State::Held);
    }
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(FileLocks, AnotherHolderMakesItBusyForTheWholeWait)
{
    FileLock other(files, lockPath(), 0ms);
    ASSERT_EQ(other.state(), FileLock::State::Held);
    const Clock::time_point start = Clock::now();
    {
        const FileLock lock(files, lockPath(), 300ms);
        EXPECT_EQ(lock.state(), FileLock::State::Busy);
        EXPECT_FALSE(lock.held());
    }
    EXPECT_GE(Clock::now() - start, 300ms);
    // A busy lock lets go of nothing.
    EXPECT_EQ(entries(), QStringList { QStringLiteral("list.mpl.lock") });
    other.release();
    EXPECT_EQ(FileLock(files, lockPath(), 0ms).state(), FileLock::State::Held);
}

TEST_F(FileLocks, AWaitEndsWhenTheOtherLetsGo)
{
    auto other = std::make_unique<FileLock>(files, lockPath(), 0ms);
    ASSERT_TRUE(other->held());
    // The other lets go 300 ms after this starts to wait, at the soonest.
    const Clock::time_point start = Clock::now();
    std::thread letGo([&other] {
        std::this_thread::sleep_for(300ms);
        other->release();
    });
    const FileLock lock(files, lockPath(), 30s);
    const auto waited = Clock::now() - start;
    letGo.join();
    EXPECT_EQ(lock.state(), FileLock::State::Held);
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 20s);
}

TEST_F(FileLocks, ALockOfAProcessOfThisSystemThatEndedIsTakenOverAtOnce)
{
    LockOwner ended = LockOwner::here();
    ended.pid = endedProcess();
    put(ended.toBytes());
    const FileLock lock(files, lockPath(), 0ms);
    ASSERT_EQ(lock.state(), FileLock::State::Held);
    EXPECT_EQ(LockOwner::parse(bytes())->pid, ::getpid());
    EXPECT_EQ(entries(), QStringList { QStringLiteral("list.mpl.lock") });
}

// Two machines' clocks differ: only this copy's own look at the lock file
// tells that its holder has gone.
TEST_F(FileLocks, AnotherMachinesLockIsTakenOverOnlyOnceSeenUnchangedForTheStaleTime)
{
    for (const qint64 ahead : { -61000, 61000, -3600 * 1000 }) {
        SCOPED_TRACE(ahead);
        LockOwner other = otherMachine();
        other.takenAt += ahead;
        put(other.toBytes());
        const FileLock busy(files, lockPath(), 200ms);
        EXPECT_EQ(busy.state(), FileLock::State::Busy);
        EXPECT_EQ(bytes(), other.toBytes());

        // Seen unchanged from the first look: taken once the stale time is past.
        const Clock::time_point firstLook = Clock::now();
        put(anotherTaking(other).toBytes());
        const FileLock waited(files, lockPath(), 30s, 500ms);
        EXPECT_EQ(waited.state(), FileLock::State::Held);
        EXPECT_GE(Clock::now() - firstLook, 500ms);
        EXPECT_EQ(LockOwner::parse(bytes())->pid, ::getpid());
        QFile::remove(lockPath());
    }
}

// What this process has seen stays with the lock file from one FileLock to
// the next; a lock file that changed is a new lock.
TEST_F(FileLocks, TheTimeALockWasSeenUnchangedOutlivesOneWait)
{
    const LockOwner other = otherMachine();
    put(other.toBytes());
    EXPECT_EQ(FileLock(files, lockPath(), 0ms, 400ms).state(), FileLock::State::Busy);
    std::this_thread::sleep_for(500ms);
    put(anotherTaking(other).toBytes());
    EXPECT_EQ(FileLock(files, lockPath(), 0ms, 400ms).state(), FileLock::State::Busy);

    put(other.toBytes());
    EXPECT_EQ(FileLock(files, lockPath(), 0ms, 400ms).state(), FileLock::State::Busy);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(FileLock(files, lockPath(), 0ms, 400ms).state(), FileLock::State::Held);
}

// A copy that stopped between making the lock file and writing it leaves a
// file that names no one: it is taken over once it has stayed so a while.
TEST_F(FileLocks, AnUnsignedLockIsTakenOverOnceItStaysTheSame)
{
    put(QByteArray());
    const Clock::time_point firstLook = Clock::now();
    EXPECT_EQ(FileLock(files, lockPath(), 100ms, 60s).state(), FileLock::State::Busy);
    const FileLock lock(files, lockPath(), 30s, 300ms);
    EXPECT_EQ(lock.state(), FileLock::State::Held);
    EXPECT_GE(Clock::now() - firstLook, 300ms);
}

// A copy that stopped while it took a stale lock away leaves the file
// beside the lock that only one copy at a time may hold; a running one is
// at work and is waited for.
TEST_F(FileLocks, TheRemovalLockOfACopyThatStoppedIsTakenOverToo)
{
    LockOwner ended = LockOwner::here();
    ended.pid = endedProcess();
    const QString removal = lockPath() + QStringLiteral(".rmlock");
    const struct {
        const char* what;
        std::vector<std::pair<QString, QByteArray>> left; // each the removal lock of the one before
        milliseconds staleAfter;
        FileLock::State state;
    } cases[] = {
        { "one left", { { removal, ended.toBytes() } }, 60s, FileLock::State::Held },
        { "two left", { { removal, ended.toBytes() }, { removal + QStringLiteral(".rmlock"), ended.toBytes() } }, 60s,
            FileLock::State::Held },
        { "an unsigned one", { { removal, QByteArray() } }, 200ms, FileLock::State::Held },
        { "a running copy's", { { removal, LockOwner::here().toBytes() } }, 60s, FileLock::State::Busy },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        put(ended.toBytes());
        for (const auto& [path, left] : c.left) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(left);
        }
        const FileLock lock(files, lockPath(), 500ms, c.staleAfter);
        EXPECT_EQ(lock.state(), c.state);
        if (c.state == FileLock::State::Held)
            EXPECT_EQ(entries(), QStringList { QStringLiteral("list.mpl.lock") });
        else
            EXPECT_EQ(bytes(), ended.toBytes());
        for (const QString& name : entries())
            QFile::remove(dir.filePath(name));
    }
}

TEST_F(FileLocks, WhereNoLockFileCanBeMadeTheLockIsUnavailable)
{
    files.fail(FaultyFileSystem::Op::Create, lockPath(), FileError::Other);
    const FileLock refused(files, lockPath(), 5s);
    EXPECT_EQ(refused.state(), FileLock::State::Unavailable);
    EXPECT_EQ(refused.reason().error, FileError::Other);
    files.clear();

    const FileLock noFolder(files, dir.filePath(QStringLiteral("missing/list.mpl.lock")), 5s);
    EXPECT_EQ(noFolder.state(), FileLock::State::Unavailable);
    EXPECT_EQ(noFolder.reason().error, FileError::NotFound);
}

// A stale lock this copy may not take away (a folder with the sticky bit,
// another user's file) is held for all that: nothing may be written.
TEST_F(FileLocks, AStaleLockThatCannotBeRemovedIsStuck)
{
    LockOwner ended = LockOwner::here();
    ended.pid = endedProcess();
    for (const FileError refusal : { FileError::AccessDenied, FileError::Other }) {
        put(ended.toBytes());
        files.failOnly(FaultyFileSystem::Op::Remove, lockPath(), refusal);
        const FileLock lock(files, lockPath(), 5s);
        EXPECT_EQ(lock.state(), FileLock::State::Stuck);
        EXPECT_FALSE(lock.held());
        EXPECT_EQ(lock.reason().error, refusal);
        EXPECT_EQ(lock.stuckFile(), lockPath());
        EXPECT_EQ(bytes(), ended.toBytes());
        EXPECT_EQ(entries(), QStringList { QStringLiteral("list.mpl.lock") });
        files.clear();
    }
    // Nor may it be taken away when the file that serializes its removal
    // cannot be made.
    put(ended.toBytes());
    files.fail(FaultyFileSystem::Op::Create, lockPath() + QStringLiteral(".rmlock"), FileError::AccessDenied);
    const FileLock lock(files, lockPath(), 5s);
    EXPECT_EQ(lock.state(), FileLock::State::Stuck);
    EXPECT_EQ(lock.reason().error, FileError::AccessDenied);
    EXPECT_EQ(bytes(), ended.toBytes());
}

// The same in a real folder with the sticky bit, whose lock file another
// user left: a copy run by someone else may not remove it.
TEST_F(FileLocks, AStaleLockOfAnotherUserInAStickyFolderIsStuck)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run a copy as another user";
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);
    LockOwner ended = LockOwner::here();
    ended.pid = endedProcess();
    put(ended.toBytes());

    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
        if (::access(QFile::encodeName(dir.path()).constData(), W_OK | X_OK) != 0)
            ::_exit(98);
        LocalFileSystem local;
        const FileLock lock(local, lockPath(), 2s);
        ::_exit(int(lock.state()) * 10 + int(lock.reason().error));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 99 || WEXITSTATUS(status) == 98)
        GTEST_SKIP() << "another user cannot become one or reach the temporary folder";
    EXPECT_EQ(WEXITSTATUS(status), int(FileLock::State::Stuck) * 10 + int(FileError::AccessDenied));
    EXPECT_EQ(bytes(), ended.toBytes());
    EXPECT_EQ(entries(), QStringList { QStringLiteral("list.mpl.lock") });
}

// A lock file this copy cannot read may be held by a copy still writing.
TEST_F(FileLocks, AnUnreadableLockIsHeldAndStuckAfterTheWait)
{
    LockOwner ended = LockOwner::here();
    ended.pid = endedProcess();
    put(ended.toBytes());
    files.fail(FaultyFileSystem::Op::Read, lockPath(), FileError::AccessDenied);
    const Clock::time_point start = Clock::now();
    const FileLock lock(files, lockPath(), 600ms, 100ms);
    EXPECT_GE(Clock::now() - start, 600ms);
    EXPECT_EQ(lock.state(), FileLock::State::Stuck);
    EXPECT_EQ(lock.reason().error, FileError::AccessDenied);
    EXPECT_EQ(lock.stuckFile(), lockPath());
    EXPECT_EQ(bytes(), ended.toBytes());
    files.clear();

    // Something that is no lock file has the name: a folder.
    ASSERT_TRUE(QFile::remove(lockPath()));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("list.mpl.lock")));
    const FileLock folder(files, lockPath(), 300ms, 100ms);
    EXPECT_EQ(folder.state(), FileLock::State::Stuck);
    EXPECT_FALSE(folder.reason().ok());
    EXPECT_TRUE(QFileInfo(lockPath()).isDir());
}

TEST_F(FileLocks, AWaitingCopyIsCalledBetweenItsLooks)
{
    int calls = 0;
    const auto count = [&calls] { ++calls; };
    {
        const FileLock first(files, lockPath(), 300ms, FileLock::kStaleAfter, count);
        EXPECT_EQ(first.state(), FileLock::State::Held);
        EXPECT_EQ(calls, 0);
        const FileLock second(files, lockPath(), 300ms, FileLock::kStaleAfter, count);
        EXPECT_EQ(second.state(), FileLock::State::Busy);
    }
    EXPECT_GE(calls, 2);
}

// A copy that held the lock past the stale time finds another holding it:
// letting go leaves the other's lock file.
TEST_F(FileLocks, LettingGoLeavesALockAnotherHasTakenOver)
{
    FileLock slow(files, lockPath(), 0ms);
    ASSERT_TRUE(slow.held());
    LockOwner taker = LockOwner::here();
    taker.host = QStringLiteral("other-pc");
    const QByteArray taken = taker.toBytes();
    ASSERT_TRUE(QFile::remove(lockPath()));
    put(taken);
    slow.release();
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), taken);
}

} // namespace
