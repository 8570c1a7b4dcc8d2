#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The user's profile: organisation "Torvek", application "QLS_R3".
// Tests redirect it with QSettings::setPath to a temporary folder.
inline constexpr const char* kProfileOrganisation = "Torvek";
inline constexpr const char* kProfileApplication = "QLS_R3";
inline constexpr const char* kUserPreferencesGroup = "User Preferences";
inline constexpr const char* kListCtrlsGroup = "ListCtrls";

std::unique_ptr<QSettings> openProfile();
