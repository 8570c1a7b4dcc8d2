#pragma once

#include "shell/VersionCheck.h"

#include <QString>

class AppContext;

// The About box's buttons, shared with the main menu's Help items. They use
// no dialog state. "Check for Update" is an UpdateCheck (shell/VersionCheck.h)
// started with UpdateCheckKind::OnRequest.

// "Download Update": the updates page in the browser.
void OnDownloadUpdate(AppContext& context);
// "Visit our website": the home page in the browser.
void OnVisitWebsite(AppContext& context);

// The version line of the About box, "Version: 4.0.0.0".
QString AboutVersionText(AppContext& context);
