#include "support/RacingCopies.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char* const kNumberVariable = "QLS_RACING_COPY";
const char* const kFolderVariable = "QLS_RACING_FOLDER";

QString startPath(const QString& folder)
{
    return joinPath(folder, QStringLiteral("start"));
}

} // namespace

std::optional<RacingCopy> ThisRacingCopy()
{
    bool ok = false;
    const int number = qEnvironmentVariableIntValue(kNumberVariable, &ok);
    if (!ok)
        return std::nullopt;
    return RacingCopy { number, qEnvironmentVariable(kFolderVariable) };
}

void AwaitTheStart(const RacingCopy& copy)
{
    const Clock::time_point giveUp = Clock::now() + 60s;
    while (!QFile::exists(startPath(copy.folder)) && Clock::now() < giveUp)
        std::this_thread::sleep_for(1ms);
}

void EndRacingCopy(int code)
{
    std::fflush(nullptr);
    std::_Exit(code);
}

std::vector<RacingCopyEnd> RunRacingCopies(int count, const QString& folder, std::chrono::milliseconds timeout)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter = QStringLiteral("--gtest_filter=%1.%2")
                               .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()));
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int number = 0; number < count; ++number) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Each copy runs the one test, whatever share of the tests this run has.
        environment.remove(QStringLiteral("GTEST_TOTAL_SHARDS"));
        environment.remove(QStringLiteral("GTEST_SHARD_INDEX"));
        environment.remove(QStringLiteral("GTEST_OUTPUT"));
        environment.insert(QString::fromLatin1(kNumberVariable), QString::number(number));
        environment.insert(QString::fromLatin1(kFolderVariable), folder);
        auto copy = std::make_unique<QProcess>();
        copy->setProcessEnvironment(environment);
        copy->setProcessChannelMode(QProcess::MergedChannels);
        copy->start(QCoreApplication::applicationFilePath(), { filter });
        copies.push_back(std::move(copy));
    }
    for (const auto& copy : copies)
        copy->waitForStarted(30000);
    QFile start(startPath(folder));
    start.open(QIODevice::WriteOnly);
    start.close();

    const Clock::time_point deadline = Clock::now() + timeout;
    std::vector<RacingCopyEnd> ends;
    for (const auto& copy : copies) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        RacingCopyEnd end;
        if (copy->state() != QProcess::NotRunning && !copy->waitForFinished(int(std::max<qint64>(left.count(), 1)))) {
            copy->kill();
            copy->waitForFinished(5000);
        } else if (copy->exitStatus() == QProcess::NormalExit && copy->error() != QProcess::FailedToStart) {
            end.code = copy->exitCode();
        }
        end.output = copy->readAll();
        ends.push_back(end);
    }
    QFile::remove(startPath(folder));
    return ends;
}

qint64 EndedProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

bool SlowLockFileSystem::isLockFile(const QString& path)
{
    return path.endsWith(QStringLiteral(".lock")) || path.endsWith(QStringLiteral(".rmlock"));
}

void SlowLockFileSystem::pause() const
{
    const qint64 pause = QRandomGenerator::global()->bounded(qint64(m_maxPause.count()) + 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(pause));
}

FileResult SlowLockFileSystem::remove(const QString& path)
{
    if (!isLockFile(path))
        return LocalFileSystem::remove(path);
    pause();
    const FileResult removed = LocalFileSystem::remove(path);
    pause();
    return removed;
}

FileResult SlowLockFileSystem::rename(const QString& from, const QString& to)
{
    if (!isLockFile(from) && !isLockFile(to))
        return LocalFileSystem::rename(from, to);
    pause();
    const FileResult renamed = LocalFileSystem::rename(from, to);
    pause();
    return renamed;
}
