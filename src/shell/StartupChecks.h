#pragma once

#include "shell/VersionCheck.h"

class AppContext;

// What start-up does once the main window shows: the version check (or
// only reading the own version) and the first-run offer of the Preferences.
// The check waits on the network in the background; the offer follows once
// it has ended. Destroying the object (the main window closing) ends a check
// still under way, and with it the offer.
class StartupChecks {
public:
    explicit StartupChecks(AppContext& context, VersionCheckOptions options = {});

    void start();
    // True while the version check waits for the server.
    bool checking() const { return m_check.running(); }

private:
    void offerPreferences();

    AppContext& m_context;
    VersionCheckOptions m_options;
    UpdateCheck m_check;
};
