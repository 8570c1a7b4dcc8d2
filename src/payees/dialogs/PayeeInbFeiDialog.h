#pragma once

#include "payees/dialogs/PayeeFormDialog.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class AppContext;

// What sets the INB and FEI forms apart within the layout they share.
struct InbFeiLayout {
    // What the lists and the accrual captions offer, by report year and
    // preferences.
    QStringList incomeTypes;
    QStringList allowanceNames;
    QStringList organisationNames;
    bool s57AVisible = false;
    QString accruedYearMinus2;
    QString accruedYearMinus3;
    QString accruedPriorTo;

    // One amount row: its caption, the name its edit and markers go by, the
    // member it shows and its tooltip.
    struct Amount {
        QString caption;
        QString name;
        qint32 CCards::*member;
        QString tip;
    };
    // "Pay Details", top to bottom.
    std::array<Amount, 3> pay;

    QString allowancesCaption = QStringLiteral("Allowances");
    // FEI shows the allowance names only: its amounts and total are disabled.
    bool allowanceAmountsEnabled = true;
    // FEI has no place for Lump Sum B, Exempt Foreign Employment Income and
    // Deductible UPP of Annuity: they keep their place, hidden and disabled.
    bool inbOnlyAmountsHidden = false;
    QString exemptForeignTip;
    QString annuityTip;
};

// The tall, scrolling form of INB and FEI payees: both show the same
// controls in the same places, with a few captions of their own and some
// amounts FEI keeps hidden.
class PayeeInbFeiDialog : public PayeeFormDialog
{
    Q_OBJECT
protected:
    PayeeInbFeiDialog(AppContext& context, PayeeFormFrame& form, const PayeeFormLook& look, QWidget* parent);

    // Builds the controls; "All Zero" runs allZero between reading the
    // controls and showing the values again.
    void buildLayout(const InbFeiLayout& layout, std::function<void()> allZero);
};
