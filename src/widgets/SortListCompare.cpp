#include "widgets/SortListCompare.h"

#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "platform/Profile.h"

#include <QCollator>
#include <QCollatorSortKey>
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

// The locale's text order. Sorting compares the collator's keys of the
// cells, which order exactly as its comparison does.
const QCollator& textCollator()
{
    static const QCollator collator;
    return collator;
}

int textCompare(const QString& a, const QString& b)
{
    return sign(textCollator().compare(a, b));
}

// Day/month/year of any text as one number that orders as dateCompare
// does: year, then month, then day. The parts of a text that is no date
// read as LeadingInt reads them (-999..9999 for the year, -9..99 for the
// others), so the two low bytes never overflow.
qint64 dateKey(const QString& text)
{
    const qint64 year = LeadingInt(text.mid(6, 4));
    const qint64 month = LeadingInt(text.mid(3, 2)) + 16;
    const qint64 day = LeadingInt(text.mid(0, 2)) + 16;
    return (year * 256 + month) * 256 + day;
}

template <class T>
int compareValues(const T& a, const T& b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// What a comparison needs of each cell of the sorted column, worked out
// once per cell instead of at every comparison.
class ColumnKeys {
public:
    ColumnKeys(const std::vector<QStringList>& rows, int column)
    {
        const size_t n = rows.size();
        m_kind.reserve(n);
        m_number.reserve(n);
        m_date.reserve(n);
        bool anyText = false;
        for (const QStringList& row : rows) {
            const QString cell = column >= 0 && column < row.size() ? row.at(column) : QString();
            const SortKind kind = SortKindOf(cell);
            anyText = anyText || kind == SortKind::Text;
            m_kind.push_back(kind);
            m_number.push_back(LeadingInt(cell));
            m_date.push_back(dateKey(cell));
        }
        // Text keys only when some cell compares as text: every other cell
        // may then be its second operand.
        if (!anyText)
            return;
        // The C locale compares UTF-16 units, which its keys do not follow.
        m_ordinal = textCollator().locale().language() == QLocale::C;
        for (const QStringList& row : rows) {
            const QString cell = column >= 0 && column < row.size() ? row.at(column) : QString();
            if (m_ordinal)
                m_plain.push_back(cell);
            else
                m_text.push_back(textCollator().sortKey(cell));
        }
    }

    // CompareSortTexts of the cells of rows `first` and `second`.
    int compare(int first, int second, bool ascending) const
    {
        const int a = ascending ? first : second;
        const int b = ascending ? second : first;
        switch (m_kind[first]) {
        case SortKind::Number:
        case SortKind::Amount:
            return compareValues(m_number[a], m_number[b]);
        case SortKind::Date:
            return compareValues(m_date[a], m_date[b]);
        case SortKind::Text:
            break;
        }
        if (m_ordinal)
            return sign(QString::compare(m_plain[a], m_plain[b]));
        return sign(m_text[a].compare(m_text[b]));
    }

private:
    std::vector<SortKind> m_kind;
    std::vector<qint32> m_number;
    std::vector<qint64> m_date;
    bool m_ordinal = false;
    std::vector<QString> m_plain;
    std::vector<QCollatorSortKey> m_text;
};

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
    if (n < 2)
        return order;
    const ColumnKeys keys(rows, column);

    // Bottom-up merge sort: takes the left run's row unless the right one
    // compares strictly before it, so equal rows keep their order.
    std::vector<int> buffer(n);
    for (int width = 1; width < n; width *= 2) {
        for (int left = 0; left < n; left += 2 * width) {
            const int mid = std::min(left + width, n);
            const int right = std::min(left + 2 * width, n);
            int i = left, j = mid, k = left;
            while (i < mid && j < right) {
                if (keys.compare(order[j], order[i], ascending) < 0)
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
