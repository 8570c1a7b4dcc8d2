#include "payees/PayeeRuleGroups.h"

#include "report/CharChecks.h"
#include "report/FieldHelpers.h"
#include "report/FieldRules.h"

#include <algorithm>
#include <bitset>
#include <limits>

namespace rules
{

namespace
{

bool isAsciiSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\v' || u == u'\f' || u == u'\r';
}

// The value of a text of digits only (no more than four of them here).
int digitsValue(const QString& text)
{
    int value = 0;
    for (const QChar c : text)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

void leftPad(QString& text, int width)
{
    if (!text.isEmpty() && text.size() < width)
        text = QString(width - text.size(), u'0') + text;
}

bool isAustralia(const QString& country)
{
    return country.isEmpty() || country == QLatin1String("AUSTRALIA") || country == QLatin1String("AU")
        || country == QLatin1String("AUS") || country == QLatin1String("AUST");
}

void upper(QString& text)
{
    for (const QChar c : text) {
        if (c.isLower()) {
            text = text.toUpper();
            return;
        }
    }
}

void mapDash(CCards& card, std::span<QString CCards::*const> lists)
{
    for (QString CCards::*const m : lists) {
        if (card.*m == QLatin1String("-"))
            card.*m = QStringLiteral(" ");
    }
}

// A signed whole number as a number edit holds it: blanks around it, an
// optional sign, digits. Anything else, or a value beyond 32 bits, is none.
std::optional<qint32> editNumber(const QString& text)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && isAsciiSpace(text.at(i)))
        ++i;
    while (end > i && isAsciiSpace(text.at(end - 1)))
        --end;
    bool negative = false;
    if (i < end && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == end)
        return std::nullopt;
    qint64 value = 0;
    for (; i < end; ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

} // namespace

std::optional<qint32> readEditNumber(const QString& text)
{
    return editNumber(text);
}

bool hasBadChars(const QString& text)
{
    // CheckTextChars itself decides every character below 128 once; every
    // other character is outside the set.
    static const std::bitset<128> allowed = [] {
        std::bitset<128> set;
        for (int c = 0; c < 128; ++c)
            set[c] = CheckTextChars(QString(QChar(char16_t(c)))) == 0;
        return set;
    }();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 128 || !allowed[u])
            return true;
    }
    return false;
}

void clean(QString& text)
{
    if (text.isEmpty())
        return;
    bool dirty = isAsciiSpace(text.front()) || isAsciiSpace(text.back());
    for (qsizetype i = 1; !dirty && i < text.size(); ++i)
        dirty = text.at(i) == u' ' && text.at(i - 1) == u' ';
    if (dirty)
        text = CleanField(text);
}

void removeBlanks(QString& text)
{
    if (text.contains(u' '))
        text = RemoveBlanks(text);
}

qint64 sumOf(const CCards& card, std::span<const AmountTerm> terms)
{
    qint64 sum = 0;
    for (const AmountTerm& term : terms)
        sum += term.divisor == 1 ? qint64(card.*term.member) : qint64(card.*term.member / term.divisor);
    return sum;
}

std::span<const AmountTerm> termsFor(const RuleRun& run, const AmountSum& sum)
{
    return run.formMode() ? sum.form : sum.check;
}

QDate financialYearDate(RuleRun& run, QString& day, QString& month, QString& year, PayeeField field)
{
    removeBlanks(day);
    removeBlanks(month);
    removeBlanks(year);
    if (run.checkMode()) {
        // What an import may leave: "5" for "05". The lodgement file needs two digits.
        if (day.size() == 1)
            day.prepend(u'0');
        if (month.size() == 1)
            month.prepend(u'0');
    }
    if (day.isEmpty())
        day = QStringLiteral("00");
    if (month.isEmpty())
        month = QStringLiteral("00");
    if (year.isEmpty())
        year = QStringLiteral("0000");

    // No part is empty by now, so IsDigits judges each one.
    bool bad = day.size() > 2 || month.size() > 2 || year.size() > 4 || !IsDigits(day) || !IsDigits(month)
        || !IsDigits(year);
    QDate date;
    if (!bad) {
        const int d = digitsValue(day);
        const int m = digitsValue(month);
        const int y = digitsValue(year);
        bad = d == 0 || m == 0 || y == 0;
        if (!bad) {
            date = QDate(y, m, d);
            bad = !date.isValid() || date < run.settings.yearStart || date > run.settings.yearEnd;
        }
    }
    if (bad)
        run.error(field);
    return date;
}

