#include "widgets/NumberListTypeAhead.h"

#include "report/FieldRules.h"

namespace
{

bool standsForNone(const QString& item)
{
    const QString trimmed = item.trimmed();
    return trimmed.isEmpty() || trimmed == u'-';
}

// The digits without their leading zeros; "0" for zero itself.
QStringView significant(const QString& digits)
{
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits.at(first) == u'0')
        ++first;
    return QStringView(digits).mid(first);
}

int matchingItem(const QStringList& items, const QString& typed)
{
    for (int i = 0; i < items.size(); ++i)
        if (items.at(i) == typed)
            return i;
    for (int i = 0; i < items.size(); ++i)
        if (IsDigits(items.at(i)) && items.at(i).size() >= typed.size()
            && significant(items.at(i)) == significant(typed))
            return i;
    for (int i = 0; i < items.size(); ++i)
        if (IsDigits(items.at(i)) && items.at(i).startsWith(typed))
            return i;
    return -1;
}

} // namespace

bool IsNumberList(const QStringList& items)
{
    bool number = false;
    for (const QString& item : items) {
        if (IsDigits(item))
            number = true;
        else if (!standsForNone(item))
            return false;
    }
    return number;
}

NumberListTypeAhead NumberListTyped(const QStringList& items, const QString& typedBefore, QChar digit)
{
    if (digit < u'0' || digit > u'9')
        return {};
    const QString typed = typedBefore + digit;
    if (const int index = matchingItem(items, typed); index >= 0)
        return { index, typed };
    if (!typedBefore.isEmpty())
        return NumberListTyped(items, {}, digit);
    return {};
}
