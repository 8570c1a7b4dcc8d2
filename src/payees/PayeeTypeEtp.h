#pragma once

#include "payees/PayeeRules.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The ETP payee type: an employment termination payment. One rule list
// serves the form's Save and Check All.
extern const PayeeTypeRules kEtpType;

// The ETP payment type codes, in the order the form offers them; the same
// eight in every report year.
const QStringList& EtpPaymentTypes();

inline constexpr QStringView kEtpTaxAboveTaxableMessage
    = u"Tax Withheld should not be greater than Taxable Component. This will be accepted by the ATO, however a "
      u"Warning will be generated. \n\nEnsure the figures are correct.";
inline constexpr QStringView kEtpNoTaxableMessage
    = u"Taxable Component should be > $0. This will be accepted by the ATO, however a Warning will be generated. "
      u"\n\nEnsure the figures are correct.";
