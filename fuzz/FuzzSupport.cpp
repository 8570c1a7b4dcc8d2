#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

void fuzzFailure(const char* file, int line, const char* what, const QString& detail)
{
    std::fprintf(stderr, "\n%s:%d: behaviour check failed: %s\n%s\n", file, line, what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

Answer FuzzUi::message(const QString& text, MessageButtons buttons, MessageIcon)
{
    texts.append(text);
    return buttons == MessageButtons::Ok ? Answer::Ok : answer;
}

FileResult MemoryFileSystem::readAll(const QString& path, QByteArray& contents)
{
    const auto found = files.find(path);
    if (found == files.end())
        return { FileError::NotFound, QStringLiteral("No such file or directory") };
    contents = found->second;
    return {};
}

namespace {

class MemoryWriter : public FileWriter
{
public:
    MemoryWriter(std::map<QString, QByteArray>& files, QString path)
        : m_files(files)
        , m_path(std::move(path))
    {
    }
    void append(const char* data, qsizetype size) override { m_bytes.append(data, size); }
    FileResult status() const override { return {}; }
    FileResult finish(bool) override { return {}; }
    FileResult commit() override
    {
        m_files[m_path] = m_bytes;
        return {};
    }
    FileResult commitNew(const QString& target) override
    {
        if (m_files.count(target) != 0)
            return { FileError::AlreadyExists, QStringLiteral("File exists") };
        m_files[target] = m_bytes;
        return {};
    }
    void cancel() override { m_bytes.clear(); }

private:
    std::map<QString, QByteArray>& m_files;
    QString m_path;
    QByteArray m_bytes;
};

} // namespace

std::unique_ptr<FileWriter> MemoryFileSystem::startWrite(const QString& path)
{
    return std::make_unique<MemoryWriter>(files, path);
}

FileResult MemoryFileSystem::createExclusive(const QString& path, const QByteArray& contents)
{
    if (!files.emplace(path, contents).second)
        return { FileError::AlreadyExists, QStringLiteral("File exists") };
    return {};
}

FileResult MemoryFileSystem::remove(const QString& path)
{
    if (files.erase(path) == 0)
        return { FileError::NotFound, QStringLiteral("No such file or directory") };
    return {};
}

FileResult MemoryFileSystem::makeFolder(const QString&)
{
    return {};
}

FileResult MemoryFileSystem::rename(const QString& from, const QString& to)
{
    const auto found = files.find(from);
    if (found == files.end())
        return { FileError::NotFound, QStringLiteral("No such file or directory") };
    files[to] = found->second;
    files.erase(from);
    return {};
}

quint8 FuzzInput::takeByte()
{
    return m_pos < m_bytes.size() ? quint8(m_bytes.at(m_pos++)) : 0;
}
