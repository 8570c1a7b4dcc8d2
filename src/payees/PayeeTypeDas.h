#pragma once

#include "payees/PayeeFormFrame.h"
#include "payees/PayeeRules.h"
#include "payees/PayeeSlsDasParts.h"

#include <QStringView>

// The DAS payee type: a departing Australia superannuation payment. One
// rule list serves the form's Save and Check All. No date of birth: the
// form stores none, and a check passes on what a record holds there (and
// in the death-benefit members) cleaned but untested.
extern const PayeeTypeRules kDasType;

inline constexpr QStringView kDasTaxAboveTaxableMessage = slsdas::kTaxAboveTaxableMessage;
inline constexpr QStringView kDasNoTaxableMessage = slsdas::kNoTaxableMessage;

// The logic of the DAS form: the frame over the DAS rules.
class PayeeDasForm : public PayeeFormFrame
{
public:
    explicit PayeeDasForm(AppContext& context)
        : PayeeFormFrame(context, kDasType)
    {
    }
};
