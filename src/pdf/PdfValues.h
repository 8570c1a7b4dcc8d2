#pragma once

#include "report/CCards.h"

#include <QString>

// The texts printed for a payee's amounts, one per amount of the record,
// named after the member they come from. For INB and FEI some hold
// captions: the allowances, union fees, workplace giving, exempt foreign
// income, annuity and the three Lump Sum E accrual lines.
struct AmountTexts {
    QString taxWithheld;
    QString gross;
    QString totalAllow;
    QString allow1;
    QString allow2;
    QString allow3;
    QString allow4;
    QString lumpA;
    QString lumpB;
    QString lumpD;
    QString lumpE;
    QString lumpEYrMinus2; // first accrual line
    QString lumpEYrMinus3; // second accrual line
    QString lumpEPreYrMinus3; // third accrual line
    QString cdep;
    QString rfbt;
    QString resc;
    QString giving;
    QString unionFees;
    QString exemptForeign;
    QString annuity;
    QString other1;
    QString taxable;
    QString taxFree;

    bool operator==(const AmountTexts&) const = default;
};

// One payee as its payment summary prints it: a copy of the record (whose
// TFN, ABN and type of death benefit hold their printed forms) and the
// texts made from it. Never the payee being edited.
struct PdfValues {
    CCards card;
    QString fullName;
    QString address; // suburb, state and postcode
    QString date1; // period start
    QString date2; // period end
    QString date3; // payment date
    QString fileName; // batch file name stem, beginning with a separator
    AmountTexts texts;

    bool operator==(const PdfValues&) const = default;
};
