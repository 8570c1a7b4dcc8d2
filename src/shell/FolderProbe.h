#pragma once

#include "FileSystem.h"

#include <QString>

class UserInterface;

// The refusal text of a folder that cannot be written: "Sorry1 - " when the
// system said access is denied, "Sorry3 - " for any other failure, then the
// text of the place that asked.
QString SorryText(FileError error, const QString& rest);

// Proves a folder writable with a file of a unique name, created exclusively
// and deleted again, so nothing the user keeps there is ever touched. On a
// refusal shows the Sorry text built from rest and returns false.
bool ProveFolderWritable(FileSystem& files, UserInterface& ui, const QString& folder, const QString& rest);
