#pragma once

#include "payees/PayeeRules.h"

// Rule groups of the employment types that carry lump sums, an
// organisation's fees and fringe benefits (FEI and INB alike).

// The grossed-up RFBT minimum of a report year; 0 when there is none.
qint32 RfbtMinimum(int reportYear);
// The least Lump Sum E above 0 a report year accepts (400 to 2015, 1200
// from 2016).
qint32 LumpSumEMinimum(int reportYear);

namespace rules
{

// Lump Sum A needs its type "R" or "T", and a type needs an amount.
void lumpSumAType(RuleRun& run);
// Lump Sum E equals its three accrued amounts (not asked of a report that
// only makes the lodgement file) and is 0 or at least the year's minimum.
void lumpSumE(RuleRun& run);
// Union fees need the organisation's name (not asked of a report that only
// makes the lodgement file); a name needs fees.
void unionName(RuleRun& run);
// Reportable fringe benefits above 0 and below the year's threshold (none
// before 2015) are a warning.
void rfbtMinimum(RuleRun& run);

// The s57A indicator, from report year 2017: "Y" or "N" with fringe
// benefits, a single blank without; earlier years store a blank. With
// `refuseNegativeRfbt` a negative amount is refused at the indicator too.
void fbtExemptS57A(RuleRun& run, bool refuseNegativeRfbt);
template <bool RefuseNegativeRfbt> void fbtExemptS57AOf(RuleRun& run)
{
    fbtExemptS57A(run, RefuseNegativeRfbt);
}

} // namespace rules

class PayeeFormFrame;

// "All Zero": RFBT, RESC, Exempt Foreign Employment Income, Workplace
// Giving and Deductible UPP of Annuity become 0 on the form.
void SetOtherAmountsZero(PayeeFormFrame& form);
