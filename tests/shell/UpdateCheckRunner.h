#pragma once

// Runs a version check to its end under the event loop, as the program does.

#include "shell/VersionCheck.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

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
