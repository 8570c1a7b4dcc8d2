#pragma once

#include "platform/FileSystem.h"

#include <QString>

#include <map>

// The real file system, except that chosen operations on chosen paths fail
// with a chosen kind. Tests run as root, where permissions deny nothing.
class FaultyFileSystem : public LocalFileSystem {
public:
    enum class Op { Read, Write, Create, Remove, MakeFolder, Rename, FlushNames };

    FaultyFileSystem() = default;
    // The system calls of naming a file and flushing its folder as played.
    explicit FaultyFileSystem(const NamingCalls& naming)
        : LocalFileSystem(naming)
    {
    }

    // Every op on a path that starts with prefix fails with error.
    void fail(Op op, const QString& prefix, FileError error)
    {
        m_faults[{op, prefix}] = {error, QStringLiteral("injected")};
    }
    // The same with the system's reason, e.g. fileFailure(ENOSPC).
    void fail(Op op, const QString& prefix, const FileResult& failure) { m_faults[{op, prefix}] = failure; }
    // Only op on path itself fails, not on the paths it starts.
    void failOnly(Op op, const QString& path, FileError error)
    {
        m_exactFaults[{op, path}] = {error, QStringLiteral("injected")};
    }
    void clear()
    {
        m_faults.clear();
        m_exactFaults.clear();
    }

    FileResult readAll(const QString& path, QByteArray& contents) override;
    std::unique_ptr<FileWriter> startWrite(const QString& path) override;
    FileResult createExclusive(const QString& path, const QByteArray& contents) override;
    FileResult remove(const QString& path) override;
    FileResult makeFolder(const QString& path) override;
    FileResult rename(const QString& from, const QString& to) override;
    FileResult flushNames(const QString& folder) override;

private:
    FileResult faultFor(Op op, const QString& path) const;
    std::map<std::pair<Op, QString>, FileResult> m_faults;
    std::map<std::pair<Op, QString>, FileResult> m_exactFaults;
};
