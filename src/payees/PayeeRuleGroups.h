#pragma once

#include "payees/PayeeRules.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// The rule groups every payee type shares. A group without parameters is a
// plain function (`rules::tfn`); a group that takes a type's data is a
// template over a reference to that data, so a rule list names it once,
// at no cost per call (`&rules::birthDateOf<kInbBirthDate>`). A type's own
// rule may also call a group's function directly.

// ---------------------------------------------------------------------------
// Data of the parameterised groups.

// The texts a form's number edits hold, read into the record: a text longer
// than maxLength, or one that is not a number, is an error; a required field
// must hold a number. An empty field of a field not required counts as 0.
struct NumberField {
    qint32 CCards::*member;
    int maxLength = 8;
    bool required = false;
};

// How the texts are cleaned before the rules. Both modes trim and collapse
// `texts` and strip every blank from the TFN (and, with `abnBlanks`, the
// ABN). The form also upper-cases Suburb, State and Country; the check the
// Country only. A list that shows "-" for a blank value gets " " back.
struct TextCleaning {
    std::span<QString CCards::*const> texts;
    bool abnBlanks = false;
    std::span<QString CCards::*const> formDashLists = {};
    std::span<QString CCards::*const> checkDashLists = {};
};

// A birth year bound: none, so many years before the report year, or a
// fixed year.
struct BirthYearBound {
    enum Kind { None, BeforeReportYear, Fixed };
    Kind kind = None;
    int years = 0;

    constexpr bool active() const { return kind != None; }
    constexpr int from(int reportYear) const { return kind == Fixed ? years : reportYear - years; }
};

// A birth year from 1 to 1900 is a warning under every policy.
struct BirthDatePolicy {
    BirthYearBound warnFrom; // a birth year at or after it is a warning
    BirthYearBound errorFrom; // ... an error, which withdraws the warning
    bool refuseLeapDayWithoutYear = false; // 29 February with year "0000"
};

struct BirthDateRules {
    BirthDatePolicy form;
    BirthDatePolicy check;
};

// The policies the types choose from.
inline constexpr BirthYearBound kTenYearsBefore { BirthYearBound::BeforeReportYear, 10 };
inline constexpr BirthYearBound kThreeYearsBefore { BirthYearBound::BeforeReportYear, 3 };
inline constexpr BirthDatePolicy kRelativeBirthYears { kTenYearsBefore, kThreeYearsBefore, false };
inline constexpr BirthDatePolicy kRelativeBirthYearWarning { kTenYearsBefore, {}, false };
inline constexpr BirthDatePolicy kFixedBirthYears { { BirthYearBound::Fixed, 2005 }, { BirthYearBound::Fixed, 2013 },
    true };

// The largest amount the lodgement file carries.
inline constexpr qint32 kMaxAmount = 99999999;

// The amounts that count as the placeholder 999999, per mode. On the form
// each of them that holds 999999 or lies outside 0..kMaxAmount is also an
// error at its own field.
struct PlaceholderAmounts {
    std::span<qint32 CCards::*const> form;
    std::span<qint32 CCards::*const> check;
};

// One term of an amount sum: a member, divided (toward zero) by divisor.
struct AmountTerm {
    qint32 CCards::*member;
    int divisor = 1;
};

struct AmountSum {
    std::span<const AmountTerm> form;
    std::span<const AmountTerm> check;
};

// "Tax withheld above a sum" and "nothing reportable": the first that
// applies is an amount warning.
struct TaxAndReportable {
    AmountSum taxable; // tax withheld above 0 must not exceed it
    AmountSum reportable; // with no tax withheld it must not be 0
    QStringView taxAboveMessage;
    QStringView nothingReportableMessage;
};

// ---------------------------------------------------------------------------
// Helpers the groups are made of.

namespace rules
{

// True when CheckTextChars finds a character outside the name and address
// set (looked up in a table made once from it).
bool hasBadChars(const QString& text);
// Trims and collapses in place; leaves a clean text untouched.
void clean(QString& text);
// Removes every blank in place.
void removeBlanks(QString& text);
// A signed whole number as a number edit holds it (blanks around it, an
// optional sign, digits); nothing for any other text or beyond 32 bits.
std::optional<qint32> readEditNumber(const QString& text);
// The 64-bit sum of the terms, so no sum of 32-bit amounts overflows.
qint64 sumOf(const CCards& card, std::span<const AmountTerm> terms);
// The terms of the mode the run is in.
std::span<const AmountTerm> termsFor(const RuleRun& run, const AmountSum& sum);

// A date of three parts within the financial year. The parts lose their
// blanks; an empty day or month becomes "00", an empty year "0000" (a check
// also gives a one-character day or month its "0"). Error at `field` when a
// part is missing ("00", "0000", a day or month of 0), longer than 2, 2 or 4
// characters or not digits, when the three make no calendar date, or when
// the date lies outside the report's financial year. Returns the calendar
// date when the parts make one (inside the year or not), else a null date.
QDate financialYearDate(RuleRun& run, QString& day, QString& month, QString& year, PayeeField field);

void birthDate(RuleRun& run, const BirthDatePolicy& policy);
void readNumbers(RuleRun& run, std::span<const NumberField> fields);
void normalise(RuleRun& run, const TextCleaning& cleaning);
void placeholders(RuleRun& run, const PlaceholderAmounts& amounts);
void taxAndReportable(RuleRun& run, const TaxAndReportable& spec);

// ---------------------------------------------------------------------------
// The groups, as rule-list entries.

// TFN: empty, or holding anything but digits once its blanks are gone, is an
// error; a length other than 9, or 9 digits CheckTFN refuses, a warning.
void tfn(RuleRun& run);
inline constexpr QStringView kTfnNotDigits = u"The TFN may hold only digits and blanks. Please correct the TFN.";
// Surname: empty or bad characters an error, one character a warning.
void surname(RuleRun& run);
// Given names: none, or a one-character first name, a warning; bad
// characters or a second name without a first an error.
void givenNames(RuleRun& run);
// Address Line 1 and Suburb required, all three free of bad characters.
void addressAndSuburb(RuleRun& run);
// PCode, State and Country with their markers: an Australian address has a
// state of the list, a postcode 1000 to 9998 (1 to 999 only in "NT") and
// no country or "AUSTRALIA"; an overseas one "OTH", 9999 and a country
// other than the Australian forms; a country of bad characters is refused.
void postcodeStateCountry(RuleRun& run);
void payrollNumber(RuleRun& run);
void origAmended(RuleRun& run);
// Start and End Date in the financial year; the End Date not before a
// Start Date that is a calendar date.
void periodDates(RuleRun& run);
void paymentDate(RuleRun& run);
// Every amount the type's lodgement record carries must lie in
// 0..99,999,999, whatever the ignore flag.
void amountRange(RuleRun& run);

// Fields: a std::array of NumberField.
template <const auto& Fields> void readNumbersOf(RuleRun& run)
{
    readNumbers(run, Fields);
}
template <const TextCleaning& Cleaning> void normaliseTexts(RuleRun& run)
{
    normalise(run, Cleaning);
}
template <const BirthDateRules& Rules> void birthDateOf(RuleRun& run)
{
    birthDate(run, run.formMode() ? Rules.form : Rules.check);
}
template <const PlaceholderAmounts& Amounts> void placeholdersOf(RuleRun& run)
{
    placeholders(run, Amounts);
}
template <const TaxAndReportable& Spec> void taxAndReportableOf(RuleRun& run)
{
    taxAndReportable(run, Spec);
}

} // namespace rules
