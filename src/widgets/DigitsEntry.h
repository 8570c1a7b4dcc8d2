#pragma once

#include <QString>

// What a digits-only edit says of text about to go in at its cursor, in
// place of `selected` characters of its `current` ones: empty when it may go
// in; otherwise the tip to show, notDigitsTip for any character but 0-9.
// With maxDigits above 0, a text may not grow past it; a longer stored text
// may still be mended, never lengthened.
QString DigitsEntryRefusal(
    const QString& inserted, qsizetype current, qsizetype selected, int maxDigits, const QString& notDigitsTip);
