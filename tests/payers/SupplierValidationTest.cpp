#include "payers/SupplierTestSupport.h"
#include "report/FieldRules.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{

class SupplierValidation : public ::testing::Test
{
protected:
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context { ui, files };
    SupplierDetails details { context };

    void SetUp() override
    {
        details.OnInitDialog();
        details.controls = validSupplierControls();
    }
};

TEST_F(SupplierValidation, ValidSupplierPassesAndIsStoredCleaned)
{
    details.controls[kSupplierName] = QStringLiteral("  Acme   Payroll  Services ");
    details.controls[kSupplierState] = QStringLiteral("vic");
    details.controls[kSupplierPostalCountry] = QStringLiteral(" australia ");
    details.controls[kSupplierGatewayId] = QStringLiteral("  GW-1 ");

    EXPECT_FALSE(details.ValidateSupplierFields(true));
    EXPECT_TRUE(markedFields(details).empty());
    EXPECT_TRUE(ui.messages.empty());

    const Report& r = context.report();
    EXPECT_EQ(r.supplierName, QStringLiteral("Acme Payroll Services"));
    EXPECT_EQ(r.supplierAbn, QStringLiteral("51824753556"));
    EXPECT_EQ(r.supplierState, QStringLiteral("VIC"));
    EXPECT_EQ(r.supplierPostalCountry, QStringLiteral("AUSTRALIA"));
    EXPECT_EQ(r.supplierGatewayId, QStringLiteral("GW-1"));
    // Shown again as cleaned, the ABN in its display form.
    EXPECT_EQ(details.controls[kSupplierName], QStringLiteral("Acme Payroll Services"));
    EXPECT_EQ(details.controls[kSupplierAbn], QStringLiteral("51 824 753 556"));
    EXPECT_EQ(details.controls[kSupplierState], QStringLiteral("VIC"));
}

TEST_F(SupplierValidation, AllEditsEmptyMarksExactlyTheRequiredFields)
{
    details.controls = SupplierTexts {};
    EXPECT_TRUE(details.ValidateSupplierFields(true));
    const std::vector<int> expected = {
        kSupplierName,
        kSupplierAbn,
        kSupplierAddress1,
        kSupplierSuburb,
        kSupplierState,
        kSupplierPostcode,
        kSupplierPostalAddress1,
        kSupplierPostalSuburb,
        kSupplierPostalState,
        kSupplierPostalPostcode,
        kSupplierContact,
        kSupplierPhone,
    };
    EXPECT_EQ(markedFields(details), expected);
    EXPECT_TRUE(ui.messages.empty()); // field errors are only marked here
}

TEST_F(SupplierValidation, MarkersOfAnEarlierCheckAreClearedByTheNext)
{
    details.controls[kSupplierName].clear();
    EXPECT_TRUE(details.ValidateSupplierFields(true));
    details.controls[kSupplierName] = QStringLiteral("Acme");
    EXPECT_FALSE(details.ValidateSupplierFields(true));
    EXPECT_TRUE(markedFields(details).empty());
}

TEST_F(SupplierValidation, AbnWithASignShowsTheAbnMessage)
{
    details.controls[kSupplierAbn] = QStringLiteral("+1824753556");
    EXPECT_TRUE(details.ValidateSupplierFields(true));
    EXPECT_EQ(markedFields(details), std::vector<int> { kSupplierAbn });
    EXPECT_EQ(ui.texts(), QStringList { QStringLiteral("ABN must be 11 digits, no spaces.") });
}

TEST_F(SupplierValidation, WithholdingPayerNumberOnlyWhenAllowed)
{
    details.controls[kSupplierAbn] = QStringLiteral("00 123 456 782"); // TFN part passes its check digits
    EXPECT_FALSE(details.ValidateSupplierFields(true));
    EXPECT_EQ(context.report().supplierAbn, QStringLiteral("00123456782"));

    details.controls[kSupplierAbn] = QStringLiteral("00 123 456 782");
    EXPECT_TRUE(details.ValidateSupplierFields(false)); // judged as an ABN, whose check digits fail
    EXPECT_EQ(markedFields(details), std::vector<int> { kSupplierAbn });

    details.controls[kSupplierAbn] = QStringLiteral("00123456783");
    EXPECT_TRUE(details.ValidateSupplierFields(true));
    EXPECT_EQ(markedFields(details), std::vector<int> { kSupplierAbn });
}

