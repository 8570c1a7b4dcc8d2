#pragma once

#include "payees/PayeeFormFrame.h"

#include <QString>
#include <QStringList>

class AppContext;

// The logic of the INB payee form: the frame with the lists, captions and
// the "All Zero" button of INB.
class PayeeInbForm : public PayeeFormFrame
{
public:
    explicit PayeeInbForm(AppContext& context);

    // What the lists offer, by report year and preferences.
    QStringList incomeTypes;
    QStringList allowanceNames; // the twelve of the preferences, empty ones kept
    QStringList organisationNames;
    bool s57AVisible = false;
    // The accrual captions: report year - 2, - 3 and - 3 ("" outside the
    // years the program knows).
    QString accruedYearMinus2;
    QString accruedYearMinus3;
    QString accruedPriorTo;

    void OnInitDialog() override;
    // Writes 0 into RFBT, RESC, Exempt Foreign Employment Income, Workplace
    // Giving and Deductible UPP of Annuity.
    void OnBnClickedAllZero();

protected:
    bool listHidden(QString CCards::*member) const override;
};

// The items of the INB form's fixed lists.
QStringList InbTfnChoices();
