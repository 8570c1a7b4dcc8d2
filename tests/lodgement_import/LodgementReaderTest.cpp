#include "lodgement_import/LodgementReader.h"
#include "lodgement_import/LoaderFrame.h"
#include "lodgement_import/LodgementFixtures.h"
#include "report/PayeeIds.h"
#include "report/Report.h"
#include "report/ReportYears.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

using fixture::payeeRecord;

QByteArray dinb(const QByteArray& surname)
{
    return payeeRecord("DINB", { { 7, "S" }, { 8, "123456782" }, { 25, surname } });
}

class LodgementReader : public ::testing::Test
{
protected:
    bool load(const QByteArray& bytes) { return LoadLodgementFile(report, ui, bytes); }

    QStringList surnames() const
    {
        QStringList names;
        for (const auto& [id, payee] : report.payees)
            names << payee.surname;
        return names;
    }

    QList<qint32> ids() const
    {
        QList<qint32> result;
        for (const auto& [id, payee] : report.payees)
            result << id;
        return result;
    }

    ScriptedUi ui;
    Report report;
};

// ---- Header ----

TEST_F(LodgementReader, HeaderFieldsComeFromTheirPlacesTrailingBlanksRemoved)
{
    ASSERT_TRUE(load(fixture::file({})));
    const Report& r = report;
    EXPECT_EQ(r.fromLodgementFile, u"Yes");
    EXPECT_EQ(r.origYear, u"2018");
    EXPECT_EQ(r.origVersion, u"0130");
    EXPECT_EQ(r.importVersion, 130);
    EXPECT_EQ(r.importFileTotal, 6);
    EXPECT_EQ(r.origSoftware, u"COMMERCIAL Torvek Quillastrand");

    // Leading blanks and inner runs stay: only trailing white space goes.
    EXPECT_EQ(r.origSupplierName, u"  Acme Payroll  Services");
    EXPECT_EQ(r.origSupplierAbn, u"53004085616");
    EXPECT_EQ(r.origSupplierAddress1, u"1 George Street");
    EXPECT_EQ(r.origSupplierAddress2, u"Level 2");
    EXPECT_EQ(r.origSupplierSuburb, u"Sydney");
    EXPECT_EQ(r.origSupplierState, u"NSW");
    EXPECT_EQ(r.origSupplierPostcode, u"2000");
    EXPECT_EQ(r.origSupplierCountry, u"Australia");
    EXPECT_EQ(r.origSupplierPostalAddress1, u"PO Box 1");
    EXPECT_EQ(r.origSupplierPostalAddress2, u"Box Line 2");
    EXPECT_EQ(r.origSupplierPostalSuburb, u"Darwin");
    EXPECT_EQ(r.origSupplierPostalState, u"NT");
    EXPECT_EQ(r.origSupplierPostalPostcode, u"800 "); // postcodes are taken unchanged
    EXPECT_EQ(r.origSupplierPostalCountry, u"Australia");
    EXPECT_EQ(r.origSupplierContact, u"Jane Citizen");
    EXPECT_EQ(r.origSupplierPhone, u"02 9999 1234");
    EXPECT_EQ(r.origSupplierFax, u"02 9999 5678");
    EXPECT_EQ(r.origSupplierEmail, u"pay@acme.com.au");
    EXPECT_EQ(r.origFileReference, u"REF-01");
    EXPECT_EQ(r.fileReference, u"REF-01");
    EXPECT_EQ(r.origPayerName, u"Acme Pty Ltd");
    EXPECT_EQ(r.origPayerAbn, u"00004085616");
    EXPECT_EQ(r.origPayerTradingName, u"Acme Trading");
    EXPECT_EQ(r.origPayerBranch, u"001");
    EXPECT_EQ(r.origPayerAddress1, u"2 Smith St");
    EXPECT_EQ(r.origPayerAddress2, u"Level 3");
    EXPECT_EQ(r.origPayerSuburb, u"Alice Springs");
    EXPECT_EQ(r.origPayerState, u"NT");
    EXPECT_EQ(r.origPayerPostcode, u"0870");
    EXPECT_EQ(r.origPayerCountry, u"Australia");
    EXPECT_EQ(r.origPayerContact, u"John Smith");
    EXPECT_EQ(r.origPayerPhone, u"08 8999 0000");
    EXPECT_EQ(r.origPayerFax, u"08 8999 0001");

    EXPECT_EQ(r.reportYear, u"2018");
    EXPECT_EQ(r.priorYear, u"2017");
    EXPECT_EQ(r.reportYearNumber, 2018);
    EXPECT_EQ(r.year2012Mode, 0);
    EXPECT_EQ(r.payeeCountText, u"0");
    EXPECT_EQ(ui.texts(), QStringList { kLodgementFileLoaded });
}

