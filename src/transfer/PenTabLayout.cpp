#include "transfer/TabLayout.h"

namespace {

using namespace tabcol;

constexpr TabCode kIncomeTypes[] = {
    {u"S", u"Superannuation Income Stream"},
};
// Every PEN payee is written as "S", whatever its income type holds.
constexpr TabCodeMap kIncomeTypeCodes{kIncomeTypes, true, u"S"};

void completeImported(CCards& card, int reportYear)
{
    card.fbtExempt = reportYear < 2017 ? QStringLiteral(" ") : QString();
}

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
    number("TC - Taxed Element", +[](CCards& c) -> qint32& { return c.taxedElement(); }),
    number("TC - Untaxed Element", +[](CCards& c) -> qint32& { return c.untaxedElement(); }),
    number("Tax Withheld", &CCards::taxWithheld),
    number("Tax Free Component", +[](CCards& c) -> qint32& { return c.taxFreeComponent(); }),
    number("Tax Offset Amount", +[](CCards& c) -> qint32& { return c.taxOffset(); }),
    number("LS Arrears - TC - Taxed Element", +[](CCards& c) -> qint32& { return c.arrearsTaxedElement(); }),
    number("LS Arrears - TC - Untaxed Element", +[](CCards& c) -> qint32& { return c.arrearsUntaxedElement(); }),
    number("LS Arrears - Tax Free Component", +[](CCards& c) -> qint32& { return c.arrearsTaxFree(); }),
    text("Original_Amended", &CCards::origAmended, kUpperText),
    byYear("Reversionary Indicator", +[](CCards& c) -> QString& { return c.reversionaryIndicator(); }, kUpperText,
           TabYearRule::ReversionaryFrom2018),
};
static_assert(std::size(kColumns) == 33);

} // namespace

const TabLayout kPenTabLayout{
    PayeeType::PEN,
    "PEN",
    kColumns,
    1000000,
    "This file cannot be imported as number of fields per line is not 33.\n\nEnsure you use the latest version of "
    "the PEN template for this Release as a change was made in v1.0.0.4\n\nSee Help for more information.",
    "'. One or more numerical fields where changed to 999999 as the import field was invalid.",
    "Quillastrand Export Files (*.txt)|*.txt|All Files (*.*)|*.*||",
    "Sorry1 - you do not seem to have write access to this \nfolder, please try a different location.",
    "An unknown error has occurred during \nthe file save process - Ref #2005a.",
    "An unknown error has occurred during \nthe file save process - Ref #2005.",
    completeImported,
};
