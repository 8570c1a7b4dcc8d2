#pragma once

#include <QString>
#include <QStringList>

class UserInterface;

// Field rules shared by the payer and supplier details.

// An ABN or WPN of exactly 11 characters is shown as "XX XXX XXX XXX";
// any other value is shown unchanged.
QString AbnDisplayForm(const QString& abn);
// A TFN of exactly 9 characters is shown as "XXX XXX XXX"; any other value
// is shown unchanged.
QString TfnDisplayForm(const QString& tfn);
// What an ABN edit holds, read back: every blank removed.
QString RemoveBlanks(const QString& text);
// TrimString, then CollapseDoubleSpaces: how every text field is cleaned.
QString CleanField(const QString& text);
// True when the text is not empty and holds only the digits 0-9.
bool IsDigits(const QString& text);

// The states and territories a postal address may name, in the order the
// state lists show them.
const QStringList& StateChoices();
bool IsStateChoice(const QString& state);

// An 11-character ABN/WPN beginning "00" is a withholding payer number.
bool IsWpn(const QString& abnWithoutBlanks);

struct AbnVerdict {
    bool ok = false;
    bool wpn = false;
    QString abn; // the typed value without blanks
};
// The ABN/WPN rule on the text as typed: not empty and not a single blank;
// 11 characters once the blanks are gone; a WPN (when allowed) passes the
// TFN check digits on its last nine, an ABN the ABN check digits.
// CheckABN may speak to the user about a malformed number.
AbnVerdict CheckAbnOrWpn(const QString& typed, bool allowWpn, UserInterface& ui);

// Which of postcode, state and country the address rules refuse. State and
// country are given upper-cased, the postcode as cleaned.
struct PlaceVerdict {
    bool postcode = false;
    bool state = false;
    bool country = false;
};
PlaceVerdict CheckPostcodeStateCountry(const QString& postcode, const QString& state, const QString& country);

// An e-mail address after its blanks are removed: empty, or something
// before an "@", a "." after it with at least one character following, and
// no "." at the end.
bool EmailAcceptable(const QString& email);
