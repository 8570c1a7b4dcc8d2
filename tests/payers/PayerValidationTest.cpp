#include "payers/PayerTestKit.h"
#include "payers/PayerValidation.h"
#include "report/FieldRules.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

using F = PayerField;

struct RuleCase {
    const char* label;
    std::function<void(PayerFields&)> change;
    PayerMarkers expected;
};

PayerMarkers validate(PayerFields fields, ScriptedUi& ui)
{
    ValidatePayerFields check(fields);
    check.stage1(ui);
    check.stage2();
    return check.markers();
}

auto place(const char* state, const char* postcode, const char* country = "")
{
    return [=](PayerFields& f) {
        f.state = QString::fromUtf8(state);
        f.postcode = QString::fromUtf8(postcode);
        f.country = QString::fromUtf8(country);
    };
}

const RuleCase kRules[] = {
    { "all valid", [](PayerFields&) {}, {} },
    // Name and trading name
    { "name empty", [](PayerFields& f) { f.name.clear(); }, { F::Name } },
    { "name only blanks", [](PayerFields& f) { f.name = QStringLiteral("   "); }, { F::Name } },
    { "name with a full stop", [](PayerFields& f) { f.name = QStringLiteral("Acme Pty. Ltd"); }, { F::Name } },
    { "trading name empty", [](PayerFields& f) { f.tradingName.clear(); }, {} },
    { "trading name bad char", [](PayerFields& f) { f.tradingName = QStringLiteral("Caf\u00e9"); },
        { F::TradingName } },
    // ABN/WPN
    { "abn empty", [](PayerFields& f) { f.abn.clear(); }, { F::Abn } },
    { "abn one blank", [](PayerFields& f) { f.abn = QStringLiteral(" "); }, { F::Abn } },
    { "abn without blanks", [](PayerFields& f) { f.abn = QStringLiteral("51824753556"); }, {} },
    { "abn with dashes", [](PayerFields& f) { f.abn = QStringLiteral("51-824-753-556"); }, { F::Abn } },
    { "abn of 10 digits", [](PayerFields& f) { f.abn = QStringLiteral("5182475355"); }, { F::Abn } },
    { "abn bad check digits", [](PayerFields& f) { f.abn = QStringLiteral("51 824 753 557"); }, { F::Abn } },
    { "abn with a letter", [](PayerFields& f) { f.abn = QStringLiteral("5182475355A"); }, { F::Abn } },
    { "wpn with branch 000",
        [](PayerFields& f) {
            f.abn = QStringLiteral("00 123 456 782");
            f.branch = QStringLiteral("000");
        },
        {} },
    { "wpn with branch 001", [](PayerFields& f) { f.abn = QStringLiteral("00123456782"); }, {} },
    { "wpn bad tfn digits", [](PayerFields& f) { f.abn = QStringLiteral("00123456789"); }, { F::Abn } },
    { "wpn all zeros",
        [](PayerFields& f) {
            f.abn = QStringLiteral("00000000000");
            f.branch = QStringLiteral("000");
        },
        {} },
    // Branch
    { "branch 000 with an abn", [](PayerFields& f) { f.branch = QStringLiteral("000"); }, { F::Branch } },
    { "branch empty", [](PayerFields& f) { f.branch.clear(); }, { F::Branch } },
    { "branch of one", [](PayerFields& f) { f.branch = QStringLiteral("1"); }, { F::Branch } },
    { "branch of two", [](PayerFields& f) { f.branch = QStringLiteral("01"); }, { F::Branch } },
    { "branch of four", [](PayerFields& f) { f.branch = QStringLiteral("0001"); }, { F::Branch } },
    { "branch with a letter", [](PayerFields& f) { f.branch = QStringLiteral("00A"); }, { F::Branch } },
    { "branch with a sign", [](PayerFields& f) { f.branch = QStringLiteral("-01"); }, { F::Branch } },
    { "branch 010", [](PayerFields& f) { f.branch = QStringLiteral("010"); }, {} },
    // Address
    { "line 1 empty", [](PayerFields& f) { f.address1.clear(); }, { F::Address1 } },
    { "line 2 without line 1",
        [](PayerFields& f) {
            f.address1.clear();
            f.address2 = QStringLiteral("Level 2");
        },
        { F::Address1, F::Address2 } },
    { "line 2 bad char", [](PayerFields& f) { f.address2 = QStringLiteral("Lvl. 2"); }, { F::Address2 } },
    { "suburb empty", [](PayerFields& f) { f.suburb.clear(); }, { F::Suburb } },
    { "suburb bad char", [](PayerFields& f) { f.suburb = QStringLiteral("St. Kilda"); }, { F::Suburb } },
    // Postcode, state, country
    { "NT 800", place("NT", "800"), {} },
    { "NT 0800", place("NT", "0800"), {} },
    { "NT 0099 below 100", place("NT", "0099"), { F::Postcode } },
    { "NT 80 too short", place("NT", "80"), { F::Postcode } },
    { "VIC 800 too short", place("VIC", "800"), { F::Postcode } },
    { "VIC 3000", place("VIC", "3000"), {} },
    { "VIC 30A0", place("VIC", "30A0"), { F::Postcode } },
    { "NT +800 signed", place("NT", "+800"), { F::Postcode } },
    { "no state chosen", place("", "3000"), { F::State } },
    { "no state chosen, 3-char postcode", place("", "800"), { F::State, F::Postcode } },
    { "state not in the list", place("XYZ", "3000"), { F::State } },
    { "state in lower case", place("vic", "3000"), {} },
    { "9999 with VIC", place("VIC", "9999"), { F::Postcode, F::State } },
    { "OTH without 9999", place("OTH", "3000", "NEW ZEALAND"), { F::Postcode, F::State } },
    { "OTH 9999 no country", place("OTH", "9999"), { F::Postcode, F::State, F::Country } },
    { "OTH 9999 AUSTRALIA", place("OTH", "9999", "AUSTRALIA"), { F::Postcode, F::State, F::Country } },
    { "OTH 9999 AU", place("OTH", "9999", "AU"), { F::Postcode, F::State, F::Country } },
    { "OTH 9999 AUS", place("OTH", "9999", "aus"), { F::Postcode, F::State, F::Country } },
    { "OTH 9999 AUST", place("OTH", "9999", "AUST"), { F::Postcode, F::State, F::Country } },
    { "OTH 9999 NEW ZEALAND", place("OTH", "9999", "new zealand"), {} },
    { "OTH 9999 country bad char", place("OTH", "9999", "N.Z."), { F::Country } },
    { "VIC with AUS", place("VIC", "3000", "AUS"), { F::Country } },
    { "VIC with AU", place("VIC", "3000", "AU"), { F::Country } },
    { "VIC with AUSTRALIA", place("VIC", "3000", "Australia"), {} },
    { "VIC with FIJI", place("VIC", "3000", "FIJI"), { F::Country } },
    // Contact
    { "contact empty", [](PayerFields& f) { f.contact.clear(); }, { F::Contact } },
    { "contact bad char", [](PayerFields& f) { f.contact = QStringLiteral("J. Smith"); }, { F::Contact } },
    { "phone empty", [](PayerFields& f) { f.phone.clear(); }, { F::Phone } },
    { "phone of 15", [](PayerFields& f) { f.phone = QStringLiteral("(08) 8999-12345"); }, {} },
    { "phone of 16", [](PayerFields& f) { f.phone = QStringLiteral("(08) 8999-123456"); }, { F::Phone } },
    { "phone with a letter", [](PayerFields& f) { f.phone = QStringLiteral("08 8999 x123"); }, { F::Phone } },
    { "phone of 15 once collapsed", [](PayerFields& f) { f.phone = QStringLiteral(" +61  8 8999 1234 "); }, {} },
    { "fax empty", [](PayerFields& f) { f.fax.clear(); }, {} },
    { "fax of 16", [](PayerFields& f) { f.fax = QStringLiteral("0000000000000000"); }, { F::Fax } },
    { "fax with letters", [](PayerFields& f) { f.fax = QStringLiteral("none"); }, { F::Fax } },
    { "ref anything", [](PayerFields& f) { f.ref = QStringLiteral("#1. caf\u00e9 ~"); }, {} },
    // Several at once
    { "everything empty", [](PayerFields& f) { f = PayerFields {}; },
        { F::Name, F::Abn, F::Branch, F::Address1, F::Suburb, F::Postcode, F::State, F::Contact, F::Phone } },
};

