#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <stdexcept>

// The binary archive of the report and Payer List files: little-endian
// 32-bit ints, strings as FF FE FF + length + UTF-16LE code units, and
// 8-byte signed timestamps (seconds since 1970 UTC).
class ArchiveWriter {
public:
    void reserve(qsizetype bytes) { m_bytes.reserve(bytes); }

    void writeInt(qint32 value);
    void writeTime(qint64 value);
    void writeText(const QString& text);

    void operator()(const qint32& value) { writeInt(value); }
    void operator()(const qint64& value) { writeTime(value); }
    void operator()(const QString& text) { writeText(text); }

    const QByteArray& bytes() const { return m_bytes; }
    QByteArray take() { return std::move(m_bytes); }

private:
    void writeRaw(const void* data, qsizetype size) { m_bytes.append(static_cast<const char*>(data), size); }
    QByteArray m_bytes;
};

// Thrown when the archive ends early or holds a length that cannot fit.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ArchiveReader {
public:
    explicit ArchiveReader(const QByteArray& bytes) : m_bytes(bytes) {}

    qint32 readInt();
    qint64 readTime();
    // Reads a UTF-16 string, or an 8-bit one (decoded as Windows-1252)
    // when the FF FE FF prefix is absent.
    QString readText();

    void operator()(qint32& value) { value = readInt(); }
    void operator()(qint64& value) { value = readTime(); }
    void operator()(QString& text) { text = readText(); }

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    qsizetype position() const { return m_pos; }

private:
    const char* take(qsizetype size);
    quint8 readByte();
    quint16 readWord();
    quint32 readDword();

    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};
