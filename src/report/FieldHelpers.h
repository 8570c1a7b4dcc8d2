#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// The value StringToInt gives for a text that is not a whole number; every
// caller treats it as "not a number".
inline constexpr qint32 kNotANumber = 999999;

QString IntToString(qint32 value);
// A postcode as Australia Post writes it: from 1 to 999 with its leading
// zeros ("0870"); any other number as IntToString writes it.
QString PostcodeText(qint32 postcode);
// Leading white space, one optional sign, decimal digits and nothing after;
// the empty text is 0, anything else 999999; clamped to the int range.
qint32 StringToInt(const QString& text);
// The same parser, telling a failed conversion apart from a text that
// really holds 999999: empty when the text does not convert.
std::optional<qint32> TryStringToInt(const QString& text);
// Removes ASCII white space (blank, tab, line breaks, VT, FF) at both ends.
QString TrimString(const QString& text);
// Reduces every run of blanks (U+0020 only) to one blank.
QString CollapseDoubleSpaces(const QString& text);
// UTF-8 without byte-order mark; an unpaired surrogate becomes U+FFFD.
QByteArray UTF16toUTF8(const QString& text);