TEST_F(LodgementReader, AFileOf2012ShowsItsNoteAndSetsTheMode)
{
    ASSERT_TRUE(load(fixture::file({}, "2012", "FEMPA010.0")));
    EXPECT_EQ(report.origVersion, u"0100");
    EXPECT_EQ(report.importVersion, 100);
    EXPECT_EQ(report.year2012Mode, 1);
    EXPECT_EQ(report.priorYear, u"2011");
    EXPECT_EQ(ui.texts(), (QStringList { kYear2012Note, kLodgementFileLoaded }));
}

TEST_F(LodgementReader, AFileOfVersion11IsRead)
{
    ASSERT_TRUE(load(fixture::file({}, "2016", "FEMPA011.0")));
    EXPECT_EQ(report.origVersion, u"0110");
    EXPECT_EQ(report.importVersion, 110);
    EXPECT_EQ(report.reportYearNumber, 2016);
}

TEST_F(LodgementReader, AnEarlierImportsDetailsAreReplacedWhole)
{
    report.origPayerTradingName = QStringLiteral("old");
    report.spareImported[40] = QStringLiteral("old spare");
    QByteArray text = fixture::file({});
    text.replace(628 * 3 + 229, 12, QByteArray(12, ' ')); // no trading name
    ASSERT_TRUE(load(text));
    EXPECT_EQ(report.origPayerTradingName, u"");
    EXPECT_EQ(report.spareImported[40], u"");
}

// ---- Refusals ----

struct Refusal {
    const char* name;
    QByteArray text;
    QString message;
};

QByteArray withReplaced(QByteArray text, const QByteArray& from, const QByteArray& to)
{
    return text.replace(from, to);
}

TEST_F(LodgementReader, ARefusedFileLeavesYearPayeesAndDetailsAsTheyWere)
{
    const QByteArray good = fixture::file({ dinb("Smith") });
    const Refusal refusals[] = {
        { "no leading 628", good.mid(1), kNotALodgementFile },
        { "foreign bytes", QByteArray("PK\x03\x04 not a lodgement file", 26), kNotALodgementFile },
        { "no FEMPA", withReplaced(good, "FEMPA", "XXXXX"), kLodgementFileProblem },
        { "no FILE-TOTAL", withReplaced(good, "FILE-TOTAL", "FILE_TOTAL"), kLodgementFileProblem },
        { "a count that does not convert", withReplaced(good, "FILE-TOTAL00000007", "FILE-TOTAL0000 0x7"),
            kLodgementFileProblem },
        { "a year that does not convert", fixture::file({ dinb("Smith") }, "20 8"), kLodgementFileProblem },
        { "2011", fixture::file({ dinb("Smith") }, "2011"), kYearBefore2012 },
        { "2028", fixture::file({ dinb("Smith") }, "2028"), kYearAfter2027 },
        { "empty", QByteArray(), kNotALodgementFile },
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        Report before;
        before.reportYear = QStringLiteral("2017");
        before.priorYear = QStringLiteral("2016");
        before.reportYearNumber = 2017;
        before.payees[4].surname = QStringLiteral("Kept");
        before.highestPayeeId = 4;
        before.origYear = QStringLiteral("2015");
        before.origVersion = QStringLiteral("0110");
        before.origSoftware = QStringLiteral("Earlier");
        before.origPayerName = QStringLiteral("Earlier payer");
        report = before;
        ui.messages.clear();

        EXPECT_FALSE(load(refusal.text));
        EXPECT_EQ(ui.texts(), QStringList { refusal.message });
        // What the refused file may have set: the version and FILE-TOTAL it got to.
        report.importVersion = before.importVersion;
        report.importFileTotal = before.importFileTotal;
        EXPECT_TRUE(report == before);
    }
}

