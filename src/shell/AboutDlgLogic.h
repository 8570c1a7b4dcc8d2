#pragma once

#include "shell/VersionCheck.h"

#include <QString>

class AppContext;

// The About box's buttons, shared with the main menu's Help items. They use
// no dialog state.

// "Check for Update": the check, then the latest version when no newer one
// was announced, or why there is none to tell.
void OnCheckForUpdate(AppContext& context, const VersionCheckOptions& options = {});
// "Download Update": the updates page in the browser.
void OnDownloadUpdate(AppContext& context);
// "Visit our website": the home page in the browser.
void OnVisitWebsite(AppContext& context);

// The version line of the About box, "Version: 4.0.0.0".
QString AboutVersionText(AppContext& context);
