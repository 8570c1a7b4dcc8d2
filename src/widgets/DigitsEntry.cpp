#include "widgets/DigitsEntry.h"

#include <algorithm>

QString DigitsEntryRefusal(
    const QString& inserted, qsizetype current, qsizetype selected, int maxDigits, const QString& notDigitsTip)
{
    if (!std::all_of(inserted.begin(), inserted.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return notDigitsTip;
    const qsizetype after = current - selected + inserted.size();
    if (maxDigits > 0 && after > maxDigits && after > current)
        return QStringLiteral("No more than %1 digits fit in this field.").arg(maxDigits);
    return {};
}
