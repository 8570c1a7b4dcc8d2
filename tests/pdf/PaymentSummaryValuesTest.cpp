#include "pdf/PaymentSummary.h"
#include "pdf/PdfTestKit.h"
#include "report/Report.h"

#include <gtest/gtest.h>

namespace
{

Report report2018(const QString& payerAbn = QStringLiteral("53004085616"))
{
    Report r;
    r.reportYear = QStringLiteral("2018");
    r.priorYear = QStringLiteral("2017");
    r.reportYearNumber = 2018;
    r.payerAbn = payerAbn;
    return r;
}

PdfNamePattern pattern(
    const char* text1, const char* f1, const char* f2, const char* f3, const char* f4, const char* text2)
{
    PdfNamePattern p;
    p.text1 = QString::fromUtf8(text1);
    p.field1 = QString::fromUtf8(f1);
    p.field2 = QString::fromUtf8(f2);
    p.field3 = QString::fromUtf8(f3);
    p.field4 = QString::fromUtf8(f4);
    p.text2 = QString::fromUtf8(text2);
    return p;
}

CCards payee(const char* type)
{
    CCards c = samplePayee(QString::fromLatin1(type));
    c.tfn = QStringLiteral("123456782");
    c.abn = QStringLiteral("00000000000");
    c.payrollNo = QStringLiteral("E42");
    c.startDay = QStringLiteral("1");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2017");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("6");
    c.endYear = QStringLiteral("2018");
    c.paymentDay = QStringLiteral("05");
    c.paymentMonth = QStringLiteral("11");
    c.paymentYear = QStringLiteral("2017");
    return c;
}

CCards voluntaryAgreement()
{
    CCards c = payee("BUS");
    c.busPaymentType = QStringLiteral("Voluntary Agreement");
    c.tfn = QStringLiteral("000000000");
    c.abn = QStringLiteral("53004085616");
    return c;
}

// ---- Name and address lines ----

TEST(PaymentSummaryValues, NameAndAddressLines)
{
    struct Row {
        const char* first;
        const char* second;
        const char* surname;
        const char* fullName;
    };
    // Single blanks between the parts that are not empty, in the summary and its file name.
    const Row rows[] = {
        { "Mary", "", "Brown", "Mary Brown" },
        { "Mary", "Ann", "Brown", "Mary Ann Brown" },
        { "", "", "Smith & Sons", "Smith & Sons" },
        { "", "Ann", "Brown", "Ann Brown" },
        { "Mary", "Ann", "", "Mary Ann" },
    };
    for (const char* type : { "INB", "ETP", "BUS", "FEI", "PEN", "SLS", "DAS" }) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(type) + " " + row.fullName);
            CCards c = payee(type);
            c.firstName = QString::fromUtf8(row.first);
            c.secName = QString::fromUtf8(row.second);
            c.surname = QString::fromUtf8(row.surname);
            const PdfValues v = PreparePaymentSummaryValues(c, report2018(), PdfNamePattern::defaults());
            EXPECT_EQ(v.fullName, QString::fromUtf8(row.fullName));
            EXPECT_EQ(v.fileName, QStringLiteral("/%1_2018_Payment_Summary").arg(QString::fromUtf8(row.fullName)));
            EXPECT_EQ(v.address, QStringLiteral("Hobart TAS 7000"));
        }
    }
}

// A postcode below 1000 prints as Australia Post writes it; the record keeps the number.
TEST(PaymentSummaryValues, PostcodeBelowOneThousandKeepsItsLeadingZero)
{
    struct Row {
        const char* suburb;
        const char* state;
        qint32 pCode;
        const char* address;
    };
    const Row rows[] = {
        { "ALICE SPRINGS", "NT", 870, "ALICE SPRINGS NT 0870" },
        { "DARWIN", "NT", 800, "DARWIN NT 0800" },
        { "CANBERRA", "ACT", 2600, "CANBERRA ACT 2600" },
        { "NOWHERE", "NT", 0, "NOWHERE NT 0" },
    };
    for (const char* type : { "INB", "ETP", "BUS", "FEI", "PEN", "SLS", "DAS" }) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(type) + " " + row.address);
            CCards c = payee(type);
            c.suburb = QString::fromLatin1(row.suburb);
            c.state = QString::fromLatin1(row.state);
            c.pCode = row.pCode;
            const PdfValues v = PreparePaymentSummaryValues(c, report2018(), PdfNamePattern::defaults());
            EXPECT_EQ(v.address, QString::fromLatin1(row.address));
            EXPECT_EQ(v.card.pCode, row.pCode);
        }
    }
}

