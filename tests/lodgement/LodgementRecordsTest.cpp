#include "lodgement/LodgementLayouts.h"
#include "lodgement/LodgementTestData.h"
#include "lodgement/LodgementWriter.h"
#include "platform/FileSystem.h"
#include "support/TestProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

QByteArray blanks(int n)
{
    return QByteArray(n, ' ');
}

// The characters of a named field in a record, found through the layout table.
QByteArray fieldOf(const QByteArray& record, RecordLayout layout, std::string_view name)
{
    const FieldLayout* field = findField(layout, name);
    if (!field) {
        ADD_FAILURE() << "no field " << name;
        return {};
    }
    return record.mid(field->position - 1, field->width);
}

QByteArray header(RecordLayout layout, const Report& report)
{
    return buildRecord(layout, RecordSource{report});
}

QByteArray payeeRecord(const Report& report, const CCards& payee, PayeeType type)
{
    return buildRecord(payeeRecordLayout(type, report.reportYearNumber), RecordSource{report, &payee});
}

QByteArray record(const QByteArray& file, int index)
{
    return file.mid(qsizetype(index) * kRecordLength, kRecordLength);
}

// ---- The tables themselves ----

TEST(LodgementLayouts, EveryTableCoversItsRecordWithoutGapsOrOverlaps)
{
    const std::pair<const char*, RecordLayout> tables[] = {
        {"IDENTREGISTER1", kIdentRegister1Layout}, {"IDENTREGISTER2", kIdentRegister2Layout},
        {"IDENTREGISTER3", kIdentRegister3Layout}, {"IDENTITY", kIdentityLayout},
        {"SOFTWARE", kSoftwareLayout},             {"FILE-TOTAL", kFileTotalLayout},
        {"DINB", kDinbLayout},                     {"DEMP", kDempLayout},
        {"DLVP", kDlvpLayout},                     {"DFEI", kDfeiLayout},
        {"DPEN to 2017", kDpenLayoutTo2017},       {"DPEN from 2018", kDpenLayoutFrom2018},
        {"DSLS", kDslsLayout},                     {"DASP", kDaspLayout},
    };
    for (const auto& [name, table] : tables) {
        SCOPED_TRACE(name);
        int next = 1;
        for (const FieldLayout& field : table) {
            EXPECT_EQ(field.position, next) << field.name;
            EXPECT_GT(field.width, 0) << field.name;
            EXPECT_EQ(findField(table, field.name), &field) << "name not unique: " << field.name;
            next = field.position + field.width;
        }
        EXPECT_EQ(next, kRecordLength + 1);
    }
}

// ---- Whole files against fixtures ----

// A writer that keeps what it is given, and how: the streamed file must be
// the built one, handed over in pieces of a bounded size.
class KeepingWriter : public FileWriter
{
public:
    QByteArray bytes;
    qsizetype largestAppend = 0;
    void append(const char* data, qsizetype size) override
    {
        bytes.append(data, size);
        largestAppend = std::max(largestAppend, size);
    }
    FileResult status() const override { return {}; }
    FileResult finish(bool) override { return {}; }
    FileResult commit() override { return {}; }
    FileResult commitNew(const QString&) override { return {}; }
    void cancel() override { }
};

TEST(LodgementFile, StreamedAndCheckedBuildsAgreeWithTheWholeOne)
{
    Report large = everyTypeReport(2018);
    // Enough payees for the stream's buffer to fill several times over.
    for (qint32 id = 1000; id < 6000; ++id) {
        CCards payee = large.payees.begin()->second;
        payee.payeeId = id;
        large.payees[id] = payee;
    }
    for (const Report& report : { everyTypeReport(2016), everyTypeReport(2018), large }) {
        const LodgementBuild whole = BuildLodgement(report);
        ASSERT_EQ(whole.outcome, LodgementBuild::Outcome::Built) << whole.refusal.toStdString();
        KeepingWriter writer;
        const LodgementBuild streamed = WriteLodgement(report, writer);
        EXPECT_EQ(streamed.outcome, LodgementBuild::Outcome::Built);
        EXPECT_TRUE(writer.bytes == whole.fileText) << writer.bytes.size() << " of " << whole.fileText.size();
        EXPECT_EQ(streamed.fileBytes, whole.fileText.size());
        EXPECT_LE(writer.largestAppend, 1600 * kRecordLength);
        EXPECT_TRUE(streamed.summaryBody.isEmpty());

        const LodgementBuild checked = CheckLodgement(report);
        EXPECT_TRUE(checked.fileText.isEmpty());
        EXPECT_EQ(checked.fileBytes, whole.fileText.size());
        EXPECT_EQ(checked.payeeRecords, whole.payeeRecords);
        EXPECT_TRUE(checked.summaryBody.bytes == whole.summaryBody.bytes);
    }
}

