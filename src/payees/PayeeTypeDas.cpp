#include "payees/PayeeTypeDas.h"

#include "payees/PayeeRuleGroups.h"

namespace
{

// The form has no such fields: what the current payee holds there is
// not stored.
void noSlsFields(RuleRun& run)
{
    CCards& c = run.card;
    for (QString* text : { &c.etpPaymentType, &c.dobDay, &c.dobMonth, &c.dobYear, &c.spare1 })
        text->clear();
}

constexpr PayeeRule kRules[] = {
    formOnly(&rules::readNumbersOf<slsdas::kNumbers>),
    formOnly(&noSlsFields),
    { &rules::placeholdersOf<slsdas::kPlaceholders> },
    { &rules::amountRange },
    { &rules::normaliseTexts<slsdas::kCleaning> },
    { &rules::tfn },
    { &rules::surname },
    { &rules::givenNames },
    { &rules::addressAndSuburb },
    { &rules::postcodeStateCountry },
    { &rules::paymentDate },
    { &rules::payrollNumber },
    { &rules::origAmended },
    { &rules::taxAndReportableOf<slsdas::kTax> },
};

} // namespace

const PayeeTypeRules kDasType { PayeeType::DAS, kRules, slsdas::kStored };
