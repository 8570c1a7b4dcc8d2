// Copies of the program racing for one lock whose file a copy that stopped
// left behind, on a file system slow to remove and rename lock files: one
// copy at a time holds it, and no copy's change is lost.
#include "platform/FileLock.h"
#include "support/RacingCopies.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace
{

using namespace std::chrono_literals;

constexpr int kCopies = 6;

QString lockPath(const QString& folder)
{
    return joinPath(folder, QStringLiteral("list.lock"));
}
QString listPath(const QString& folder)
{
    return joinPath(folder, QStringLiteral("list.txt"));
}
QString holderPath(const QString& folder)
{
    return joinPath(folder, QStringLiteral("holder"));
}

// What one copy does: under the lock, a mark that only one copy can make at a
// time, and its number added to the list by a read, a change and a write.
int addToTheList(const RacingCopy& copy)
{
    SlowLockFileSystem files;
    AwaitTheStart(copy);
    const FileLock lock(files, lockPath(copy.folder), 30s);
    if (!lock.held()) {
        std::fprintf(stderr, "copy %d: the lock was not taken (%d)\n", copy.number, int(lock.state()));
        return 2;
    }
    if (!files.createExclusive(holderPath(copy.folder), QByteArray::number(copy.number)).ok()) {
        std::fprintf(stderr, "copy %d: another copy holds the lock too\n", copy.number);
        return 3;
    }
    QByteArray list;
    const FileResult read = files.readAll(listPath(copy.folder), list);
    if (!read.ok() && read.error != FileError::NotFound)
        return 4;
    std::this_thread::sleep_for(5ms);
    list += QByteArray::number(copy.number) + '\n';
    if (!files.writeWhole(listPath(copy.folder), list).ok() || !files.remove(holderPath(copy.folder)).ok())
        return 4;
    return 0;
}

void leave(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(LockRace, CopiesTakingOverALockLeftBehindNeverHoldItTogether)
{
    if (const std::optional<RacingCopy> copy = ThisRacingCopy())
        EndRacingCopy(addToTheList(*copy));

    LockOwner stopped = LockOwner::here();
    stopped.pid = EndedProcessId();
    QByteArrayList expected;
    for (int number = 0; number < kCopies; ++number)
        expected << QByteArray::number(number);

    const struct {
        const char* left;
        bool removalLock; // the copy stopped while it took a stale lock away
        bool unsignedLock; // the copy stopped before it wrote who holds the lock
    } trials[] = {
        { "a lock", false, false },
        { "a lock and its removal lock", true, false },
        { "a lock", false, false },
        { "an unsigned lock", false, true },
        { "a lock and its removal lock", true, false },
        { "a lock", false, false },
    };
    for (const auto& trial : trials) {
        SCOPED_TRACE(trial.left);
        QTemporaryDir dir;
        const QString folder = dir.path();
        leave(lockPath(folder), trial.unsignedLock ? QByteArray() : stopped.toBytes());
        if (trial.removalLock)
            leave(lockPath(folder) + QStringLiteral(".rmlock"), stopped.toBytes());

        const std::vector<RacingCopyEnd> ends = RunRacingCopies(kCopies, folder, 60s);
        for (size_t number = 0; number < ends.size(); ++number)
            EXPECT_EQ(ends[number].code, 0) << "copy " << number << ": " << ends[number].output.constData();

        QFile list(listPath(folder));
        ASSERT_TRUE(list.open(QIODevice::ReadOnly));
        QByteArrayList added = list.readAll().split('\n');
        added.removeAll(QByteArray());
        std::sort(
            added.begin(), added.end(), [](const QByteArray& a, const QByteArray& b) { return a.toInt() < b.toInt(); });
        EXPECT_EQ(added.join(' ').toStdString(), expected.join(' ').toStdString());
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).join(u' ').toStdString(), "list.txt");
    }
}

} // namespace
