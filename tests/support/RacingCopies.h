#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>
#include <vector>

// Copies of this test program racing each other over one folder, as copies
// of the program do on a shared folder: the test that starts them runs again
// in each copy, which does its own work and ends there.

struct RacingCopy {
    int number = 0; // 0, 1, ... in the order they were started
    QString folder;
};

// The copy this process is, when a test started it as one.
std::optional<RacingCopy> ThisRacingCopy();

// Waits until every copy has been started, so that they set off together.
void AwaitTheStart(const RacingCopy& copy);

// Ends a copy with code, its work done.
[[noreturn]] void EndRacingCopy(int code);

// How a copy ended: its exit code (-1 when it crashed, or was stopped for
// taking longer than it was given) and what it wrote to its output.
struct RacingCopyEnd {
    int code = -1;
    QByteArray output;
};

// Runs count copies of the current test over folder, all setting off at
// once, and waits for them for up to timeout in all.
std::vector<RacingCopyEnd> RunRacingCopies(int count, const QString& folder, std::chrono::milliseconds timeout);

// The id of a process of this system that has ended.
qint64 EndedProcessId();

// The real file system, slow to remove or rename a lock file (a name ending
// in ".lock" or ".rmlock"), as on a busy machine or a slow share: other
// copies go on meanwhile. Each pause is of its own length, up to maxPause,
// before and after the change.
class SlowLockFileSystem : public LocalFileSystem {
public:
    explicit SlowLockFileSystem(std::chrono::milliseconds maxPause = std::chrono::milliseconds(40))
        : m_maxPause(maxPause)
    {
    }

    FileResult remove(const QString& path) override;
    FileResult rename(const QString& from, const QString& to) override;

private:
    static bool isLockFile(const QString& path);
    void pause() const;
    std::chrono::milliseconds m_maxPause;
};
