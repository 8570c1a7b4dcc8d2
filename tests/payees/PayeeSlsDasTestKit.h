#pragma once

#include "payees/PayeeFrameTestKit.h"
#include "report/FieldHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>

// Running the SLS and DAS forms and checks over one payee given as a
// record: the form gets its texts, and its numbers as the edits hold them.
namespace slsdastest
{

using Change = std::function<void(CCards&)>;

// The check of one stored record in report year 2019, as Check All leaves it.
inline bool check(const PayeeTypeRules& type, CCards& record)
{
    const RuleSettings settings(RuleMode::Check, type.type, 2019, false);
    return CheckPayeeRecord(type, record.payeeId, record, settings);
}

inline void set(QString CCards::*m, const char* text, CCards& c)
{
    c.*m = QString::fromLatin1(text);
}
inline Change text(QString CCards::*m, const char* value)
{
    return [m, value](CCards& c) { set(m, value, c); };
}
inline Change number(qint32 CCards::*m, qint32 value)
{
    return [m, value](CCards& c) { c.*m = value; };
}
inline Change paid(const char* d, const char* m, const char* y)
{
    return [=](CCards& c) {
        set(&CCards::paymentDay, d, c);
        set(&CCards::paymentMonth, m, c);
        set(&CCards::paymentYear, y, c);
    };
}
inline Change place(const char* state, qint32 pcode, const char* country)
{
    return [=](CCards& c) {
        set(&CCards::state, state, c);
        set(&CCards::country, country, c);
        c.pCode = pcode;
    };
}
// Taxed element, untaxed element, tax-free component, tax withheld.
inline Change amounts(qint32 taxed, qint32 untaxed, qint32 taxFree, qint32 tax)
{
    return [=](CCards& c) {
        c.taxable = taxed;
        c.other1 = untaxed;
        c.taxFree = taxFree;
        c.taxWithheld = tax;
    };
}
inline Change both(Change a, Change b)
{
    return [a, b](CCards& c) {
        a(c);
        b(c);
    };
}
inline const Change kNothing = [](CCards&) {};

// What the check makes of a row, with the record's flag empty and "Yes".
enum class Checked { Pass, Fail, PassIfIgnored };

// One row: what the form marks and what the check decides.
struct RuleCase {
    const char* name;
    Change change;
    FieldSet errors;
    FieldSet warnings;
    Checked checked;
};

inline std::ostream& operator<<(std::ostream& out, const RuleCase& c)
{
    return out << c.name;
}

// Runs a row through the form (not ticked) and through the check with
// either flag.
template <class Form> void runCase(const RuleCase& c, const PayeeTypeRules& type, CCards payee)
{
    c.change(payee);
    const FormResult r = saveNewPayee<Form>(payee);
    EXPECT_EQ(r.errors, c.errors) << "form";
    EXPECT_EQ(r.warnings, c.warnings) << "form";
    EXPECT_EQ(r.stored, c.errors.empty() && c.warnings.empty());

    CCards plain = payee;
    plain.ignoreWarnings.clear();
    CCards ignoring = payee;
    ignoring.ignoreWarnings = QStringLiteral("Yes");
    EXPECT_EQ(check(type, plain), c.checked == Checked::Pass) << "check, flag empty";
    EXPECT_EQ(check(type, ignoring), c.checked != Checked::Fail) << "check, flag Yes";
    EXPECT_EQ(plain.checked, QString::fromLatin1(c.checked == Checked::Pass ? "Yes" : "Error"));
}

} // namespace slsdastest