TEST(LodgementFile, AStreamedBuildStopsAtTheSameRefusal)
{
    Report report = everyTypeReport(2018);
    report.payees.rbegin()->second.surname = QStringLiteral("Caf\u00e9");
    const LodgementBuild whole = BuildLodgement(report);
    ASSERT_EQ(whole.outcome, LodgementBuild::Outcome::Refused);
    KeepingWriter writer;
    const LodgementBuild streamed = WriteLodgement(report, writer);
    EXPECT_EQ(streamed.outcome, LodgementBuild::Outcome::Refused);
    EXPECT_EQ(streamed.refusal, whole.refusal);
    EXPECT_EQ(CheckLodgement(report).refusal, whole.refusal);
}

TEST(LodgementFile, ReportOfEveryTypeMatchesItsFixtureByteForByte)
{
    for (int year : {2016, 2018}) {
        SCOPED_TRACE(year);
        const LodgementBuild build = BuildLodgement(everyTypeReport(year));
        ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built) << build.refusal.toStdString();
        const QByteArray expected =
            recordsFixture(readFixture(QLS_TEST_DATA_DIR, QStringLiteral("every_type_%1.A01").arg(year)));
        ASSERT_EQ(build.fileText.size(), expected.size());
        for (int i = 0; i * kRecordLength < expected.size(); ++i)
            EXPECT_EQ(record(build.fileText, i).toStdString(), record(expected, i).toStdString()) << "record " << i;
    }
}

TEST(LodgementFile, PayeesAreGroupedByTypeWhateverTheirIdsAndTheTotalCountsThem)
{
    const LodgementBuild build = BuildLodgement(everyTypeReport(2018));
    ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built);
    // IDs: INB 9, ETP 3, BUS 1 and 5, FEI 2, PEN 4, SLS 8, DAS 6; "inb" 7 is not written.
    const char* order[] = {"DINB", "DEMP", "DLVP", "DLVP", "DFEI", "DPEN", "DSLS", "DASP"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(record(build.fileText, 5 + i).mid(3, 4), QByteArray(order[i])) << i;
    EXPECT_EQ(build.payeeRecords, 8);
    EXPECT_EQ(build.fileText.size(), 14 * kRecordLength);
    EXPECT_EQ(fieldOf(record(build.fileText, 13), kFileTotalLayout, "number of records"), "00000014");
    EXPECT_FALSE(build.fileText.contains('\n'));
    EXPECT_FALSE(build.fileText.contains('\r'));
}

TEST(LodgementFile, FileTotalCountsPayeeRecordsPlusSix)
{
    Report report = headerOnlyReport(2018);
    LodgementBuild build = BuildLodgement(report);
    EXPECT_EQ(record(build.fileText, 5), "628FILE-TOTAL00000006" + blanks(607));

    for (qint32 id : {4, 9, 2})
        report.payees[id] = plainPayee(id, QStringLiteral("INB"));
    build = BuildLodgement(report);
    EXPECT_EQ(build.fileText.size(), 5652);
    EXPECT_EQ(record(build.fileText, 8), "628FILE-TOTAL00000009" + blanks(607));
}

// ---- Header records ----

