#pragma once

#include "report/Report.h"

#include <QtGlobal>

// The sums the Totals dialog shows. 64-bit, so a payroll whose amounts pass
// the int range shows its true total.
struct PayeeTotals {
    qint64 inbCount = 0, inbGross = 0, inbAllowances = 0, inbRfbt = 0, inbResc = 0, inbTax = 0;
    qint64 etpCount = 0, etpTaxable = 0, etpTaxFree = 0, etpTax = 0;
    qint64 busCount = 0, busGross = 0, busResc = 0, busTax = 0;
    qint64 feiCount = 0, feiGross = 0, feiRfbt = 0, feiResc = 0, feiTax = 0;
    // PEN keeps its taxed element in gross, SLS and DAS theirs in taxable.
    qint64 penCount = 0, penTaxedElement = 0, penTax = 0;
    qint64 slsCount = 0, slsTaxedElement = 0, slsTax = 0;
    qint64 dasCount = 0, dasTaxedElement = 0, dasTax = 0;
    qint64 totalTax = 0;

    bool operator==(const PayeeTotals&) const = default;
};

// Sums the payees of the seven types (exact type texts), amounts as stored;
// a payee of any other type adds nothing.
PayeeTotals ComputeTotals(const PayeeMap& payees);
