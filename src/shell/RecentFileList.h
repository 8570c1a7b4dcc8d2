#pragma once

#include <QString>
#include <QStringList>

// The recent-file list of the File menu: four reports, newest first, kept
// in the profile (group "Recent File List", keys "File1" to "File4").
inline constexpr int kRecentFileCount = 4;

QStringList ReadRecentFiles();
// Puts path at the top, dropping an older entry of the same path and any
// beyond four.
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);
