#include "widgets/NumberListTypeAhead.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace
{

QStringList numbers(int from, int to, int width)
{
    QStringList items;
    const int step = from <= to ? 1 : -1;
    for (int n = from; n != to + step; n += step)
        items << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return items;
}

// The lists of the payee forms: days and months with and without "00" for
// a part of a birth date not given, payment years, and birth years from
// "0000" down.
const QStringList kDays = numbers(1, 31, 2);
const QStringList kBirthDays = numbers(0, 31, 2);
const QStringList kMonths = numbers(1, 12, 2);
const QStringList kBirthMonths = numbers(0, 12, 2);
const QStringList kYears = numbers(2011, 2027, 4);
const QStringList kBirthYears = QStringList { QStringLiteral("0000") } + numbers(2019, 1900, 4);
const QStringList kNoneFirst = QStringList { QStringLiteral("-") } + numbers(1, 12, 2);

struct Case {
    const char* name;
    const QStringList& items;
    // Keys typed within the type-ahead time of each other; a blank stands
    // for the time passing.
    const char* keys;
    const char* selected; // the item selected after the last key; "" for none
    const char* typed; // the digits that stand after it
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class TypedIntoNumberList : public ::testing::TestWithParam<Case>
{
};

TEST_P(TypedIntoNumberList, SelectsTheNumberTyped)
{
    const Case& c = GetParam();
    QString typed;
    int selected = -1;
    for (const char key : std::string(c.keys)) {
        if (key == ' ') {
            typed.clear();
            continue;
        }
        const NumberListTypeAhead out = NumberListTyped(c.items, typed, QChar::fromLatin1(key));
        typed = out.typed;
        if (out.index >= 0)
            selected = out.index;
    }
    EXPECT_EQ(selected < 0 ? QString() : c.items.at(selected), QString::fromLatin1(c.selected));
    EXPECT_EQ(typed, QString::fromLatin1(c.typed));
}

const Case kCases[] = {
    { "OneGivesOneNotTen", kDays, "1", "01", "1" },
    { "ThreeGivesThreeNotThirty", kDays, "3", "03", "3" },
    { "NineGivesNine", kDays, "9", "09", "9" },
    { "OneThenFiveGivesFifteen", kDays, "15", "15", "15" },
    { "OneThenAfterTheTimeFiveGivesFive", kDays, "1 5", "05", "5" },
    { "ZeroThenSevenGivesSeven", kDays, "07", "07", "07" },
    { "ZeroAloneGivesTheFirstDayStartingWithIt", kDays, "0", "01", "0" },
    { "ThirtyOne", kDays, "31", "31", "31" },
    { "ThreeThenTwoStartsOverWithTwo", kDays, "32", "02", "2" },
    { "ThreeDigitsStartOverWithTheLast", kDays, "153", "03", "3" },
    { "ZeroInABirthDayListGivesZeroZero", kBirthDays, "0", "00", "0" },
    { "ZeroZeroGivesZeroZero", kBirthDays, "00", "00", "00" },
    { "ZeroSevenInABirthDayList", kBirthDays, "07", "07", "07" },
    { "OneInABirthDayList", kBirthDays, "1", "01", "1" },
    { "SevenInAMonthList", kMonths, "7", "07", "7" },
    { "OneThenTwoGivesDecember", kMonths, "12", "12", "12" },
    { "OneThenZeroGivesOctober", kMonths, "10", "10", "10" },
    { "OneThenThreeStartsOverWithMarch", kMonths, "13", "03", "3" },
    { "TwoThenZeroStartsOverWithTheZero", kMonths, "20", "01", "0" },
    { "ZeroInABirthMonthList", kBirthMonths, "0", "00", "0" },
    { "YearByItsFourDigits", kBirthYears, "1985", "1985", "1985" },
    { "YearFirstDigitGivesTheFirstYearStartingWithIt", kBirthYears, "1", "1999", "1" },
    { "YearThreeDigits", kBirthYears, "198", "1989", "198" },
    { "YearNotGiven", kBirthYears, "0000", "0000", "0000" },
    { "YearZeroAlone", kBirthYears, "0", "0000", "0" },
    { "PaymentYear", kYears, "2015", "2015", "2015" },
    { "PaymentYearTwoGivesTheFirst", kYears, "2", "2011", "2" },
    { "YearThatIsNotThereStartsOverAndFindsNothing", kYears, "2030", "2011", "" },
    { "NothingFoundSelectsNothing", kYears, "9", "", "" },
    { "OneThenAfterTheTimeNineGivesSeptember", kMonths, "1 9", "09", "9" },
    { "ADigitNoYearStartsWithLeavesTheYear", kYears, "20 9", "2011", "" },
    { "TheNoneItemIsNeverTyped", kNoneFirst, "0", "01", "0" },
    { "AListWithANoneItem", kNoneFirst, "5", "05", "5" },
};

INSTANTIATE_TEST_SUITE_P(Cases, TypedIntoNumberList, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(NumberListTypeAhead, OnlyANonDigitChangesNothing)
{
    const NumberListTypeAhead out = NumberListTyped(kDays, QStringLiteral("1"), u'a');
    EXPECT_EQ(out.index, -1);
    EXPECT_EQ(out.typed, QString());
}

TEST(NumberListTypeAhead, AListOfNumbersIsDigitsWithPerhapsANoneItem)
{
    EXPECT_TRUE(IsNumberList(kDays));
    EXPECT_TRUE(IsNumberList(kBirthYears));
    EXPECT_TRUE(IsNumberList(kNoneFirst));
    EXPECT_TRUE(IsNumberList({ QString(), QStringLiteral("01") }));
    EXPECT_TRUE(IsNumberList({ QStringLiteral(" "), QStringLiteral("01") }));
    EXPECT_FALSE(IsNumberList({}));
    EXPECT_FALSE(IsNumberList({ QStringLiteral("-") }));
    EXPECT_FALSE(IsNumberList({ QStringLiteral("O"), QStringLiteral("A") }));
    EXPECT_FALSE(IsNumberList({ QStringLiteral("NSW"), QStringLiteral("01") }));
    EXPECT_FALSE(IsNumberList({ QStringLiteral("1.5"), QStringLiteral("2") }));
    EXPECT_FALSE(IsNumberList({ QStringLiteral("-1"), QStringLiteral("2") }));
    EXPECT_FALSE(IsNumberList({ QStringLiteral("\u0661"), QStringLiteral("2") })); // a digit of another script
}

} // namespace
