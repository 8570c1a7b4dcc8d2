// Copies of the program adding payers to one shared Payer List at once, over
// the lock of a copy that stopped while it held it, on a file system slow
// to remove and rename lock files: the file ends with every payer.
#include "payers/PayerListFile.h"
#include "payers/PayerListStore.h"
#include "payers/PayerTestKit.h"
#include "platform/FileLock.h"
#include "support/RacingCopies.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace
{

using namespace std::chrono_literals;

constexpr int kCopies = 6;

QString keyOf(int copy)
{
    return QStringLiteral("51824753556%1").arg(100 + copy);
}

// A copy that is slow between reading the Payer List file and writing it
// back, as with a full list on a slow share.
class SlowListFiles : public SlowLockFileSystem
{
public:
    FileResult readAll(const QString& path, QByteArray& contents) override
    {
        const FileResult read = SlowLockFileSystem::readAll(path, contents);
        if (path.endsWith(kLivePayerListName))
            std::this_thread::sleep_for(20ms);
        return read;
    }
};

// What one copy does: a payer of its own added through the Payer List file.
int addOwnPayer(const RacingCopy& copy)
{
    TestProfile profile;
    ScriptedUi ui;
    SlowListFiles files;
    AppContext context { ui, files };
    context.prefs.defaultFolder = copy.folder;
    context.prefs.pathPayerListFile = copy.folder;
    context.payerListLockWait = 30s;
    AwaitTheStart(copy);
    const PayerListChange outcome = ChangeLivePayerList(context, [&copy](PayerMap& entries) {
        CPayers payer = acmeEntry();
        payer.branch = QString::number(100 + copy.number);
        payer.name = QStringLiteral("Copy %1 Pty Ltd").arg(copy.number);
        return entries.emplace(keyOf(copy.number), payer).second;
    });
    if (outcome != PayerListChange::Written) {
        std::fprintf(stderr, "copy %d: %s\n", copy.number, qPrintable(ui.texts().join(u'|')));
        return 2;
    }
    return 0;
}

TEST(PayerListRace, CopiesAddingAtOnceOverALockLeftBehindLoseNoPayer)
{
    if (const std::optional<RacingCopy> copy = ThisRacingCopy())
        EndRacingCopy(addOwnPayer(*copy));

    LockOwner stopped = LockOwner::here();
    stopped.pid = EndedProcessId();
    QStringList expected { kAcmeKey, kWpnKey };
    for (int number = 0; number < kCopies; ++number)
        expected << keyOf(number);
    expected.sort();

    for (int trial = 0; trial < 4; ++trial) {
        SCOPED_TRACE(trial);
        PayerWorld world;
        world.writeLive(readFixture(QStringLiteral(QLS_TEST_DATA_DIR), QStringLiteral("two_payers.mpl")));
        PayerWorld::write(world.livePath() + QStringLiteral(".lock"), stopped.toBytes());

        const std::vector<RacingCopyEnd> ends = RunRacingCopies(kCopies, world.dir.path(), 90s);
        for (size_t number = 0; number < ends.size(); ++number)
            EXPECT_EQ(ends[number].code, 0) << "copy " << number << ": " << ends[number].output.constData();

        QStringList held;
        ReadPayerList(world.liveBytes(), [&held](const QString& key, const CPayers&) { held << key; });
        held.sort();
        EXPECT_EQ(held.join(u' ').toStdString(), expected.join(u' ').toStdString());
        EXPECT_FALSE(QFile::exists(world.livePath() + QStringLiteral(".lock")));
    }
}

} // namespace
