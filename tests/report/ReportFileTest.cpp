#include "report/AppContext.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

// Byte builders written from the file layout, independent of the writer.
QByteArray le32(qint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((quint32(v) >> (8 * i)) & 0xFF));
    return b;
}

QByteArray le64(qint64 v)
{
    QByteArray b;
    for (int i = 0; i < 8; ++i)
        b.append(char((quint64(v) >> (8 * i)) & 0xFF));
    return b;
}

// A short UTF-16 text (below 255 units).
QByteArray wide(const QString& s)
{
    QByteArray b("\xFF\xFE\xFF", 3);
    b.append(char(s.size()));
    for (QChar c : s) {
        b.append(char(c.unicode() & 0xFF));
        b.append(char(c.unicode() >> 8));
    }
    return b;
}

// A short 8-bit text as older files hold it.
QByteArray narrow(const QByteArray& s)
{
    QByteArray b;
    b.append(char(s.size()));
    b.append(s);
    return b;
}

const QByteArray kEmptyText("\xFF\xFE\xFF\x00", 4);

QByteArray repeat(const QByteArray& piece, int times)
{
    QByteArray b;
    for (int i = 0; i < times; ++i)
        b.append(piece);
    return b;
}

// The head of a report (positions 2-262) with every value empty or zero,
// and the given year.
QByteArray emptyHead(const QString& year = QString(), const QString& prior = QString(), qint32 yearNumber = 0)
{
    QByteArray b;
    b += QByteArray(172 * 4, '\0');
    b += repeat(kEmptyText, 40 + 27 + 27 + 41);
    b += QByteArray(3 * 8, '\0');
    b += year.isEmpty() ? kEmptyText : wide(year);
    b += prior.isEmpty() ? kEmptyText : wide(prior);
    b += le32(yearNumber);
    return b;
}

QByteArray cardBytes(qint32 id, const QString& surname)
{
    // Member 1 int, 2-19 texts (surname is member 13), 20 int, 21-30 texts,
    // 31-33 ints, 34-41 text/int pairs, 42-48 ints, 49 text, 50-54 ints,
    // 55 text, 56-58 ints, 59 text, 60-61 ints, 62-67 texts, 68-71 ints.
    QByteArray b = le32(id);
    for (int m = 2; m <= 19; ++m)
        b += m == 13 ? wide(surname) : kEmptyText;
    b += le32(0);
    b += repeat(kEmptyText, 10);
    b += QByteArray(3 * 4, '\0');
    b += repeat(kEmptyText + le32(0), 4);
    b += QByteArray(7 * 4, '\0');
    b += kEmptyText;
    b += QByteArray(5 * 4, '\0');
    b += kEmptyText;
    b += QByteArray(3 * 4, '\0');
    b += kEmptyText;
    b += QByteArray(2 * 4, '\0');
    b += repeat(kEmptyText, 6);
    b += QByteArray(4 * 4, '\0');
    return b;
}

TEST(ReportFileLayout, ResetReportIsTheDocumentedLayout)
{
    Report r;
    ResetReportGlobals(r);
    const QByteArray expected = wide(QStringLiteral("veskq1")) + emptyHead() + le32(0) + repeat(kEmptyText, 45);
    EXPECT_EQ(StoreReport(r), expected);
    EXPECT_EQ(expected.size(), 16 + 688 + 135 * 4 + 24 + 8 + 4 + 4 + 45 * 4);
}

