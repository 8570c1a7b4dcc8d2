#pragma once

#include <QString>

// What text reaches a digits-only edit, decided without a window: the Qt
// guard of the edit only hands each key, input-method commit, paste or drop
// to these functions and applies what they answer.

enum class DigitsEntryKind {
    Digits, // a postcode or an ID: any character but 0-9 is refused
    Amount, // whole dollars, typed as people write amounts
};

// The tip of a "." in an amount: what follows it are cents, which the
// lodgement file and the payment summaries do not carry.
inline const QString kCentsLeftOutTip = QStringLiteral("Whole dollars only: the cents are left out.");

// The tip of a paste or a drop of several spreadsheet cells (a tab or a line
// break inside it), in an amount and in any other digits-only edit.
inline const QString kOneAmountTip = QStringLiteral("One amount at a time: paste a single cell.");
inline const QString kOneNumberTip = QStringLiteral("One number at a time: paste a single cell.");

// The tip of a digit that would grow the text past maxDigits.
QString DigitsEntryLimitTip(int maxDigits);

// The edit as the user left it.
struct DigitsEntryEdit {
    QString text;
    qsizetype selectionStart = 0; // the cursor when nothing is selected
    qsizetype selected = 0; // characters that what goes in replaces
    // A "." was typed in an amount: the digits after it are cents, refused
    // until the user moves the cursor, deletes, clicks or leaves the field.
    bool cents = false;
};

struct DigitsEntryOutcome {
    QString inserted; // the digits that go in, in place of the selection
    QString text; // the edit's text afterwards
    bool cents = false;
    QString tip; // empty: nothing to tell the user
};

// Characters typed (one key's text, or an input method's commit) judged one
// by one. In an amount "$", "," and blanks are dropped silently and a "."
// starts the cents; any other character but 0-9 is refused with
// notDigitsTip, and the characters after it still go in. With maxDigits
// above 0 a digit may not grow the text past it; a longer stored text may
// still be mended, never lengthened.
DigitsEntryOutcome DigitsEntryTyped(const DigitsEntryEdit& edit, const QString& typed, DigitsEntryKind kind,
    int maxDigits, const QString& notDigitsTip);

// What an input method's commit replaces, as the edit applies it: the
// selection goes first, then `length` characters from `start` around the
// cursor (a range that runs past the text replaces nothing). Where the two
// meet, the edit covers both; apart, its text is the text without the
// selection.
DigitsEntryEdit DigitsEntryReplacing(const DigitsEntryEdit& edit, int start, int length);

// A paste or a drop, judged whole: blanks and line breaks around it are
// dropped; an amount may be written as in "$1,200.50", which gives 1200
// with the cents tip. A tab or a line break inside it runs cells of a
// spreadsheet together and refuses it whole with kOneAmountTip or
// kOneNumberTip. Anything else that is not a digit, or a text that would
// grow past maxDigits, refuses the whole paste with its tip.
DigitsEntryOutcome DigitsEntryPasted(const DigitsEntryEdit& edit, const QString& pasted, DigitsEntryKind kind,
    int maxDigits, const QString& notDigitsTip);
