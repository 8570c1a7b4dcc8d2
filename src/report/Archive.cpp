#include "report/Archive.h"

#include "report/Windows1252.h"

#include <QtEndian>

void ArchiveWriter::writeInt(qint32 value)
{
    const qint32 le = qToLittleEndian(value);
    writeRaw(&le, 4);
}

void ArchiveWriter::writeTime(qint64 value)
{
    const qint64 le = qToLittleEndian(value);
    writeRaw(&le, 8);
}

void ArchiveWriter::writeText(const QString& text)
{
    static const char unicodeMark[3] = {char(0xFF), char(0xFE), char(0xFF)};
    writeRaw(unicodeMark, 3);
    const auto length = quint64(text.size());
    if (length < 0xFF) {
        const quint8 b = quint8(length);
        writeRaw(&b, 1);
    } else if (length < 0xFFFE) {
        const quint8 b = 0xFF;
        writeRaw(&b, 1);
        const quint16 w = qToLittleEndian(quint16(length));
        writeRaw(&w, 2);
    } else {
        const quint8 b = 0xFF;
        writeRaw(&b, 1);
        const quint16 w = 0xFFFF;
        writeRaw(&w, 2);
        const quint32 d = qToLittleEndian(quint32(length));
        writeRaw(&d, 4);
    }
    const qsizetype start = m_bytes.size();
    m_bytes.resize(start + text.size() * 2);
    char* out = m_bytes.data() + start;
    const char16_t* in = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i) {
        out[2 * i] = char(in[i] & 0xFF);
        out[2 * i + 1] = char(in[i] >> 8);
    }
}

const char* ArchiveReader::take(qsizetype size)
{
    if (size < 0 || size > m_bytes.size() - m_pos)
        throw ArchiveError("the file ends early");
    const char* at = m_bytes.constData() + m_pos;
    m_pos += size;
    return at;
}

quint8 ArchiveReader::readByte()
{
    return quint8(*take(1));
}

quint16 ArchiveReader::readWord()
{
    return qFromLittleEndian<quint16>(take(2));
}

quint32 ArchiveReader::readDword()
{
    return qFromLittleEndian<quint32>(take(4));
}

qint32 ArchiveReader::readInt()
{
    return qFromLittleEndian<qint32>(take(4));
}

qint64 ArchiveReader::readTime()
{
    return qFromLittleEndian<qint64>(take(8));
}

QString ArchiveReader::readText()
{
    bool wide = false;
    quint64 length = readByte();
    if (length == 0xFF) {
        length = readWord();
        if (length == 0xFFFE) {
            wide = true;
            length = readByte();
            if (length == 0xFF)
                length = readWord();
        }
        if (length == 0xFFFF) {
            length = readDword();
            if (length == 0xFFFFFFFF)
                length = qFromLittleEndian<quint64>(take(8));
        }
    }
    const quint64 unit = wide ? 2 : 1;
    if (length > quint64(m_bytes.size() - m_pos) / unit)
        throw ArchiveError("a text is longer than the file");
    const char* data = take(qsizetype(length * unit));
    if (!wide)
        return decodeWindows1252(data, qsizetype(length));
    QString text(qsizetype(length), Qt::Uninitialized);
    QChar* out = text.data();
    for (quint64 i = 0; i < length; ++i)
        out[i] = QChar(char16_t(quint8(data[2 * i]) | (quint8(data[2 * i + 1]) << 8)));
    return text;
}
