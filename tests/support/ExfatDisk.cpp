#include "support/ExfatDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr long kFuseMagic = 0x65735546;

QString findTool(const QString& name)
{
    QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return found;
}

} // namespace

bool ExfatDisk::run(const QString& tool, const QStringList& arguments, QString* output)
{
    const QString program = findTool(tool);
    if (program.isEmpty()) {
        m_reason = tool + QStringLiteral(" is not installed (packages exfat-fuse, exfatprogs)");
        return false;
    }
    QProcess process;
    process.start(program, arguments);
    // The FUSE daemon leaves the mount tool's output open: wait for the
    // tool's exit, not for the end of its output.
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_reason = tool + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return true;
}

ExfatDisk::ExfatDisk(qint64 bytes)
{
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("mounting a FUSE file system on a loop device needs root");
        return;
    }
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        m_reason = QStringLiteral("there is no /dev/fuse here");
        return;
    }
    if (!m_dir.isValid()) {
        m_reason = QStringLiteral("no temporary folder");
        return;
    }
    const QString image = m_dir.filePath(QStringLiteral("stick.img"));
    m_mountPoint = m_dir.filePath(QStringLiteral("stick"));
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(bytes) || !QDir().mkpath(m_mountPoint)) {
        m_reason = QStringLiteral("cannot make the disk image");
        return;
    }
    file.close();
    if (!run(QStringLiteral("mkfs.exfat"), {image}))
        return;
    // As root the FUSE driver wants a block device, as a real stick is.
    if (!run(QStringLiteral("losetup"), {QStringLiteral("--find"), QStringLiteral("--show"), image}, &m_device))
        return;
    if (!run(QStringLiteral("mount.exfat-fuse"), {m_device, m_mountPoint}))
        return;
    m_attached = true;
    struct statfs info {};
    if (::statfs(QFile::encodeName(m_mountPoint).constData(), &info) != 0 || info.f_type != kFuseMagic) {
        m_reason = QStringLiteral("the exFAT disk did not mount through FUSE");
        return;
    }
    m_mounted = true;
}

ExfatDisk::~ExfatDisk()
{
    if (m_attached)
        ::umount2(QFile::encodeName(m_mountPoint).constData(), 0);
    if (!m_device.isEmpty()) {
        // A device still held by the driver is freed when it lets go.
        QProcess::execute(findTool(QStringLiteral("losetup")), {QStringLiteral("--detach"), m_device});
    }
}
