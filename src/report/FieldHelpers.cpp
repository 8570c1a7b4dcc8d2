#include "report/FieldHelpers.h"

#include "report/LargeBuffers.h"

#include <limits>

namespace {

bool isAsciiSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

void appendUtf8(QByteArray& out, char32_t cp)
{
    if (cp < 0x80) {
        out.append(char(cp));
    } else if (cp < 0x800) {
        out.append(char(0xC0 | (cp >> 6)));
        out.append(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.append(char(0xE0 | (cp >> 12)));
        out.append(char(0x80 | ((cp >> 6) & 0x3F)));
        out.append(char(0x80 | (cp & 0x3F)));
    } else {
        out.append(char(0xF0 | (cp >> 18)));
        out.append(char(0x80 | ((cp >> 12) & 0x3F)));
        out.append(char(0x80 | ((cp >> 6) & 0x3F)));
        out.append(char(0x80 | (cp & 0x3F)));
    }
}

} // namespace

QString IntToString(qint32 value)
{
    return QString::number(value);
}

QString PostcodeText(qint32 postcode)
{
    if (postcode >= 1 && postcode <= 999)
        return QStringLiteral("%1").arg(postcode, 4, 10, QLatin1Char('0'));
    return IntToString(postcode);
}

qint32 StringToInt(const QString& text)
{
    return TryStringToInt(text).value_or(kNotANumber);
}

std::optional<qint32> TryStringToInt(const QString& text)
{
    // Only ASCII counts as white space, sign or digit, so working on the
    // UTF-16 units gives what parsing the UTF-8 bytes would.
    const qsizetype n = text.size();
    if (n == 0)
        return 0;
    qsizetype i = 0;
    while (i < n && isAsciiSpace(text.at(i).unicode()))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    qint64 magnitude = 0;
    bool overflow = false;
    while (i < n && text.at(i) >= u'0' && text.at(i) <= u'9') {
        if (!overflow) {
            magnitude = magnitude * 10 + (text.at(i).unicode() - u'0');
            if (magnitude > qint64(std::numeric_limits<qint32>::max()) + 1)
                overflow = true;
        }
        ++i;
    }
    if (i == firstDigit || i != n)
        return std::nullopt;
    if (negative) {
        if (overflow || magnitude > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::numeric_limits<qint32>::min();
        return qint32(-magnitude);
    }
    if (overflow || magnitude > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return qint32(magnitude);
}

QString TrimString(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isAsciiSpace(text.at(start).unicode()))
        ++start;
    while (end > start && isAsciiSpace(text.at(end - 1).unicode()))
        --end;
    return text.mid(start, end - start);
}

QString CollapseDoubleSpaces(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == u' ' && result.endsWith(u' '))
            continue;
        result.append(c);
    }
    return result;
}

QByteArray UTF16toUTF8(const QString& text)
{
    const qsizetype n = text.size();
    // Most texts written are ASCII, which is its own UTF-8: copied straight
    // into a buffer of the text's size until the first other character.
    QByteArray out = uninitializedBytes(n);
    const QChar* chars = text.constData();
    char* ascii = out.data();
    qsizetype i = 0;
    for (; i < n && chars[i].unicode() < 0x80; ++i)
        ascii[i] = char(chars[i].unicode());
    if (i == n)
        return out;
    out.truncate(i);
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(c, text.at(i + 1).unicode()));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}
