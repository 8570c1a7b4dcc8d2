#pragma once

#include "payees/PayeeFeiKit.h"
#include "payees/PayeePEN.h"
#include "report/CCards.h"

// A payee of each type that its form saves as it stands, in report year
// 2019: born 15/06/1950, paid from 01/07/2018 to 30/06/2019 or on
// 30/06/2019.
inline CCards storedPayee(qint32 id, const char* type)
{
    CCards c = validFeiPayee(id);
    c.payeeType = QString::fromLatin1(type);
    c.dobDay = QStringLiteral("15");
    c.dobMonth = QStringLiteral("06");
    c.dobYear = QStringLiteral("1950");
    c.checked = QStringLiteral("Yes");
    const QString t = c.payeeType;
    if (t == QLatin1String("INB")) {
        c.incomeType = QStringLiteral("Salary or Wages");
    } else if (t == QLatin1String("PEN")) {
        c.incomeType = kPenIncomeType;
        c.reversionaryIndicator() = QStringLiteral("N");
    } else if (t == QLatin1String("BUS")) {
        c.busPaymentType = QStringLiteral("Labour Hire");
        c.abn = QStringLiteral("00000000000");
        c.gross = 50000;
        c.taxWithheld = 10000;
    } else if (t == QLatin1String("ETP") || t == QLatin1String("SLS") || t == QLatin1String("DAS")) {
        c.startDay.clear();
        c.startMonth.clear();
        c.startYear.clear();
        c.endDay.clear();
        c.endMonth.clear();
        c.endYear.clear();
        c.paymentDay = QStringLiteral("30");
        c.paymentMonth = QStringLiteral("06");
        c.paymentYear = QStringLiteral("2019");
        c.taxable = 10000;
        c.taxFree = 500;
        c.taxWithheld = 3000;
        c.gross = 0;
        if (t == QLatin1String("ETP"))
            c.etpPaymentType = QStringLiteral("R");
        if (t == QLatin1String("SLS")) {
            c.deathBenefit() = QStringLiteral("N");
            c.deathBenefitRecipient() = QStringLiteral("N/A");
        }
    }
    return c;
}