void birthDate(RuleRun& run, const BirthDatePolicy& policy)
{
    CCards& c = run.card;
    removeBlanks(c.dobDay);
    removeBlanks(c.dobMonth);
    removeBlanks(c.dobYear);
    for (QString* part : { &c.dobDay, &c.dobMonth }) {
        if (part->isEmpty() || *part == QLatin1String("0"))
            *part = QStringLiteral("00");
        else if (run.checkMode())
            leftPad(*part, 2);
    }
    if (c.dobYear.isEmpty() || c.dobYear == QLatin1String("0"))
        c.dobYear = QStringLiteral("0000");
    else if (run.checkMode())
        leftPad(c.dobYear, 4);

    // A part too long for the lodgement file, or not digits, does not convert.
    const auto value = [](const QString& part, int width) {
        return part.size() <= width && IsDigits(part) ? digitsValue(part) : -1;
    };
    const int day = value(c.dobDay, 2);
    const int month = value(c.dobMonth, 2);
    const int year = value(c.dobYear, 4);

    bool error = day < 0 || day > 31 || month < 0 || month > 12 || year < 0;
    bool warning = false;
    if (year > 0) {
        if (year <= 1900)
            warning = true;
        if (policy.warnFrom.active() && year >= policy.warnFrom.from(run.settings.reportYear))
            warning = true;
        if (policy.errorFrom.active() && year >= policy.errorFrom.from(run.settings.reportYear))
            error = true;
    }
    if (!error && day > 0 && month > 0) {
        if (year > 0) {
            error = !QDate::isValid(year, month, day);
        } else {
            const bool shortMonth = month == 4 || month == 6 || month == 9 || month == 11;
            error = (month == 2 && day >= 30) || (day == 31 && shortMonth)
                || (month == 2 && day == 29 && policy.refuseLeapDayWithoutYear);
        }
    }
    if (error)
        run.error(PayeeField::DateOfBirth);
    else if (warning)
        run.warning(PayeeField::DateOfBirth);
}

void readNumbers(RuleRun& run, std::span<const NumberField> fields)
{
    const NumberTexts* texts = run.numberTexts();
    if (!texts)
        return;
    for (const NumberField& f : fields) {
        const QString& text = (*texts)[cardNumberIndex(f.member)];
        const std::optional<qint32> number = editNumber(text);
        // A text that is not a number never counts as 0: the user meant something else.
        if (text.size() > f.maxLength || (!text.isEmpty() && !number) || (f.required && !number))
            run.error(fieldOfNumber(f.member));
        run.card.*f.member = number.value_or(0);
    }
}

void normalise(RuleRun& run, const TextCleaning& cleaning)
{
    CCards& c = run.card;
    if (run.formMode()) {
        upper(c.suburb);
        upper(c.state);
        upper(c.country);
        mapDash(c, cleaning.formDashLists);
    } else {
        mapDash(c, cleaning.checkDashLists);
    }
    for (QString CCards::*const m : cleaning.texts)
        clean(c.*m);
    c.tfn = TrimString(c.tfn);
    removeBlanks(c.tfn);
    if (cleaning.abnBlanks) {
        c.abn = TrimString(c.abn);
        removeBlanks(c.abn);
    }
    if (run.checkMode())
        upper(c.country);
}

void placeholders(RuleRun& run, const PlaceholderAmounts& amounts)
{
    if (run.checkMode()) {
        for (qint32 CCards::*const m : amounts.check) {
            if (run.card.*m == kNotANumber) {
                run.placeholder();
                return;
            }
        }
        return;
    }
    // The form keeps its corner warning, and refuses at the amount itself
    // what the check would fail, so "Ignore Warnings" cannot save it.
    bool placeholder = false;
    for (qint32 CCards::*const m : amounts.form) {
        const qint32 value = run.card.*m;
        placeholder = placeholder || value == kNotANumber;
        if (value == kNotANumber || value < 0 || value > kMaxAmount)
            run.error(fieldOfNumber(m));
    }
    if (placeholder)
        run.placeholder();
}

