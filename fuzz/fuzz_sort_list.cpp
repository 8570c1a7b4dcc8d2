// The sortable list's comparison over any cell texts: answers are -1, 0 or
// 1, a text equals itself, the row order is always a permutation of the
// rows, and a column of numbers only comes out in numeric order.
#include "FuzzSupport.h"

#include "widgets/SortListCompare.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(fuzzBytes(data, size));
    const quint8 steer = input.takeByte();
    const int column = steer % 4 - 1; // -1 is a column no row has
    const bool ascending = (steer & 0x80) != 0;

    // Rows one a line, cells separated by tabs, as UTF-8.
    std::vector<QStringList> rows;
    for (const QByteArray& line : input.rest().split('\n'))
        rows.push_back(QString::fromUtf8(line).split(u'\t'));
    if (rows.size() > 64)
        rows.resize(64);

    QStringList cells;
    for (const QStringList& row : rows)
        cells.append(column >= 0 && column < row.size() ? row.at(column) : QString());

    for (const QString& a : cells) {
        FUZZ_CHECK(CompareSortTexts(a, a, ascending) == 0, a);
        for (const QString& b : cells) {
            const int result = CompareSortTexts(a, b, ascending);
            FUZZ_CHECK(result >= -1 && result <= 1, a + u'|' + b);
        }
    }

    const std::vector<int> order = SortedRowOrder(rows, column, ascending);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < int(sorted.size()); ++i)
        FUZZ_CHECK(sorted[size_t(i)] == i, QStringLiteral("the order is not a permutation of the rows"));
    FUZZ_CHECK(order.size() == rows.size(), QString());

    // Numbers of up to nine digits compare as numbers: ascending by value,
    // equal values in their original order.
    const bool allNumbers = std::all_of(cells.begin(), cells.end(), [](const QString& c) { return IsNumber(c); });
    if (allNumbers) {
        for (size_t i = 1; i < order.size(); ++i) {
            const qint32 previous = LeadingInt(cells.at(order[i - 1]));
            const qint32 next = LeadingInt(cells.at(order[i]));
            FUZZ_CHECK(ascending ? previous <= next : previous >= next, cells.join(u','));
            if (previous == next)
                FUZZ_CHECK(order[i - 1] < order[i], QStringLiteral("equal rows changed places"));
        }
    }
    return 0;
}
