#include "SupplierFieldRules.h"

QString SupplierAbnDisplay(const QString& abn)
{
    if (abn.size() != 11)
        return abn;
    return abn.left(2) + u' ' + abn.mid(2, 3) + u' ' + abn.mid(5, 3) + u' ' + abn.mid(8, 3);
}

QString SupplierRemoveBlanks(const QString& text)
{
    QString result = text;
    result.remove(u' ');
    return result;
}

const QStringList& SupplierStates()
{
    static const QStringList states = {
        QStringLiteral("ACT"),
        QStringLiteral("NSW"),
        QStringLiteral("NT"),
        QStringLiteral("OTH"),
        QStringLiteral("QLD"),
        QStringLiteral("SA"),
        QStringLiteral("TAS"),
        QStringLiteral("VIC"),
        QStringLiteral("WA"),
    };
    return states;
}

bool SupplierEmailAcceptable(const QString& email)
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
