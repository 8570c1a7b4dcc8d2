#include "transfer/TabLayout.h"

namespace {

using namespace tabcol;

constexpr TabCode kIncomeTypes[] = {
    {u"S", u"Salary or Wages"},
    {u"P", u"Non-Super Pension or Annuity"},
    {u"H", u"Working Holiday Maker"},
};
constexpr TabCodeMap kIncomeTypeCodes{kIncomeTypes, true, u"S"};

constexpr TabColumn kColumns[] = {
    payeeId(),
    text("Payroll No", &CCards::payrollNo),
    payeeType(),
    coded("Income Type", &CCards::incomeType, kUpperText, kIncomeTypeCodes),
    text("TFN", &CCards::tfn, kTaxFileNumber),
    text("Surname", &CCards::surname),
    text("First Name", &CCards::firstName),
    text("Sec Name", &CCards::secName),
    text("DoB Day No.", &CCards::dobDay, kDayOrMonth),
    text("DoB Month No.", &CCards::dobMonth, kDayOrMonth),
    text("DoB Year No.", &CCards::dobYear),
    text("Add Line 1", &CCards::addLine1),
    text("Add Line2", &CCards::addLine2),
    text("Suburb/City", &CCards::suburb, kUpperText),
    number("PCode", &CCards::pCode),
    text("State", &CCards::state),
    text("Country", &CCards::country, kUpperText),
    text("StartDate Day No.", &CCards::startDay, kDayOrMonth),
    text("StartDate Month No.", &CCards::startMonth, kDayOrMonth),
    text("StartDate Year No.", &CCards::startYear),
    text("EndDate Day No.", &CCards::endDay, kDayOrMonth),
    text("EndDate Month No.", &CCards::endMonth, kDayOrMonth),
    text("EndDate Year No.", &CCards::endYear),
    number("Gross", &CCards::gross),
    number("CDEP", &CCards::cdep),
    number("Tax", &CCards::taxWithheld),
    number("Lump Sum A", &CCards::lumpA),
    text("Lump Sum A Type", &CCards::lumpAType, kUpperText),
    number("Lump Sum B", &CCards::lumpB),
    number("Lump Sum D", &CCards::lumpD),
    number("Lump Sum E", &CCards::lumpE),
    number("Accrued in Yr minus 2", &CCards::lumpEYrMinus2),
    number("Accrued in Yr minus 3", &CCards::lumpEYrMinus3),
    number("Accrued pre Yr minus 3", &CCards::lumpEPreYrMinus3),
    number("Total Allowances", &CCards::totalAllow),
    text("Allowance 1 Name", &CCards::allow1Name),
    number("Allowance 1 Amt", &CCards::allow1),
    text("Allowance 2 Name", &CCards::allow2Name),
    number("Allowance 2 Amt", &CCards::allow2),
    text("Allowance 3 Name", &CCards::allow3Name),
    number("Allowance 3 Amt", &CCards::allow3),
    text("Allowance 4 Name", &CCards::allow4Name),
    number("Allowance 4 Amt", &CCards::allow4),
    number("RFBT", &CCards::rfbt),
    number("RESC", &CCards::resc),
    number("Exempt Foreign", &CCards::exemptForeign),
    number("Giving", &CCards::giving),
    number("Annuity", &CCards::annuity),
    number("Union_Prof Amt", &CCards::unionFees),
    text("Union_Prof Name", &CCards::unionName),
    text("Original_Amended", &CCards::origAmended, kUpperText),
    byYear("FBT_Exempt", &CCards::fbtExempt, kBlankIfEmpty | kUpper, TabYearRule::BlankBefore2017),
};
static_assert(std::size(kColumns) == 52);

} // namespace

const TabLayout kInbTabLayout{
    PayeeType::INB,
    "INB",
    kColumns,
    1000000,
    "This file cannot be imported as number of fields per line is not 52. \n\nSee Help for more information.",
    "'. One or more numerical fields where changed to 999999 as the import field was invalid.",
    "Quillastrand Export Files (*.txt)|*.txt|All Files (*.*)|*.*||",
    "Sorry1 - you do not seem to have write access to this \nfolder, please try a different location.",
    "An unknown error has occurred during \nthe file save process - Ref #2005a.",
    "An unknown error has occurred during \nthe file save process - Ref #2005.",
};
