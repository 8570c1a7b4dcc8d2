#pragma once

// Runs the event loop in the version check tests, as the program does.

#include "shell/VersionCheck.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>

// Runs the event loop for a while, counting how often a 10 ms timer fired: a
// loop held up by a request counts nothing at all. (A busy machine may count
// far fewer than the ideal, so tests ask for a few only.)
inline int spinFor(std::chrono::milliseconds time)
{
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.setTimerType(Qt::PreciseTimer);
    tick.start(10);
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
    return ticks;
}

// Runs the event loop until `done` holds, for 30 seconds at most.
inline bool spinUntil(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 30000)
        spinFor(std::chrono::milliseconds(20));
    return done();
}

// A version check run to its end.

inline UpdateCheckResult runUpdateCheck(AppContext& context, const VersionCheckOptions& options, UpdateCheckKind kind)
{
    UpdateCheck check(context, options);
    std::optional<UpdateCheckResult> result;
    QEventLoop loop;
    check.start(kind, [&](UpdateCheckResult r) {
        result = r;
        loop.quit();
    });
    if (!result) {
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    EXPECT_TRUE(result.has_value()) << "the check never ended";
    return result.value_or(UpdateCheckResult::TransferFailed);
}

// The start-up check: only a newer version is announced.
inline UpdateCheckResult checkAtStartup(AppContext& context, const VersionCheckOptions& options)
{
    return runUpdateCheck(context, options, UpdateCheckKind::AtStartup);
}

// Check for Update from the menu or the About box.
inline UpdateCheckResult checkOnRequest(AppContext& context, const VersionCheckOptions& options)
{
    return runUpdateCheck(context, options, UpdateCheckKind::OnRequest);
}
