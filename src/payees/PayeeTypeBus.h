#pragma once

#include "payees/PayeeRules.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The BUS payee type: business and personal services income. One rule list
// serves the form's Save and Check All.
extern const PayeeTypeRules kBusType;

// The four payment types, in the order the form offers them, every year.
const QStringList& BusPaymentTypes();

// The payment type whose payee quotes an ABN; every other quotes a TFN.
inline constexpr QStringView kVoluntaryAgreement = u"Voluntary Agreement";

// What stands in the record for the number a payee does not quote.
inline constexpr QStringView kNoTfnQuoted = u"000000000";
inline constexpr QStringView kNoAbnQuoted = u"00000000000";

inline constexpr QStringView kBusTaxAboveGrossMessage
    = u"Tax Withheld should not be greater than Gross or Attributed Income. This will be accepted by the ATO, "
      u"however a Warning will be generated. \n\nEnsure the figures are correct.";
inline constexpr QStringView kBusNothingReportableMessage
    = u"Gross or Attributed Income or RESC should be > $0. This will be accepted by the ATO, however a Warning "
      u"will be generated. \n\nEnsure the figures are correct.";
