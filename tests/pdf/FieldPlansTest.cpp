#include "pdf/FieldPlans.h"
#include "pdf/PdfTestKit.h"
#include "report/Report.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

using Fields = std::map<QString, QString>;

Fields asMap(const FieldPlan& plan)
{
    Fields fields;
    for (const PlannedField& f : plan) {
        EXPECT_EQ(fields.count(f.name), 0u) << "planned twice: " << f.name.toStdString();
        fields[f.name] = f.value;
    }
    return fields;
}

std::optional<QString> get(const Fields& fields, const char* name)
{
    auto found = fields.find(QString::fromLatin1(name));
    if (found == fields.end())
        return std::nullopt;
    return found->second;
}

Report reportOf(int year)
{
    Report r;
    r.reportYear = QString::number(year);
    r.reportYearNumber = year;
    r.payerName = QStringLiteral("Acme");
    r.payerAbn = QStringLiteral("53004085616");
    r.payerBranch = QStringLiteral("002");
    r.payerContact = QStringLiteral("J Smith");
    r.declarationDate = QStringLiteral("14/07/2018");
    return r;
}

CCards payeeOf(const char* type)
{
    return samplePayee(QString::fromLatin1(type));
}

TEST(FieldPlans, PayerAbnInGroupsOnlyWhenElevenCharacters)
{
    EXPECT_EQ(AbnInGroups(QStringLiteral("53004085616")), QStringLiteral("53 004 085 616"));
    EXPECT_EQ(AbnInGroups(QStringLiteral("5300408561")), QStringLiteral("5300408561"));
    EXPECT_EQ(AbnInGroups(QStringLiteral("53 004 085 6")), QStringLiteral("53 004 085 6"));
    EXPECT_EQ(AbnInGroups(QString()), QString());
}

TEST(FieldPlans, CommonFieldsOfEveryType)
{
    using PlanFn = FieldPlan (*)(const PdfValues&, const Report&, const QString&);
    const std::pair<const char*, PlanFn> types[] = { { "INB", &PlanINB }, { "FEI", &PlanFEI }, { "BUS", &PlanBUS },
        { "ETP", &PlanETP }, { "PEN", &PlanPEN }, { "SLS", &PlanSLS }, { "DAS", &PlanDAS } };
    for (const auto& [type, plan] : types) {
        SCOPED_TRACE(type);
        const Fields f = asMap(plan(plainValues(payeeOf(type)), reportOf(2018), QStringLiteral("Yes")));
        EXPECT_EQ(get(f, "PayerName1"), QStringLiteral("Acme"));
        EXPECT_EQ(get(f, "PayerABN1"), QStringLiteral("53 004 085 616"));
        EXPECT_EQ(get(f, "Year1"), QStringLiteral("2018"));
        EXPECT_EQ(get(f, "Branch1"), QStringLiteral("002"));
        EXPECT_EQ(get(f, "Authorised1"), QStringLiteral("J Smith"));
        EXPECT_EQ(get(f, "Date1"), QStringLiteral("14/07/2018"));
        EXPECT_EQ(get(f, "Name1"), QStringLiteral("Ann Lee"));
        EXPECT_EQ(get(f, "Name2"), QStringLiteral("1 Main St"));
        EXPECT_EQ(get(f, "TFN1"), QStringLiteral("123 456 782"));
        EXPECT_EQ(get(f, "Tax1"), QStringLiteral("0"));

        // A payer ABN of "00..." gives the branch "000" on INB only.
        Report zero = reportOf(2018);
        zero.payerAbn = QStringLiteral("00000000000");
        const Fields z = asMap(plan(plainValues(payeeOf(type)), zero, QStringLiteral("Yes")));
        EXPECT_EQ(get(z, "PayerABN1"), QStringLiteral("00 000 000 000"));
        EXPECT_EQ(
            get(z, "Branch1"), QString::fromLatin1(type) == "INB" ? QStringLiteral("000") : QStringLiteral("002"));

        Report tenChars = reportOf(2018);
        tenChars.payerAbn = QStringLiteral("0012345678");
        const Fields t = asMap(plan(plainValues(payeeOf(type)), tenChars, QStringLiteral("Yes")));
        EXPECT_EQ(get(t, "PayerABN1"), QStringLiteral("0012345678"));
        EXPECT_EQ(
            get(t, "Branch1"), QString::fromLatin1(type) == "INB" ? QStringLiteral("000") : QStringLiteral("002"));
    }
}