TEST(ValidatePayerFields, EveryRuleSetsItsMarkers)
{
    for (const RuleCase& c : kRules) {
        ScriptedUi ui;
        PayerFields fields = validPayerFields();
        c.change(fields);
        const PayerMarkers markers = validate(fields, ui);
        EXPECT_EQ(markers, c.expected) << c.label << ": got " << markers.describe().toStdString() << ", expected "
                                       << c.expected.describe().toStdString();
        EXPECT_TRUE(ui.messages.empty()) << c.label;
    }
}

TEST(ValidatePayerFields, CleansAndShowsTheStoredForms)
{
    ScriptedUi ui;
    PayerFields typed = validPayerFields();
    typed.name = QStringLiteral("  Acme   Pty  Ltd ");
    typed.abn = QStringLiteral(" 5182 4753 556 ");
    typed.state = QStringLiteral("oth");
    typed.postcode = QStringLiteral(" 9999");
    typed.country = QStringLiteral(" new   zealand");
    typed.ref = QStringLiteral("  a  b ");
    ValidatePayerFields check(typed);
    check.stage1(ui);
    check.stage2();
    EXPECT_FALSE(check.failed()) << check.markers().describe().toStdString();
    EXPECT_EQ(check.cleaned().name, QStringLiteral("Acme Pty Ltd"));
    EXPECT_EQ(check.cleaned().abn, QStringLiteral("51824753556"));
    EXPECT_EQ(check.shown().abn, QStringLiteral("51 824 753 556"));
    EXPECT_EQ(check.cleaned().state, QStringLiteral("OTH"));
    EXPECT_EQ(check.cleaned().postcode, QStringLiteral("9999"));
    EXPECT_EQ(check.cleaned().country, QStringLiteral("NEW ZEALAND"));
    EXPECT_EQ(check.cleaned().ref, QStringLiteral("a b"));
    EXPECT_EQ(check.key(), QStringLiteral("51824753556001"));
}

