#include "report/FieldRules.h"

#include "report/CharChecks.h"
#include "report/FieldHelpers.h"

QString AbnDisplayForm(const QString& abn)
{
    if (abn.size() != 11)
        return abn;
    return abn.left(2) + u' ' + abn.mid(2, 3) + u' ' + abn.mid(5, 3) + u' ' + abn.mid(8, 3);
}

QString TfnDisplayForm(const QString& tfn)
{
    if (tfn.size() != 9)
        return tfn;
    return tfn.left(3) + u' ' + tfn.mid(3, 3) + u' ' + tfn.mid(6, 3);
}

QString RemoveBlanks(const QString& text)
{
    QString result = text;
    result.remove(u' ');
    return result;
}

QString CleanField(const QString& text)
{
    return CollapseDoubleSpaces(TrimString(text));
}

bool IsDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

const QStringList& StateChoices()
{
    static const QStringList states { QStringLiteral("ACT"), QStringLiteral("NSW"), QStringLiteral("NT"),
        QStringLiteral("OTH"), QStringLiteral("QLD"), QStringLiteral("SA"), QStringLiteral("TAS"),
        QStringLiteral("VIC"), QStringLiteral("WA") };
    return states;
}

bool IsStateChoice(const QString& state)
{
    return StateChoices().contains(state);
}

bool IsWpn(const QString& abnWithoutBlanks)
{
    return abnWithoutBlanks.size() == 11 && abnWithoutBlanks.startsWith(QLatin1String("00"));
}

AbnVerdict CheckAbnOrWpn(const QString& typed, bool allowWpn, UserInterface& ui)
{
    AbnVerdict verdict;
    bool failed = typed.isEmpty() || typed == QLatin1String(" ");
    verdict.abn = RemoveBlanks(typed);
    if (verdict.abn.size() != 11) {
        failed = true;
    } else if (allowWpn && IsWpn(verdict.abn)) {
        verdict.wpn = true;
        if (!CheckTFN(verdict.abn.mid(2)))
            failed = true;
    } else if (StringToInt(verdict.abn) == kNotANumber) {
        failed = true;
    } else if (!CheckABN(verdict.abn, ui)) {
        failed = true;
    }
    verdict.ok = !failed;
    return verdict;
}

PlaceVerdict CheckPostcodeStateCountry(const QString& postcode, const QString& state, const QString& country)
{
    PlaceVerdict v;
    const bool other = state == QLatin1String("OTH");
    if (!(postcode.size() == 4 || (postcode.size() == 3 && state == QLatin1String("NT"))))
        v.postcode = true;
    // A sign would pass as a number but has no place in a postcode.
    const qint32 value = StringToInt(postcode);
    if (!IsDigits(postcode) || value == kNotANumber || value < 100)
        v.postcode = true;
    if (!IsStateChoice(state))
        v.state = true;
    if (postcode == QLatin1String("9999") && !other)
        v.postcode = v.state = true;
    if (other && postcode != QLatin1String("9999"))
        v.postcode = v.state = true;
    if (other && postcode == QLatin1String("9999")
        && (country.isEmpty() || country == QLatin1String("AUSTRALIA") || country == QLatin1String("AU")
            || country == QLatin1String("AUS") || country == QLatin1String("AUST")))
        v.postcode = v.state = v.country = true;
    if (!other && !country.isEmpty() && country != QLatin1String("AUSTRALIA"))
        v.country = true;
    return v;
}

bool EmailAcceptable(const QString& email)
{
    if (email.isEmpty())
        return true;
    const qsizetype at = email.indexOf(u'@');
    if (at <= 0)
        return false;
    const qsizetype dot = email.indexOf(u'.', at + 1);
    if (dot < 0 || dot == email.size() - 1)
        return false;
    return !email.endsWith(u'.');
}
