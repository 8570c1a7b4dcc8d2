#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <QtGlobal>

#include <array>
#include <stdexcept>

// The binary archive of the report and Payer List files: little-endian
// 32-bit ints, strings as FF FE FF + length + UTF-16LE code units, and
// 8-byte signed timestamps (seconds since 1970 UTC).
class ArchiveWriter {
public:
    ArchiveWriter() = default;
    // Takes the buffer for exactly `size` bytes at once (see ArchiveSize).
    explicit ArchiveWriter(qsizetype size);

    void reserve(qsizetype bytes);

    void writeInt(qint32 value) { qToLittleEndian(value, room(4)); }
    void writeTime(qint64 value) { qToLittleEndian(value, room(8)); }
    void writeText(const QString& text);

    void operator()(const qint32& value) { writeInt(value); }
    void operator()(const qint64& value) { writeTime(value); }
    void operator()(const QString& text) { writeText(text); }
    // A text held as UTF-8 is stored as any other text.
    void operator()(const QByteArray& utf8) { writeUtf8Text(utf8); }
    void writeUtf8Text(const QByteArray& utf8);

    // The bytes written so far.
    const QByteArray& bytes();
    QByteArray take();

    // The bytes a text of `length` UTF-16 code units takes.
    static qsizetype textSize(qsizetype length)
    {
        return 3 + (length < 0xFF ? 1 : length < 0xFFFE ? 3 : 7) + 2 * length;
    }

private:
    // Room for n more bytes at the end; the values are written straight into it.
    char* room(qsizetype n)
    {
        if (m_end - m_at < n)
            grow(n);
        char* at = m_at;
        m_at += n;
        return at;
    }
    void grow(qsizetype n);
    // Room for a text of length code units, its prefix written; the units go at the pointer.
    char* textRoom(qsizetype length);
    qsizetype written() const { return m_at ? m_at - m_bytes.constData() : 0; }

    // Sized to the room taken; the bytes written end at m_at.
    QByteArray m_bytes;
    char* m_at = nullptr;
    char* m_end = nullptr;
};

// The UTF-16 code units of a text given as UTF-8.
qsizetype utf16Length(const QByteArray& utf8);

// Counts the bytes a run of values takes, so the writer can take its buffer
// once: visited like ArchiveWriter.
struct ArchiveSize {
    qsizetype bytes = 0;

    void operator()(const qint32&) { bytes += 4; }
    void operator()(const qint64&) { bytes += 8; }
    void operator()(const QString& text) { bytes += ArchiveWriter::textSize(text.size()); }
    void operator()(const QByteArray& utf8) { bytes += ArchiveWriter::textSize(utf16Length(utf8)); }
};

// Thrown when the archive ends early or holds a length that cannot fit.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ArchiveReader {
public:
    explicit ArchiveReader(const QByteArray& bytes) : m_data(bytes.constData()), m_size(bytes.size())
    {
    }

    qint32 readInt() { return qFromLittleEndian<qint32>(take(4)); }
    qint64 readTime() { return qFromLittleEndian<qint64>(take(8)); }
    // Reads a UTF-16 string, or an 8-bit one (decoded as Windows-1252)
    // when the FF FE FF prefix is absent.
    QString readText();

    void operator()(qint32& value) { value = readInt(); }
    void operator()(qint64& value) { value = readTime(); }
    void operator()(QString& text) { text = readText(); }
    void operator()(QByteArray& utf8) { utf8 = readText().toUtf8(); }

    bool atEnd() const { return m_pos >= m_size; }
    qsizetype position() const { return m_pos; }

private:
    const char* take(qsizetype size)
    {
        if (size < 0 || size > m_size - m_pos)
            throw ArchiveError("the file ends early");
        const char* at = m_data + m_pos;
        m_pos += size;
        return at;
    }
    quint8 readByte() { return quint8(*take(1)); }
    quint16 readWord() { return qFromLittleEndian<quint16>(take(2)); }
    quint32 readDword() { return qFromLittleEndian<quint32>(take(4)); }
    QString readWideText(quint64 length);

    // Short texts repeat from record to record (type codes, date parts,
    // states, indicators): equal ones read recently share one string instead
    // of taking one allocation each.
    static constexpr quint64 kSharedLength = 16;
    std::array<QString, 4096> m_recent;

    const char* m_data; // of bytes the caller keeps alive
    qsizetype m_size;
    qsizetype m_pos = 0;
};
