#include "widgets/DigitsEntry.h"

#include <gtest/gtest.h>

namespace {

const QString kTip = QStringLiteral("Whole dollars only");
const QString kFull = QStringLiteral("No more than 8 digits fit in this field.");

// Every way text reaches a digits-only edit (a key, a paste, a drop) is
// judged here: a refused character is never dropped from what goes in.
TEST(DigitsEntry, RefusesAnyCharacterButADigitAndGrowthPastTheLimit)
{
    const struct {
        const char* inserted;
        qsizetype current;
        qsizetype selected;
        int maxDigits;
        QString expected;
    } cases[] = {
        {"7", 0, 0, 8, QString()},
        {"1200", 3, 0, 0, QString()},        // no limit
        {"1,200.50", 0, 0, 8, kTip},         // a paste is refused whole
        {"-", 0, 0, 8, kTip},
        {" ", 2, 0, 8, kTip},
        {"\u0661", 0, 0, 8, kTip},           // a digit of another script
        {"9", 8, 0, 8, kFull},               // past the limit
        {"9", 8, 1, 8, QString()},           // replacing a selected digit
        {"123", 7, 0, 8, kFull},
        {"5", 9, 2, 8, QString()},           // a longer stored value may shrink
        {"55", 9, 1, 8, kFull},              // but never grow
        {"", 9, 0, 8, QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DigitsEntryRefusal(QString::fromUtf8(c.inserted), c.current, c.selected, c.maxDigits, kTip),
                  c.expected)
            << c.inserted << " into " << c.current;
    }
}

} // namespace
