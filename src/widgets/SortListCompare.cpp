#include "widgets/SortListCompare.h"

#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "platform/Profile.h"

#include <QtEndian>

#include <climits>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int sign(int value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int compareInts(qint32 a, qint32 b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

int dateCompare(const QString& a, const QString& b)
{
    // Year, then month, then day.
    static const int starts[3] = {6, 3, 0};
    static const int lengths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        const int result = compareInts(LeadingInt(a.mid(starts[i], lengths[i])),
                                       LeadingInt(b.mid(starts[i], lengths[i])));
        if (result != 0)
            return result;
    }
    return 0;
}

int textCompare(const QString& a, const QString& b)
{
    return sign(QString::localeAwareCompare(a, b));
}

} // namespace

bool IsNumber(const QString& text)
{
    if (text.size() > 9)
        return false;
    for (const QChar c : text)
        if (!isDigit(c))
            return false;
    return true;
}

bool IsDate(const QString& text)
{
    if (text.size() != 10)
        return false;
    for (int i = 0; i < 10; ++i) {
        const bool slash = i == 2 || i == 5;
        if (slash ? text.at(i) != QLatin1Char('/') : !isDigit(text.at(i)))
            return false;
    }
    return true;
}

bool IsDecimalNumber(const QString& text)
{
    return text.size() >= 3 && isDigit(text.at(0)) && text.at(text.size() - 3) == QLatin1Char('.');
}

SortKind SortKindOf(const QString& first)
{
    if (IsNumber(first))
        return SortKind::Number;
    if (IsDate(first))
        return SortKind::Date;
    if (IsDecimalNumber(first) && StringToInt(first.left(first.indexOf(QLatin1Char('.')))) != kNotANumber)
        return SortKind::Amount;
    return SortKind::Text;
}

qint32 LeadingInt(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text.at(i) == QLatin1Char(' ') || (text.at(i) >= QChar(9) && text.at(i) <= QChar(13))))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < n && isDigit(text.at(i)); ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > qint64(INT_MAX) + 1)
            value = qint64(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return qint32(value);
}

int CompareSortTexts(const QString& first, const QString& second, bool ascending)
{
    const QString& a = ascending ? first : second;
    const QString& b = ascending ? second : first;
    switch (SortKindOf(first)) {
    case SortKind::Number:
    case SortKind::Amount: // only the whole-dollar parts count
        return compareInts(LeadingInt(a), LeadingInt(b));
    case SortKind::Date:
        return dateCompare(a, b);
    case SortKind::Text:
        break;
    }
    return textCompare(a, b);
}

std::vector<int> SortedRowOrder(const std::vector<QStringList>& rows, int column, bool ascending)
{
    const int n = int(rows.size());
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    auto cell = [&](int row) { return column >= 0 && column < rows[row].size() ? rows[row].at(column) : QString(); };

    // Bottom-up merge sort: takes the left run's row unless the right one
    // compares strictly before it, so equal rows keep their order.
    std::vector<int> buffer(n);
    for (int width = 1; width < n; width *= 2) {
        for (int left = 0; left < n; left += 2 * width) {
            const int mid = std::min(left + width, n);
            const int right = std::min(left + 2 * width, n);
            int i = left, j = mid, k = left;
            while (i < mid && j < right) {
                if (CompareSortTexts(cell(order[j]), cell(order[i]), ascending) < 0)
                    buffer[k++] = order[j++];
                else
                    buffer[k++] = order[i++];
            }
            while (i < mid)
                buffer[k++] = order[i++];
            while (j < right)
                buffer[k++] = order[j++];
        }
        order.swap(buffer);
    }
    return order;
}

bool ClickDirection(int clicked, int sortColumn, bool ascending)
{
    return clicked == sortColumn ? !ascending : true;
}

bool SortAllowed(const AppContext& context)
{
    return context.report().payeeMode != 4;
}

void RememberSort(AppContext& context, int column, bool ascending)
{
    context.sortColumn = column;
    context.sortAscending = ascending ? 1 : 0;
}

QByteArray EncodeColumnLayout(const std::vector<qint32>& widths)
{
    QByteArray bytes;
    auto put = [&bytes](qint32 value) {
        char word[4];
        qToLittleEndian(value, word);
        bytes.append(word, 4);
    };
    put(qint32(widths.size()));
    for (const qint32 width : widths)
        put(width);
    return bytes;
}

std::vector<qint32> DecodeColumnLayout(const QByteArray& value, int columnCount)
{
    std::vector<qint32> widths;
    if (value.size() < 4 || qFromLittleEndian<qint32>(value.constData()) != columnCount)
        return widths;
    for (int i = 0; i < columnCount && 4 + 4 * (i + 1) <= value.size(); ++i)
        widths.push_back(qFromLittleEndian<qint32>(value.constData() + 4 + 4 * i));
    return widths;
}

std::vector<qint32> ReadColumnLayout(const QString& valueName, int columnCount)
{
    const auto profile = openProfile();
    profile->beginGroup(QString::fromLatin1(kListCtrlsGroup));
    const QByteArray value = profile->value(valueName).toByteArray();
    profile->endGroup();
    return DecodeColumnLayout(value, columnCount);
}
