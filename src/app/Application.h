#pragma once

// Builds the application: profile, preferences, main window, the report
// named on the command line; runs it and returns the exit code.
int runApplication(int argc, char* argv[]);
