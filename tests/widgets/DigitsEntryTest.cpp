#include "widgets/DigitsEntry.h"

#include <gtest/gtest.h>

namespace {

const QString kTip = QStringLiteral("Digits please");
const QString kFull = QStringLiteral("No more than 8 digits fit in this field.");
const QString kCents = QStringLiteral("Whole dollars only: the cents are left out.");
const QString kOneAmount = QStringLiteral("One amount at a time: paste a single cell.");
const QString kOneNumber = QStringLiteral("One number at a time: paste a single cell.");

constexpr auto Amount = DigitsEntryKind::Amount;
constexpr auto Digits = DigitsEntryKind::Digits;

// An edit holding `text` with the cursor at its end, or `selected`
// characters before the end selected.
DigitsEntryEdit at(const char* text, qsizetype selected = 0, bool cents = false)
{
    const QString t = QString::fromUtf8(text);
    return {t, t.size() - selected, selected, cents};
}

struct Case {
    DigitsEntryKind kind;
    DigitsEntryEdit edit;
    const char* entered;
    const char* text; // the edit's text afterwards
    QString tip;
    bool cents = false;
};

void expect(const Case& c, const DigitsEntryOutcome& out)
{
    EXPECT_EQ(out.text, QString::fromUtf8(c.text));
    EXPECT_EQ(out.tip, c.tip);
    EXPECT_EQ(out.cents, c.cents);
}

// Each key's text, or an input method's commit, as it is typed; the cases
// run key by key where the typing has several keys.
TEST(DigitsEntry, TypingGivesWholeDollarsAndNeverHoldsUpTheKeysAfterARefusal)
{
    const Case cases[] = {
        {Amount, at(""), "7", "7", {}},
        {Amount, at("55"), "$", "55", {}},            // dropped without a word
        {Amount, at("55"), ",", "55", {}},
        {Amount, at("55"), " ", "55", {}},
        {Amount, at("55"), "\u00a0", "55", {}},       // a no-break blank too
        {Amount, at("1200"), ".", "1200", kCents, true},
        {Amount, at("1200", 0, true), "5", "1200", kCents, true}, // cents go nowhere
        {Amount, at("1200", 0, true), ",", "1200", {}, true},
        {Amount, at("12"), "a", "12", kTip},          // the keys after it go in
        {Amount, at("12"), "-", "12", kTip},
        {Amount, at("12"), "\u200c", "12", kTip},     // a format character
        {Amount, at("12"), "\ue000", "12", kTip},     // private use
        {Amount, at("12"), "\U0001F600", "12", kTip}, // an emoji
        {Amount, at("12"), "\u0661", "12", kTip},     // a digit of another script
        {Amount, at("12345678"), "9", "12345678", kFull},
        {Amount, at("12345678", 1), "9", "12345679", {}}, // replacing a selected digit
        {Amount, at("123456789", 2), "5", "12345675", {}}, // a longer stored value may shrink
        {Amount, at("123456789", 1), "55", "123456785", kFull}, // but never grow
        {Amount, at("9", 1), "$", "9", {}},           // a dropped key leaves the selection
        // One commit of an input method is judged as its keys would be.
        {Amount, at(""), "$55,000", "55000", {}},
        {Amount, at(""), "1,200.50", "1200", kCents, true},
        {Amount, at(""), "12a00", "1200", kTip},
        {Amount, at(""), "-5", "5", kTip},
        // Postcodes and IDs take digits only.
        {Digits, at("20"), "0", "200", {}},
        {Digits, at("20"), "$", "20", kTip},
        {Digits, at("20"), ".", "20", kTip},
        {Digits, at("20"), " ", "20", kTip},
        {Digits, at(""), "2a00", "200", kTip},
        {Digits, at("20", 0, true), "5", "205", {}},  // no cents in a postcode
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entered) + " after " + c.edit.text.toStdString());
        expect(c, DigitsEntryTyped(c.edit, QString::fromUtf8(c.entered), c.kind, 8, kTip));
    }
}

