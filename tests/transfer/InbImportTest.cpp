#include "transfer/TabLayout.h"
#include "transfer/TransferTestKit.h"

#include <cerrno>
#include <functional>

namespace {

using namespace transfer_test;

constexpr int kInbFields = 52;

QByteArray inbLine(const std::map<int, QByteArray>& cells, const QByteArray& end = "\r\n")
{
    return dataLine(kInbFields, cells, end);
}

const QString kInbFieldCount = QStringLiteral(
    "This file cannot be imported as number of fields per line is not 52. \n\nSee Help for more information.");

class InbImport : public TransferTest {};

// ---- Column rules ----

using Member = std::function<QString(const CCards&)>;

Member text(QString CCards::* member)
{
    return [member](const CCards& c) { return c.*member; };
}
Member number(qint32 CCards::* member)
{
    return [member](const CCards& c) { return QString::number(c.*member); };
}

struct ColumnCase {
    const char* name;
    int column;
    QByteArray cell;
    Member member;
    QString stored;
    bool counted = false; // raises the 999999 message
    int year = 2018;
};

class InbColumnRules : public TransferTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(InbColumnRules, StoreTheCellAsTheLayoutSays)
{
    const ColumnCase& c = GetParam();
    setYear(c.year);
    std::map<int, QByteArray> cells{{1, "7"}};
    cells[c.column] = c.cell;
    importBytes(PayeeType::INB, fileOf({inbLine(cells)}));

    ASSERT_EQ(report().payees.size(), 1u);
    EXPECT_EQ(c.member(report().payees.at(7)), c.stored);
    EXPECT_EQ(messagesStartingWith("Take care").size(), c.counted ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, InbColumnRules,
    ::testing::Values(
        ColumnCase{"TrimAndCollapse", 6, "  Van   der  Berg ", text(&CCards::surname), "Van der Berg"},
        ColumnCase{"TabsAtTheEndsAreTrimmed", 12, "\"\t1 Main St \t\"", text(&CCards::addLine1), "1 Main St"},
        ColumnCase{"SuburbUpperCased", 14, "  north   sydney ", text(&CCards::suburb), "NORTH SYDNEY"},
        ColumnCase{"CountryUpperCased", 17, "new zealand", text(&CCards::country), "NEW ZEALAND"},
        ColumnCase{"LumpSumATypeUpperCased", 28, " r ", text(&CCards::lumpAType), "R"},
        ColumnCase{"AmendedUpperCased", 51, "a", text(&CCards::origAmended), "A"},
        ColumnCase{"StateKeepsItsCase", 16, " nsw ", text(&CCards::state), "nsw"},
        ColumnCase{"TfnLosesEveryBlank", 5, " 123 456  782 ", text(&CCards::tfn), "123456782"},
        ColumnCase{"OneDigitDayPadded", 9, "5", text(&CCards::dobDay), "05"},
        ColumnCase{"DayWithBlanksPadded", 18, " 7 ", text(&CCards::startDay), "07"},
        ColumnCase{"MonthPadded", 22, "3", text(&CCards::endMonth), "03"},
        ColumnCase{"TwoDigitDayKept", 21, "12", text(&CCards::endDay), "12"},
        ColumnCase{"LongDayKept", 10, "005", text(&CCards::dobMonth), "005"},
        ColumnCase{"EmptyDayKept", 19, "", text(&CCards::startMonth), ""},
        ColumnCase{"YearNeverPadded", 11, "5", text(&CCards::dobYear), "5"},
        ColumnCase{"IncomeTypeS", 4, "S", text(&CCards::incomeType), "Salary or Wages"},
        ColumnCase{"IncomeTypeLowerCase", 4, " s ", text(&CCards::incomeType), "Salary or Wages"},
        ColumnCase{"IncomeTypeP", 4, "p", text(&CCards::incomeType), "Non-Super Pension or Annuity"},
        ColumnCase{"IncomeTypeH", 4, "H", text(&CCards::incomeType), "Working Holiday Maker"},
        ColumnCase{"IncomeTypeUnknownUpperCased", 4, "x", text(&CCards::incomeType), "X"},
        ColumnCase{"IncomeTypeEmpty", 4, "", text(&CCards::incomeType), ""},
        ColumnCase{"FbtFrom2017UpperCased", 52, "y", text(&CCards::fbtExempt), "Y", false, 2017},
        ColumnCase{"FbtNotTrimmed", 52, " Y ", text(&CCards::fbtExempt), " Y ", false, 2018},
        ColumnCase{"FbtEmptyIsOneBlank", 52, "", text(&CCards::fbtExempt), " ", false, 2018},
        ColumnCase{"FbtBefore2017IsOneBlank", 52, "Y", text(&CCards::fbtExempt), " ", false, 2016},
        ColumnCase{"NumberWithLeadingBlank", 24, " 12", number(&CCards::gross), "12"},
        ColumnCase{"NumberWithTrailingBlank", 24, "12 ", number(&CCards::gross), "999999", true},
        ColumnCase{"ThousandsSeparator", 26, "1,200", number(&CCards::taxWithheld), "999999", true},
        ColumnCase{"DollarSign", 49, "$5", number(&CCards::unionFees), "999999", true},
        ColumnCase{"DecimalPoint", 37, "12.50", number(&CCards::allow1), "999999", true},
        ColumnCase{"The999999ItselfIsCounted", 44, "999999", number(&CCards::rfbt), "999999", true},
        ColumnCase{"Negative", 25, "-50", number(&CCards::cdep), "-50"},
        ColumnCase{"EmptyNumberIsZero", 48, "", number(&CCards::annuity), "0"},
        ColumnCase{"PostcodeLosesLeadingZero", 15, "0800", number(&CCards::pCode), "800"},
        ColumnCase{"PostcodeWithLetters", 15, "2OOO", number(&CCards::pCode), "999999", true}),
    [](const ::testing::TestParamInfo<ColumnCase>& info) { return std::string(info.param.name); });

TEST_F(InbImport, SetsTheMembersNoColumnFeeds)
{
    report().payees[3].checked = "Yes";
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "9"}, {3, "ETP"}, {4, "S"}, {6, "Smith"}})}));
    const CCards& c = report().payees.at(9);
    CCards expected;
    expected.payeeId = 9;
    expected.dataSource = "Tab Delimited Import";
    expected.payeeType = "INB"; // whatever the Payee Type column holds
    expected.incomeType = "Salary or Wages";
    expected.surname = "Smith";
    expected.fbtExempt = " ";
    EXPECT_EQ(c, expected); // Checked and every unused member empty or 0
}