TEST(LodgementHeader, VersionReportDateAndSoftwareIndicatorFollowTheYear)
{
    struct Case {
        int year;
        bool mode2012;
        const char* version;
        const char* indicator;
    };
    const Case cases[] = {
        {2012, true, "FEMPA010.0", "Y"}, {2016, false, "FEMPA011.0", "Y"}, {2017, false, "FEMPA012.0", "Y"},
        {2018, false, "FEMPA013.0", " "}, {2021, false, "FEMPA013.0", " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        Report report = headerOnlyReport(c.year);
        report.year2012Mode = c.mode2012 ? 1 : 0;
        const QByteArray year = QByteArray::number(c.year);
        EXPECT_EQ(header(kIdentRegister1Layout, report),
                  "628IDENTREGISTER153004085616P3006" + year + "EAP" + c.version + blanks(578));
        EXPECT_EQ(header(kSoftwareLayout, report),
                  "628SOFTWARECOMMERCIAL Torvek Quillastrand" + blanks(50) + c.indicator + blanks(536));
    }
}

TEST(LodgementHeader, SupplierRecordTwoCutsNamesAndTelephones)
{
    Report report = headerOnlyReport(2018);
    report.supplierName = QString(250, u'N');
    report.supplierContact = QStringLiteral("C");
    report.supplierPhone = QStringLiteral("1234567890123456789"); // 19 characters
    report.supplierFax = QStringLiteral("12");
    report.fileReference = QStringLiteral("REFERENCE-TOO-LONG");
    EXPECT_EQ(header(kIdentRegister2Layout, report), "628IDENTREGISTER2" + QByteArray(200, 'N') + "C" + blanks(37)
                                                         + "123456789012" + blanks(3) + "12" + blanks(13)
                                                         + "REFERENCE-TOO-LO" + blanks(327));
}

TEST(LodgementHeader, PayerIdentityRecordByteForByte)
{
    Report report = headerOnlyReport(2019);
    report.payerName = QString(201, u'P');
    report.payerCountry = QStringLiteral("AUSTRALIA");
    report.payerPhone = QStringLiteral("(08) 8999 0000 x1");
    const QByteArray expected = "628IDENTITY53004085616001" "2019" + QByteArray(200, 'P') + "Acme" + blanks(196)
        + "2 Smith St" + blanks(28) + "Level 3" + blanks(31) + "Darwin" + blanks(21) + "NT " + "0812" + "AUSTRALIA"
        + blanks(11) + "John Smith" + blanks(28) + "(08) 8999 00   " + "08 8999 0001   " + " ";
    EXPECT_EQ(header(kIdentityLayout, report), expected);
}

TEST(LodgementHeader, BranchNumberRule)
{
    struct Case {
        const char* abn;
        const char* branch;
        const char* written;
    };
    const Case cases[] = {
        {"53004085616", "1", "001"},   {"53004085616", "0012", "012"}, {"53004085616", "123", "123"},
        {"53004085616", "", "000"},    {"00123456782", "5", "000"},    {"", "7", "000"},
    };
    for (const Case& c : cases) {
        Report report = headerOnlyReport(2018);
        report.payerAbn = QString::fromLatin1(c.abn);
        report.payerBranch = QString::fromLatin1(c.branch);
        EXPECT_EQ(fieldOf(header(kIdentityLayout, report), kIdentityLayout, "payer branch number"), c.written)
            << c.abn << " / " << c.branch;
    }
}

TEST(LodgementHeader, EmptyAbnsAreWrittenAsElevenZeros)
{
    Report report = headerOnlyReport(2018);
    report.supplierAbn.clear();
    report.payerAbn.clear();
    EXPECT_EQ(fieldOf(header(kIdentRegister1Layout, report), kIdentRegister1Layout, "supplier ABN"), "00000000000");
    EXPECT_EQ(fieldOf(header(kIdentityLayout, report), kIdentityLayout, "payer ABN or WPN"), "00000000000");
}

TEST(LodgementHeader, ThreeDigitPostcodesKeepTheirLeadingZero)
{
    struct Case {
        const char* stored;
        const char* written;
    };
    const Case cases[] = {{"800", "0800"}, {"0800", "0800"}, {"2000", "2000"}, {"9999", "9999"}};
    for (const Case& c : cases) {
        Report report = headerOnlyReport(2018);
        report.supplierPostcode = QString::fromLatin1(c.stored);
        report.supplierPostalPostcode = QString::fromLatin1(c.stored);
        report.payerPostcode = QString::fromLatin1(c.stored);
        const QByteArray ir3 = header(kIdentRegister3Layout, report);
        EXPECT_EQ(fieldOf(ir3, kIdentRegister3Layout, "street postcode"), c.written) << c.stored;
        EXPECT_EQ(fieldOf(ir3, kIdentRegister3Layout, "postal postcode"), c.written) << c.stored;
        EXPECT_EQ(fieldOf(header(kIdentityLayout, report), kIdentityLayout, "payer postcode"), c.written) << c.stored;
    }
}

// ---- Payee fields ----

TEST(LodgementPayee, TfnRule)
{
    struct Case {
        const char* stored;
        const char* written;
    };
    const Case cases[] = {
        {"123456782", "123456782"}, {"12345678", "012345678"}, {"1", "000000001"},
        {"", "000000000"},          {"1234567890", "000000000"}, {"987654321", "000000000"},
        {"12345678a", "000000000"}, {"-1234", "000000000"},     {" 1234", "000000000"},
        {"+1234", "000000000"},     {"1234 ", "000000000"},      {"999999", "000000000"},
        {"000999999", "000000000"}, {"0999999", "000000000"},    {"99999", "000099999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lodgementTfn(QString::fromLatin1(c.stored)), QString::fromLatin1(c.written)) << c.stored;
        // Every record type writes it the same way.
        Report report = headerOnlyReport(2018);
        CCards payee = plainPayee(1, QStringLiteral("DAS"));
        payee.tfn = QString::fromLatin1(c.stored);
        EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::DAS), kDaspLayout, "TFN"), c.written) << c.stored;
    }
}

