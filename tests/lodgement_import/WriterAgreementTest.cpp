// The loaders against the lodgement file writer: every field both carry is
// read where the writer puts it, and payees written and read back keep what
// their records carry.

#include "lodgement/LodgementLayouts.h"
#include "lodgement/LodgementWriter.h"
#include "lodgement_import/LoaderFrame.h"
#include "lodgement_import/LodgementReader.h"
#include "lodgement_import/RecordLoaders.h"
#include "report/Report.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

const LoadField* loaderFieldOf(const LoaderLayout& loader, QString CCards::*text, qint32 CCards::*number)
{
    for (const LoadField& field : loader.fields) {
        if ((text && field.text == text) || (number && field.number == number))
            return &field;
    }
    return nullptr;
}

void expectReadAt(const LoaderLayout& loader, QString CCards::*text, qint32 CCards::*number, int start, int length,
    std::string_view name)
{
    const LoadField* field = loaderFieldOf(loader, text, number);
    ASSERT_NE(field, nullptr) << name << " is not read";
    EXPECT_EQ(field->start, start) << name;
    EXPECT_EQ(field->length, length) << name;
}

// Every field of the writer's table that comes from a payee member is read
// into that member, at its position - 1 and with its width.
void expectWriterPositions(RecordLayout writer, const LoaderLayout& loader)
{
    for (const FieldLayout& field : writer) {
        const int start = field.position - 1;
        if (field.kind == FieldKind::Date) {
            expectReadAt(loader, field.text, nullptr, start, 2, field.name);
            expectReadAt(loader, field.month, nullptr, start + 2, 2, field.name);
            expectReadAt(loader, field.year, nullptr, start + 4, 4, field.name);
        } else if (field.text || field.number) {
            expectReadAt(loader, field.text, field.number, start, field.width, field.name);
        }
    }
}

TEST(WriterAgreement, InbFieldsAreReadWhereTheWriterPutsThem)
{
    for (const int year : { 2016, 2017, 2018 }) {
        SCOPED_TRACE(year);
        const LoaderLayout& loader = kInbLoader.layoutFor(130, year);
        RecordLayout writer = payeeRecordLayout(PayeeType::INB, year);
        if (year < 2017) {
            // No FBT exemption before 2017: the writer leaves it blank, the loader a blank.
            std::vector<FieldLayout> fields(writer.begin(), writer.end());
            std::erase_if(fields, [](const FieldLayout& f) { return f.text == &CCards::fbtExempt; });
            expectWriterPositions(fields, loader);
        } else {
            expectWriterPositions(writer, loader);
        }
    }
    // Where the writer puts zeros, older files carry another income.
    expectReadAt(kInbLoader.layoutFor(130, 2018), nullptr, &CCards::other1, 295, 8, "other income");
}

// ---- Round trips ----

Report reportOf(int year)
{
    Report r;
    r.reportYear = QString::number(year);
    r.priorYear = QString::number(year - 1);
    r.reportYearNumber = year;
    r.supplierAbn = QStringLiteral("53004085616");
    r.supplierName = QStringLiteral("Acme Payroll Services");
    r.supplierPostcode = QStringLiteral("2000");
    r.supplierPostalPostcode = QStringLiteral("2000");
    r.fileReference = QStringLiteral("REF 7");
    r.payerPostcode = QStringLiteral("0800");
    r.payerAbn = QStringLiteral("53004085616");
    r.payerName = QStringLiteral("Acme Pty Ltd");
    return r;
}