void taxAndReportable(RuleRun& run, const TaxAndReportable& spec)
{
    if (!run.amountWarningsActive())
        return;
    const qint64 taxWithheld = run.card.taxWithheld;
    if (taxWithheld > 0) {
        if (taxWithheld > sumOf(run.card, termsFor(run, spec.taxable)))
            run.amountWarning(spec.taxAboveMessage);
    } else if (sumOf(run.card, termsFor(run, spec.reportable)) == 0) {
        run.amountWarning(spec.nothingReportableMessage);
    }
}

void tfn(RuleRun& run)
{
    const QString& tfn = run.card.tfn;
    if (tfn.isEmpty())
        run.error(PayeeField::Tfn);
    // The lodgement file could carry no other character: a payment summary
    // would print one TFN and the file another.
    else if (!IsDigits(tfn))
        run.error(PayeeField::Tfn, kTfnNotDigits);
    else if (tfn.size() != 9 || !CheckTFN(tfn))
        run.warning(PayeeField::Tfn);
}

void surname(RuleRun& run)
{
    const QString& surname = run.card.surname;
    if (surname.isEmpty() || hasBadChars(surname))
        run.error(PayeeField::Surname);
    if (surname.size() == 1)
        run.warning(PayeeField::Surname);
}

void givenNames(RuleRun& run)
{
    const QString& first = run.card.firstName;
    const QString& second = run.card.secName;
    if ((first.isEmpty() && second.isEmpty()) || first.size() == 1)
        run.warning(PayeeField::FirstName);
    if (hasBadChars(first) || (first.isEmpty() && !second.isEmpty()))
        run.error(PayeeField::FirstName);
    if (hasBadChars(second))
        run.error(PayeeField::SecName);
}

void addressAndSuburb(RuleRun& run)
{
    const CCards& c = run.card;
    if (c.addLine1.isEmpty() || hasBadChars(c.addLine1))
        run.error(PayeeField::AddLine1);
    if (hasBadChars(c.addLine2))
        run.error(PayeeField::AddLine2);
    if (c.suburb.isEmpty() || hasBadChars(c.suburb))
        run.error(PayeeField::Suburb);
}

void postcodeStateCountry(RuleRun& run)
{
    const CCards& c = run.card;
    const qint32 pcode = c.pCode;
    const bool other = c.state == QLatin1String("OTH");
    // A negative postcode has no place in the lodgement file either.
    bool badPcode = pcode <= 0 || pcode > 9999 || (pcode <= 999 && c.state != QLatin1String("NT"));
    bool badState = !IsStateChoice(c.state);
    bool badCountry = false;
    if (pcode == 9999 && !other)
        badPcode = badState = true;
    if (other && pcode != 9999)
        badPcode = badState = true;
    if (other && pcode == 9999 && isAustralia(c.country))
        badPcode = badState = badCountry = true;
    if (!other && !c.country.isEmpty() && c.country != QLatin1String("AUSTRALIA"))
        badCountry = true;
    if (hasBadChars(c.country))
        badCountry = true;
    if (badPcode)
        run.error(PayeeField::PCode);
    if (badState)
        run.error(PayeeField::State);
    if (badCountry)
        run.error(PayeeField::Country);
}

void payrollNumber(RuleRun& run)
{
    if (hasBadChars(run.card.payrollNo))
        run.error(PayeeField::PayrollNo);
}

void origAmended(RuleRun& run)
{
    const QString& value = run.card.origAmended;
    if (value != QLatin1String("O") && value != QLatin1String("A"))
        run.error(PayeeField::OrigAmended);
}

void periodDates(RuleRun& run)
{
    CCards& c = run.card;
    const QDate start = financialYearDate(run, c.startDay, c.startMonth, c.startYear, PayeeField::StartDate);
    const QDate end = financialYearDate(run, c.endDay, c.endMonth, c.endYear, PayeeField::EndDate);
    if (start.isValid() && end.isValid() && end < start)
        run.error(PayeeField::EndDate);
}

void paymentDate(RuleRun& run)
{
    CCards& c = run.card;
    financialYearDate(run, c.paymentDay, c.paymentMonth, c.paymentYear, PayeeField::PaymentDate);
}

void amountRange(RuleRun& run)
{
    for (const FieldLayout& field : run.settings.layout) {
        if (field.kind != FieldKind::Amount || !field.number)
            continue;
        const qint32 value = run.card.*field.number;
        if (value < 0 || value > kMaxAmount) {
            run.error(fieldOfNumber(field.number));
            if (run.failed())
                return;
        }
    }
}

} // namespace rules
