#pragma once

#include "payees/PayeeFormFrame.h"
#include "payees/PayeeRules.h"
#include "payees/PayeeSlsDasParts.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The SLS payee type: a superannuation lump sum. One rule list serves the
// form's Save and Check All. The death-benefit answer and its recipient
// live in members other types use otherwise (CCards::deathBenefit(),
// CCards::deathBenefitRecipient()); the taxed element is in `taxable`, the
// untaxed element in `other1`.
extern const PayeeTypeRules kSlsType;

// "Y", "N": the death-benefit answers the form offers.
const QStringList& SlsDeathBenefitAnswers();
// "N/A", "Trustee of Deceased Estate", "Non-Dependent", in the form's order.
const QStringList& SlsRecipients();
// The recipients allowed for an answer; compared as stored, never trimmed.
bool SlsRecipientAllowed(const QString& answer, const QString& recipient);

inline constexpr QStringView kSlsTaxAboveTaxableMessage = slsdas::kTaxAboveTaxableMessage;
inline constexpr QStringView kSlsNoTaxableMessage = slsdas::kNoTaxableMessage;
inline constexpr QStringView kSlsTrusteeTaxMessage
    = u"If a Death Benefit is paid to a Trustee of a Deceased Estate, Tax Withheld should be zero.  This will be "
      u"accepted by the ATO, however a Warning will be generated. \n\nEnsure the figures are correct.";

// The logic of the SLS form: the frame over the SLS rules.
class PayeeSlsForm : public PayeeFormFrame
{
public:
    explicit PayeeSlsForm(AppContext& context)
        : PayeeFormFrame(context, kSlsType)
    {
    }
};
