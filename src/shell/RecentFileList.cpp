#include "shell/RecentFileList.h"

#include "platform/Profile.h"

namespace {

const QString kRecentGroup = QStringLiteral("Recent File List");

QString keyOf(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

void writeRecentFiles(const QStringList& paths)
{
    const auto profile = openProfile();
    profile->beginGroup(kRecentGroup);
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (i < paths.size())
            profile->setValue(keyOf(i), paths.at(i));
        else
            profile->remove(keyOf(i));
    }
    profile->endGroup();
}

} // namespace

QStringList ReadRecentFiles()
{
    const auto profile = openProfile();
    profile->beginGroup(kRecentGroup);
    QStringList paths;
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString path = profile->value(keyOf(i)).toString();
        if (!path.isEmpty())
            paths << path;
    }
    profile->endGroup();
    return paths;
}

void AddRecentFile(const QString& path)
{
    QStringList paths = ReadRecentFiles();
    paths.removeAll(path);
    paths.prepend(path);
    while (paths.size() > kRecentFileCount)
        paths.removeLast();
    writeRecentFiles(paths);
}

void RemoveRecentFile(const QString& path)
{
    QStringList paths = ReadRecentFiles();
    paths.removeAll(path);
    writeRecentFiles(paths);
}