TEST(ReportFileLayout, ValuesLandAtTheirPositions)
{
    Report r;
    r.payeeMode = 0x01020304;          // int slot 7 -> bytes 6*4 into the ints
    r.payerKey = QStringLiteral("K");  // text slot 10
    r.payerDate = 0x1122334455667788;  // second timestamp
    r.reportYear = QStringLiteral("2019");
    r.priorYear = QStringLiteral("2018");
    r.reportYearNumber = 2019;
    r.fromLodgementFile = QStringLiteral("Yes"); // first of the 45 tail texts
    CCards c;
    c.payeeId = 9;
    c.surname = QStringLiteral("Lee");
    r.payees[9] = c;

    QByteArray ints(172 * 4, '\0');
    ints.replace(6 * 4, 4, le32(0x01020304));
    QByteArray texts;
    for (int s = 1; s <= 40; ++s)
        texts += s == 10 ? wide(QStringLiteral("K")) : kEmptyText;
    const QByteArray expected = wide(QStringLiteral("veskq1")) + ints + texts + repeat(kEmptyText, 27 + 27 + 41)
        + le64(0) + le64(0x1122334455667788) + le64(0) + wide(QStringLiteral("2019")) + wide(QStringLiteral("2018"))
        + le32(2019) + le32(1) + cardBytes(9, QStringLiteral("Lee")) + wide(QStringLiteral("Yes"))
        + repeat(kEmptyText, 44);
    EXPECT_EQ(StoreReport(r), expected);
}

struct LengthCase {
    int length;
    QByteArray prefix;
};

void PrintTo(const LengthCase& c, std::ostream* os)
{
    *os << c.length << " units";
}

class TextLengthForm : public ::testing::TestWithParam<LengthCase> {};