TEST_F(InbImport, AMessagePerPayeeWithBadNumbersNamesItsSettledId)
{
    report().payees[5].surname = "Kept";
    report().highestPayeeId = 5;
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "5"}, {24, "1,000"}, {26, "$2"}}), inbLine({{1, "8"}})}));
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Take care with Payee ID '6") + kOneLineClosing,
                                       importedMessage(2)}));
}

// ---- Payee IDs ----

struct IdCase {
    const char* name;
    QList<QByteArray> ids; // the first field of each line
    std::vector<qint32> stored;
    qint32 highest;
};

class InbIdRules : public TransferTest, public ::testing::WithParamInterface<IdCase> {};

TEST_P(InbIdRules, SettleEachLinesId)
{
    const IdCase& c = GetParam();
    QList<QByteArray> lines;
    for (const QByteArray& id : c.ids)
        lines << inbLine({{1, id}, {6, "Payee " + id}});
    importBytes(PayeeType::INB, fileOf(lines));

    std::vector<qint32> stored;
    for (const auto& [id, card] : report().payees) {
        stored.push_back(id);
        EXPECT_EQ(card.payeeId, id);
    }
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(report().highestPayeeId, c.highest);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, InbIdRules,
    ::testing::Values(IdCase{"OwnIds", {"3", "12"}, {3, 12}, 12},
                      IdCase{"NotANumberGetsThePlaceholder", {"abc"}, {1000000}, 1000000},
                      IdCase{"The999999GetsThePlaceholder", {"999999"}, {1000000}, 1000000},
                      IdCase{"DuplicateInTheFileGetsHighestPlusOne", {"4", "9", "4"}, {4, 9, 10}, 10},
                      IdCase{"TwoPlaceholders", {"x", "y"}, {1000000, 1000001}, 1000001},
                      IdCase{"EmptyIdIsZero", {""}, {0}, 0},
                      IdCase{"NegativeIdKept", {"-4"}, {-4}, 0},
                      IdCase{"TopIdAllowed", {"999999999"}, {999999999}, 999999999},
                      IdCase{"AboveTheTopRefused", {"1000000000", "2"}, {2}, 2},
                      IdCase{"NoFreeIdLeftRefused", {"999999999", "999999999", "5"}, {5, 999999999}, 999999999}),
    [](const ::testing::TestParamInfo<IdCase>& info) { return std::string(info.param.name); });