TEST(FieldPlans, AddressLinesMoveUpWhenTheSecondLineIsEmpty)
{
    CCards c = payeeOf("INB");
    Fields f = asMap(PlanINB(plainValues(c), reportOf(2018), QStringLiteral("Yes")));
    EXPECT_EQ(get(f, "Name3"), QStringLiteral("Hobart TAS 7000"));
    EXPECT_EQ(get(f, "Name4"), QStringLiteral("Australia"));
    EXPECT_EQ(get(f, "Name5"), std::nullopt);

    c.addLine2 = QStringLiteral("Unit 4");
    f = asMap(PlanINB(plainValues(c), reportOf(2018), QStringLiteral("Yes")));
    EXPECT_EQ(get(f, "Name3"), QStringLiteral("Unit 4"));
    EXPECT_EQ(get(f, "Name4"), QStringLiteral("Hobart TAS 7000"));
    EXPECT_EQ(get(f, "Name5"), QStringLiteral("Australia"));
}

// Print Zero "Yes" prints every amount, "No" only those above 0, anything else none.
TEST(FieldPlans, PrintZeroDecidesWhichAmountsShow)
{
    CCards c = payeeOf("INB");
    c.gross = 50000;
    c.cdep = 0;
    c.rfbt = -5;
    c.taxWithheld = 100;
    struct Row {
        const char* printZero;
        std::optional<QString> gross, cdep, rfbt, tax, lumpB;
    };
    const Row rows[] = {
        { "Yes", "50000", "0", "-5", "100", "0" },
        { "No", "50000", std::nullopt, std::nullopt, "100", std::nullopt },
        { "", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt },
        { "yes", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.printZero);
        const Fields f = asMap(PlanINB(plainValues(c), reportOf(2018), QString::fromLatin1(row.printZero)));
        EXPECT_EQ(get(f, "Gross1"), row.gross);
        EXPECT_EQ(get(f, "CDEP1"), row.cdep);
        EXPECT_EQ(get(f, "RFBT1"), row.rfbt);
        EXPECT_EQ(get(f, "Tax1"), row.tax);
        EXPECT_EQ(get(f, "LumpB1"), row.lumpB);
        // Texts that are not amounts show whatever Print Zero holds.
        EXPECT_EQ(get(f, "Name1"), QStringLiteral("Ann Lee"));
        EXPECT_EQ(get(f, "IncomeType"), QStringLiteral("S"));
    }
}

TEST(FieldPlans, FbtMarkersFollowYearFlagAndPrintZero)
{
    struct Row {
        int year;
        const char* flag;
        const char* printZero;
        qint32 rfbt;
        std::optional<QString> yes, no;
    };
    const QString x = QStringLiteral("X");
    const Row rows[] = {
        { 2016, "Y", "Yes", 100, std::nullopt, std::nullopt },
        { 2017, "Y", "Yes", 0, x, std::nullopt },
        { 2018, "N", "Yes", 0, std::nullopt, x },
        { 2018, "Y", "No", 0, std::nullopt, std::nullopt },
        { 2018, "Y", "No", 100, x, std::nullopt },
        { 2018, "N", "No", 100, std::nullopt, x },
        { 2018, "Y", "Maybe", 100, std::nullopt, std::nullopt },
        { 2018, "", "Yes", 100, std::nullopt, std::nullopt },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.year << row.flag << row.printZero << row.rfbt);
        for (auto plan : { &PlanINB, &PlanFEI }) {
            CCards c = payeeOf("INB");
            c.fbtExempt = QString::fromLatin1(row.flag);
            c.rfbt = row.rfbt;
            const Fields f = asMap(plan(plainValues(c), reportOf(row.year), QString::fromLatin1(row.printZero)));
            EXPECT_EQ(get(f, "RFBTYes"), row.yes);
            EXPECT_EQ(get(f, "RFBTNo"), row.no);
        }
    }
}

TEST(FieldPlans, IncomeTypeFromTwentySeventeen)
{
    const std::pair<const char*, const char*> codes[]
        = { { "Salary or Wages", "S" }, { "Non-Super Pension or Annuity", "P" }, { "Working Holiday Maker", "H" },
              { "Something else", "S" }, { "", "S" } };
    for (const auto& [income, code] : codes) {
        CCards c = payeeOf("INB");
        c.incomeType = QString::fromLatin1(income);
        EXPECT_EQ(get(asMap(PlanINB(plainValues(c), reportOf(2017), QStringLiteral("Yes"))), "IncomeType"),
            QString::fromLatin1(code));
        EXPECT_EQ(
            get(asMap(PlanINB(plainValues(c), reportOf(2016), QStringLiteral("Yes"))), "IncomeType"), std::nullopt);
    }
}

