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

TEST(WriterAgreement, EveryTypesFieldsAreReadWhereTheWriterPutsThem)
{
    for (const int year : { 2016, 2017, 2018 }) {
        SCOPED_TRACE(year);
        struct Type {
            PayeeType type;
            const RecordLoader& loader;
        } const types[] = {
            { PayeeType::ETP, kEtpLoader },
            { PayeeType::BUS, kLvpLoader },
            { PayeeType::PEN, kPenLoader },
            { PayeeType::SLS, kSlsLoader },
            { PayeeType::DAS, kDasLoader },
        };
        for (const Type& t : types) {
            SCOPED_TRACE(recordIdentifier(t.type).toStdString());
            expectWriterPositions(payeeRecordLayout(t.type, year), t.loader.layoutFor(130, year));
        }
    }
    expectWriterPositions(kDfeiLayout, kFeiLoader.layoutFor(130, 2017));
    // Before 2017 the FBT slot is blank: the amend indicator is read from it or from the writer's place after it.
    const LoadField* amend = loaderFieldOf(kFeiLoader.layoutFor(120, 2016), &CCards::origAmended, nullptr);
    ASSERT_NE(amend, nullptr);
    EXPECT_EQ(amend->start, findField(kDfeiLayout, "FBT exempt indicator")->position - 1);
    EXPECT_EQ(amend->start + amend->length, findField(kDfeiLayout, "amend indicator")->position);
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

// One payee of each type as the loaders give them back: texts trimmed,
// suburbs and countries upper-case, each a value its record carries.
CCards typedPayee(qint32 id, const QString& type, int year)
{
    CCards p = inbPayee(id, QString(), year);
    p.payeeType = type;
    p.incomeType.clear();
    p.surname = QStringLiteral("%1 Payee").arg(type);
    // Members only INB writes.
    p.gross = 0;
    p.totalAllow = p.lumpB = p.lumpE = p.giving = p.unionFees = p.exemptForeign = p.annuity = 0;
    p.cdep = p.rfbt = p.resc = p.lumpA = p.lumpD = 0;
    p.lumpAType.clear();
    p.fbtExempt.clear();
    return p;
}

Report everyTypeReport(int year)
{
    Report r = reportOf(year);
    CCards inb = inbPayee(9, QStringLiteral("Salary or Wages"), year);
    r.payees[inb.payeeId] = inb;

    CCards etp = typedPayee(3, QStringLiteral("ETP"), year);
    etp.startDay = etp.startMonth = etp.startYear = etp.endDay = etp.endMonth = etp.endYear = QString();
    etp.paymentDay = QStringLiteral("15");
    etp.paymentMonth = QStringLiteral("03");
    etp.paymentYear = QString::number(year);
    etp.taxable = 3000;
    etp.taxFree = 400;
    etp.etpPaymentType = QStringLiteral("R");
    r.payees[etp.payeeId] = etp;

    CCards voluntary = typedPayee(1, QStringLiteral("BUS"), year);
    voluntary.busPaymentType = QStringLiteral("Voluntary Agreement");
    voluntary.tfn = QStringLiteral("000000000"); // as the form stores it
    voluntary.abn = QStringLiteral("53004085616");
    voluntary.gross = 4000;
    voluntary.resc = 12;
    r.payees[voluntary.payeeId] = voluntary;

    CCards labourHire = typedPayee(5, QStringLiteral("BUS"), year);
    labourHire.busPaymentType = QStringLiteral("Labour Hire");
    labourHire.abn = QStringLiteral("00000000000");
    labourHire.gross = 4100;
    labourHire.origAmended = QStringLiteral("O");
    r.payees[labourHire.payeeId] = labourHire;

    CCards fei = typedPayee(2, QStringLiteral("FEI"), year);
    fei.incomeType = QStringLiteral("JPDA Income");
    fei.foreignTaxPaid() = 55;
    fei.gross = 6000;
    fei.lumpA = 13;
    fei.lumpD = 14;
    fei.lumpE = 15;
    fei.lumpAType = QStringLiteral("T");
    fei.rfbt = 16;
    fei.resc = 17;
    fei.fbtExempt = year >= 2017 ? QStringLiteral("N") : QStringLiteral(" ");
    fei.origAmended = QStringLiteral("O"); // before 2017 too
    r.payees[fei.payeeId] = fei;

    CCards pen = typedPayee(4, QStringLiteral("PEN"), year);
    pen.incomeType = QStringLiteral("Superannuation Income Stream");
    pen.taxedElement() = 7000;
    pen.untaxedElement() = 70;
    pen.taxFreeComponent() = 71;
    pen.taxOffset() = 72;
    pen.arrearsTaxedElement() = 73;
    pen.arrearsUntaxedElement() = 74;
    pen.arrearsTaxFree() = 75;
    pen.reversionaryIndicator() = year >= 2018 ? QStringLiteral("Y") : QString();
    r.payees[pen.payeeId] = pen;

    CCards sls = typedPayee(8, QStringLiteral("SLS"), year);
    sls.startDay = sls.startMonth = sls.startYear = sls.endDay = sls.endMonth = sls.endYear = QString();
    sls.paymentDay = QStringLiteral("15");
    sls.paymentMonth = QStringLiteral("03");
    sls.paymentYear = QString::number(year);
    sls.taxable = 8000;
    sls.other1 = 80;
    sls.taxFree = 81;
    sls.deathBenefit() = QStringLiteral("Y");
    sls.deathBenefitRecipient() = QStringLiteral("N/A"); // written blank, read back as "N/A"
    r.payees[sls.payeeId] = sls;

    CCards das = typedPayee(6, QStringLiteral("DAS"), year);
    das.dobDay = das.dobMonth = das.dobYear = QString();
    das.startDay = das.startMonth = das.startYear = das.endDay = das.endMonth = das.endYear = QString();
    das.paymentDay = QStringLiteral("15");
    das.paymentMonth = QStringLiteral("03");
    das.paymentYear = QString::number(year);
    das.taxable = 9000;
    das.other1 = 90;
    das.taxFree = 91;
    r.payees[das.payeeId] = das;
    return r;
}

TEST(WriterAgreement, EveryTypeWrittenAndReadBackKeepsWhatItsRecordCarries)
{
    for (const int year : { 2016, 2017, 2018 }) {
        SCOPED_TRACE(year);
        const Report written = everyTypeReport(year);
        const LodgementBuild build = BuildLodgement(written);
        ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built) << build.refusal.toStdString();

        Report loaded;
        ScriptedUi ui;
        ASSERT_TRUE(LoadLodgementFile(loaded, ui, build.fileText));
        // The writer's grouped order: INB, ETP, BUS, FEI, PEN, SLS, DAS, each in ascending ID.
        const qint32 writtenIds[] = { 9, 3, 1, 5, 2, 4, 8, 6 };
        ASSERT_EQ(loaded.payees.size(), std::size(writtenIds));
        qint32 id = 0;
        for (const qint32 writtenId : writtenIds) {
            ++id;
            CCards expected = written.payees.at(writtenId);
            SCOPED_TRACE(expected.payeeType.toStdString());
            const CCards& back = loaded.payees.at(id);
            expected.payeeId = id;
            expected.dataSource = expected.payeeType == u"FEI"
                ? QStringLiteral("Loaded from existing VESK.A01 or EMPDUPE file")
                : kLoadedDataSource;
            const PayeeType type = expected.payeeType == u"INB" ? PayeeType::INB
                : expected.payeeType == u"ETP"                  ? PayeeType::ETP
                : expected.payeeType == u"BUS"                  ? PayeeType::BUS
                : expected.payeeType == u"FEI"                  ? PayeeType::FEI
                : expected.payeeType == u"PEN"                  ? PayeeType::PEN
                : expected.payeeType == u"SLS"                  ? PayeeType::SLS
                                                                : PayeeType::DAS;
            expectSameCarriedMembers(back, expected, payeeRecordLayout(type, year));
            EXPECT_TRUE(back == expected);
        }
        EXPECT_EQ(ui.texts(), (QStringList { kLodgementFileLoaded, kFeiPayeesLoaded }));
    }
}

} // namespace