TEST_F(InbImport, AnIdOverTheTopIsRefusedByNameAndTheImportGoesOn)
{
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1000000000"}}), inbLine({{1, "3"}})}));
    EXPECT_EQ(ui.texts(), (QStringList{refusedLine("1000000000"), importedMessage(1)}));
}

TEST_F(InbImport, AnIdAlreadyInTheReportLeavesThatPayeeAlone)
{
    CCards existing;
    existing.payeeId = 4;
    existing.surname = "Original";
    existing.checked = "Yes";
    report().payees[4] = existing;
    report().highestPayeeId = 4;

    importBytes(PayeeType::INB, fileOf({inbLine({{1, "4"}, {6, "Imported"}})}));
    EXPECT_EQ(report().payees.at(4), existing);
    EXPECT_EQ(report().payees.at(5).surname, "Imported");
    EXPECT_EQ(report().highestPayeeId, 5);
}

TEST_F(InbImport, ALineOfEmptyFieldsIsAPayee)
{
    importBytes(PayeeType::INB, fileOf({QByteArray(51, '\t') + "\r\n"}));
    ASSERT_EQ(report().payees.count(0), 1u);
    EXPECT_EQ(report().payees.at(0).surname, "");
    EXPECT_EQ(ui.texts(), QStringList{importedMessage(1)});
}

// ---- The field count ----

TEST_F(InbImport, Line20WithAnotherCountRefusesTheWholeFile)
{
    importBytes(PayeeType::INB, fileOf({dataLine(51, {{1, "1"}}), inbLine({{1, "2"}})}));
    EXPECT_EQ(ui.texts(), QStringList{kInbFieldCount});
    EXPECT_TRUE(report().payees.empty());
    EXPECT_EQ(report().payeesChanged, 0);
}

TEST_F(InbImport, AnLfOnlyFileLosesAnEmptyLastField)
{
    // The same line is accepted when it ends in CR LF.
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}}, "\n")}, "\n"));
    EXPECT_EQ(ui.texts(), QStringList{kInbFieldCount});
    EXPECT_TRUE(report().payees.empty());

    ui.messages.clear();
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}, {52, "Y"}}, "\n")}, "\n"));
    EXPECT_EQ(ui.texts(), QStringList{importedMessage(1)});
    EXPECT_EQ(report().payees.at(1).fbtExempt, "Y");
}

TEST_F(InbImport, ALastLineWithoutLineEndIsImported)
{
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}}), inbLine({{1, "2"}, {52, "N"}}, "")}));
    EXPECT_EQ(report().payees.size(), 2u);
    EXPECT_EQ(report().payees.at(2).fbtExempt, "N");
}

TEST_F(InbImport, ADataLineWithAnotherCountIsSkippedByName)
{
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}}), dataLine(53, {{1, "Bad 2"}}), inbLine({{1, "3"}})}));
    EXPECT_EQ(ui.texts(), (QStringList{refusedLine("Bad 2"), importedMessage(2)}));
    EXPECT_EQ(report().payees.size(), 2u);
    EXPECT_EQ(report().payees.count(3), 1u);
}

// ---- Refused lines: a message each for the first ten, then one ----

