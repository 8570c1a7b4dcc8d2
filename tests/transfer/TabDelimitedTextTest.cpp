#include "transfer/TabDelimitedText.h"

#include <gtest/gtest.h>

namespace {

QStringList split(const QString& line, QStringList fields = {})
{
    ParseTabDelimitedLine(fields, line);
    return fields;
}

QList<QByteArray> rawLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    RawLineReader reader(bytes);
    QByteArrayView line;
    while (reader.next(line))
        lines << line.toByteArray();
    return lines;
}

// ---- The splitter ----

struct SplitCase {
    const char* name;
    QString line;
    QStringList fields;
};

class SplitterTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitterTable, GivesTheFieldsOfTheLine)
{
    const SplitCase& c = GetParam();
    EXPECT_EQ(split(c.line), c.fields);
    // An array that held more elements before ends up the same.
    EXPECT_EQ(split(c.line, {"old1", "old2", "old3", "old4", "old5"}), c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitterTable,
    ::testing::Values(SplitCase{"EmptyMiddleField", "a\t\tc", {"a", "", "c"}},
                      SplitCase{"FinalTabStartsNoField", "a\tb\t", {"a", "b"}},
                      SplitCase{"FinalCrEndsAnEmptyField", "a\tb\t\r", {"a", "b", ""}},
                      SplitCase{"EmptyLine", "", {}}, SplitCase{"OnlyCr", "\r", {""}},
                      SplitCase{"QuotedTab", "\"x\ty\"\tz", {"x\ty", "z"}},
                      SplitCase{"DoubledQuote", "\"a\"\"b\"\tz", {"a\"b", "z"}},
                      SplitCase{"QuotedAtLineEnd", "\"ab\"", {"ab"}},
                      SplitCase{"UnclosedQuoteTakesTheRest", "\"ab\tc", {"ab\tc"}},
                      SplitCase{"CharacterAfterClosingQuoteIsTheSeparator", "\"ab\"cd\tz", {"ab", "d", "z"}},
                      SplitCase{"QuoteInsideAFieldIsOrdinary", "ab\"c", {"ab\"c"}},
                      SplitCase{"BlanksBelongToTheField", " a \t b ", {" a ", " b "}},
                      SplitCase{"QuotedCrAndLineEnd", "\"a\rb\"\r", {"a\rb"}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

// ---- Writing a field so that the splitter reads it back ----

TEST(TabDelimitedField, QuotesOnlyWhatTheSplitterWouldOtherwiseBreak)
{
    EXPECT_EQ(TabDelimitedField("plain"), "plain");
    EXPECT_EQ(TabDelimitedField(""), "");
    EXPECT_EQ(TabDelimitedField("a\"b"), "a\"b"); // a quote inside is ordinary
    EXPECT_EQ(TabDelimitedField("x\ty"), "\"x\ty\"");
    EXPECT_EQ(TabDelimitedField("x\ry"), "\"x\ry\"");
    EXPECT_EQ(TabDelimitedField("\"q\""), "\"\"\"q\"\"\"");
}

TEST(TabDelimitedField, ALineFeedIsWrittenAsABlankQuotedOrNot)
{
    EXPECT_EQ(TabDelimitedField("a\nb"), "a b");
    EXPECT_EQ(TabDelimitedField("\n"), " ");
    EXPECT_EQ(TabDelimitedField("a\r\nb"), "\"a\r b\"");
    EXPECT_EQ(TabDelimitedField("x\t\ny"), "\"x\t y\"");
    EXPECT_EQ(TabDelimitedField("\"q\n"), "\"\"\"q \"");
    EXPECT_FALSE(TabDelimitedField("a\n\n\"b\n").contains(u'\n'));
}

TEST(TabDelimitedField, EveryAwkwardValueComesBackUnchanged)
{
    const QStringList values{"x\ty", "a\"\tb", "\"", "\"lead", "tail\r", "\t", "", "Jos\u00e9"};
    QStringList cells;
    for (const QString& v : values)
        cells << TabDelimitedField(v);
    const QString line = cells.join(u'\t') + u'\r';
    EXPECT_EQ(split(line), values);
}

// ---- Raw lines ----

TEST(RawLineReader, EndsLinesAtLfAndKeepsTheCr)
{
    EXPECT_EQ(rawLines("a\r\nb\r\n"), (QList<QByteArray>{"a\r", "b\r"}));
    EXPECT_EQ(rawLines("a\nb\n"), (QList<QByteArray>{"a", "b"}));
    EXPECT_EQ(rawLines("a\nlast"), (QList<QByteArray>{"a", "last"}));
    EXPECT_EQ(rawLines("a\n\n"), (QList<QByteArray>{"a", ""}));
    EXPECT_EQ(rawLines("\r"), (QList<QByteArray>{"\r"}));
    EXPECT_TRUE(rawLines("").isEmpty());
}

// ---- Decoding ----

TEST(TextDecoding, Utf8AndWindows1252FilesBothGiveTheLetter)
{
    const QByteArray utf8("Jos\xc3\xa9\r\n");
    const QByteArray ansi("Jos\xe9\r\n");
    EXPECT_EQ(DetectTextEncoding(utf8), TextEncoding::Utf8);
    EXPECT_EQ(DetectTextEncoding(ansi), TextEncoding::Windows1252);
    EXPECT_EQ(DecodeLine(utf8, DetectTextEncoding(utf8)), QStringLiteral("Jos\u00e9\r\n"));
    EXPECT_EQ(DecodeLine(ansi, DetectTextEncoding(ansi)), QStringLiteral("Jos\u00e9\r\n"));
    // Windows-1252's own letters above 0x7F, not Latin-1's controls.
    EXPECT_EQ(DecodeLine("\x80\x93", TextEncoding::Windows1252), QStringLiteral("\u20ac\u201c"));
}

TEST(TextDecoding, OnlyStrictUtf8CountsAsUtf8)
{
    EXPECT_TRUE(IsValidUtf8("plain ascii\r\n"));
    EXPECT_TRUE(IsValidUtf8("\xe2\x82\xac \xf0\x9f\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xc0\xaf"));         // overlong
    EXPECT_FALSE(IsValidUtf8("\xed\xa0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xf4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("ab\xc3"));           // cut short at the end
    EXPECT_FALSE(IsValidUtf8("\xc3\x28"));         // continuation missing
}

} // namespace