struct RuleCase {
    const char* name;
    std::vector<std::pair<int, QString>> edits;
    std::vector<int> marked;
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}

class SupplierRules : public SupplierValidation, public ::testing::WithParamInterface<RuleCase>
{
};

TEST_P(SupplierRules, MarksTheFieldsConcerned)
{
    for (const auto& [field, text] : GetParam().edits)
        details.controls[field] = text;
    EXPECT_EQ(details.ValidateSupplierFields(true), !GetParam().marked.empty());
    EXPECT_EQ(markedFields(details), GetParam().marked);
}

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

const RuleCase kRuleCases[] = {
    { "NameWithFullStop", { { kSupplierName, s("Acme Pty. Ltd") } }, { kSupplierName } },
    { "NameWithDoubleQuote", { { kSupplierName, s("Acme \"Payroll\"") } }, { kSupplierName } },
    { "AbnSingleBlank", { { kSupplierAbn, s(" ") } }, { kSupplierAbn } },
    { "AbnTenDigits", { { kSupplierAbn, s("5182475355") } }, { kSupplierAbn } },
    { "AbnBadCheckDigits", { { kSupplierAbn, s("51 824 753 557") } }, { kSupplierAbn } },
    { "AbnLetters", { { kSupplierAbn, s("5182475355X") } }, { kSupplierAbn } },
    { "AbnPlaceholder", { { kSupplierAbn, s("00000000000") } }, {} },
    { "Line2WithoutLine1", { { kSupplierAddress1, s("") }, { kSupplierAddress2, s("Level 2") } },
        { kSupplierAddress1, kSupplierAddress2 } },
    { "Line2BadCharacter", { { kSupplierAddress2, s("Level 2.") } }, { kSupplierAddress2 } },
    { "SuburbBadCharacter", { { kSupplierSuburb, s("St. Kilda") } }, { kSupplierSuburb } },
    { "ThreeDigitPostcodeWithNT", { { kSupplierState, s("NT") }, { kSupplierPostcode, s("800") } }, {} },
    { "ThreeDigitPostcodeWithVIC", { { kSupplierPostcode, s("800") } }, { kSupplierPostcode } },
    { "LeadingZeroPostcodeOf100OrMore", { { kSupplierState, s("NSW") }, { kSupplierPostcode, s("0800") } }, {} },
    { "PostcodeBelow100", { { kSupplierPostcode, s("0099") } }, { kSupplierPostcode } },
    { "PostcodeNotANumber", { { kSupplierPostcode, s("30a0") } }, { kSupplierPostcode } },
    { "StateNotListed", { { kSupplierState, s("XYZ") } }, { kSupplierState } },
    { "StateEmpty", { { kSupplierState, s("") } }, { kSupplierState } },
    { "OverseasPostcodeWithVIC", { { kSupplierPostcode, s("9999") } }, { kSupplierState, kSupplierPostcode } },
    { "OthWithAustralianPostcode", { { kSupplierState, s("OTH") }, { kSupplierCountry, s("NEW ZEALAND") } },
        { kSupplierState, kSupplierPostcode } },
    { "OthOverseas",
        { { kSupplierState, s("OTH") }, { kSupplierPostcode, s("9999") }, { kSupplierCountry, s("New Zealand") } },
        {} },
    { "OthCountryBlank", { { kSupplierState, s("OTH") }, { kSupplierPostcode, s("9999") } },
        { kSupplierState, kSupplierPostcode, kSupplierCountry } },
    { "OthCountryAustralia",
        { { kSupplierState, s("OTH") }, { kSupplierPostcode, s("9999") }, { kSupplierCountry, s("AUSTRALIA") } },
        { kSupplierState, kSupplierPostcode, kSupplierCountry } },
    { "OthCountryAU", { { kSupplierState, s("OTH") }, { kSupplierPostcode, s("9999") }, { kSupplierCountry, s("au") } },
        { kSupplierState, kSupplierPostcode, kSupplierCountry } },
    { "OthCountryAUS",
        { { kSupplierState, s("OTH") }, { kSupplierPostcode, s("9999") }, { kSupplierCountry, s("AUS") } },
        { kSupplierState, kSupplierPostcode, kSupplierCountry } },
    { "OthCountryAUST",
        { { kSupplierState, s("OTH") }, { kSupplierPostcode, s("9999") }, { kSupplierCountry, s("AUST") } },
        { kSupplierState, kSupplierPostcode, kSupplierCountry } },
    { "VicWithCountryAUST", { { kSupplierCountry, s("AUST") } }, { kSupplierCountry } },
    { "VicWithAustraliaLowerCase", { { kSupplierCountry, s("australia") } }, {} },
    { "CountryBadCharacter",
        { { kSupplierState, s("OTH") }, { kSupplierPostcode, s("9999") }, { kSupplierCountry, s("N.Z.") } },
        { kSupplierCountry } },
    { "PostalLine1Empty", { { kSupplierPostalAddress1, s("") } }, { kSupplierPostalAddress1 } },
    { "PostalLine2WithoutLine1", { { kSupplierPostalAddress1, s("") }, { kSupplierPostalAddress2, s("Box 3") } },
        { kSupplierPostalAddress1, kSupplierPostalAddress2 } },
    { "PostalPostcodeShort", { { kSupplierPostalPostcode, s("12") } }, { kSupplierPostalPostcode } },
    { "PostalOthWithAustralianPostcode", { { kSupplierPostalState, s("OTH") }, { kSupplierPostalCountry, s("FIJI") } },
        { kSupplierPostalState, kSupplierPostalPostcode } },
    { "PostalCountryAUST", { { kSupplierPostalCountry, s("AUST") } }, { kSupplierPostalCountry } },
    { "ContactEmpty", { { kSupplierContact, s("   ") } }, { kSupplierContact } },
    { "ContactBadCharacter", { { kSupplierContact, s("J. Smith") } }, { kSupplierContact } },
    { "PhoneSixteenAllowedCharacters", { { kSupplierPhone, s("0399991234567890") } }, { kSupplierPhone } },
    { "PhoneFifteenAllowedCharacters", { { kSupplierPhone, s("(03) 9999-12345") } }, {} },
    { "PhoneLetter", { { kSupplierPhone, s("03 9999 12x4") } }, { kSupplierPhone } },
    { "FaxFifteenAllowedCharacters", { { kSupplierFax, s("(03) 9999-12345") } }, {} },
    { "FaxSixteenCharacters", { { kSupplierFax, s("(03) 9999-123456") } }, { kSupplierFax } },
    { "FaxLetter", { { kSupplierFax, s("fax") } }, { kSupplierFax } },
    { "EmailShortest", { { kSupplierEmail, s("a@b.c") } }, {} },
    { "EmailBlanksRemoved", { { kSupplierEmail, s(" jo @ acme .com ") } }, {} },
    { "EmailBeginsWithAt", { { kSupplierEmail, s("@acme.com") } }, { kSupplierEmail } },
    { "EmailNoAt", { { kSupplierEmail, s("jo.acme.com") } }, { kSupplierEmail } },
    { "EmailNoDotAfterAt", { { kSupplierEmail, s("jo.smith@acme") } }, { kSupplierEmail } },
    { "EmailDotLastAfterAt", { { kSupplierEmail, s("jo@acme.") } }, { kSupplierEmail } },
    { "EmailEndsWithDot", { { kSupplierEmail, s("jo@acme.com.") } }, { kSupplierEmail } },
    { "GatewayIdNeverChecked", { { kSupplierGatewayId, s("\"anything.\"") } }, {} },
};

INSTANTIATE_TEST_SUITE_P(Table, SupplierRules, ::testing::ValuesIn(kRuleCases),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST_F(SupplierValidation, EmailIsStoredWithoutBlanks)
{
    details.controls[kSupplierEmail] = QStringLiteral(" jo @ acme .com ");
    EXPECT_FALSE(details.ValidateSupplierFields(true));
    EXPECT_EQ(context.report().supplierEmail, QStringLiteral("jo@acme.com"));
    EXPECT_EQ(details.controls[kSupplierEmail], QStringLiteral("jo@acme.com"));
}

TEST(SupplierFieldRules, AbnDisplayFormOnlyForElevenCharacters)
{
    EXPECT_EQ(AbnDisplayForm(QStringLiteral("51824753556")), QStringLiteral("51 824 753 556"));
    EXPECT_EQ(AbnDisplayForm(QStringLiteral("5182475355")), QStringLiteral("5182475355"));
    EXPECT_EQ(AbnDisplayForm(QString()), QString());
    EXPECT_EQ(RemoveBlanks(QStringLiteral(" 51 824 753 556 ")), QStringLiteral("51824753556"));
}

} // namespace