TEST_F(LodgementReader, RefusalsStopAtTheVersionOrCountTheyMet)
{
    load(withReplaced(fixture::file({}), "FILE-TOTAL", "FILE_TOTAL"));
    EXPECT_EQ(report.importVersion, 130);
    EXPECT_EQ(report.importFileTotal, 999999);
    load(withReplaced(fixture::file({}), "FEMPA", "XXXXX"));
    EXPECT_EQ(report.importVersion, 999999);
}

TEST_F(LodgementReader, ALineBrokenFileIsRefusedWithTheHintToTheTool)
{
    QByteArray text = fixture::file({ dinb("Smith") });
    for (qsizetype at = text.size() - 628; at > 0; at -= 628)
        text.insert(at, "\r\n");
    EXPECT_FALSE(load(text));
    EXPECT_EQ(ui.texts(), QStringList { kLodgementFileProblem });
    EXPECT_TRUE(report.payees.empty());
}

// ---- The record loop ----

TEST_F(LodgementReader, EveryPayeeRecordGivesAPayeeWithIdsInFileOrder)
{
    ASSERT_TRUE(load(fixture::file({ dinb("One"), dinb("Two"), dinb("Three") })));
    EXPECT_EQ(ids(), (QList<qint32> { 1, 2, 3 }));
    EXPECT_EQ(surnames(), (QStringList { "One", "Two", "Three" }));
    EXPECT_EQ(report.importedCount, 3);
    EXPECT_EQ(report.payeeCountText, u"3");
    EXPECT_EQ(report.highestPayeeId, 4);
    EXPECT_EQ(report.payeesChanged, 1);
    EXPECT_EQ(report.importRecord.left(7), u"628DINB");
}

TEST_F(LodgementReader, UnknownAndLowerCaseIdentifiersAreNamedAndSkipped)
{
    const QByteArray unknown = payeeRecord("DXYZ", { { 25, "Nobody" } });
    const QByteArray lower = payeeRecord("dinb", { { 25, "Lower" } });
    ASSERT_TRUE(load(fixture::file({ unknown, dinb("Kept"), lower })));
    EXPECT_EQ(
        ui.texts(), (QStringList { kUnknownRecordType + "DXYZ", kUnknownRecordType + "dinb", kLodgementFileLoaded }));
    // The ID count runs on over skipped records.
    EXPECT_EQ(ids(), QList<qint32> { 2 });
    EXPECT_EQ(report.highestPayeeId, 4);
    EXPECT_EQ(report.payeeCountText, u"1");
}

TEST_F(LodgementReader, ACountOneTooLargeHandsFileTotalToTheDispatch)
{
    ASSERT_TRUE(load(fixture::file({ dinb("One") }, "2018", "FEMPA013.0", 8)));
    EXPECT_EQ(report.payees.size(), 1u);
    EXPECT_EQ(ui.texts(), (QStringList { kUnknownRecordType + "FILE", kLodgementFileLoaded }));
    EXPECT_EQ(report.highestPayeeId, 3);
}

TEST_F(LodgementReader, ACountFarTooLargeStopsAtTheEndOfTheTextWithItsOneMessage)
{
    for (const qint64 count : { 10'000'006, 99'999'999, 10 }) {
        SCOPED_TRACE(count);
        report = Report {};
        ui.messages.clear();
        ASSERT_TRUE(load(fixture::file({ dinb("One"), dinb("Two") }, "2018", "FEMPA013.0", count)));
        EXPECT_EQ(surnames(), (QStringList { "One", "Two" }));
        EXPECT_EQ(ui.texts(), (QStringList { kFileTotalTooLarge, kLodgementFileLoaded }));
        EXPECT_EQ(report.importFileTotal, count);
    }
}

// ---- FILE-TOTAL only where a record's identifier stands ----

