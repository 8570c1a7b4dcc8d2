#include "payees/Totals.h"

#include <QLatin1StringView>

PayeeTotals ComputeTotals(const PayeeMap& payees)
{
    PayeeTotals t;
    for (const auto& [id, p] : payees) {
        const QString& type = p.payeeType;
        qint64* tax = nullptr;
        if (type == QLatin1StringView("INB")) {
            ++t.inbCount;
            t.inbGross += p.gross;
            t.inbAllowances += p.totalAllow;
            t.inbRfbt += p.rfbt;
            t.inbResc += p.resc;
            tax = &t.inbTax;
        } else if (type == QLatin1StringView("ETP")) {
            ++t.etpCount;
            t.etpTaxable += p.taxable;
            t.etpTaxFree += p.taxFree;
            tax = &t.etpTax;
        } else if (type == QLatin1StringView("BUS")) {
            ++t.busCount;
            t.busGross += p.gross;
            t.busResc += p.resc;
            tax = &t.busTax;
        } else if (type == QLatin1StringView("FEI")) {
            ++t.feiCount;
            t.feiGross += p.gross;
            t.feiRfbt += p.rfbt;
            t.feiResc += p.resc;
            tax = &t.feiTax;
        } else if (type == QLatin1StringView("PEN")) {
            ++t.penCount;
            t.penTaxedElement += p.taxedElement();
            tax = &t.penTax;
        } else if (type == QLatin1StringView("SLS")) {
            ++t.slsCount;
            t.slsTaxedElement += p.taxable;
            tax = &t.slsTax;
        } else if (type == QLatin1StringView("DAS")) {
            ++t.dasCount;
            t.dasTaxedElement += p.taxable;
            tax = &t.dasTax;
        } else {
            continue;
        }
        *tax += p.taxWithheld;
        t.totalTax += p.taxWithheld;
    }
    return t;
}
