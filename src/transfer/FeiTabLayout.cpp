#include "transfer/TabLayout.h"

namespace {

using namespace tabcol;

constexpr TabCode kIncomeTypes[] = {
    {u"F", u"Foreign Income"},
    {u"J", u"JPDA Income"},
};
constexpr TabCodeMap kIncomeTypeCodes{kIncomeTypes, false, u"F"};

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
    number("AustTax", &CCards::taxWithheld),
    number("ForeignTax", +[](CCards& c) -> qint32& { return c.foreignTaxPaid(); }),
    number("Lump Sum A", &CCards::lumpA),
    text("Lump Sum A Type", &CCards::lumpAType, kUpperText),
    number("Lump Sum D", &CCards::lumpD),
    number("Lump Sum E", &CCards::lumpE),
    number("Accrued in Yr minus 2", &CCards::lumpEYrMinus2),
    number("Accrued in Yr minus 3", &CCards::lumpEYrMinus3),
    number("Accrued pre Yr minus 3", &CCards::lumpEPreYrMinus3),
    text("Allowance 1 Name", &CCards::allow1Name),
    text("Allowance 2 Name", &CCards::allow2Name),
    text("Allowance 3 Name", &CCards::allow3Name),
    text("Allowance 4 Name", &CCards::allow4Name),
    number("RFBT", &CCards::rfbt),
    number("RESC", &CCards::resc),
    number("Giving", &CCards::giving),
    number("Union_Prof Amt", &CCards::unionFees),
    text("Union_Prof Name", &CCards::unionName),
    text("Original_Amended", &CCards::origAmended, kUpperText),
    byYear("FBT_Exempt", &CCards::fbtExempt, kBlankIfEmpty | kUpper, TabYearRule::BlankBefore2017),
};
static_assert(std::size(kColumns) == 44);

} // namespace

const TabLayout kFeiTabLayout{
    PayeeType::FEI,
    "FEI",
    kColumns,
    100000,
    "This file cannot be imported as number of fields per line is not 44. \n\nSee Help for more information.",
    "'. One or more numerical fields where changed to 999999 as the import field was invalid.",
    "VESK Export Files (*.txt)|*.txt|All Files (*.*)|*.*||",
    "Sorry1 - you do not seem to have write access to this folder, please try a different location.",
    "An unknown error has occurred during the file save process - Ref #2005a.",
    "An unknown error has occurred during the file save process - Ref #2005.",
};
