#pragma once

class AppContext;

// Opens the help page in the browser; says so when it cannot.
void OpenHelp(AppContext& context);