TEST(FieldPlans, FeiGrossTypeFollowsPrintZeroAndGross)
{
    struct Row {
        const char* income;
        const char* printZero;
        qint32 gross;
        std::optional<QString> gtype;
    };
    const Row rows[] = {
        { "Foreign Income", "Yes", 0, "F" },
        { "JPDA Income", "Yes", 0, "J" },
        { "Other", "Yes", 5, "F" },
        { "JPDA Income", "No", 0, std::nullopt },
        { "JPDA Income", "No", 10, "J" },
        { "JPDA Income", "", 10, std::nullopt },
    };
    for (const Row& row : rows) {
        CCards c = payeeOf("FEI");
        c.incomeType = QString::fromLatin1(row.income);
        c.gross = row.gross;
        c.cdep = 77;
        const Fields f = asMap(PlanFEI(plainValues(c), reportOf(2018), QString::fromLatin1(row.printZero)));
        EXPECT_EQ(get(f, "GType"), row.gtype) << row.income << row.printZero << row.gross;
        EXPECT_EQ(get(f, "Gross1").has_value(), row.gtype.has_value());
        if (QString::fromLatin1(row.printZero) != QString()) {
            EXPECT_EQ(get(f, "FTax2"), QStringLiteral("77"));
        }
    }
}

PdfValues withDetails(const char* type, qint32 total, std::array<qint32, 4> allow, qint32 unionFees, qint32 giving,
    qint32 exempt, qint32 annuity)
{
    CCards c = payeeOf(type);
    c.totalAllow = total;
    c.allow1 = allow[0];
    c.allow2 = allow[1];
    c.allow3 = allow[2];
    c.allow4 = allow[3];
    c.unionFees = unionFees;
    c.giving = giving;
    c.exemptForeign = exempt;
    c.annuity = annuity;
    PdfValues v = plainValues(c);
    v.texts.allow1 = QStringLiteral("A1");
    v.texts.allow2 = allow[1] > 0 ? QStringLiteral("A2") : QString();
    v.texts.allow3 = QStringLiteral("A3");
    v.texts.allow4 = QStringLiteral("A4");
    v.texts.unionFees = QStringLiteral("UNION");
    v.texts.giving = QStringLiteral("GIVING");
    v.texts.exemptForeign = QStringLiteral("EXEMPT");
    v.texts.annuity = QStringLiteral("ANNUITY");
    return v;
}

Fields detailsBox(const FieldPlan& plan)
{
    Fields box;
    for (const auto& [name, value] : asMap(plan)) {
        if ((name.startsWith(QLatin1String("Title")) && name != QLatin1String("Title1"))
            || QStringList { "Detail5", "Detail6", "Detail7", "Detail8", "Detail9" }.contains(name))
            box[name] = value;
    }
    return box;
}