TEST(DigitsEntry, TheTableOfTypedAmountsKeyByKey)
{
    const struct {
        const char* keys;
        const char* text;
        QString lastTip;
    } cases[] = {
        {"$55,000", "55000", {}},
        {"1,200.50", "1200", kCents},
        {"1200.5", "1200", kCents},
        {"12a00", "1200", {}},
        {"-5", "5", {}},
    };
    for (const auto& c : cases) {
        DigitsEntryEdit edit;
        DigitsEntryOutcome out;
        for (const QChar key : QString::fromUtf8(c.keys)) {
            out = DigitsEntryTyped(edit, QString(key), Amount, 8, kTip);
            edit = {out.text, edit.selectionStart + out.inserted.size(), 0, out.cents};
        }
        EXPECT_EQ(edit.text, QString::fromUtf8(c.text)) << c.keys;
        EXPECT_EQ(out.tip, c.lastTip) << c.keys;
    }
}

TEST(DigitsEntry, APasteIsTakenWholeOrRefusedWhole)
{
    const Case cases[] = {
        {Amount, at("7"), "1200", "71200", {}},
        {Amount, at(""), "1200\n", "1200", {}},       // a spreadsheet cell
        {Amount, at(""), " \t1200\r\n", "1200", {}},
        {Amount, at(""), "$1,200.50", "1200", kCents},
        {Amount, at(""), "$55,000", "55000", {}},
        {Amount, at(""), "1 200", "1200", {}},
        {Amount, at(""), "1200.", "1200", kCents},
        {Amount, at("7"), "-500", "7", kTip},
        {Amount, at("7"), "12a", "7", kTip},
        {Amount, at("7"), "1.200,50", "7", kTip},     // not an Australian amount
        {Amount, at("7"), "1.2.3", "7", kTip},
        {Amount, at("7"), "1200\u200c", "7", kTip},
        {Amount, at("7", 0, true), "1.5x", "7", kTip, true}, // a refusal keeps the cents of typing
        {Amount, at("7", 0, true), "5", "75", {}},    // a paste goes in after a "."
        {Amount, at("7", 1), "123456789", "7", kFull},
        {Amount, at("1234"), "56789", "1234", kFull},
        {Amount, at("1234"), "5678", "12345678", {}},
        {Digits, at(""), "2000\n", "2000", {}},
        {Digits, at("7"), "1,200", "7", kTip},
        {Digits, at("7"), "$5", "7", kTip},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entered) + " after " + c.edit.text.toStdString());
        expect(c, DigitsEntryPasted(c.edit, QString::fromUtf8(c.entered), c.kind, 8, kTip));
    }
}