TEST(LodgementPayee, PostcodesAndAmountsArePaddedWithZeros)
{
    Report report = headerOnlyReport(2018);
    CCards payee = plainPayee(1, QStringLiteral("INB"));
    for (auto [code, written] : {std::pair{800, "0800"}, {0, "0000"}, {9999, "9999"}}) {
        payee.pCode = code;
        EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::INB), kDinbLayout, "postcode"), written);
    }
    for (auto [value, written] : {std::pair{0, "00000000"}, {1234, "00001234"}, {99999999, "99999999"}}) {
        payee.gross = value;
        EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::INB), kDinbLayout, "gross payments"), written);
    }
}

TEST(LodgementPayee, NamesAreCutAndPadded)
{
    Report report = headerOnlyReport(2018);
    CCards payee = plainPayee(1, QStringLiteral("INB"));
    payee.surname = QString(31, u'S');
    payee.secName.clear();
    const QByteArray rec = payeeRecord(report, payee, PayeeType::INB);
    EXPECT_EQ(fieldOf(rec, kDinbLayout, "surname"), QByteArray(30, 'S'));
    EXPECT_EQ(fieldOf(rec, kDinbLayout, "second given name"), blanks(15));
    EXPECT_EQ(rec.size(), kRecordLength);
}

TEST(LodgementPayee, IncomeTypeCodeOfInbByYear)
{
    struct Case {
        const char* incomeType;
        int year;
        const char* code;
    };
    const Case cases[] = {
        {"Salary or Wages", 2016, "S"},       {"Salary or Wages", 2018, "S"},
        {"Non-Super Pension or Annuity", 2016, "P"}, {"Non-Super Pension or Annuity", 2017, "P"},
        {"Working Holiday Maker", 2016, "S"}, {"Working Holiday Maker", 2017, "H"},
        {"working holiday maker", 2018, "S"}, {"", 2018, "S"},
    };
    for (const Case& c : cases) {
        Report report = headerOnlyReport(c.year);
        CCards payee = plainPayee(1, QStringLiteral("INB"));
        payee.incomeType = QString::fromLatin1(c.incomeType);
        EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::INB), kDinbLayout, "income type"), c.code)
            << c.incomeType << " " << c.year;
    }
}

