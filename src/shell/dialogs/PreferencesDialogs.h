#pragma once

class AppContext;
class QtUserInterface;

// Registers "CSettings", "CAllowances1", "COrganisations1" and "CAboutDlg".
void registerPreferencesDialogs(QtUserInterface& ui, AppContext& context);
