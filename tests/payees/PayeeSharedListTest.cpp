#include "payees/PayeeFrameTestKit.h"

#include <gtest/gtest.h>

// A type made only of the shared groups, as the seven types are: the same
// list serves the form's Save and the check, so what the form stores the
// check passes, and what the check refuses the form marks.
namespace
{

using F = PayeeField;

constexpr std::array kNumbers {
    NumberField { &CCards::pCode, 4 },
    NumberField { &CCards::taxWithheld },
    NumberField { &CCards::taxable },
};
constexpr QString CCards::*kTexts[] = {
    &CCards::payrollNo,
    &CCards::surname,
    &CCards::firstName,
    &CCards::secName,
    &CCards::dobDay,
    &CCards::dobMonth,
    &CCards::dobYear,
    &CCards::addLine1,
    &CCards::addLine2,
    &CCards::suburb,
    &CCards::state,
    &CCards::country,
    &CCards::paymentDay,
    &CCards::paymentMonth,
    &CCards::paymentYear,
    &CCards::origAmended,
};
constexpr TextCleaning kCleaning { kTexts };
constexpr BirthDateRules kBirth { kFixedBirthYears, kRelativeBirthYears };
constexpr qint32 CCards::*kAmounts[] = { &CCards::taxWithheld, &CCards::taxable };
constexpr PlaceholderAmounts kPlaceholders { kAmounts, kAmounts };
constexpr AmountTerm kTaxable[] = { { &CCards::taxable } };
constexpr TaxAndReportable kTax { { kTaxable, kTaxable }, { kTaxable, kTaxable }, u"Tax above", u"Nothing" };

constexpr PayeeRule kRules[] = {
    formOnly(&rules::readNumbersOf<kNumbers>),
    { &rules::placeholdersOf<kPlaceholders> },
    checkOnly(&rules::amountRange),
    { &rules::normaliseTexts<kCleaning> },
    { &rules::tfn },
    { &rules::surname },
    { &rules::givenNames },
    { &rules::birthDateOf<kBirth> },
    { &rules::addressAndSuburb },
    { &rules::postcodeStateCountry },
    { &rules::paymentDate },
    { &rules::payrollNumber },
    { &rules::origAmended },
    { &rules::taxAndReportableOf<kTax> },
};
constexpr CardMember kStored[] = {
    member(&CCards::payrollNo),
    member(&CCards::dataSource),
    member(&CCards::tfn),
    member(&CCards::dobDay),
    member(&CCards::dobMonth),
    member(&CCards::dobYear),
    member(&CCards::surname),
    member(&CCards::firstName),
    member(&CCards::secName),
    member(&CCards::addLine1),
    member(&CCards::addLine2),
    member(&CCards::suburb),
    member(&CCards::state),
    member(&CCards::pCode),
    member(&CCards::country),
    member(&CCards::paymentDay),
    member(&CCards::paymentMonth),
    member(&CCards::paymentYear),
    member(&CCards::taxWithheld),
    member(&CCards::origAmended),
    member(&CCards::taxable),
    member(&CCards::taxFree),
};
const PayeeTypeRules kType { PayeeType::ETP, kRules, kStored };

void typeFullPayee(PayeeFormFrame& form)
{
    form.values.tfn = QStringLiteral("123 456 782");
    form.values.surname = QStringLiteral(" Citizen  ");
    form.values.firstName = QStringLiteral("Jane");
    form.values.dobDay = QStringLiteral("15");
    form.values.dobMonth = QStringLiteral("06");
    form.values.dobYear = QStringLiteral("1980");
    form.values.addLine1 = QStringLiteral("1  Main   St");
    form.values.suburb = QStringLiteral("carlton");
    form.values.state = QStringLiteral("vic");
    form.values.paymentDay = QStringLiteral("30");
    form.values.paymentMonth = QStringLiteral("06");
    form.values.paymentYear = QStringLiteral("2019");
    form.numberText(&CCards::pCode) = QStringLiteral("3053");
    form.numberText(&CCards::taxWithheld) = QStringLiteral("300");
    form.numberText(&CCards::taxable) = QStringLiteral("1000");
}

TEST(SharedRuleList, WhatTheFormStoresTheCheckPassesUnchanged)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    PayeeFormFrame form(w.context, kType);
    form.OnInitDialog();
    typeFullPayee(form);

    ASSERT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored) << w.ui.texts().join(u'|').toStdString();
    const CCards stored = w.report().payees.at(1);
    EXPECT_EQ(stored.surname, QStringLiteral("Citizen"));
    EXPECT_EQ(stored.addLine1, QStringLiteral("1 Main St"));
    EXPECT_EQ(stored.suburb, QStringLiteral("CARLTON"));
    EXPECT_EQ(stored.state, QStringLiteral("VIC"));
    EXPECT_EQ(stored.tfn, QStringLiteral("123456782"));

    CCards checked = stored;
    const RuleSettings settings(RuleMode::Check, PayeeType::ETP, 2019, false);
    EXPECT_TRUE(CheckPayeeRecord(kType, 1, checked, settings));
    EXPECT_EQ(checked, stored);
}

TEST(SharedRuleList, TheModesDifferOnlyWhereTheTypeSaysSo)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    PayeeFormFrame form(w.context, kType);
    form.OnInitDialog();
    typeFullPayee(form);
    form.values.dobDay = QStringLiteral("29");
    form.values.dobMonth = QStringLiteral("02");
    form.values.dobYear = QStringLiteral("0000");

    // The form refuses 29 February without a year; the check passes it.
    EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
    EXPECT_TRUE(form.hasError(F::DateOfBirth));
    CCards record = w.report().payees[2] = [] {
        CCards c;
        c.tfn = QStringLiteral("123456782");
        c.surname = QStringLiteral("Citizen");
        c.firstName = QStringLiteral("Jane");
        c.dobDay = QStringLiteral("29");
        c.dobMonth = QStringLiteral("2");
        c.dobYear = QString();
        c.addLine1 = QStringLiteral("1 Main St");
        c.suburb = QStringLiteral("carlton");
        c.state = QStringLiteral("VIC");
        c.pCode = 3053;
        c.country = QStringLiteral("australia");
        c.paymentDay = QStringLiteral("1");
        c.paymentMonth = QStringLiteral("7");
        c.paymentYear = QStringLiteral("2018");
        c.taxWithheld = 300;
        c.taxable = 1000;
        c.origAmended = QStringLiteral("A");
        return c;
    }();
    const RuleSettings settings(RuleMode::Check, PayeeType::ETP, 2019, false);
    EXPECT_TRUE(CheckPayeeRecord(kType, 2, record, settings));
    EXPECT_EQ(record.dobMonth, QStringLiteral("02"));
    EXPECT_EQ(record.dobYear, QStringLiteral("0000"));
    EXPECT_EQ(record.paymentDay, QStringLiteral("01"));
    EXPECT_EQ(record.paymentMonth, QStringLiteral("07"));
    EXPECT_EQ(record.suburb, QStringLiteral("carlton")); // the check upper-cases the country only
    EXPECT_EQ(record.country, QStringLiteral("AUSTRALIA"));

    // An amount the lodgement file cannot carry fails every check.
    record.taxable = -1;
    record.ignoreWarnings = QStringLiteral("Yes");
    EXPECT_FALSE(CheckPayeeRecord(kType, 2, record, settings));
    EXPECT_EQ(record.checked, QStringLiteral("Error"));
}

} // namespace
