#pragma once

#include <QString>
#include <QTemporaryDir>

// An exFAT file system mounted through FUSE for one test, as desktops mount
// a USB stick: it has neither a no-replace rename nor hard links. Mounting
// needs root, /dev/fuse, a loop device and the exfat-fuse and exfatprogs
// tools; without any of them reason() says why and the test skips.
class ExfatDisk {
public:
    explicit ExfatDisk(qint64 bytes = 16 * 1024 * 1024);
    ~ExfatDisk();
    ExfatDisk(const ExfatDisk&) = delete;
    ExfatDisk& operator=(const ExfatDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_mountPoint; }
    QString filePath(const QString& name) const { return m_mountPoint + QLatin1Char('/') + name; }

private:
    bool run(const QString& tool, const QStringList& arguments, QString* output = nullptr);

    QTemporaryDir m_dir;
    QString m_mountPoint;
    QString m_device;
    bool m_attached = false; // the driver answered, whatever it mounted
    bool m_mounted = false;
    QString m_reason;
};
