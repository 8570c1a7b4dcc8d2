#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class AppContext;

// The profile value (section "ListCtrls") that holds the column widths of
// every sortable list: the three lists share it.
inline const QString kSortListLayoutValue = QStringLiteral("1031");

enum class SortKind { Number, Date, Amount, Text };

// Empty, or 1 to 9 decimal digits.
bool IsNumber(const QString& text);
// dd/mm/yyyy: ten characters, digits everywhere but the two slashes.
bool IsDate(const QString& text);
// At least three characters, a leading digit and "." third from the end.
bool IsDecimalNumber(const QString& text);

// The kind of comparison, decided from the first operand alone. An amount
// whose whole-dollar part does not convert is compared as text.
SortKind SortKindOf(const QString& first);

// Leading blanks, an optional sign, then decimal digits; 0 when there are
// none; clamped to the int range.
qint32 LeadingInt(const QString& text);

// -1, 0 or 1: the order of two cells of the sorted column. For a descending
// sort the operands are swapped; the kind still follows `first`.
int CompareSortTexts(const QString& first, const QString& second, bool ascending);

// The row order after sorting `rows` by `column`: a stable merge sort that
// stays within bounds whatever the comparison answers (a column of numbers
// and words does not compare consistently).
std::vector<int> SortedRowOrder(const std::vector<QStringList>& rows, int column, bool ascending);

// The direction a click on `clicked` sorts in: the sorted column flips,
// any other column starts ascending.
bool ClickDirection(int clicked, int sortColumn, bool ascending);

// False while a payee is being added: the lists then do not sort at all.
bool SortAllowed(const AppContext& context);
// Keeps the last sort for the lists that refill and sort again.
void RememberSort(AppContext& context, int column, bool ascending);

// The stored column layout: int32 count, then one int32 width per column,
// little-endian.
QByteArray EncodeColumnLayout(const std::vector<qint32>& widths);
// The widths to apply to a list of `columnCount` columns: none when the
// stored count differs; only those present when the value is cut short.
std::vector<qint32> DecodeColumnLayout(const QByteArray& value, int columnCount);
// Reads the layout value of the profile (nothing ever writes it).
std::vector<qint32> ReadColumnLayout(const QString& valueName, int columnCount);
