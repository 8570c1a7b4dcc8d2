#include "FolderProbe.h"

#include "UserInterface.h"

QString SorryText(FileError error, const QString& rest)
{
    const QString prefix = error == FileError::AccessDenied ? QStringLiteral("Sorry1 - ") : QStringLiteral("Sorry3 - ");
    return prefix + rest;
}

bool ProveFolderWritable(FileSystem& files, UserInterface& ui, const QString& folder, const QString& rest)
{
    const FileResult probe = probeFolderWritable(files, folder);
    if (probe.ok())
        return true;
    ui.message(SorryText(probe.error, rest));
    return false;
}
