#include "payees/PayeePEN.h"

#include "payees/PayeeRuleGroups.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "report/FieldRules.h"

#include <array>

namespace
{

using F = PayeeField;

template <typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> joined(const std::array<T, N>& first, const std::array<T, M>& second)
{
    std::array<T, N + M> all {};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = first[i];
    for (std::size_t i = 0; i < M; ++i)
        all[N + i] = second[i];
    return all;
}

constexpr std::array kNumbers {
    NumberField { &CCards::pCode, 4 }, NumberField { &CCards::gross, 8 }, // taxed element
    NumberField { &CCards::cdep, 8 }, // untaxed element
    NumberField { &CCards::taxWithheld, 8 }, NumberField { &CCards::lumpA, 8 }, // arrears taxed element
    NumberField { &CCards::lumpB, 8 }, // arrears untaxed element
    NumberField { &CCards::lumpD, 8 }, // arrears tax free
    NumberField { &CCards::allow1, 8 }, // tax-free component
    NumberField { &CCards::allow2, 8 }, // tax offset
};

// The eight PEN amounts on the form; a check refuses the placeholder in
// every amount member the record may carry, used by PEN or not.
constexpr qint32 CCards::*kFormPlaceholders[] = {
    &CCards::taxWithheld,
    &CCards::gross,
    &CCards::cdep,
    &CCards::lumpA,
    &CCards::lumpB,
    &CCards::lumpD,
    &CCards::allow1,
    &CCards::allow2,
};
constexpr qint32 CCards::*kCheckPlaceholders[] = {
    &CCards::taxWithheld,
    &CCards::gross,
    &CCards::cdep,
    &CCards::lumpA,
    &CCards::lumpB,
    &CCards::lumpD,
    &CCards::allow1,
    &CCards::allow2,
    &CCards::lumpE,
    &CCards::lumpEYrMinus2,
    &CCards::lumpEYrMinus3,
    &CCards::lumpEPreYrMinus3,
    &CCards::allow3,
    &CCards::allow4,
    &CCards::totalAllow,
    &CCards::rfbt,
    &CCards::resc,
    &CCards::exemptForeign,
    &CCards::giving,
    &CCards::annuity,
    &CCards::unionFees,
};
constexpr PlaceholderAmounts kPlaceholders { kFormPlaceholders, kCheckPlaceholders };

// The texts the form cleans; the check cleans the texts PEN does not use
// too, and the reversionary indicator (the list's own value on the form).
constexpr std::array<QString CCards::*, 21> kFormTexts { &CCards::tfn, &CCards::incomeType, &CCards::surname,
    &CCards::firstName, &CCards::secName, &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear, &CCards::addLine1,
    &CCards::addLine2, &CCards::suburb, &CCards::country, &CCards::state, &CCards::startDay, &CCards::startMonth,
    &CCards::startYear, &CCards::endDay, &CCards::endMonth, &CCards::endYear, &CCards::payrollNo,
    &CCards::origAmended };
constexpr auto kCheckTexts = joined(kFormTexts,
    std::array<QString CCards::*, 8> { &CCards::lumpAType, &CCards::allow1Name, &CCards::allow2Name,
        &CCards::allow3Name, &CCards::allow4Name, &CCards::unionName, &CCards::spare1, &CCards::spare2 });
constexpr TextCleaning kFormCleaning { kFormTexts };
constexpr TextCleaning kCheckCleaning { kCheckTexts };

void normalise(RuleRun& run)
{
    rules::normalise(run, run.formMode() ? kFormCleaning : kCheckCleaning);
}

void incomeType(RuleRun& run)
{
    if (run.card.incomeType != kPenIncomeType)
        run.error(F::IncomeType);
}

constexpr BirthDateRules kBirthDate { kRelativeBirthYears, kRelativeBirthYears };

// The reversionary indicator as the rules read it: a list shows "-" or
// nothing for a blank. Before 2018 the record has no such field.
QString reversionaryValue(const RuleRun& run)
{
    if (run.settings.reportYear < kReversionaryFromYear)
        return QStringLiteral(" ");
    const QString& text = run.card.reversionaryIndicator();
    if (text.isEmpty() || text == QLatin1String("-"))
        return QStringLiteral(" ");
    return text;
}

// Runs before the texts are cleaned: the rules read the indicator as given,
// while a check stores it cleaned (a blank becomes empty) and the form
// stores the list's value.
void reversionary(RuleRun& run)
{
    const QString value = reversionaryValue(run);
    if (run.formMode())
        run.card.reversionaryIndicator() = value;
    if (run.settings.reportYear < kReversionaryFromYear)
        return;
    const bool yes = value == QLatin1String("Y");
    if (!yes && value != QLatin1String("N"))
        run.error(F::LumpAType);
    if (yes && PenPayeeOlderThan59(run.card))
        run.warning(F::LumpAType);
    if (yes && run.card.taxOffset() > 0)
        run.error(F::Allow2);
}

// The taxable sum: both taxable components and both taxable arrears; the
// tax-free amounts never count.
constexpr AmountTerm kTaxableTerms[]
    = { { &CCards::gross }, { &CCards::cdep }, { &CCards::lumpA }, { &CCards::lumpB } };
constexpr TaxAndReportable kTaxAndReportable {
    { kTaxableTerms, kTaxableTerms },
    { kTaxableTerms, kTaxableTerms },
    u"Tax Withheld should not be greater than Taxable Components. This will be accepted by the ATO, however a Warning "
    u"will be generated. \n\nEnsure the figures are correct.",
    u"There should be at least one Taxable Component field. This will be accepted by the ATO, however a Warning will "
    u"be generated. \n\nEnsure the figures are correct.",
};

void taxOffsetAge(RuleRun& run)
{
    if (run.card.taxOffset() > 0 && PenPayeeOlderThan59(run.card))
        run.error(F::Allow2);
}

constexpr PayeeRule kRules[] = {
    formOnly(&rules::readNumbersOf<kNumbers>),
    { &rules::placeholdersOf<kPlaceholders> },
    checkOnly(&rules::amountRange),
    { &reversionary },
    { &normalise },
    { &rules::tfn },
    { &incomeType },
    { &rules::surname },
    { &rules::givenNames },
    { &rules::birthDateOf<kBirthDate> },
    { &rules::addressAndSuburb },
    { &rules::postcodeStateCountry },
    { &rules::periodDates },
    { &rules::payrollNumber },
    { &rules::origAmended },
    { &rules::taxAndReportableOf<kTaxAndReportable> },
    { &taxOffsetAge },
};

constexpr std::array<CardMember, 32> kStored { member(&CCards::payrollNo), member(&CCards::dataSource),
    member(&CCards::incomeType), member(&CCards::tfn), member(&CCards::dobDay), member(&CCards::dobMonth),
    member(&CCards::dobYear), member(&CCards::surname), member(&CCards::firstName), member(&CCards::secName),
    member(&CCards::addLine1), member(&CCards::addLine2), member(&CCards::suburb), member(&CCards::state),
    member(&CCards::country), member(&CCards::pCode), member(&CCards::startDay), member(&CCards::startMonth),
    member(&CCards::startYear), member(&CCards::endDay), member(&CCards::endMonth), member(&CCards::endYear),
    member(&CCards::taxWithheld), member(&CCards::gross), member(&CCards::cdep), member(&CCards::allow1),
    member(&CCards::allow2), member(&CCards::lumpA), member(&CCards::lumpB), member(&CCards::lumpD),
    member(&CCards::lumpAType), member(&CCards::origAmended) };
// A check leaves what PEN does not use as it found it (cleaned), but for
// the members no type keeps.
constexpr auto kCheckStored = joined(kStored,
    std::array<CardMember, 21> { member(&CCards::allow1Name), member(&CCards::allow2Name), member(&CCards::allow3Name),
        member(&CCards::allow4Name), member(&CCards::unionName), member(&CCards::spare1), member(&CCards::spare2),
        member(&CCards::totalAllow), member(&CCards::allow3), member(&CCards::allow4), member(&CCards::lumpE),
        member(&CCards::lumpEYrMinus2), member(&CCards::lumpEYrMinus3), member(&CCards::lumpEPreYrMinus3),
        member(&CCards::rfbt), member(&CCards::resc), member(&CCards::giving), member(&CCards::unionFees),
        member(&CCards::exemptForeign), member(&CCards::annuity), member(&CCards::other1) });

// The value of a date part of digits only, blanks ignored; -1 otherwise.
int partValue(const QString& part, int width)
{
    QString digits = part;
    rules::removeBlanks(digits);
    if (digits.isEmpty() || digits.size() > width || !IsDigits(digits))
        return -1;
    return digits.toInt();
}

QDate dateOf(const QString& day, const QString& month, const QString& year)
{
    const int d = partValue(day, 2);
    const int m = partValue(month, 2);
    const int y = partValue(year, 4);
    if (d <= 0 || m <= 0 || y <= 0)
        return {};
    return QDate(y, m, d);
}

} // namespace