TEST(FieldPlans, DetailsBoxFillsTitlesAndDetailsFromTwoCursors)
{
    struct Row {
        const char* what;
        const char* type;
        PdfValues values;
        Fields expected;
    };
    const Row rows[] = {
        { "allowances 1 and 3 and union", "INB", withDetails("INB", 300, { 100, 0, 200, 0 }, 50, 0, 0, 0),
            { { "Title2", "Allowances:" }, { "Detail5", "A1" }, { "Detail6", "A3" }, { "Title3", "Deductions:" },
                { "Detail9", "UNION" } } },
        { "union and giving only", "INB", withDetails("INB", 0, { 0, 0, 0, 0 }, 50, 20, 0, 0),
            { { "Title2", "Deductions:" }, { "Detail5", "UNION" }, { "Title3", "GIVING" } } },
        { "total allowances write line 1 even when allowance 1 is 0", "INB",
            withDetails("INB", 40, { 0, 10, 10, 20 }, 0, 0, 0, 0),
            { { "Title2", "Allowances:" }, { "Detail5", "A1" }, { "Detail6", "A2" }, { "Detail7", "A3" },
                { "Detail8", "A4" } } },
        { "allowance amounts without a total write nothing", "INB",
            withDetails("INB", 0, { 10, 10, 10, 10 }, 0, 0, 0, 0), {} },
        { "everything", "INB", withDetails("INB", 10, { 10, 10, 10, 10 }, 5, 5, 5, 5),
            { { "Title2", "Allowances:" }, { "Detail5", "A1" }, { "Detail6", "A2" }, { "Detail7", "A3" },
                { "Detail8", "A4" }, { "Title3", "Deductions:" }, { "Detail9", "UNION" }, { "Title4", "GIVING" },
                { "Title5", "EXEMPT" }, { "Title6", "ANNUITY" } } },
        { "exempt and annuity alone", "INB", withDetails("INB", 0, { 0, 0, 0, 0 }, 0, 0, 5, 5),
            { { "Title2", "EXEMPT" }, { "Title3", "ANNUITY" } } },
        // FEI: allowance lines 2-4 follow their names, not their amounts; no exempt or annuity lines.
        { "FEI allowances by name", "FEI", withDetails("FEI", 10, { 0, 0, 0, 0 }, 0, 5, 5, 5),
            { { "Title2", "Allowances:" }, { "Detail5", "A1" }, { "Detail6", "A3" }, { "Detail7", "A4" },
                { "Title3", "GIVING" } } },
        { "FEI union after allowances", "FEI", withDetails("FEI", 10, { 0, 3, 0, 0 }, 5, 0, 0, 0),
            { { "Title2", "Allowances:" }, { "Detail5", "A1" }, { "Detail6", "A2" }, { "Detail7", "A3" },
                { "Detail8", "A4" }, { "Title3", "Deductions:" }, { "Detail9", "UNION" } } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (const char* printZero : { "Yes", "No", "" }) {
            const auto plan = QString::fromLatin1(row.type) == "FEI" ? &PlanFEI : &PlanINB;
            EXPECT_EQ(detailsBox(plan(row.values, reportOf(2018), QString::fromLatin1(printZero))), row.expected);
        }
    }
}

TEST(FieldPlans, LumpSumELinesOnlyWithALumpSumE)
{
    for (auto plan : { &PlanINB, &PlanFEI }) {
        CCards c = payeeOf("INB");
        c.lumpE = 300;
        c.lumpEYrMinus2 = 300;
        PdfValues v = plainValues(c);
        v.texts.lumpEYrMinus2 = QStringLiteral("Accrued in 2016 $300");
        v.texts.lumpEYrMinus3 = QStringLiteral("Accrued in 2015 $0");
        v.texts.lumpEPreYrMinus3 = QStringLiteral("Accrued prior to 2015 $0");
        Fields f = asMap(plan(v, reportOf(2018), QStringLiteral("No")));
        EXPECT_EQ(get(f, "Title1"), QStringLiteral("Details of Lump Sum E:"));
        EXPECT_EQ(get(f, "Detail1"), QStringLiteral("Accrued in 2016 $300"));
        EXPECT_EQ(get(f, "Detail2"), QStringLiteral("Accrued in 2015 $0"));
        EXPECT_EQ(get(f, "Detail3"), QStringLiteral("Accrued prior to 2015 $0"));

        v.card.lumpE = 0;
        f = asMap(plan(v, reportOf(2018), QStringLiteral("Yes")));
        for (const char* name : { "Title1", "Detail1", "Detail2", "Detail3" })
            EXPECT_EQ(get(f, name), std::nullopt) << name;
    }
}

TEST(FieldPlans, BusinessPayeeShowsAbnOrTfnByPaymentType)
{
    CCards c = payeeOf("BUS");
    c.abn = QStringLiteral("53 004 085 616");
    c.busPaymentType = QStringLiteral("Voluntary Agreement");
    c.gross = 10;
    Fields f = asMap(PlanBUS(plainValues(c), reportOf(2018), QStringLiteral("No")));
    EXPECT_EQ(get(f, "ABN1"), QStringLiteral("53 004 085 616"));
    EXPECT_EQ(get(f, "TFN1"), std::nullopt);
    EXPECT_EQ(get(f, "PaymentType"), QStringLiteral("Voluntary Agreement"));
    EXPECT_EQ(get(f, "Gross1"), QStringLiteral("10"));
    EXPECT_EQ(get(f, "RESC1"), std::nullopt);
    EXPECT_EQ(get(f, "Branch1"), QStringLiteral("002"));

    c.busPaymentType = QStringLiteral("Labour Hire");
    f = asMap(PlanBUS(plainValues(c), reportOf(2018), QStringLiteral("No")));
    EXPECT_EQ(get(f, "ABN1"), std::nullopt);
    EXPECT_EQ(get(f, "TFN1"), QStringLiteral("123 456 782"));
}

TEST(FieldPlans, EtpUsesThePaymentDate)
{
    CCards c = payeeOf("ETP");
    c.startDay = QStringLiteral("01");
    c.paymentDay = QStringLiteral("03");
    c.paymentMonth = QStringLiteral("04");
    c.paymentYear = QStringLiteral("2018");
    c.etpPaymentType = QStringLiteral("R");
    c.taxable = 900;
    const Fields f = asMap(PlanETP(plainValues(c), reportOf(2018), QStringLiteral("No")));
    EXPECT_EQ(get(f, "FromDate"), QStringLiteral("03/04/2018"));
    EXPECT_EQ(get(f, "ToDate"), std::nullopt);
    EXPECT_EQ(get(f, "Taxable1"), QStringLiteral("900"));
    EXPECT_EQ(get(f, "TaxFree1"), std::nullopt);
    EXPECT_EQ(get(f, "Code1"), QStringLiteral("R"));
}

TEST(FieldPlans, PensionAmountsAndReversionaryMarkers)
{
    CCards c = payeeOf("PEN");
    c.taxedElement() = 1;
    c.untaxedElement() = 2;
    c.taxFreeComponent() = 3;
    c.taxOffset() = 4;
    c.arrearsTaxedElement() = 5;
    c.arrearsUntaxedElement() = 6;
    c.arrearsTaxFree() = 7;
    c.reversionaryIndicator() = QStringLiteral("Y");
    Fields f = asMap(PlanPEN(plainValues(c), reportOf(2018), QStringLiteral("No")));
    const std::pair<const char*, const char*> amounts[] = { { "TCTaxed", "1" }, { "TCUntaxed", "2" },
        { "Tax Free", "3" }, { "Tax Offset", "4" }, { "LSTaxed", "5" }, { "LSUntaxed", "6" }, { "LSTaxFree", "7" } };
    for (const auto& [name, value] : amounts)
        EXPECT_EQ(get(f, name), QString::fromLatin1(value)) << name;

    struct Row {
        int year;
        const char* flag;
        const char* printZero;
        std::optional<QString> yes, no;
    };
    const QString x = QStringLiteral("X");
    const Row rows[] = { { 2017, "Y", "Yes", std::nullopt, std::nullopt }, { 2018, "Y", "", x, std::nullopt },
        { 2018, "N", "No", std::nullopt, x }, { 2019, "y", "Yes", std::nullopt, std::nullopt } };
    for (const Row& row : rows) {
        c.reversionaryIndicator() = QString::fromLatin1(row.flag);
        f = asMap(PlanPEN(plainValues(c), reportOf(row.year), QString::fromLatin1(row.printZero)));
        EXPECT_EQ(get(f, "DBRISYes"), row.yes) << row.year << row.flag;
        EXPECT_EQ(get(f, "DBRISNo"), row.no) << row.year << row.flag;
    }
}

TEST(FieldPlans, SuperLumpSumsShareOnePlan)
{
    CCards c = payeeOf("SLS");
    c.taxable = 10;
    c.taxFree = 0;
    c.other1 = 30;
    c.deathBenefit() = QStringLiteral("D");
    c.deathBenefitRecipient() = QStringLiteral("Dependant");
    c.paymentDay = QStringLiteral("1");
    c.paymentMonth = QStringLiteral("2");
    c.paymentYear = QStringLiteral("2018");
    const Fields f = asMap(PlanSLS(plainValues(c), reportOf(2018), QStringLiteral("No")));
    EXPECT_EQ(get(f, "Date"), QStringLiteral("1/2/2018"));
    EXPECT_EQ(get(f, "TCTaxed"), QStringLiteral("10"));
    EXPECT_EQ(get(f, "Tax Free"), std::nullopt);
    EXPECT_EQ(get(f, "TCUntaxed"), QStringLiteral("30"));
    EXPECT_EQ(get(f, "Code1"), QStringLiteral("D"));
    EXPECT_EQ(get(f, "Tax Offset"), QStringLiteral("Dependant"));
    EXPECT_EQ(PlanDAS(plainValues(c), reportOf(2018), QStringLiteral("No")),
        PlanSLS(plainValues(c), reportOf(2018), QStringLiteral("No")));
}

} // namespace
