#pragma once

#include "payees/PayeeFormFrame.h"
#include "payees/PayeeRules.h"

#include <QString>
#include <QStringList>

class AppContext;

// The FEI payee (foreign employment income): INB's layout and most of its
// rules, Foreign Tax Paid in the member INB uses for CDEP.

// The income types a report year offers: "JPDA Income" up to 2020.
QStringList FeiIncomeTypes(int reportYear);

extern const PayeeTypeRules kFeiRules;

// The logic of the FEI form.
class PayeeFeiForm : public PayeeFormFrame
{
public:
    explicit PayeeFeiForm(AppContext& context);

    QStringList incomeTypes;
    bool s57AVisible = false; // from report year 2017
    // The accrual years of Lump Sum E: the report year minus 2, minus 3 and
    // (accrued before) minus 3.
    QString accruedYearMinus2;
    QString accruedYearMinus3;
    QStringList allowanceNames; // the twelve of the preferences
    QStringList organisationNames;

    void OnInitDialog() override;
    // "All Zero": RFBT, RESC and Workplace Giving become 0.
    void OnBnClickedAllZero();

protected:
    bool listHidden(QString CCards::*member) const override;
};
