#pragma once

class AppContext;

// What start-up does once the main window shows: the version check (or
// only reading the own version) and the first-run offer of the Preferences.
void RunStartupChecks(AppContext& context);