const PayeeTypeRules kPenRules { PayeeType::PEN, kRules, kStored };
const PayeeTypeRules kPenCheckRules { PayeeType::PEN, kRules, kCheckStored };

std::optional<int> PenPayeeAge(const CCards& card)
{
    const QDate end = dateOf(card.endDay, card.endMonth, card.endYear);
    if (!end.isValid())
        return 0;
    const QDate birth = dateOf(card.dobDay, card.dobMonth, card.dobYear);
    if (!birth.isValid())
        return std::nullopt;
    return int(double(birth.daysTo(end)) / 365.24);
}

bool PenPayeeOlderThan59(const CCards& card)
{
    const std::optional<int> age = PenPayeeAge(card);
    return !age || *age >= 60;
}

PayeePenForm::PayeePenForm(AppContext& context)
    : PayeeFormFrame(context, kPenRules)
{
}

// Before the reversionary years the list is hidden and the rules store " ".
bool PayeePenForm::listHidden(QString CCards::*member) const
{
    return member == &CCards::lumpAType && !reversionaryVisible;
}

void PayeePenForm::OnInitDialog()
{
    PayeeFormFrame::OnInitDialog();
    reversionaryVisible = m_context.report().reportYearNumber >= kReversionaryFromYear;
    if (adding()) {
        values.incomeType = kPenIncomeType;
        values.reversionaryIndicator() = QStringLiteral(" ");
    } else if (values.reversionaryIndicator().isEmpty()) {
        values.reversionaryIndicator() = QStringLiteral(" ");
    }
}