TEST_F(InbImport, PastTenRefusedLinesOneMessageCountsTheRestAndNamesTheFirst)
{
    struct Case {
        int refused;
        QString summary; // empty: none
    };
    const Case cases[] = {
        { 1, {} },
        { 10, {} },
        { 11,
            "1 more payee lines could not be imported as there was a problem with one or more fields.\n\nThe "
            "first of them have the IDs 'Bad 11'." },
        { 17,
            "7 more payee lines could not be imported as there was a problem with one or more fields.\n\nThe "
            "first of them have the IDs 'Bad 11', 'Bad 12', 'Bad 13', 'Bad 14', 'Bad 15'." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        report().payees.clear();
        ui.messages.clear();
        QList<QByteArray> lines { inbLine({ { 1, "1" } }) };
        for (int i = 1; i <= c.refused; ++i)
            lines << dataLine(3, { { 1, "Bad " + QByteArray::number(i) } });
        lines << inbLine({ { 1, "2" } });
        importBytes(PayeeType::INB, fileOf(lines));

        QStringList expected;
        for (int i = 1; i <= std::min(c.refused, 10); ++i)
            expected << refusedLine(QStringLiteral("Bad %1").arg(i));
        if (!c.summary.isEmpty())
            expected << c.summary;
        expected << importedMessage(2);
        EXPECT_EQ(ui.texts(), expected) << ui.texts().join(u'|').toStdString();
    }
}

// A million data lines, the most a file may hold: one payee and 999,999
// refused lines, told in eleven messages rather than a million.
TEST_F(InbImport, AMillionRefusedLinesAreToldInElevenMessages)
{
    QByteArray bytes = fileOf({ inbLine({ { 1, "1" } }) });
    const int refused = 999'999;
    bytes.reserve(bytes.size() + refused * 2);
    for (int i = 0; i < refused; ++i)
        bytes += "\r\n";
    importBytes(PayeeType::INB, bytes);
    ASSERT_EQ(ui.texts().size(), 12);
    EXPECT_TRUE(ui.texts().at(10).startsWith(QStringLiteral("999989 more payee lines could not be imported")))
        << ui.texts().at(10).toStdString();
    EXPECT_EQ(ui.texts().at(11), importedMessage(1));
    EXPECT_EQ(report().payees.size(), 1u);
}

// ---- Size ----

TEST_F(InbImport, AFileOfMoreThanAMillionPayeeLinesIsRefusedBeforeReadingThem)
{
    // Line 20 has the right count; 1,000,000 more lines follow, the last
    // without its line end.
    QByteArray bytes = fileOf({ inbLine({ { 1, "1" } }) });
    bytes.reserve(bytes.size() + 2'000'000);
    for (int i = 1; i < 1'000'000; ++i)
        bytes += "\r\n";
    bytes += "\r";
    importBytes(PayeeType::INB, bytes);
    EXPECT_EQ(ui.texts(), QStringList { kTooManyTabLines });
    EXPECT_TRUE(report().payees.empty());
    EXPECT_FALSE(context.document.IsModified());
}

// ---- The room left in the report ----

struct RoomCase {
    const char* name;
    QList<qint32> held;
    qint64 limit;
    QList<QByteArray> lines;
    qint64 adding; // what the refusal names; 0: the file fits
};

class InbImportRoom : public TransferTest, public ::testing::WithParamInterface<RoomCase> {};

TEST_P(InbImportRoom, AFileThatWouldPassTheLimitAddsNothing)
{
    const RoomCase& c = GetParam();
    for (const qint32 id : c.held)
        report().payees[id].payeeId = id;
    report().highestPayeeId = c.held.isEmpty() ? 0 : c.held.last();
    const Report before = report();

    const int imported = ImportTabDelimitedBytes(context, tabLayout(PayeeType::INB), fileOf(c.lines), c.limit);
    if (c.adding > 0) {
        EXPECT_EQ(imported, 0);
        EXPECT_EQ(ui.texts(), QStringList { TooManyPayeesMessage(c.held.size(), c.adding, c.limit) });
        EXPECT_TRUE(report() == before);
        EXPECT_FALSE(context.document.IsModified());
    } else {
        EXPECT_EQ(qint64(report().payees.size()), c.limit);
        EXPECT_EQ(ui.texts().last(), importedMessage(imported));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, InbImportRoom,
    ::testing::Values(RoomCase { "OneLineIntoAFullReport", { 1, 2, 3 }, 3, { inbLine({ { 1, "7" } }) }, 1 },
        RoomCase { "MoreLinesThanTheRoomLeft", { 1, 2 }, 3, { inbLine({ { 1, "7" } }), inbLine({ { 1, "8" } }) },
            2 },
        RoomCase { "LinesThatFillTheRoomExactly", { 1, 2 }, 4, { inbLine({ { 1, "7" } }), inbLine({ { 1, "8" } }) },
            0 },
        RoomCase { "ALineOfTheWrongCountAddsNone", { 1, 2 }, 3, { inbLine({ { 1, "7" } }), "8\t\r\n" }, 0 },
        RoomCase { "AnIdAboveTheLargestAddsNone", { 1, 2 }, 3,
            { inbLine({ { 1, "7" } }), inbLine({ { 1, "1000000000" } }) }, 0 },
        // A payee is never replaced: a taken ID moves on to a free one.
        RoomCase { "TakenIdsStillAddPayees", { 1, 2 }, 3, { inbLine({ { 1, "1" } }), inbLine({ { 1, "2" } }) }, 2 },
        RoomCase { "LinesWithoutANumberForTheirIdStillAddPayees", { 1, 2 }, 3,
            { inbLine({ { 1, "x" } }), inbLine({ { 1, "" } }) }, 2 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InbImport, ATrailingBlankLineIsRefusedWithAnEmptyName)
{
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}}), "\r\n"}));
    EXPECT_EQ(ui.texts(), (QStringList{refusedLine(""), importedMessage(1)}));
}

