#include "transfer/TabDelimitedText.h"

#include "report/Windows1252.h"

bool RawLineReader::next(QByteArrayView& line)
{
    const qsizetype size = m_bytes.size();
    if (m_pos >= size)
        return false;
    qsizetype end = m_bytes.indexOf('\n', m_pos);
    if (end < 0) {
        line = m_bytes.sliced(m_pos);
        m_pos = size;
    } else {
        line = m_bytes.sliced(m_pos, end - m_pos);
        m_pos = end + 1;
    }
    return true;
}

bool IsValidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        char32_t cp = 0;
        char32_t least = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
            cp = b & 0x1F;
            least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            cp = b & 0x0F;
            least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            cp = b & 0x07;
            least = 0x10000;
        } else {
            return false;
        }
        if (n - i <= more)
            return false;
        for (int k = 1; k <= more; ++k) {
            const unsigned char c = p[i + k];
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

TextEncoding DetectTextEncoding(QByteArrayView bytes)
{
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString DecodeLine(QByteArrayView line, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(line);
    return decodeWindows1252(line.data(), line.size());
}

void ParseTabDelimitedLine(QStringList& fields, QStringView line)
{
    const qsizetype n = line.size();
    qsizetype p = 0;
    qsizetype k = 0;
    while (p < n) {
        QString field;
        if (line[p] == u'"') {
            ++p;
            while (p < n) {
                const QChar c = line[p];
                if (c != u'"') {
                    field.append(c);
                    ++p;
                } else if (p + 1 < n && line[p + 1] == u'"') {
                    field.append(u'"');
                    p += 2;
                } else {
                    // The closing quote, then one character taken as the separator.
                    ++p;
                    if (p < n)
                        ++p;
                    break;
                }
            }
        } else {
            const qsizetype start = p;
            while (p < n && line[p] != u'\t' && line[p] != u'\r')
                ++p;
            field = line.sliced(start, p - start).toString();
            if (p < n)
                ++p;
        }
        if (k < fields.size())
            fields[k] = std::move(field);
        else
            fields.append(std::move(field));
        ++k;
    }
    fields.resize(k);
}

void AppendTabDelimitedField(QString& line, QStringView value)
{
    // A line feed would end the line wherever it stands, quoted or not; a
    // field has no use for one, so it goes out as a blank.
    const bool quoted = value.contains(u'\t') || value.contains(u'\r') || value.startsWith(u'"');
    if (!quoted && !value.contains(u'\n')) {
        line.append(value);
        return;
    }
    if (quoted)
        line.append(u'"');
    for (const QChar c : value) {
        if (c == u'"' && quoted)
            line.append(u'"');
        line.append(c == u'\n' ? QChar(u' ') : c);
    }
    if (quoted)
        line.append(u'"');
}

QString TabDelimitedField(const QString& value)
{
    QString quoted;
    AppendTabDelimitedField(quoted, value);
    return quoted;
}
