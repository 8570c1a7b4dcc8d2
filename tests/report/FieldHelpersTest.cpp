#include "report/FieldHelpers.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct IntCase {
    const char16_t* text;
    qint32 expected;
};

void PrintTo(const IntCase& c, std::ostream* os)
{
    *os << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

class StringToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(StringToIntTest, ConvertsLikeStrtolWithSentinel)
{
    const IntCase c = GetParam();
    EXPECT_EQ(StringToInt(QString::fromUtf16(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, StringToIntTest,
                         ::testing::Values(IntCase{u"", 0}, IntCase{u"0", 0}, IntCase{u"   ", 999999},
                                           IntCase{u"-0", 0}, IntCase{u"\t42", 42}, IntCase{u"42\t", 999999},
                                           IntCase{u"42 ", 999999}, IntCase{u" \r\n\v\f42", 42},
                                           IntCase{u"+17", 17}, IntCase{u"-17", -17}, IntCase{u"007", 7},
                                           IntCase{u"12.5", 999999}, IntCase{u"1,000", 999999},
                                           IntCase{u"12a", 999999}, IntCase{u"$12", 999999}, IntCase{u"-", 999999},
                                           IntCase{u"+", 999999}, IntCase{u"+-1", 999999},
                                           IntCase{u"2147483647", 2147483647}, IntCase{u"2147483648", 2147483647},
                                           IntCase{u"99999999999", 2147483647},
                                           IntCase{u"-2147483648", -2147483647 - 1},
                                           IntCase{u"-99999999999", -2147483647 - 1},
                                           IntCase{u"000000000000000000042", 42}, IntCase{u"999999", 999999},
                                           IntCase{u"\u00a042", 999999}, IntCase{u"\uff14\uff12", 999999}));

TEST(TryStringToInt, TellsAFailedConversionFromTheNumber999999)
{
    EXPECT_EQ(TryStringToInt(QStringLiteral("999999")), 999999);
    EXPECT_EQ(TryStringToInt(QString()), 0);
    EXPECT_EQ(TryStringToInt(QStringLiteral(" -17")), -17);
    EXPECT_EQ(TryStringToInt(QStringLiteral("99999999999")), 2147483647);
    for (const char16_t* bad : {u"   ", u"12a", u"42 ", u"-", u"1,000", u"\uff14\uff12"})
        EXPECT_EQ(TryStringToInt(QString::fromUtf16(bad)), std::nullopt) << QString::fromUtf16(bad).toStdString();
}

TEST(IntToString, PlainDecimal)
{
    EXPECT_EQ(IntToString(-5), QStringLiteral("-5"));
    EXPECT_EQ(IntToString(0), QStringLiteral("0"));
    EXPECT_EQ(IntToString(999999999), QStringLiteral("999999999"));
    EXPECT_EQ(IntToString(2147483647), QStringLiteral("2147483647"));
}

TEST(PostcodeText, OneToNineHundredAndNinetyNineKeepTheirLeadingZeros)
{
    const std::pair<qint32, const char*> rows[] = { { 870, "0870" }, { 800, "0800" }, { 1, "0001" }, { 999, "0999" },
        { 1000, "1000" }, { 7000, "7000" }, { 9999, "9999" }, { 0, "0" }, { 12345, "12345" }, { -5, "-5" },
        { 999999, "999999" } };
    for (const auto& [stored, shown] : rows)
        EXPECT_EQ(PostcodeText(stored), QString::fromLatin1(shown)) << stored;
}

TEST(TrimString, RemovesAsciiWhiteSpaceAtBothEndsOnly)
{
    EXPECT_EQ(TrimString(QStringLiteral("  a  b  ")), QStringLiteral("a  b"));
    EXPECT_EQ(TrimString(QStringLiteral("\t\r\n a\v\f")), QStringLiteral("a"));
    EXPECT_EQ(TrimString(QStringLiteral("   ")), QString());
    // A no-break space is not ASCII white space.
    EXPECT_EQ(TrimString(QString::fromUtf16(u"\u00a0a\u00a0")), QString::fromUtf16(u"\u00a0a\u00a0"));
}

TEST(CollapseDoubleSpaces, ReducesBlankRunsOnly)
{
    EXPECT_EQ(CollapseDoubleSpaces(QStringLiteral("a     b")), QStringLiteral("a b"));
    EXPECT_EQ(CollapseDoubleSpaces(QStringLiteral("  a  ")), QStringLiteral(" a "));
    EXPECT_EQ(CollapseDoubleSpaces(QStringLiteral("a\t\tb")), QStringLiteral("a\t\tb"));
    EXPECT_EQ(CollapseDoubleSpaces(QString()), QString());
}

TEST(UTF16toUTF8, EncodesWithoutByteOrderMark)
{
    EXPECT_EQ(UTF16toUTF8(QString::fromUtf16(u"Caf\u00e9")), QByteArray("\x43\x61\x66\xC3\xA9"));
    EXPECT_EQ(UTF16toUTF8(QString()), QByteArray());
    EXPECT_EQ(UTF16toUTF8(QString::fromUtf16(u"\u20ac")), QByteArray("\xE2\x82\xAC"));
    EXPECT_EQ(UTF16toUTF8(QString::fromUtf16(u"\U0001F600")), QByteArray("\xF0\x9F\x98\x80"));
}

TEST(UTF16toUTF8, UnpairedSurrogateBecomesReplacementCharacter)
{
    QString text = QStringLiteral("a");
    text.append(QChar(char16_t(0xD800)));
    text.append(QLatin1Char('b'));
    EXPECT_EQ(UTF16toUTF8(text), QByteArray("a\xEF\xBF\xBD" "b"));
    QString lowOnly;
    lowOnly.append(QChar(char16_t(0xDC00)));
    EXPECT_EQ(UTF16toUTF8(lowOnly), QByteArray("\xEF\xBF\xBD"));
}

} // namespace
