#pragma once

#include "payees/PayeeFrameTestKit.h"
#include "report/FieldHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>
#include <vector>

// Running the ETP and BUS forms and checks over a payee given as a record:
// the form gets its texts and its numbers as the edits would hold them.

// The check of one stored record in report year 2019; the record is updated
// as Check All would leave it. `messages` gets what was shown.
inline bool checkRecord(const PayeeTypeRules& type, CCards& record, QStringList* messages = nullptr)
{
    ScriptedUi ui;
    RuleSettings settings(RuleMode::Check, type.type, 2019, false);
    settings.ui = &ui;
    const bool passed = CheckPayeeRecord(type, record.payeeId, record, settings);
    if (messages)
        *messages = ui.texts();
    return passed;
}

// ---------------------------------------------------------------------------
// Changes to a payee, for tables of cases.

using Change = std::function<void(CCards&)>;

inline const Change kNothing = [](CCards&) {};

inline Change text(QString CCards::*m, const char* value)
{
    return [m, value](CCards& c) { c.*m = QString::fromLatin1(value); };
}
inline Change dob(const char* d, const char* m, const char* y)
{
    return [=](CCards& c) {
        text(&CCards::dobDay, d)(c);
        text(&CCards::dobMonth, m)(c);
        text(&CCards::dobYear, y)(c);
    };
}
inline Change place(const char* state, qint32 pcode, const char* country)
{
    return [=](CCards& c) {
        text(&CCards::state, state)(c);
        text(&CCards::country, country)(c);
        c.pCode = pcode;
    };
}

// A row of the check's table: passes with the flag empty, with it "Yes".
struct CheckCase {
    const char* name;
    Change change;
    bool passes;
    bool passesIgnored;
};

// Runs a check case over `payee` with both flags; a failing record must
// keep every member but Checked.
inline void expectCheckCase(const PayeeTypeRules& type, const CCards& payee, const CheckCase& c)
{
    for (const bool ignored : { false, true }) {
        CCards record = payee;
        c.change(record);
        record.ignoreWarnings = ignored ? QStringLiteral("Yes") : QString();
        record.checked = QStringLiteral("No");
        const CCards before = record;
        const bool passed = checkRecord(type, record);
        EXPECT_EQ(passed, ignored ? c.passesIgnored : c.passes) << (ignored ? "flag Yes" : "flag empty");
        CCards expected = before;
        expected.checked = QStringLiteral("Error");
        if (!passed)
            EXPECT_EQ(record, expected);
        else
            EXPECT_EQ(record.checked, QStringLiteral("Yes"));
    }
}

// A row of the table of deliberate differences, run through both.
struct DifferenceCase {
    const char* name;
    Change change;
    bool formStores; // "Ignore Warnings" not ticked
    bool formStoresTicked;
    bool checkPasses; // flag empty
    bool checkPassesIgnored;
};

template <class Form>
void expectDifferenceCase(const PayeeTypeRules& type, const CCards& payee, const DifferenceCase& c)
{
    CCards typed = payee;
    c.change(typed);
    EXPECT_EQ(saveNewPayee<Form>(typed).stored, c.formStores) << "form";
    EXPECT_EQ(saveNewPayee<Form>(typed, true).stored, c.formStoresTicked) << "form, ticked";
    expectCheckCase(type, payee, { c.name, c.change, c.checkPasses, c.checkPassesIgnored });
}

// Every payee the form stores from `payee` changed as listed passes the
// check and is written back unchanged.
template <class Form>
void expectFormAndCheckAgree(const PayeeTypeRules& type, const CCards& payee, const std::vector<Change>& changes)
{
    for (const Change& change : changes) {
        CCards typed = payee;
        change(typed);
        const FormResult r = saveNewPayee<Form>(typed);
        ASSERT_TRUE(r.stored) << r.messages.join(u'|').toStdString();
        CCards record = r.record;
        EXPECT_TRUE(checkRecord(type, record));
        EXPECT_EQ(record, r.record);
    }
}