TEST(LodgementPayee, FbtExemptIndicatorIsWrittenFrom2017)
{
    struct Case {
        int year;
        const char* stored;
        const char* written;
    };
    const Case cases[] = {{2016, "Y", " "}, {2017, "Y", "Y"}, {2017, "", " "}, {2018, "N", "N"}};
    for (const Case& c : cases) {
        Report report = headerOnlyReport(c.year);
        CCards payee = plainPayee(1, QStringLiteral("INB"));
        payee.fbtExempt = QString::fromLatin1(c.stored);
        EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::INB), kDinbLayout, "FBT exempt indicator"), c.written);
        EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::FEI), kDfeiLayout, "FBT exempt indicator"), c.written);
    }
}

TEST(LodgementPayee, BusPaymentTypeDecidesCodeTfnAndAbn)
{
    struct Case {
        const char* paymentType;
        const char* code;
        const char* tfn;
        const char* abn;
    };
    const Case cases[] = {
        {"Labour Hire", "001", "123456782", "00000000000"},
        {"Other Specified Payments", "002", "123456782", "00000000000"},
        {"Voluntary Agreement", "003", "000000000", "53004085616"},
        {"PS Attributed Income", "004", "123456782", "00000000000"},
        {"", "000", "123456782", "53004085616"},
        {"labour hire", "000", "123456782", "53004085616"},
    };
    for (const Case& c : cases) {
        Report report = headerOnlyReport(2018);
        CCards payee = plainPayee(1, QStringLiteral("BUS"));
        payee.busPaymentType = QString::fromLatin1(c.paymentType);
        payee.abn = QStringLiteral("53004085616");
        const QByteArray rec = payeeRecord(report, payee, PayeeType::BUS);
        EXPECT_EQ(fieldOf(rec, kDlvpLayout, "payment type code"), c.code) << c.paymentType;
        EXPECT_EQ(fieldOf(rec, kDlvpLayout, "TFN"), c.tfn) << c.paymentType;
        EXPECT_EQ(fieldOf(rec, kDlvpLayout, "payee ABN"), c.abn) << c.paymentType;
    }
}

TEST(LodgementPayee, CodesOfFeiAndSlsAndTheEtpPaymentType)
{
    Report report = headerOnlyReport(2018);
    CCards payee = plainPayee(1, QStringLiteral("FEI"));
    for (auto [income, code] : {std::pair{"JPDA Income", "J"}, {"Foreign Income", "F"}, {"", "F"}, {"jpda income", "F"}}) {
        payee.incomeType = QString::fromLatin1(income);
        EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::FEI), kDfeiLayout, "gross payments type"), code);
    }
    payee.payeeType = QStringLiteral("SLS");
    for (auto [type, code] : {std::pair{"Trustee of Deceased Estate", "T"}, {"Non-Dependent", "O"}, {"N/A", " "},
                              {"", " "}}) {
        payee.spare1 = QString::fromLatin1(type);
        EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::SLS), kDslsLayout, "type of death benefit"), code);
    }
    payee.etpPaymentType.clear();
    EXPECT_EQ(fieldOf(payeeRecord(report, payee, PayeeType::SLS), kDslsLayout, "death benefit"), " ");
    EXPECT_EQ(payeeRecord(report, payee, PayeeType::ETP).mid(246, 1), " ");
}

TEST(LodgementPayee, PensionTailChangesIn2018)
{
    CCards payee = plainPayee(1, QStringLiteral("PEN"));
    payee.lumpAType = QStringLiteral("Y");
    payee.origAmended = QStringLiteral("A");
    const QByteArray to2017 = payeeRecord(headerOnlyReport(2017), payee, PayeeType::PEN);
    EXPECT_EQ(to2017.mid(294), "A" + blanks(333));
    const QByteArray from2018 = payeeRecord(headerOnlyReport(2018), payee, PayeeType::PEN);
    EXPECT_EQ(from2018.mid(294), "YA" + blanks(332));
    EXPECT_EQ(to2017.left(294), from2018.left(294));
}

} // namespace
