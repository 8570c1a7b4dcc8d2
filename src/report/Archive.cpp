#include "report/Archive.h"

#include "report/LargeBuffers.h"
#include "report/Windows1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace {

constexpr bool kLittleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;

} // namespace

ArchiveWriter::ArchiveWriter(qsizetype size)
    : m_bytes(uninitializedBytes(size)), m_at(m_bytes.data()), m_end(m_at + size)
{
}

void ArchiveWriter::reserve(qsizetype bytes)
{
    if (m_end - m_at < bytes - written())
        grow(bytes - written());
}

void ArchiveWriter::grow(qsizetype n)
{
    const qsizetype used = written();
    const qsizetype size = std::max({used + n, 2 * m_bytes.size(), qsizetype(256)});
    if (used == 0) {
        m_bytes = uninitializedBytes(size);
    } else {
        m_bytes.truncate(used);
        m_bytes.resize(size);
    }
    m_at = m_bytes.data() + used;
    m_end = m_bytes.data() + size;
}

const QByteArray& ArchiveWriter::bytes()
{
    m_bytes.truncate(written());
    // The next value goes through grow(), which detaches from any copy of
    // these bytes the caller keeps.
    m_end = m_at;
    return m_bytes;
}

QByteArray ArchiveWriter::take()
{
    m_bytes.truncate(written());
    m_at = m_end = nullptr;
    return std::move(m_bytes);
}

char* ArchiveWriter::textRoom(qsizetype length)
{
    char* out = room(textSize(length));
    *out++ = char(0xFF);
    *out++ = char(0xFE);
    *out++ = char(0xFF);
    if (length < 0xFF) {
        *out++ = char(length);
    } else if (length < 0xFFFE) {
        *out++ = char(0xFF);
        qToLittleEndian(quint16(length), out);
        out += 2;
    } else {
        *out++ = char(0xFF);
        qToLittleEndian(quint16(0xFFFF), out);
        qToLittleEndian(quint32(length), out + 2);
        out += 6;
    }
    return out;
}

void ArchiveWriter::writeText(const QString& text)
{
    const qsizetype length = text.size();
    char* out = textRoom(length);
    // constData() reads the text as the report holds it, without detaching it.
    const QChar* units = text.constData();
    if constexpr (kLittleEndian) {
        std::memcpy(out, units, size_t(length) * 2);
    } else {
        for (qsizetype i = 0; i < length; ++i)
            qToLittleEndian(units[i].unicode(), out + 2 * i);
    }
}

namespace {

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

// The text of UTF-8 bytes, a leading byte-order mark included: the text is
// the report's own, and must read back as it was stored.
QString decodedUtf8(const QByteArray& utf8)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(utf8);
}

} // namespace

qsizetype utf16Length(const QByteArray& utf8)
{
    return isAscii(utf8) ? utf8.size() : decodedUtf8(utf8).size();
}

void ArchiveWriter::writeUtf8Text(const QByteArray& utf8)
{
    // ASCII, as nearly every summary is, widens straight into place;
    // anything else is decoded first.
    if (!isAscii(utf8)) {
        writeText(decodedUtf8(utf8));
        return;
    }
    const qsizetype length = utf8.size();
    char* out = textRoom(length);
    const char* in = utf8.constData();
    for (qsizetype i = 0; i < length; ++i) {
        out[2 * i] = in[i];
        out[2 * i + 1] = 0;
    }
}

QString ArchiveReader::readText()
{
    // Nearly every text is UTF-16 and shorter than 255 code units.
    if (m_size - m_pos >= 4) {
        const auto* p = reinterpret_cast<const uchar*>(m_data + m_pos);
        if (p[0] == 0xFF && p[1] == 0xFE && p[2] == 0xFF && p[3] < 0xFF) {
            m_pos += 4;
            return readWideText(p[3]);
        }
    }
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
    if (wide)
        return readWideText(length);
    if (length > quint64(m_size - m_pos))
        throw ArchiveError("a text is longer than the file");
    const char* data = take(qsizetype(length));
    return decodeWindows1252(data, qsizetype(length));
}

QString ArchiveReader::readWideText(quint64 length)
{
    if (length > quint64(m_size - m_pos) / 2)
        throw ArchiveError("a text is longer than the file");
    if (length == 0)
        return QString();
    const char* data = take(qsizetype(length * 2));
    QString* recent = nullptr;
    if (kLittleEndian && length <= kSharedLength) {
        quint32 hash = 2166136261u ^ quint32(length);
        for (quint64 i = 0; i < length * 2; ++i)
            hash = (hash ^ uchar(data[i])) * 16777619u;
        recent = &m_recent[(hash ^ (hash >> 16)) % m_recent.size()];
        if (recent->size() == qsizetype(length) && std::memcmp(recent->constData(), data, size_t(length) * 2) == 0)
            return *recent;
    }
    QString text(qsizetype(length), Qt::Uninitialized);
    if constexpr (kLittleEndian) {
        std::memcpy(text.data(), data, size_t(length) * 2);
    } else {
        QChar* out = text.data();
        for (quint64 i = 0; i < length; ++i)
            out[i] = QChar(qFromLittleEndian<quint16>(data + 2 * i));
    }
    if (recent)
        *recent = text;
    return text;
}