TEST(ValidatePayerFields, StageOneAloneLeavesTheAddressUnchecked)
{
    ScriptedUi ui;
    PayerFields typed;
    typed.abn = QStringLiteral("00123456782");
    typed.branch = QStringLiteral("000");
    typed.name = QStringLiteral("Trust");
    ValidatePayerFields check(typed);
    check.stage1(ui);
    EXPECT_FALSE(check.failed());
    EXPECT_TRUE(check.wpn());
    EXPECT_EQ(check.key(), QStringLiteral("00123456782000"));
}

TEST(ValidatePayerFields, AnAbnWithASignIsRefusedWithTheAbnMessage)
{
    ScriptedUi ui;
    PayerFields fields = validPayerFields();
    fields.abn = QStringLiteral("-1234567890");
    EXPECT_EQ(validate(fields, ui), PayerMarkers { F::Abn });
    EXPECT_EQ(ui.texts(), QStringList { QStringLiteral("ABN must be 11 digits, no spaces.") });
}

TEST(PayerFieldRules, AbnDisplayFormGroupsOnlyElevenCharacters)
{
    EXPECT_EQ(AbnDisplayForm(QStringLiteral("51824753556")), QStringLiteral("51 824 753 556"));
    EXPECT_EQ(AbnDisplayForm(QStringLiteral("5182475355")), QStringLiteral("5182475355"));
    EXPECT_EQ(AbnDisplayForm(QString()), QString());
    EXPECT_EQ(RemoveBlanks(QStringLiteral(" 51 824 753 556 ")), QStringLiteral("51824753556"));
}

} // namespace
