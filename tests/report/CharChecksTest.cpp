#include "report/CharChecks.h"

#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

struct CharCase {
    int (*check)(const QString&);
    const char16_t* text;
    int expected;
};

void PrintTo(const CharCase& c, std::ostream* os)
{
    *os << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

class CharCheckTest : public ::testing::TestWithParam<CharCase> {};

TEST_P(CharCheckTest, FirstRefusedPosition)
{
    const CharCase c = GetParam();
    EXPECT_EQ(c.check(QString::fromUtf16(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CharCheckTest,
    ::testing::Values(
        CharCase{CheckTextChars, u"", 0}, CharCase{CheckTextChars, u"Bob.Smith", 4},
        CharCase{CheckTextChars, u"O\"Neil", 2}, CharCase{CheckTextChars, u"Jos\u00e9", 4},
        CharCase{CheckTextChars, u"Smith & Sons (Aust) Pty-Ltd #2 @ 50% {x} [y] |\\:;'<>?,/~`!$^*_+=", 0},
        CharCase{CheckTextChars, u"a\tb", 2}, CharCase{CheckPhoneChars, u"02.9999", 3},
        CharCase{CheckPhoneChars, u"+61 (02) 9999-1234", 0}, CharCase{CheckPhoneChars, u"02 x", 4},
        CharCase{CheckFileRefChars, u"Ref \"A\" #1 (x) & y/z-'q'", 0}, CharCase{CheckFileRefChars, u"a_b", 2},
        CharCase{CheckFileRefChars, u"a.b", 2}));

TEST(CCharCheck, RangeRulesAndStart)
{
    CCharCheck set;
    EXPECT_FALSE(set.AddRange('a', 'a'));
    EXPECT_FALSE(set.Contains(QLatin1Char('a')));
    EXPECT_FALSE(set.AddRange('z', 'a'));
    EXPECT_EQ(set.FindInvalid(QStringLiteral("a"), 1), 1); // an empty set refuses everything
    EXPECT_TRUE(set.AddRange('a', 'c'));
    EXPECT_EQ(set.FindInvalid(QStringLiteral("abxc"), 1), 3);
    EXPECT_EQ(set.FindInvalid(QStringLiteral("xabc"), 2), 0);
    EXPECT_EQ(set.FindInvalid(QStringLiteral("xabc"), 0), 1);
    EXPECT_EQ(set.FindInvalid(QStringLiteral("abc"), 9), 0);
    EXPECT_EQ(set.FindInvalid(QString(), 1), 0);
}

struct AbnCase {
    const char* text;
    bool valid;
    bool message;
};

void PrintTo(const AbnCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class CheckAbnTest : public ::testing::TestWithParam<AbnCase> {};

TEST_P(CheckAbnTest, ValidatesDigitsAndCheckSum)
{
    const AbnCase c = GetParam();
    ScriptedUi ui;
    EXPECT_EQ(CheckABN(QString::fromLatin1(c.text), ui), c.valid) << c.text;
    if (c.message) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("ABN must be 11 digits, no spaces."));
    } else {
        EXPECT_TRUE(ui.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckAbnTest,
                         ::testing::Values(AbnCase{"53004085616", true, false},  // a real ABN
                                           AbnCase{"51824753556", true, false},  // another
                                           AbnCase{"53004085617", false, false}, // wrong check digit
                                           AbnCase{"00000000000", true, false},  // placeholder
                                           // A zero or negative sum is not a real ABN.
                                           AbnCase{"10000000000", false, false},
                                           AbnCase{"01000000000", false, false},
                                           AbnCase{"00001000000", false, false},
                                           AbnCase{"20000000000", false, false},
                                           AbnCase{"00000200000", false, false},
                                           AbnCase{"5300408561", false, true}, AbnCase{"530040856160", false, true},
                                           AbnCase{"53 04085616", false, true}, AbnCase{"", false, true},
                                           AbnCase{"5300408561A", false, true}));

struct TfnCase {
    const char* text;
    bool valid;
};

void PrintTo(const TfnCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class CheckTfnTest : public ::testing::TestWithParam<TfnCase> {};

TEST_P(CheckTfnTest, ValidatesCheckSumAndPlaceholders)
{
    const TfnCase c = GetParam();
    EXPECT_EQ(CheckTFN(QString::fromLatin1(c.text)), c.valid) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckTfnTest,
                         ::testing::Values(TfnCase{"123456782", true}, TfnCase{"111111111", true},
                                           TfnCase{"000000000", true}, TfnCase{"333333333", true},
                                           TfnCase{"444444444", true}, TfnCase{"222222222", false},
                                           TfnCase{"123456789", false}, TfnCase{"987654321", false},
                                           TfnCase{"12345678", false}, TfnCase{"1234567820", false},
                                           TfnCase{"12345678X", false}, TfnCase{"12345678 ", false},
                                           TfnCase{"", false}));

} // namespace