TEST_F(LodgementReader, FileTotalInAPayeesOrTheSuppliersTextIsData)
{
    // The name-and-address block of dinb() starts at 25: address line 1 at
    // 85, suburb at 161.
    auto payeeWith = [](int at, const QByteArray& text) {
        return payeeRecord("DINB", { { 7, "S" }, { 8, "123456782" }, { 25, "Marked" }, { at, text } });
    };
    QList<QByteArray> eight;
    for (int i = 1; i <= 8; ++i)
        eight << dinb("Payee" + QByteArray::number(i));
    struct Case {
        const char* where;
        QByteArray bytes;
        QStringList surnames;
    };
    QList<QByteArray> withAddress = eight;
    withAddress[2] = payeeWith(85, "FILE-TOTAL00000007");
    QList<QByteArray> withSuburb = eight;
    withSuburb[5] = payeeWith(161, "FILE-TOTAL");
    QStringList eightNames;
    for (int i = 1; i <= 8; ++i)
        eightNames << QStringLiteral("Payee%1").arg(i);
    QStringList addressNames = eightNames;
    addressNames[2] = QStringLiteral("Marked");
    QStringList suburbNames = eightNames;
    suburbNames[5] = QStringLiteral("Marked");
    const Case cases[] = {
        { "a payee's address", fixture::file(withAddress), addressNames },
        { "a payee's suburb", fixture::file(withSuburb), suburbNames },
        { "the supplier's name",
            withReplaced(fixture::file(eight), "  Acme Payroll  Services", "FILE-TOTAL00000006      "), eightNames },
        { "the software name", withReplaced(fixture::file(eight), "COMMERCIAL Torvek ", "FILE-TOTAL00000006"),
            eightNames },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        report = Report {};
        ui.messages.clear();
        ASSERT_TRUE(load(c.bytes));
        EXPECT_EQ(surnames(), c.surnames);
        EXPECT_EQ(ui.texts(), QStringList { kLodgementFileLoaded });
        EXPECT_EQ(report.importFileTotal, 14);
    }
}

TEST_F(LodgementReader, ASmallerCountStillLoadsEveryRecordBeforeFileTotal)
{
    for (const qint64 count : { 7, 6, 0 }) {
        SCOPED_TRACE(count);
        report = Report {};
        ui.messages.clear();
        ASSERT_TRUE(load(fixture::file({ dinb("One"), dinb("Two"), dinb("Three") }, "2018", "FEMPA013.0", count)));
        EXPECT_EQ(ids(), (QList<qint32> { 1, 2, 3 }));
        EXPECT_EQ(ui.texts(), (QStringList { kFileTotalTooSmall, kLodgementFileLoaded }));
        EXPECT_EQ(report.payeeCountText, u"3");
    }
}

TEST_F(LodgementReader, ACountOfSixWithoutPayeesLoadsTheHeaderOnly)
{
    ASSERT_TRUE(load(fixture::file({})));
    EXPECT_TRUE(report.payees.empty());
    EXPECT_EQ(report.highestPayeeId, 1);
    EXPECT_EQ(ui.texts(), QStringList { kLodgementFileLoaded });
}

TEST_F(LodgementReader, ALastRecordCutShortGivesWhatItHolds)
{
    // The count reaches past FILE-TOTAL to a record that ends inside its surname.
    ASSERT_TRUE(load(fixture::headerRecords() + dinb("Whole") + fixture::fileTotal(9) + dinb("Shortened").left(30)));
    EXPECT_EQ(surnames(), (QStringList { "Whole", "Short" }));
    EXPECT_EQ(report.payees.at(3).taxWithheld, 0);
    EXPECT_EQ(ui.texts(), (QStringList { kUnknownRecordType + "FILE", kLodgementFileLoaded }));
}

TEST_F(LodgementReader, TheTextEndsAtTheFirstLineFeed)
{
    // A line feed after the FILE-TOTAL record cuts off what follows.
    const QByteArray text = fixture::file({ dinb("One") }) + "\n" + dinb("Two");
    ASSERT_TRUE(load(text));
    EXPECT_EQ(surnames(), QStringList { "One" });
}

TEST_F(LodgementReader, AClosingEofByteIsIgnored)
{
    ASSERT_TRUE(load(fixture::file({ dinb("One") }) + "\x1A"));
    EXPECT_EQ(surnames(), QStringList { "One" });
    EXPECT_EQ(ui.texts(), QStringList { kLodgementFileLoaded });
}

// ---- Control characters ----

