#include "transfer/TabLayout.h"

namespace {

using namespace tabcol;

constexpr TabColumn kColumns[] = {
    payeeId(),
    text("Payroll No", &CCards::payrollNo),
    payeeType(),
    text("Payment Type", &CCards::busPaymentType),
    taxNumber("TFN/ABN"),
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
    number("Tax", &CCards::taxWithheld),
    number("RESC", &CCards::resc),
    text("Original_Amended", &CCards::origAmended, kUpperText),
};
static_assert(std::size(kColumns) == 27);

} // namespace

const TabLayout kBusTabLayout{
    PayeeType::BUS,
    "BUS",
    kColumns,
    1000000,
    "This file cannot be imported as number of fields per line is not 27. \n\nSee Help for more information.",
    "'. One or more numerical \nfields where changed to 999999 as the import field was invalid.",
    "Quillastrand Export Files (*.txt)|*.txt|All Files (*.*)|*.*||",
    "Sorry1 - you do not seem to have write access to this \nfolder, please try a different location.",
    "An unknown error has occurred during \nthe file save process - Ref #2005a.",
    "An unknown error has occurred during \nthe file save process - Ref #2005.",
};