TEST_P(TextLengthForm, PrefixFollowsLength)
{
    const LengthCase c = GetParam();
    Report r;
    r.payerKey = QString(c.length, QLatin1Char('a'));
    const QByteArray bytes = StoreReport(r);
    const qsizetype at = 16 + 688 + 9 * 4; // text slot 10
    EXPECT_EQ(bytes.mid(at, c.prefix.size()), c.prefix);
    EXPECT_EQ(bytes.mid(at + c.prefix.size(), 2), QByteArray("a\0", 2));

    ScriptedUi ui;
    Report back;
    LoadReport(bytes, back, ui);
    EXPECT_EQ(back.payerKey.size(), c.length);
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextLengthForm,
    ::testing::Values(LengthCase{254, QByteArray("\xFF\xFE\xFF\xFE", 4)},
                      LengthCase{255, QByteArray("\xFF\xFE\xFF\xFF\xFF\x00", 6)},
                      LengthCase{65533, QByteArray("\xFF\xFE\xFF\xFF\xFD\xFF", 6)},
                      LengthCase{65534, QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\xFE\xFF\x00\x00", 10)},
                      LengthCase{70000, QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\x70\x11\x01\x00", 10)}));

Report richReport()
{
    Report r;
    const char* types[] = {"INB", "ETP", "BUS", "FEI", "PEN", "SLS", "DAS"};
    for (int i = 0; i < 7; ++i) {
        CCards c;
        c.payeeId = 100 - i * 10;
        c.payeeType = QString::fromLatin1(types[i]);
        c.surname = QStringLiteral("Surname %1").arg(i);
        c.firstName = QString::fromUtf16(u"Jos\u00e9 \u20ac");
        c.gross = 1000 * i;
        c.taxWithheld = -5;
        c.spareInt3 = i;
        c.spare6 = QStringLiteral("spare");
        c.checked = QStringLiteral("Yes");
        r.payees[c.payeeId] = c;
    }
    r.spareInts[1] = 17;
    r.spareInts[172] = -1;
    r.spareInts[107] = 107;
    r.spareTexts[40] = QStringLiteral("spare forty");
    r.spareTextsC[39] = QString(255, QLatin1Char('x'));
    r.spareTextsC[59] = QString(70000, QLatin1Char('y'));
    r.spareImported[45] = QString(65534, QLatin1Char('z'));
    r.spareImported[23] = QStringLiteral("spare import");
    r.supplierFieldsSaved[19] = QStringLiteral("checked");
    r.payerFieldsSaved[26] = QStringLiteral("last");
    r.spareTime1 = -1;
    r.spareTime2 = 1234567890123;
    r.payerDate = 1700000000;
    r.reportYear = QStringLiteral("2019");
    r.priorYear = QStringLiteral("2018");
    r.reportYearNumber = 2019;
    r.highestPayeeId = 100;
    r.summaryText = QString::fromUtf8("line 1\r\nline 2 Caf\u00e9").toUtf8();
    r.origPayerName = QStringLiteral("ORIGINAL PAYER");
    return r;
}

TEST(ReportFileRoundTrip, SaveLoadSaveIsByteIdentical)
{
    const Report r = richReport();
    const QByteArray first = StoreReport(r);
    ScriptedUi ui;
    Report loaded;
    EXPECT_EQ(LoadReport(first, loaded, ui), ReportRead::Whole);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(loaded, r);
    EXPECT_EQ(StoreReport(loaded), first);
}

// The summary is kept as UTF-8 bytes: a text that starts with a byte-order
// mark, or holds any other character, still saves as the text it was.
TEST(ReportFileRoundTrip, TheSummaryKeepsALeadingByteOrderMark)
{
    for (const QString& summary : {QStringLiteral("\uFEFFsummary \u00FF"), QStringLiteral("\uFEFF\uFEFFx")}) {
        Report r = richReport();
        r.summaryText = summary.toUtf8();
        const QByteArray first = StoreReport(r);
        ScriptedUi ui;
        Report loaded;
        EXPECT_EQ(LoadReport(first, loaded, ui), ReportRead::Whole);
        EXPECT_EQ(loaded.summaryText, r.summaryText);
        EXPECT_EQ(StoreReport(loaded), first);
    }
}

TEST(ReportFileLoad, OldSignatureWithEightBitTextsLoadsAndSavesAsCurrent)
{
    QByteArray file = narrow("lwrightdata4");
    file += QByteArray(172 * 4, '\0');
    // Text slot 1 holds 8-bit text with Windows-1252 characters.
    file += narrow("Caf\xE9 \x80 \x93q\x94");
    file += repeat(narrow(""), 39 + 27 + 27 + 41);
    file += QByteArray(3 * 8, '\0');
    file += narrow("2019") + narrow("2018") + le32(2019);
    file += le32(0);
    file += repeat(narrow(""), 45);

    ScriptedUi ui;
    Report r;
    LoadReport(file, r, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(r.openState, 0);
    EXPECT_EQ(r.importSource, QString::fromUtf16(u"Caf\u00e9 \u20ac \u201cq\u201d"));
    EXPECT_EQ(r.reportYear, QStringLiteral("2019"));
    EXPECT_EQ(r.reportYearNumber, 2019);
    EXPECT_TRUE(StoreReport(r).startsWith(wide(QStringLiteral("veskq1"))));
}

TEST(ReportFileLoad, WrongSignatureChangesNothing)
{
    for (const QByteArray& file : {wide(QStringLiteral("VESKQ1")) + emptyHead(), narrow("other"), QByteArray(),
                                   QByteArray("\xFF\xFE", 2)}) {
        ScriptedUi ui;
        Report r;
        r.payerName = QStringLiteral("kept");
        EXPECT_EQ(LoadReport(file, r, ui), ReportRead::WrongFormat);
        EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Wrong Format, cannot open this file.")});
        EXPECT_EQ(r.openState, 1);
        EXPECT_EQ(r.payerName, QStringLiteral("kept"));
    }
}

const QString kVeskqDamaged = QStringLiteral(
    "Although this is an Quillastrand Release 1 file, an error occurred on loading the data.\r\n\r\nProceed with "
    "caution.\r\n\r\nTorvek recommends you check the Payer and Supplier Details and run the Check All function from "
    "the Payee List before Generating any files.");
const QString kOldDamaged = QStringLiteral(
    "Although this is an Quillastrand Release 1 or an Ledgerwright Release 4 file, an error occurred on loading the "
    "data.\r\n\r\nProceed with caution.\r\n\r\nTorvek recommends you check the Payer and Supplier Details and run "
    "the Check All function from the Payee List before Generating any files.");
// The damage message is followed by what was read of the payees.
QString damaged(const QString& message, const QString& note)
{
    return message + QStringLiteral("\r\n\r\n") + note;
}
QString readOf(int read, int declared)
{
    return QStringLiteral("%1 of the %2 payees this file declares were read. Each of them is marked Checked \"No\" "
                          "until Check All is run.")
        .arg(read)
        .arg(declared);
}
const QString kNoCount = QStringLiteral("The file is damaged before its payee count: no payee was read.");

const QString k2012Note =
    QStringLiteral("Note: This Version supports the 2012 year for INB type payment summaries only.");

TEST(ReportFileLoad, CutInThePayeesKeepsWhatWasRead)
{
    const QByteArray whole = wide(QStringLiteral("veskq1")) + emptyHead(QStringLiteral("2019"), QStringLiteral("2018"), 2019)
        + le32(3) + cardBytes(1, QStringLiteral("One")) + cardBytes(2, QStringLiteral("Two"))
        + cardBytes(3, QStringLiteral("Three"));
    const QByteArray cut = whole.left(whole.size() - 30);
    ScriptedUi ui;
    Report r;
    EXPECT_EQ(LoadReport(cut, r, ui), ReportRead::Damaged);
    EXPECT_EQ(ui.texts(), QStringList { damaged(kVeskqDamaged, readOf(2, 3)) });
    ASSERT_EQ(r.payees.size(), 2u);
    EXPECT_EQ(r.payees.at(2).surname, QStringLiteral("Two"));
    EXPECT_EQ(r.reportYear, QStringLiteral("2019"));
    EXPECT_EQ(r.openState, 0);
}

TEST(ReportFileLoad, CutFileOf2012ShowsTheNoteFirst)
{
    const QByteArray whole = narrow("lwrightdata4") + QByteArray(172 * 4, '\0')
        + repeat(narrow(""), 40 + 27 + 27 + 41) + QByteArray(24, '\0') + narrow("2012") + narrow("2011")
        + le32(2012) + le32(2) + cardBytes(5, QStringLiteral("Five"));
    ScriptedUi ui;
    Report r;
    LoadReport(whole, r, ui);
    EXPECT_EQ(ui.texts(), (QStringList { k2012Note, damaged(kOldDamaged, readOf(1, 2)) }));
    EXPECT_EQ(r.year2012Mode, 1);
    EXPECT_EQ(r.payees.size(), 1u);
}

TEST(ReportFileLoad, YearModeFollowsTheYear)
{
    Report saved;
    saved.reportYear = QStringLiteral("2012");
    saved.year2012Mode = 0;
    ScriptedUi ui;
    Report r;
    LoadReport(StoreReport(saved), r, ui);
    EXPECT_EQ(ui.texts(), QStringList{k2012Note});
    EXPECT_EQ(r.year2012Mode, 1);

    saved.reportYear = QStringLiteral("2013");
    saved.year2012Mode = 1;
    ScriptedUi ui2;
    Report r2;
    LoadReport(StoreReport(saved), r2, ui2);
    EXPECT_TRUE(ui2.messages.empty());
    EXPECT_EQ(r2.year2012Mode, 0);
}

TEST(ReportFileLoad, DuplicateIdKeepsTheLaterRecord)
{
    const QByteArray file = wide(QStringLiteral("veskq1")) + emptyHead() + le32(2) + cardBytes(4, QStringLiteral("First"))
        + cardBytes(4, QStringLiteral("Second")) + repeat(kEmptyText, 45);
    ScriptedUi ui;
    Report r;
    LoadReport(file, r, ui);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(r.payees.size(), 1u);
    EXPECT_EQ(r.payees.at(4).surname, QStringLiteral("Second"));
}

TEST(ReportFileLoad, NegativeCountReadsUntilTheEnd)
{
    const QByteArray file = wide(QStringLiteral("veskq1")) + emptyHead() + le32(-1) + cardBytes(1, QStringLiteral("A"))
        + cardBytes(2, QStringLiteral("B"));
    ScriptedUi ui;
    Report r;
    LoadReport(file, r, ui);
    EXPECT_EQ(ui.texts(),
        QStringList { damaged(kVeskqDamaged,
            QStringLiteral("2 payees were read; the file does not say how many it holds. Each of them is marked "
                           "Checked \"No\" until "
                           "Check All is run.")) });
    EXPECT_EQ(r.payees.size(), 2u);
}

TEST(ReportFileLoad, HugeLengthInADamagedFileIsRefusedNotAllocated)
{
    QByteArray file = wide(QStringLiteral("veskq1")) + QByteArray(172 * 4, '\0');
    file += QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 10); // 2^31-1 units
    file += QByteArray(64, 'a');
    ScriptedUi ui;
    Report r;
    LoadReport(file, r, ui);
    EXPECT_EQ(ui.texts(), QStringList { damaged(kVeskqDamaged, kNoCount) });
}

// A report read in part vouches for none of its payees: each is unchecked and
// the counts are those of the payees read, whatever the file's head said.
TEST(ReportFileLoad, AReportReadInPartCountsOnlyThePayeesReadAndChecksNone)
{
    Report whole;
    whole.reportYear = QStringLiteral("2019");
    for (qint32 id = 1; id <= 7; ++id) {
        CCards card;
        card.payeeId = id;
        card.surname = QStringLiteral("Payee %1").arg(id);
        card.checked = QStringLiteral("Yes");
        whole.payees[id] = card;
    }
    whole.payeeCount = 7;
    whole.payeeCountText = QStringLiteral("7");
    whole.payeesChecked = 7;
    const QByteArray bytes = StoreReport(whole);
    Report withoutPayees = whole;
    withoutPayees.payees.clear();
    const qsizetype empty = StoreReport(withoutPayees).size();
    const qsizetype record = (bytes.size() - empty) / 7;
    const qsizetype payeesStart = empty - 45 * 4; // the tail is 45 empty texts

    struct Cut {
        const char* what;
        qsizetype length;
        int read;
        QString note;
    };
    const Cut cuts[] = {
        { "in the fifth payee", payeesStart + 4 * record + record / 2, 4, readOf(4, 7) },
        { "after the first payee", payeesStart + record, 1, readOf(1, 7) },
        { "right after the count", payeesStart, 0, QStringLiteral("0 of the 7 payees this file declares were read.") },
        { "before the count", payeesStart - 30, 0, kNoCount },
        { "in the tail", bytes.size() - 10, 7, readOf(7, 7) },
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.what);
        ScriptedUi ui;
        Report r;
        EXPECT_EQ(LoadReport(bytes.left(cut.length), r, ui), ReportRead::Damaged);
        EXPECT_EQ(ui.texts(), QStringList { damaged(kVeskqDamaged, cut.note) });
        ASSERT_EQ(r.payees.size(), size_t(cut.read));
        for (const auto& [id, card] : r.payees)
            EXPECT_EQ(card.checked, QStringLiteral("No")) << id;
        EXPECT_EQ(r.payeeCount, cut.read);
        EXPECT_EQ(r.payeeCountText, QString::number(cut.read));
        EXPECT_EQ(r.payeesChecked, 0);
    }

    // Read whole, the same file keeps its checks and counts.
    ScriptedUi ui;
    Report r;
    EXPECT_EQ(LoadReport(bytes, r, ui), ReportRead::Whole);
    EXPECT_EQ(r.payees.at(3).checked, QStringLiteral("Yes"));
    EXPECT_EQ(r.payeesChecked, 7);
}

TEST(ReportFileLoad, AFileDeclaringMoreThanAMillionPayeesIsRefusedBeforeReadingThem)
{
    for (const qint32 count : { 1'000'001, 2'147'483'647 }) {
        SCOPED_TRACE(count);
        const QByteArray file = wide(QStringLiteral("veskq1"))
            + emptyHead(QStringLiteral("2019"), QStringLiteral("2018"), 2019) + le32(count)
            + cardBytes(1, QStringLiteral("One")) + cardBytes(2, QStringLiteral("Two"));
        ScriptedUi ui;
        Report r;
        EXPECT_EQ(LoadReport(file, r, ui), ReportRead::Damaged);
        EXPECT_EQ(ui.texts(),
            QStringList { damaged(kVeskqDamaged,
                QStringLiteral("This file declares or holds more than 1,000,000 payees, more than a report can hold: "
                               "none of them were "
                               "read.")) });
        EXPECT_TRUE(r.payees.empty());
        EXPECT_EQ(r.payeeCount, 0);
        EXPECT_EQ(r.reportYear, QStringLiteral("2019"));
    }
}

TEST(ReportFileLoad, EveryCutOfAValidFileLoadsWithoutCrashing)
{
    Report small;
    CCards c;
    c.payeeId = 1;
    c.surname = QStringLiteral("S");
    small.payees[1] = c;
    small.reportYear = QStringLiteral("2020");
    const QByteArray whole = StoreReport(small);
    for (qsizetype n = 0; n < whole.size(); n += 7) {
        ScriptedUi ui;
        Report r;
        LoadReport(whole.left(n), r, ui);
        EXPECT_EQ(ui.messages.size(), 1u) << n;
    }
}

class ReportFileOnDisk : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context{ui, files};
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(ReportFileOnDisk, WriteThenReadRestoresTheReport)
{
    context.report() = richReport();
    ASSERT_TRUE(WriteReportFile(context, path(QStringLiteral("a.vkrd"))));
    const Report saved = context.report();
    ResetReportGlobals(context.report());
    ASSERT_EQ(ReadReportFile(context, path(QStringLiteral("a.vkrd"))), ReportRead::Whole);
    EXPECT_EQ(context.report(), saved);
}

TEST_F(ReportFileOnDisk, FailedSaveKeepsThePreviousFileAndSaysSo)
{
    const QString target = path(QStringLiteral("keep.vkrd"));
    ASSERT_TRUE(WriteReportFile(context, target));
    QByteArray before;
    ASSERT_TRUE(files.readAll(target, before).ok());

    context.report().payerName = QStringLiteral("changed");
    files.fail(FaultyFileSystem::Op::Write, target, FileError::AccessDenied);
    EXPECT_FALSE(WriteReportFile(context, target));
    files.fail(FaultyFileSystem::Op::Write, target, fileFailure(ENOSPC));
    EXPECT_FALSE(WriteReportFile(context, target));
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Access to %1 was denied.").arg(target),
                                       QStringLiteral("Failed to save document.\n\nNo space left on device.")}));
    QByteArray after;
    ASSERT_TRUE(files.readAll(target, after).ok());
    EXPECT_EQ(after, before);
}

TEST_F(ReportFileOnDisk, SaveIntoAMissingFolderFails)
{
    EXPECT_FALSE(WriteReportFile(context, path(QStringLiteral("no/such/folder/a.vkrd"))));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ReportFileOnDisk, AnEmptyFileIsNotRead)
{
    context.report().payerName = QStringLiteral("kept");
    ASSERT_TRUE(files.writeWhole(path(QStringLiteral("empty.vkrd")), QByteArray()).ok());
    EXPECT_EQ(ReadReportFile(context, path(QStringLiteral("empty.vkrd"))), ReportRead::Whole);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(context.report().payerName, QStringLiteral("kept"));
}

// A file too large to hold in memory is a damaged file to the user: nothing
// of it is read, and the program goes on.
TEST_F(ReportFileOnDisk, NoMemoryToReadTheFileIsADamagedFile)
{
    const QString target = path(QStringLiteral("a.vkrd"));
    ASSERT_TRUE(WriteReportFile(context, target));
    files.fail(FaultyFileSystem::Op::Read, target, FileError::OutOfMemory);
    EXPECT_EQ(ReadReportFile(context, target), ReportRead::Damaged);
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral(
        "An unknown error occurred on loading the data from this file.\r\n\r\nProceed with caution.\r\n\r\nTorvek "
        "recommends you check the Payer and Supplier Details and run the Check All function from the Payee List "
        "before Generating any files.")});
}

TEST_F(ReportFileOnDisk, UnreadableFileIsReported)
{
    EXPECT_EQ(ReadReportFile(context, path(QStringLiteral("missing.vkrd"))), ReportRead::Unreadable);
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("%1 was not found.").arg(path(QStringLiteral("missing.vkrd")))});
}

} // namespace