// ---- TFN and ABN as printed ----

TEST(PaymentSummaryValues, TfnAndAbnGroupingAndZeroPayerAbnMasks)
{
    struct Row {
        const char* what;
        CCards card;
        const char* payerAbn;
        const char* tfn;
        const char* abn;
    };
    auto withTfn = [](const char* type, const char* tfn) {
        CCards c = payee(type);
        c.tfn = QString::fromLatin1(tfn);
        return c;
    };
    auto busWithAbn = [](const char* abn) {
        CCards c = voluntaryAgreement();
        c.abn = QString::fromLatin1(abn);
        return c;
    };
    const char* own = "53004085616";
    const char* zero = "00000000000";
    const Row rows[] = {
        { "INB nine digits", withTfn("INB", "123456782"), own, "123 456 782", "00000000000" },
        { "INB eight digits print as stored", withTfn("INB", "12345678"), own, "12345678", "00000000000" },
        { "INB masked under a zero payer ABN", withTfn("INB", "123456782"), zero, "000 000 000", "00000000000" },
        { "INB of eight digits is not masked", withTfn("INB", "12345678"), zero, "12345678", "00000000000" },
        { "FEI of eight digits is not masked", withTfn("FEI", "12345678"), zero, "12345678", "00000000000" },
        { "PEN of eight digits is not masked", withTfn("PEN", "12345678"), zero, "12345678", "00000000000" },
        { "PEN nine digits masked", withTfn("PEN", "123456782"), zero, "000 000 000", "00000000000" },
        { "ETP of eight digits is masked", withTfn("ETP", "12345678"), zero, "000 000 000", "00000000000" },
        { "SLS of eight digits is masked", withTfn("SLS", "12345678"), zero, "000 000 000", "00000000000" },
        { "DAS of eight digits is masked", withTfn("DAS", "12345678"), zero, "000 000 000", "00000000000" },
        { "ETP eight digits", withTfn("ETP", "12345678"), own, "12345678", "00000000000" },
        { "BUS with a TFN", withTfn("BUS", "123456782"), own, "123 456 782", "00 000 000 000" },
        { "BUS of eight digits is masked", withTfn("BUS", "12345678"), zero, "000 000 000", "00 000 000 000" },
        { "BUS Voluntary Agreement prints its ABN as TFN", voluntaryAgreement(), own, "53004085616", "53 004 085 616" },
        { "BUS Voluntary Agreement under a zero payer ABN", voluntaryAgreement(), zero, "000 000 000",
            "00 000 000 000" },
        { "BUS ABN of ten digits prints as stored", busWithAbn("5300408561"), own, "5300408561", "5300408561" },
        { "BUS ABN of ten digits is still masked", busWithAbn("5300408561"), zero, "000 000 000", "00 000 000 000" },
        { "INB ABN is not grouped",
            [] {
                CCards c = payee("INB");
                c.abn = QStringLiteral("53004085616");
                return c;
            }(),
            own, "123 456 782", "53004085616" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const PdfValues v
            = PreparePaymentSummaryValues(row.card, report2018(QString::fromLatin1(row.payerAbn)), PdfNamePattern());
        EXPECT_EQ(v.card.tfn, QString::fromLatin1(row.tfn));
        EXPECT_EQ(v.card.abn, QString::fromLatin1(row.abn));
    }
}

// ---- Dates from the stored parts ----

TEST(PaymentSummaryValues, PeriodOrPaymentDateAsStored)
{
    for (const char* type : { "INB", "BUS", "FEI", "PEN" }) {
        SCOPED_TRACE(type);
        const PdfValues v = PreparePaymentSummaryValues(payee(type), report2018(), PdfNamePattern());
        EXPECT_EQ(v.date1, QStringLiteral("1/07/2017"));
        EXPECT_EQ(v.date2, QStringLiteral("30/6/2018"));
        EXPECT_EQ(v.date3, QString());
    }
    for (const char* type : { "ETP", "SLS", "DAS" }) {
        SCOPED_TRACE(type);
        const PdfValues v = PreparePaymentSummaryValues(payee(type), report2018(), PdfNamePattern());
        EXPECT_EQ(v.date1, QString());
        EXPECT_EQ(v.date2, QString());
        EXPECT_EQ(v.date3, QStringLiteral("05/11/2017"));
    }
}

// ---- Amount texts and captions ----

CCards withAmounts(const char* type)
{
    CCards c = payee(type);
    c.taxWithheld = -2147483647 - 1; // an imported amount of ten characters
    c.gross = 999999; // the marker of a number that did not convert
    c.cdep = 0;
    c.totalAllow = 1000;
    c.allow1Name = QStringLiteral("Car");
    c.allow1 = 400;
    c.allow2Name = QStringLiteral("Tools");
    c.allow2 = 600;
    c.allow3Name = QStringLiteral("Laundry");
    c.allow4Name = QString();
    c.lumpE = 900;
    c.lumpEYrMinus2 = 300;
    c.lumpEYrMinus3 = 200;
    c.lumpEPreYrMinus3 = 400;
    c.spare1 = QStringLiteral("2016");
    c.spare2 = QStringLiteral("2015");
    c.unionName = QStringLiteral("AWU");
    c.unionFees = 52;
    c.giving = 25;
    c.exemptForeign = 7000;
    c.annuity = 150;
    c.taxable = 123;
    c.taxFree = 45;
    c.other1 = 6;
    return c;
}

TEST(PaymentSummaryValues, AmountsAreDecimalTextsInFull)
{
    for (const char* type : { "INB", "ETP", "BUS", "FEI", "PEN", "SLS", "DAS" }) {
        SCOPED_TRACE(type);
        const PdfValues v = PreparePaymentSummaryValues(withAmounts(type), report2018(), PdfNamePattern());
        EXPECT_EQ(v.texts.taxWithheld, QStringLiteral("-2147483648"));
        EXPECT_EQ(v.texts.gross, QStringLiteral("999999"));
        EXPECT_EQ(v.texts.cdep, QStringLiteral("0"));
        EXPECT_EQ(v.texts.taxable, QStringLiteral("123"));
        EXPECT_EQ(v.texts.taxFree, QStringLiteral("45"));
        EXPECT_EQ(v.texts.other1, QStringLiteral("6"));
        EXPECT_EQ(v.texts.lumpE, QStringLiteral("900"));
    }
}

TEST(PaymentSummaryValues, InbCaptionsCarryTheirAmounts)
{
    const AmountTexts t = PreparePaymentSummaryValues(withAmounts("INB"), report2018(), PdfNamePattern()).texts;
    EXPECT_EQ(t.lumpEYrMinus2, QStringLiteral("Accrued in 2016 $300"));
    // The second and third lines both name the second year.
    EXPECT_EQ(t.lumpEYrMinus3, QStringLiteral("Accrued in 2015 $200"));
    EXPECT_EQ(t.lumpEPreYrMinus3, QStringLiteral("Accrued prior to 2015 $400"));
    EXPECT_EQ(t.unionFees, QStringLiteral("AWU $52"));
    EXPECT_EQ(t.giving, QStringLiteral("Workplace Giving DGR(s) $25"));
    EXPECT_EQ(t.allow1, QStringLiteral("Car $400"));
    EXPECT_EQ(t.allow2, QStringLiteral("Tools $600"));
    EXPECT_EQ(t.allow3, QStringLiteral("Laundry $0"));
    EXPECT_EQ(t.allow4, QStringLiteral(" $0"));
    EXPECT_EQ(t.exemptForeign, QStringLiteral("Exempt foreign employment income $7000"));
    EXPECT_EQ(t.annuity, QStringLiteral("Deductible amount of the undeducted purchase price of the annuity  $150"));
    EXPECT_EQ(t.totalAllow, QStringLiteral("1000"));
}

TEST(PaymentSummaryValues, FeiCaptionsNameItsAllowancesAlone)
{
    const AmountTexts t = PreparePaymentSummaryValues(withAmounts("FEI"), report2018(), PdfNamePattern()).texts;
    EXPECT_EQ(t.lumpEYrMinus2, QStringLiteral("Accrued in 2016 $300"));
    EXPECT_EQ(t.lumpEYrMinus3, QStringLiteral("Accrued in 2015 $200"));
    EXPECT_EQ(t.lumpEPreYrMinus3, QStringLiteral("Accrued prior to 2015 $400"));
    EXPECT_EQ(t.unionFees, QStringLiteral("AWU $52"));
    EXPECT_EQ(t.giving, QStringLiteral("Workplace Giving DGR(s) $25"));
    EXPECT_EQ(t.allow1, QStringLiteral("Car"));
    EXPECT_EQ(t.allow2, QStringLiteral("Tools"));
    EXPECT_EQ(t.allow3, QStringLiteral("Laundry"));
    EXPECT_EQ(t.allow4, QString());
    EXPECT_EQ(t.exemptForeign, QStringLiteral("7000"));
    EXPECT_EQ(t.annuity, QStringLiteral("150"));
}

TEST(PaymentSummaryValues, OtherTypesKeepPlainAmountTexts)
{
    for (const char* type : { "ETP", "BUS", "PEN", "SLS", "DAS" }) {
        SCOPED_TRACE(type);
        const AmountTexts t = PreparePaymentSummaryValues(withAmounts(type), report2018(), PdfNamePattern()).texts;
        EXPECT_EQ(t.allow1, QStringLiteral("400"));
        EXPECT_EQ(t.unionFees, QStringLiteral("52"));
        EXPECT_EQ(t.giving, QStringLiteral("25"));
        EXPECT_EQ(t.lumpEYrMinus2, QStringLiteral("300"));
        EXPECT_EQ(t.lumpEPreYrMinus3, QStringLiteral("400"));
    }
}

// A payee read from a lodgement file has no accrual years: its lines name
// the years the payee forms would have stored for the report's year.
TEST(PaymentSummaryValues, ImportedLumpSumEWithoutAccrualYearsUsesTheReportYear)
{
    for (const char* type : { "INB", "FEI" }) {
        SCOPED_TRACE(type);
        CCards c = withAmounts(type);
        c.spare1.clear();
        c.spare2.clear();
        const AmountTexts t = PreparePaymentSummaryValues(c, report2018(), PdfNamePattern()).texts;
        EXPECT_EQ(t.lumpEYrMinus2, QStringLiteral("Accrued in 2016 $300"));
        EXPECT_EQ(t.lumpEYrMinus3, QStringLiteral("Accrued in 2015 $200"));
        EXPECT_EQ(t.lumpEPreYrMinus3, QStringLiteral("Accrued prior to 2015 $400"));
    }
    // Stored years stand as stored, whatever the report year.
    CCards c = withAmounts("INB");
    c.spare1 = QStringLiteral("2010");
    const AmountTexts t = PreparePaymentSummaryValues(c, report2018(), PdfNamePattern()).texts;
    EXPECT_EQ(t.lumpEYrMinus2, QStringLiteral("Accrued in 2010 $300"));
    EXPECT_EQ(t.lumpEYrMinus3, QStringLiteral("Accrued in 2015 $200"));
}

// ---- Death-benefit type of SLS and DAS ----

TEST(PaymentSummaryValues, NotApplicableDeathBenefitTypeIsCleared)
{
    struct Row {
        const char* type;
        const char* stored;
        const char* printed;
    };
    const Row rows[] = {
        { "SLS", "N/A", "" },
        { "DAS", "N/A", "" },
        { "SLS", "B", "B" },
        { "SLS", "n/a", "n/a" },
        { "INB", "N/A", "N/A" },
        { "PEN", "N/A", "N/A" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.type) + " " + row.stored);
        CCards c = payee(row.type);
        c.spare1 = QString::fromLatin1(row.stored);
        c.spare2 = QStringLiteral("2015");
        EXPECT_EQ(PreparePaymentSummaryValues(c, report2018(), PdfNamePattern()).card.spare1,
            QString::fromLatin1(row.printed));
    }
}

