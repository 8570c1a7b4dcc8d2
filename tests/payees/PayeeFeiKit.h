#pragma once

#include "report/CCards.h"

// An FEI payee of report year 2019 that the FEI form and the FEI check
// accept as it stands; tests add what their case needs.
inline CCards validFeiPayee(qint32 id)
{
    CCards c;
    c.payeeId = id;
    c.payeeType = QStringLiteral("FEI");
    c.incomeType = QStringLiteral("Foreign Income");
    c.tfn = QStringLiteral("123456782");
    c.surname = QStringLiteral("Citizen");
    c.firstName = QStringLiteral("Jane");
    c.addLine1 = QStringLiteral("1 Main St");
    c.suburb = QStringLiteral("SYDNEY");
    c.state = QStringLiteral("NSW");
    c.pCode = 2000;
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2018");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2019");
    c.taxWithheld = 5000;
    c.gross = 50000;
    c.fbtExempt = QStringLiteral(" ");
    c.origAmended = QStringLiteral("O");
    c.checked = QStringLiteral("No");
    return c;
}
