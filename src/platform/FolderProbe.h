#pragma once

#include "platform/FileSystem.h"

#include <QString>

class UserInterface;

// Proves a folder writable with a file of a unique name, created exclusively
// and deleted again, so nothing the user keeps there is ever touched. On a
// refusal shows the Sorry text built from rest and returns false.
bool ProveFolderWritable(FileSystem& files, UserInterface& ui, const QString& folder, const QString& rest);
