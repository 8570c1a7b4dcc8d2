#include "platform/FolderProbe.h"

#include "platform/UserInterface.h"

bool ProveFolderWritable(FileSystem& files, UserInterface& ui, const QString& folder, const QString& rest)
{
    const FileResult probe = probeFolderWritable(files, folder);
    if (probe.ok())
        return true;
    ui.message(SorryText(probe.error, rest));
    return false;
}