// A spreadsheet copies a row of cells with tabs between them and a column
// with line breaks: read as one number, two cells would be a wrong amount.
TEST(DigitsEntry, APasteOfTwoCellsIsRefusedWholeWhileBlanksAroundOneCellAreDropped)
{
    const Case cases[] = {
        {Amount, at("7"), "1200\t300", "7", kOneAmount},
        {Amount, at("7"), "1200\n300\n", "7", kOneAmount},
        {Amount, at("7"), "1200\r\n300", "7", kOneAmount},
        {Amount, at("7"), "1200\r\n300\r\n", "7", kOneAmount},
        {Amount, at("7"), "1200 \t 300", "7", kOneAmount},
        {Amount, at("7"), "1200\r300", "7", kOneAmount},
        {Amount, at("7"), "1200\v300", "7", kOneAmount},
        {Amount, at("7"), "1200\f300", "7", kOneAmount},
        {Amount, at("7"), "1200\u0085" "300", "7", kOneAmount}, // next line
        {Amount, at("7"), "1200\u2028" "300", "7", kOneAmount}, // line separator
        {Amount, at("7"), "1200\u2029" "300", "7", kOneAmount}, // paragraph separator
        {Amount, at("7"), "$1,200\t$300", "7", kOneAmount},
        {Amount, at("7"), "1200\t.50", "7", kOneAmount},
        {Amount, at("7"), "12a\t300", "7", kOneAmount},   // the cells are told first
        {Amount, at("7"), "123456789\t1", "7", kOneAmount},
        {Amount, at("7", 1), "1200\t300", "7", kOneAmount}, // a selection stays
        {Amount, at("7", 0, true), "1\t2", "7", kOneAmount, true}, // and so do the cents of typing
        // One cell with what surrounds it.
        {Amount, at("7"), "\t1200\t", "71200", {}},
        {Amount, at("7"), "1200\r\n", "71200", {}},
        {Amount, at("7"), "\r\n\r\n1200\n\n", "71200", {}},
        {Amount, at("7"), " \t$1,200.50\t ", "71200", kCents},
        {Amount, at("7"), "1 200", "71200", {}},          // a blank is how people write amounts
        {Amount, at("7"), "1\u00a0" "200", "71200", {}},
        {Digits, at(""), "2000\t3000", "", kOneNumber},
        {Digits, at(""), "2000\n3000\n", "", kOneNumber},
        {Digits, at(""), "2000\r\n3000", "", kOneNumber},
        {Digits, at(""), "\t2000\t", "2000", {}},
        {Digits, at(""), "2000\r\n", "2000", {}},
        {Digits, at(""), "2 000", "", kTip},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entered) + " after " + c.edit.text.toStdString());
        expect(c, DigitsEntryPasted(c.edit, QString::fromUtf8(c.entered), c.kind, 8, kTip));
    }
}

// An input method's commit replaces the selection and then a range around
// the cursor; the edit it is judged on covers what goes.
TEST(DigitsEntry, ACommitReplacesTheSelectionAndThenItsRange)
{
    const struct {
        const char* name;
        DigitsEntryEdit edit;
        int start;
        int length;
        DigitsEntryEdit replaced;
    } cases[] = {
        {"no range", {"1234", 4, 0}, 0, 0, {"1234", 4, 0}},
        {"the last character", {"1234", 4, 0}, -1, 1, {"1234", 3, 1}},
        {"the one after the cursor", {"1234", 2, 0}, 0, 1, {"1234", 2, 1}},
        {"an insertion away from the cursor", {"1234", 4, 0}, -2, 0, {"1234", 2, 0}},
        {"from before the start", {"1234", 1, 0}, -3, 2, {"1234", 0, 2}},
        {"past the end: nothing", {"1234", 4, 0}, 0, 1, {"1234", 4, 0}},
        {"the selection alone", {"1234", 2, 2}, 0, 0, {"1234", 2, 2}},
        {"the selection and the digit before it", {"1234", 2, 2}, -1, 1, {"1234", 1, 3}},
        {"the selection and a range past the end", {"1234", 2, 2}, 0, 1, {"1234", 2, 2}},
        {"a range apart from the selection", {"1234", 0, 2}, 1, 1, {"34", 1, 1}},
        {"the cents stay", {"1234", 4, 0, true}, -1, 1, {"1234", 3, 1, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DigitsEntryEdit replaced = DigitsEntryReplacing(c.edit, c.start, c.length);
        EXPECT_EQ(replaced.text, c.replaced.text);
        EXPECT_EQ(replaced.selectionStart, c.replaced.selectionStart);
        EXPECT_EQ(replaced.selected, c.replaced.selected);
        EXPECT_EQ(replaced.cents, c.replaced.cents);
    }

    // A full field takes a digit in place of its last one, and never one more.
    const DigitsEntryEdit full {QStringLiteral("12345678"), 8, 0};
    const QString five = QStringLiteral("5");
    expect({Amount, full, "5", "12345675", {}}, DigitsEntryTyped(DigitsEntryReplacing(full, -1, 1), five, Amount, 8, kTip));
    expect({Amount, full, "5", "12345678", kFull}, DigitsEntryTyped(DigitsEntryReplacing(full, 0, 1), five, Amount, 8, kTip));
}

} // namespace