TEST_F(InbImport, FilesWithoutALine20AreRefused)
{
    for (const QByteArray& bytes : {fileOf({}), QByteArray(), QByteArray("\x00\x01\xff\xfe\x00", 5)}) {
        ui.messages.clear();
        importBytes(PayeeType::INB, bytes);
        EXPECT_EQ(ui.texts(), QStringList{kInbFieldCount});
    }
    EXPECT_TRUE(report().payees.empty());
}

TEST_F(InbImport, NoPayeeStoredEndsWithNothingImported)
{
    // Line 20 has the right count, so only its ID can refuse it.
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1000000000"}}), dataLine(3, {})}));
    EXPECT_EQ(ui.texts(), (QStringList{refusedLine("1000000000"), refusedLine(""), kNothingImported}));
    EXPECT_EQ(report().payeesChanged, 0);
    EXPECT_FALSE(context.document.IsModified());
}

// ---- The procedure ----

TEST_F(InbImport, AsksForATextFileAndRecordsItsPath)
{
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}})}));
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter, "Tab-Delimited Files: (*.txt)|*.txt;||");
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "*.*");
    EXPECT_EQ(ui.fileRequests[0].defaultName, "");
    EXPECT_EQ(report().importPathName, path("import.txt"));
    EXPECT_EQ(report().importSource, path("import.txt"));
    EXPECT_EQ(report().importFileName, "import.txt");
    EXPECT_EQ(report().importFolder, dir.path());
}

TEST_F(InbImport, CancelChangesNothing)
{
    report().importPathName = "earlier";
    const Report before = report();
    ui.answerFile(std::nullopt);
    ImportTabDelimited(context, PayeeType::INB);
    EXPECT_EQ(report(), before);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(InbImport, AFileThatCannotBeReadIsReported)
{
    files.fail(FaultyFileSystem::Op::Read, dir.path(), fileFailure(EIO));
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}})}));
    EXPECT_EQ(ui.texts(), QStringList{"ERROR: Cannot open file\n\nInput/output error."});
    EXPECT_EQ(report().importFileName, "import.txt"); // the path stays recorded
    EXPECT_TRUE(report().payees.empty());
}

TEST_F(InbImport, LeavesTheReportModifiedWithTheHighestIdRaised)
{
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "20"}}), inbLine({{1, "3"}})}));
    EXPECT_EQ(report().highestPayeeId, 20);
    EXPECT_EQ(report().payeesChanged, 1);
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_EQ(report().payees.at(3).checked, "");
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(InbImport, ReadsUtf8AndWindows1252Files)
{
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}, {6, "Jos\xc3\xa9"}})}));
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "2"}, {6, "Jos\xe9"}})}));
    EXPECT_EQ(report().payees.at(1).surname, QStringLiteral("Jos\u00e9"));
    EXPECT_EQ(report().payees.at(2).surname, QStringLiteral("Jos\u00e9"));
}

TEST_F(InbImport, AVeryLongLineIsRefusedWithoutHarm)
{
    const QByteArray longLine = QByteArray(200000, 'x') + "\r\n";
    importBytes(PayeeType::INB, fileOf({inbLine({{1, "1"}}), longLine}));
    EXPECT_EQ(ui.texts(), (QStringList{refusedLine(QString(200000, u'x')), importedMessage(1)}));
}

} // namespace
