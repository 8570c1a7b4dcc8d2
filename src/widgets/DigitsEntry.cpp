#include "widgets/DigitsEntry.h"

#include <algorithm>

namespace
{

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// What an Australian writes into an amount that never changes its whole dollars.
bool isAmountFiller(QChar c)
{
    return c == u'$' || c == u',' || c.isSpace();
}

// Where a spreadsheet's copy ends one cell and starts the next: a tab in a
// row, a line break between rows.
bool isCellBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

// True when `digits` more may go in place of the selection.
bool fits(const DigitsEntryEdit& edit, qsizetype digits, int maxDigits)
{
    const qsizetype current = edit.text.size();
    const qsizetype after = current - edit.selected + digits;
    return maxDigits <= 0 || after <= maxDigits || after <= current;
}

DigitsEntryOutcome outcome(const DigitsEntryEdit& edit, const QString& inserted, bool cents, const QString& tip)
{
    DigitsEntryOutcome out { inserted, edit.text, cents, tip };
    // Nothing typed leaves a selection where it is.
    if (!inserted.isEmpty())
        out.text.replace(edit.selectionStart, edit.selected, inserted);
    return out;
}

} // namespace

QString DigitsEntryLimitTip(int maxDigits)
{
    return QStringLiteral("No more than %1 digits fit in this field.").arg(maxDigits);
}

DigitsEntryOutcome DigitsEntryTyped(
    const DigitsEntryEdit& edit, const QString& typed, DigitsEntryKind kind, int maxDigits, const QString& notDigitsTip)
{
    const bool amount = kind == DigitsEntryKind::Amount;
    QString inserted;
    bool cents = amount && edit.cents;
    QString tip;
    for (const QChar c : typed) {
        if (isDigit(c)) {
            if (cents)
                tip = kCentsLeftOutTip;
            else if (!fits(edit, inserted.size() + 1, maxDigits))
                tip = DigitsEntryLimitTip(maxDigits);
            else
                inserted += c;
        } else if (amount && c == u'.') {
            cents = true;
            tip = kCentsLeftOutTip;
        } else if (!amount || !isAmountFiller(c)) {
            tip = notDigitsTip;
        }
    }
    return outcome(edit, inserted, cents, tip);
}

DigitsEntryEdit DigitsEntryReplacing(const DigitsEntryEdit& edit, int start, int length)
{
    // Removing a selection leaves the cursor where it began.
    const qsizetype cursor = edit.selectionStart;
    const qsizetype rest = edit.text.size() - edit.selected;
    const qsizetype from = std::clamp<qsizetype>(cursor + start, 0, rest);
    const qsizetype count = length > 0 && from + length <= rest ? length : 0;
    if (edit.selected == 0)
        return { edit.text, from, count, edit.cents };
    if (from <= cursor && cursor <= from + count)
        return { edit.text, from, edit.selected + count, edit.cents };
    QString text = edit.text;
    text.remove(edit.selectionStart, edit.selected);
    return { text, from, count, edit.cents };
}

DigitsEntryOutcome DigitsEntryPasted(const DigitsEntryEdit& edit, const QString& pasted, DigitsEntryKind kind,
    int maxDigits, const QString& notDigitsTip)
{
    const bool amount = kind == DigitsEntryKind::Amount;
    const DigitsEntryOutcome refused = outcome(edit, {}, edit.cents, notDigitsTip);
    const QString whole = pasted.trimmed();
    // Two cells run together would be one wrong number.
    if (std::any_of(whole.begin(), whole.end(), isCellBreak))
        return outcome(edit, {}, edit.cents, amount ? kOneAmountTip : kOneNumberTip);
    QString inserted;
    bool cents = false;
    for (const QChar c : whole) {
        if (isDigit(c)) {
            if (!cents)
                inserted += c;
        } else if (amount && c == u'.' && !cents) {
            cents = true;
        } else if (!amount || cents || !isAmountFiller(c)) {
            return refused;
        }
    }
    if (!fits(edit, inserted.size(), maxDigits))
        return outcome(edit, {}, edit.cents, DigitsEntryLimitTip(maxDigits));
    // A paste is a move of the cursor: the cents of earlier typing are over.
    return outcome(edit, inserted, false, cents ? kCentsLeftOutTip : QString());
}