TEST_F(LodgementReader, ControlCharactersAreLoadedAsBlanksAndTheirPayeesNamedOnce)
{
    struct Case {
        const char* what;
        QByteArray surname;
        QString loaded;
    };
    const Case cases[] = {
        { "NUL", QByteArray("Sm\0th", 5), QStringLiteral("Sm th") },
        { "carriage return", "Sm\rth", QStringLiteral("Sm th") },
        { "tab", "Sm\tth", QStringLiteral("Sm th") },
        { "escape", "Sm\x1bth", QStringLiteral("Sm th") },
        { "start of heading at the end", "Smith\x01", QStringLiteral("Smith") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        report = Report {};
        ui.messages.clear();
        ASSERT_TRUE(load(fixture::file({ dinb("One"), dinb(c.surname), dinb("Three"), dinb(c.surname) })));
        EXPECT_EQ(surnames(), (QStringList { "One", c.loaded, "Three", c.loaded }));
        EXPECT_EQ(ui.texts(), (QStringList { kControlCharactersBlanked.arg("2, 4"), kLodgementFileLoaded }));
    }
}

TEST_F(LodgementReader, AControlCharacterInAnAmountLeavesTheRestOfTheRecord)
{
    // Tax withheld of DINB at 231 (eight digits): a NUL inside it makes it
    // no number, which the 999999 warning already names.
    QByteArray record = dinb("Smith");
    record.replace(231, 8,
        QByteArray("0000\0"
                   "123",
            8));
    ASSERT_TRUE(load(fixture::file({ record })));
    EXPECT_EQ(surnames(), QStringList { "Smith" });
    EXPECT_EQ(ui.texts().size(), 3);
    EXPECT_EQ(ui.texts().at(1), kControlCharactersBlanked.arg("1"));
}

TEST_F(LodgementReader, ManyPayeesWithControlCharactersAreCountedPastTheFirstTwenty)
{
    QList<QByteArray> records;
    for (int i = 0; i < 23; ++i)
        records << dinb(QByteArray("A\0B", 3));
    ASSERT_TRUE(load(fixture::file(records)));
    EXPECT_EQ(report.payees.size(), 23u);
    QStringList twenty;
    for (int id = 1; id <= 20; ++id)
        twenty << QString::number(id);
    EXPECT_EQ(ui.texts(),
        (QStringList { kControlCharactersBlanked.arg(twenty.join(", ") + " and 3 more"), kLodgementFileLoaded }));
}

TEST_F(LodgementReader, AControlCharacterInAnUnknownIdentifierIsShownAsABlank)
{
    ASSERT_TRUE(load(fixture::file({ payeeRecord(QByteArray("D\0NB", 4), { { 25, "Nobody" } }), dinb("Kept") })));
    EXPECT_EQ(surnames(), QStringList { "Kept" });
    EXPECT_EQ(ui.texts(), (QStringList { kUnknownRecordType + "D NB", kLodgementFileLoaded }));
}

// ---- Size ----

TEST_F(LodgementReader, AFileHoldingMoreThanAMillionPayeeRecordsIsRefusedBeforeReadingThem)
{
    // 1,000,001 payee records of blanks and the FILE-TOTAL record, in one
    // allocation: the file is 628 MB.
    const QByteArray header = fixture::headerRecords();
    const QByteArray total = fixture::fileTotal(6);
    QByteArray bytes;
    bytes.reserve(header.size() + 628 * 1'000'001LL + total.size());
    bytes += header;
    bytes.append(628 * 1'000'001LL, ' ');
    bytes += total;
    Report before = report;
    EXPECT_FALSE(load(bytes));
    EXPECT_EQ(ui.texts(), QStringList { kTooManyPayeeRecords });
    report.importVersion = before.importVersion;
    report.importFileTotal = before.importFileTotal;
    EXPECT_TRUE(report == before);
}

// ---- The room left in the report ----

struct RoomCase {
    const char* name;
    qint32 held;
    qint64 limit;
    QList<QByteArray> records;
    qint64 fileTotal; // -1: the records plus 6
    qint64 adding; // what the refusal names; 0: the file fits
};

class LodgementReaderRoom : public LodgementReader, public ::testing::WithParamInterface<RoomCase> {};

TEST_P(LodgementReaderRoom, AFileThatWouldPassTheLimitLoadsNothing)
{
    const RoomCase& c = GetParam();
    for (qint32 id = 1; id <= c.held; ++id)
        report.payees[id].payeeId = id;
    report.highestPayeeId = c.held;
    report.importVersion = 120;
    report.importFileTotal = 9;
    report.importedCount = 3;
    const Report before = report;

    const bool loaded
        = LoadLodgementFile(report, ui, fixture::file(c.records, "2018", "FEMPA013.0", c.fileTotal), c.limit);
    if (c.adding > 0) {
        EXPECT_FALSE(loaded);
        EXPECT_EQ(ui.texts(), QStringList { TooManyPayeesMessage(c.held, c.adding, c.limit) });
        EXPECT_TRUE(report == before);
    } else {
        EXPECT_TRUE(loaded);
        EXPECT_EQ(qint64(report.payees.size()), c.limit);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LodgementReaderRoom,
    ::testing::Values(RoomCase { "OneRecordIntoAFullReport", 2, 2, { dinb("A") }, -1, 1 },
        RoomCase { "MoreRecordsThanTheRoomLeft", 2, 3, { dinb("A"), dinb("B") }, -1, 2 },
        RoomCase { "RecordsThatFillTheRoomExactly", 1, 3, { dinb("A"), dinb("B") }, -1, 0 },
        RoomCase { "ARecordOfAnUnknownTypeAddsNone", 2, 3, { dinb("A"), payeeRecord("DXXX", {}) }, -1, 0 },
        // Records before FILE-TOTAL beyond its count are loaded, so they count.
        RoomCase { "RecordsBeyondASmallFileTotalStillAddPayees", 2, 3, { dinb("A"), dinb("B") }, 7, 2 },
        RoomCase { "AFileTotalBeyondTheRecordsCountsOnlyThem", 2, 3, { dinb("A") }, 10, 0 }),
    [](const auto& info) { return std::string(info.param.name); });

// ---- IDs ----

TEST_F(LodgementReader, IntoAReportHoldingPayeesRecordsTakeTheNextFreeIds)
{
    for (const qint32 id : { 1, 2, 4 }) {
        report.payees[id].surname = QStringLiteral("Existing %1").arg(id);
        report.payees[id].payeeId = id;
    }
    report.highestPayeeId = 4;
    const PayeeMap before = report.payees;
    ASSERT_TRUE(load(fixture::file({ dinb("One"), dinb("Two"), dinb("Three") })));
    EXPECT_EQ(ids(), (QList<qint32> { 1, 2, 3, 4, 5, 6 }));
    for (const auto& [id, payee] : before)
        EXPECT_TRUE(report.payees.at(id) == payee) << id;
    EXPECT_EQ(report.payees.at(3).surname, u"One");
    EXPECT_EQ(report.payees.at(5).surname, u"Two");
    EXPECT_EQ(report.payees.at(6).surname, u"Three");
    EXPECT_EQ(report.highestPayeeId, 7);
}

// ---- Damaged files ----

TEST_F(LodgementReader, TruncatedOrDamagedFilesNeverWriteOverAPayee)
{
    const QByteArray good = fixture::file({ dinb("One"), payeeRecord("DFEI", { { 24, "Two" } }), dinb("Three") });
    CCards kept;
    kept.payeeId = 2;
    kept.surname = QStringLiteral("Kept");
    QList<QByteArray> damaged;
    for (qsizetype length = 0; length < good.size(); length += 53)
        damaged << good.left(length);
    quint32 seed = 12345;
    for (int i = 0; i < 200; ++i) {
        QByteArray bytes = good;
        for (int flips = 0; flips < 8; ++flips) {
            seed = seed * 1103515245u + 12345u;
            bytes[qsizetype(seed % quint32(bytes.size()))] = char(seed >> 24);
        }
        damaged << bytes;
    }
    for (const QByteArray& bytes : damaged) {
        report = Report {};
        report.payees[2] = kept;
        report.highestPayeeId = 2;
        ui.messages.clear();
        load(bytes);
        EXPECT_TRUE(report.payees.at(2) == kept);
        EXPECT_LE(report.payees.size(), 5u); // the kept payee and at most one per record
        EXPECT_FALSE(ui.messages.empty());
    }
}

} // namespace
