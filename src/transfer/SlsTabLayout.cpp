#include "transfer/TabLayout.h"

namespace {

using namespace tabcol;

constexpr TabCode kDeathBenefitTypes[] = {
    {u"", u"N/A"},
    {u"T", u"Trustee of Deceased Estate"},
    {u"O", u"Non-Dependent"},
};
constexpr TabCodeMap kDeathBenefitTypeCodes{kDeathBenefitTypes, true, u""};

constexpr TabColumn kColumns[] = {
    payeeId(),
    text("Payroll No", &CCards::payrollNo),
    payeeType(),
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
    text("State", &CCards::state, kUpperText),
    text("Country", &CCards::country, kUpperText),
    text("Payment Date Day No.", &CCards::paymentDay, kDayOrMonth),
    text("Payment Date Month No.", &CCards::paymentMonth, kDayOrMonth),
    text("Payment Date Year No.", &CCards::paymentYear),
    number("Taxable Component Taxed", &CCards::taxable),
    number("Taxable Component Untaxed", &CCards::other1),
    number("TaxFree Component", &CCards::taxFree),
    number("Tax", &CCards::taxWithheld),
    text("Death Benefit", +[](CCards& c) -> QString& { return c.deathBenefit(); }, kUpperText),
    coded("Type of Death Benefit", +[](CCards& c) -> QString& { return c.deathBenefitRecipient(); }, kUpperText,
          kDeathBenefitTypeCodes),
    text("Original_Amended", &CCards::origAmended, kUpperText),
};
static_assert(std::size(kColumns) == 26);

} // namespace

const TabLayout kSlsTabLayout{
    PayeeType::SLS,
    "SLS",
    kColumns,
    1000000,
    "This file cannot be imported as number of fields per line is not 26. \n\nSee Help for more information.",
    "'. One or more numerical \nfields where changed to 999999 as the import field was invalid.",
    "Quillastrand Export Files (*.txt)|*.txt|All Files (*.*)|*.*||",
    "Sorry1 - you do not seem to have write access to this \nfolder, please try a different location.",
    "An unknown error has occurred during \nthe file save process - Ref #2005c.",
    "An unknown error has occurred during \nthe file save process - Ref #2005d.",
};
