#include "support/FaultyFileSystem.h"

FileResult FaultyFileSystem::faultFor(Op op, const QString& path) const
{
    if (const auto exact = m_exactFaults.find({op, path}); exact != m_exactFaults.end())
        return exact->second;
    for (const auto& [key, failure] : m_faults) {
        if (key.first == op && path.startsWith(key.second))
            return failure;
    }
    return {};
}

#define QLS_INJECT(op, path)                                                                                           \
    if (const FileResult failure = faultFor(op, path); !failure.ok())                                                 \
        return failure;

FileResult FaultyFileSystem::readAll(const QString& path, QByteArray& contents)
{
    QLS_INJECT(Op::Read, path)
    return LocalFileSystem::readAll(path, contents);
}

std::unique_ptr<FileWriter> FaultyFileSystem::startWrite(const QString& path)
{
    if (const FileResult failure = faultFor(Op::Write, path); !failure.ok())
        return failedWriter(failure);
    return LocalFileSystem::startWrite(path);
}

FileResult FaultyFileSystem::createExclusive(const QString& path, const QByteArray& contents)
{
    QLS_INJECT(Op::Create, path)
    return LocalFileSystem::createExclusive(path, contents);
}

FileResult FaultyFileSystem::remove(const QString& path)
{
    QLS_INJECT(Op::Remove, path)
    return LocalFileSystem::remove(path);
}

FileResult FaultyFileSystem::makeFolder(const QString& path)
{
    QLS_INJECT(Op::MakeFolder, path)
    return LocalFileSystem::makeFolder(path);
}

FileResult FaultyFileSystem::rename(const QString& from, const QString& to)
{
    QLS_INJECT(Op::Rename, from)
    return LocalFileSystem::rename(from, to);
}

FileResult FaultyFileSystem::flushNames(const QString& folder)
{
    QLS_INJECT(Op::FlushNames, folder)
    return LocalFileSystem::flushNames(folder);
}
