#pragma once

#include "platform/FileSystem.h"
#include "platform/UserInterface.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <map>

// What every fuzz target shares: the input as bytes, a user interface that
// records what it is shown, files held in memory, and a check that stops
// the run with a finding when a behaviour is wrong (not only on a crash).

// Stops the run: libFuzzer keeps the input that led here.
[[noreturn]] void fuzzFailure(const char* file, int line, const char* what, const QString& detail);

#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzFailure(__FILE__, __LINE__, #condition, (detail));                                                     \
    } while (false)

// The input without a copy; valid while the call lasts.
inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Records every message and answers each question with `answer`.
class FuzzUi : public UserInterface
{
public:
    QStringList texts;
    Answer answer = Answer::No;

    Answer message(const QString& text, MessageButtons buttons, MessageIcon icon) override;
    std::optional<QString> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool setClipboardText(const QString&) override { return true; }
    bool openUrl(const QString&) override { return false; }
    int runDialog(const QString&) override { return 0; }
    void beginWaitCursor() override { }
    void endWaitCursor() override { }
};

// Files in memory: a run never touches the disk.
class MemoryFileSystem : public FileSystem
{
public:
    std::map<QString, QByteArray> files;

    FileResult readAll(const QString& path, QByteArray& contents) override;
    std::unique_ptr<FileWriter> startWrite(const QString& path) override;
    FileResult flushFolder(const QString&) override { return {}; }
    FileResult flushNames(const QString&) override { return {}; }
    FileResult createExclusive(const QString& path, const QByteArray& contents) override;
    FileResult remove(const QString& path) override;
    FileResult makeFolder(const QString& path) override;
    FileResult rename(const QString& from, const QString& to) override;
    bool exists(const QString& path) override { return files.count(path) != 0; }
    bool isFolder(const QString&) override { return false; }
};

// Splits the input into a few small numbers that steer a target (a column,
// a direction) and the rest.
class FuzzInput
{
public:
    explicit FuzzInput(const QByteArray& bytes)
        : m_bytes(bytes)
    {
    }
    quint8 takeByte();
    QByteArray rest() const { return m_bytes.mid(m_pos); }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};