// The copy differs from the record only where the summary prints another form.
TEST(PaymentSummaryValues, RecordCopyChangesOnlyThePrintedForms)
{
    const CCards stored = withAmounts("SLS");
    CCards expected = stored;
    expected.tfn = QStringLiteral("123 456 782");
    EXPECT_EQ(PreparePaymentSummaryValues(stored, report2018(), PdfNamePattern()).card, expected);
}

// ---- File name stems ----

TEST(PaymentSummaryFileName, StemsOfPatterns)
{
    CCards mary = payee("INB");
    mary.firstName = QStringLiteral("Mary");
    mary.secName = QStringLiteral("Ann");
    mary.surname = QStringLiteral("Brown");
    CCards slash = payee("INB");
    slash.firstName = QStringLiteral("A/B");
    slash.surname = QStringLiteral("..\\..\\x");
    slash.payrollNo = QStringLiteral("E\t1\n2");
    struct Row {
        const char* what;
        CCards card;
        PdfNamePattern pattern;
        const char* stem;
    };
    const Row rows[] = {
        { "the initial pattern", mary, PdfNamePattern::defaults(), "/Mary Ann Brown_2018_Payment_Summary" },
        { "the payee type and three blank fields", mary, pattern("Payment_Summary", "Payee_Type", " ", " ", " ", ""),
            "/Payment_Summary_INB" },
        { "everything blank", mary, pattern("", " ", " ", " ", " ", ""), "/" },
        { "an empty pattern", mary, PdfNamePattern(), "/" },
        { "the TFN alone, as stored", mary, pattern("", "TFN", " ", " ", " ", ""), "/123456782" },
        { "a Voluntary Agreement's ABN as TFN", voluntaryAgreement(), pattern("", "TFN", " ", " ", " ", ""),
            "/53004085616" },
        { "every field", mary, pattern("A", "Payee_Type", "TFN", "Employee_No", "Year", "Z"),
            "/A_INB_123456782_E42_2018_Z" },
        { "a first text of one underscore disappears", mary, pattern("_", "Year", " ", " ", " ", ""), "/2018" },
        { "typed underscores collapse", mary, pattern("__x___", " ", "Year", " ", " ", "___y__"), "/x_2018_y" },
        { "one underscore dropped at each end", mary, pattern("__", " ", " ", " ", " ", "__"), "/" },
        { "a run of 32 underscores becomes one", mary,
            pattern("a________________________________b", " ", " ", " ", " ", ""), "/a_b" },
        { "a run of 33 leaves two", mary, pattern("a_________________________________b", " ", " ", " ", " ", ""),
            "/a__b" },
        { "texts as typed, blanks kept", mary, pattern(" a ", " ", " ", " ", " ", " b "), "/ a _ b " },
        { "an unknown field gives nothing", mary, pattern("x", "Surname", " ", " ", " ", ""), "/x" },
        // A name never leaves its folder: separators and control characters
        // of every part, typed or resolved, become underscores.
        { "separators in the resolved parts", slash, pattern("", "Payee_Name", "Employee_No", " ", " ", ""),
            "/A_B .._.._x_E_1_2" },
        { "separators in the typed texts", mary, pattern("../up", "Year", " ", " ", " ", "a\\b/"), "/.._up_2018_a_b" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const PdfValues v = PreparePaymentSummaryValues(row.card, report2018(), row.pattern);
        EXPECT_EQ(v.fileName, QString::fromUtf8(row.stem));
    }
}

} // namespace
