#include "transfer/TabLayout.h"

namespace {

using namespace tabcol;

constexpr TabColumn kColumns[] = {
    payeeId(),
    text("Payroll No", &CCards::payrollNo),
    payeeType(),
    text("TFN", &CCards::tfn, kTaxFileNumber),
    text("Surname", &CCards::surname),
    text("First Name", &CCards::firstName),
    text("Sec Name", &CCards::secName),
    text("Add Line 1", &CCards::addLine1),
    text("Add Line2", &CCards::addLine2),
    text("Suburb/City", &CCards::suburb, kUpperText),
    number("PCode", &CCards::pCode),
    text("State", &CCards::state, kUpperText),
    text("Country", &CCards::country, kUpperText),
    text("Payment Date Day No.", &CCards::paymentDay, kDayOrMonth),
    text("Payment Date Month No.", &CCards::paymentMonth, kDayOrMonth),
    text("Payment Date Year No.", &CCards::paymentYear),
    number("Taxable Component Taxed", &CCards::taxable),
    number("Taxable Component Untaxed", &CCards::other1),
    number("TaxFree Component", &CCards::taxFree),
    number("Tax", &CCards::taxWithheld),
    text("Original_Amended", &CCards::origAmended, kUpperText),
};
static_assert(std::size(kColumns) == 21);

} // namespace

const TabLayout kDasTabLayout{
    PayeeType::DAS,
    "DAS",
    kColumns,
    1000000,
    "This file cannot be imported as number of fields per line is not 21. \n\nSee Help for more information.",
    "'. One or more numerical \nfields where changed to 999999 as the import field was invalid.",
    "Quillastrand Export Files (*.txt)|*.txt|All Files (*.*)|*.*||",
    "Sorry1 - you do not seem to have write access to this \nfolder, please try a different location.",
    "An unknown error has occurred during \nthe file save process - Ref #2005c.",
    "An unknown error has occurred during \nthe file save process - Ref #2005d.",
};