CCards inbPayee(qint32 id, const QString& incomeType, int year)
{
    CCards p;
    p.payeeId = id;
    p.payeeType = QStringLiteral("INB");
    p.incomeType = incomeType;
    p.tfn = QStringLiteral("123456782");
    p.dobDay = QStringLiteral("01");
    p.dobMonth = QStringLiteral("02");
    p.dobYear = QStringLiteral("1980");
    p.surname = QStringLiteral("Smith %1").arg(id);
    p.firstName = QStringLiteral("John");
    p.secName = QStringLiteral("Paul");
    p.addLine1 = QStringLiteral("1 Main St");
    p.addLine2 = QStringLiteral("Unit 4");
    p.suburb = QStringLiteral("DARWIN");
    p.state = QStringLiteral("NT");
    p.pCode = 800;
    p.country = QStringLiteral("AUSTRALIA");
    p.startDay = QStringLiteral("01");
    p.startMonth = QStringLiteral("07");
    p.startYear = QString::number(year - 1);
    p.endDay = QStringLiteral("30");
    p.endMonth = QStringLiteral("06");
    p.endYear = QString::number(year);
    p.taxWithheld = 1000 + id;
    p.gross = 50000;
    p.totalAllow = 100;
    p.lumpA = 1;
    p.lumpB = 2;
    p.lumpD = 3;
    p.lumpE = 4;
    p.cdep = 5;
    p.rfbt = 6;
    p.origAmended = QStringLiteral("A");
    p.resc = 7;
    p.lumpAType = QStringLiteral("R");
    p.giving = 8;
    p.unionFees = 9;
    p.exemptForeign = 10;
    p.annuity = 99999999;
    p.fbtExempt = year >= 2017 ? QStringLiteral("Y") : QStringLiteral(" ");
    return p;
}

// Compares the members a record type carries, through the writer's table.
void expectSameCarriedMembers(const CCards& loaded, const CCards& written, RecordLayout writer)
{
    for (const FieldLayout& field : writer) {
        if (field.kind == FieldKind::Date) {
            EXPECT_EQ(loaded.*field.text, written.*field.text) << field.name;
            EXPECT_EQ(loaded.*field.month, written.*field.month) << field.name;
            EXPECT_EQ(loaded.*field.year, written.*field.year) << field.name;
        } else if (field.text) {
            EXPECT_EQ(loaded.*field.text, written.*field.text) << field.name;
        } else if (field.number) {
            EXPECT_EQ(loaded.*field.number, written.*field.number) << field.name;
        }
    }
}

TEST(WriterAgreement, InbPayeesWrittenAndReadBackKeepWhatTheirRecordsCarry)
{
    for (const int year : { 2012, 2016, 2017, 2018 }) {
        SCOPED_TRACE(year);
        Report written = reportOf(year);
        written.year2012Mode = year == 2012 ? 1 : 0;
        // The file knows working holiday makers from 2017.
        const QString incomeTypes[] = { "Salary or Wages", "Non-Super Pension or Annuity",
            year >= 2017 ? "Working Holiday Maker" : "Salary or Wages" };
        for (qint32 id = 1; id <= 3; ++id)
            written.payees[id] = inbPayee(id, incomeTypes[id - 1], year);
        const LodgementBuild build = BuildLodgement(written);
        ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built) << build.refusal.toStdString();

        Report loaded;
        ScriptedUi ui;
        ASSERT_TRUE(LoadLodgementFile(loaded, ui, build.fileText));
        ASSERT_EQ(loaded.payees.size(), 3u);
        for (const auto& [id, payee] : written.payees) {
            SCOPED_TRACE(id);
            const CCards& back = loaded.payees.at(id);
            expectSameCarriedMembers(back, payee, payeeRecordLayout(PayeeType::INB, year));
            EXPECT_EQ(back.payeeType, u"INB");
            EXPECT_EQ(back.dataSource, kLoadedDataSource);
            EXPECT_EQ(back.checked, u"");
        }
        EXPECT_EQ(loaded.reportYear, written.reportYear);
        EXPECT_EQ(loaded.year2012Mode, written.year2012Mode);
        EXPECT_EQ(loaded.fileReference, written.fileReference);
        EXPECT_EQ(loaded.origSupplierName, written.supplierName);
        EXPECT_EQ(loaded.origPayerAbn, written.payerAbn);
        EXPECT_EQ(loaded.origSoftware, QString::fromLatin1(kSoftwareProductName));
    }
}

} // namespace
