#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A real file system of a few hundred kilobytes, mounted for one test, so
// that a full disk is the disk's own doing and not an injected failure.
// Mounting needs root; without it (or without tmpfs) reason() says why and
// the test skips.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes path directly (no temporary file), for the files a test starts with.
    static bool put(const QString& path, const QByteArray& bytes);
    // Takes every byte still free, so the next write fails for space.
    bool fill();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};
