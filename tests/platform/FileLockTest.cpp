#include "platform/FileLock.h"
#include "support/FaultyFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

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
        bool stale;
    } cases[] = {
        { "a running copy of this system", sameSystem, 0, true, false },
        { "a copy of this system that stopped", sameSystem, 0, false, true },
        { "a running copy of this system, long ago", sameSystem, 61000, true, true },
        { "another machine, just now", otherMachine, 0, false, false },
        { "another machine, within the limit", otherMachine, 59000, false, false },
        { "another machine, past the limit", otherMachine, 61000, false, true },
        { "another machine whose clock is ahead, within the limit", otherMachine, -59000, false, false },
        { "another machine whose clock is far ahead", otherMachine, -61000, false, true },
        // A process id of another boot, or of a system that gave none, says nothing.
        { "this machine before a restart, just now", rebooted, 0, false, false },
        { "no boot id, just now", noBoot, 0, false, false },
    };
    for (const auto& c : cases) {
        LockOwner holder = c.holder;
        holder.takenAt = now - c.takenAgo;
        EXPECT_EQ(IsStaleLock(holder, here, now, 60s, c.holderRuns), c.stale) << c.what;
    }
    // A time of any size is judged without overflow.
    LockOwner extreme = otherMachine;
    extreme.takenAt = std::numeric_limits<qint64>::min();
    EXPECT_TRUE(IsStaleLock(extreme, here, now, 60s, true));
    extreme.takenAt = std::numeric_limits<qint64>::max();
    EXPECT_TRUE(IsStaleLock(extreme, here, now, 60s, true));
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

TEST_F(FileLocks, ALockLeftBehindIsTakenOver)
{
    LockOwner ended = LockOwner::here();
    ended.pid = endedProcess();
    LockOwner longAgo = LockOwner::here();
    longAgo.host = QStringLiteral("other-pc");
    longAgo.takenAt -= 3600 * 1000;
    for (const LockOwner& left : { ended, longAgo }) {
        put(left.toBytes());
        const FileLock lock(files, lockPath(), 0ms);
        EXPECT_EQ(lock.state(), FileLock::State::Held) << left.host.toStdString();
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(LockOwner::parse(file.readAll())->pid, ::getpid());
    }
    // A recent lock of another machine is not.
    LockOwner recent = LockOwner::here();
    recent.host = QStringLiteral("other-pc");
    put(recent.toBytes());
    EXPECT_EQ(FileLock(files, lockPath(), 100ms).state(), FileLock::State::Busy);
}

// A copy that stopped between making the lock file and writing it leaves a
// file that names no one: it is taken over once it has stayed so a while.
TEST_F(FileLocks, AnUnsignedLockIsTakenOverOnceItStaysTheSame)
{
    put(QByteArray());
    EXPECT_EQ(FileLock(files, lockPath(), 100ms, 60s).state(), FileLock::State::Busy);
    const Clock::time_point start = Clock::now();
    const FileLock lock(files, lockPath(), 30s, 300ms);
    EXPECT_EQ(lock.state(), FileLock::State::Held);
    EXPECT_GE(Clock::now() - start, 300ms);
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

    // Something that is no lock file and cannot be taken away has the name.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("list.mpl.lock")));
    const FileLock folder(files, lockPath(), 30s, 200ms);
    EXPECT_EQ(folder.state(), FileLock::State::Unavailable);
    EXPECT_TRUE(QFileInfo(lockPath()).isDir());
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
