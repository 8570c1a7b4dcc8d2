#include "lodgement_import/LoaderFrame.h"
#include "lodgement_import/LodgementFixtures.h"
#include "lodgement_import/RecordLoaders.h"
#include "report/Report.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

using fixture::payeeRecord;

class InbLoader : public ::testing::Test
{
protected:
    // Loads one record as the reader would for a file of the year.
    const CCards& load(const QByteArray& record, int year = 2018)
    {
        report.reportYearNumber = year;
        const QString text = QString::fromLatin1(record);
        const qint32 id = LoadPayeeRecord(report, ui, kInbLoader, text);
        return report.payees.at(id);
    }

    ScriptedUi ui;
    Report report;
};

TEST_F(InbLoader, EveryFieldOfTheRecordReachesItsMember)
{
    report.highestPayeeId = 1;
    const CCards& p = load(payeeRecord("DINB",
        {
            { 7, "s" },
            { 8, "123456782" },
            { 17, "01" },
            { 19, "02" },
            { 21, "1980" },
            { 25, "Smith" },
            { 55, "John" },
            { 70, "Paul" },
            { 85, "1 Main St" },
            { 123, "Unit 4" },
            { 161, "Darwin" },
            { 188, "NT" },
            { 191, "0800" },
            { 195, "Australia" },
            { 215, "01072017" },
            { 223, "30062018" },
            { 231, "00001000" },
            { 239, "00050000" },
            { 247, "00000100" },
            { 255, "00000001" },
            { 263, "00000002" },
            { 271, "00000003" },
            { 279, "00000004" },
            { 287, "00000005" },
            { 295, "00001234" },
            { 303, "00000006" },
            { 311, "a" },
            { 312, "00000007" },
            { 320, "r" },
            { 321, "00000008" },
            { 329, "00000009" },
            { 337, "00000010" },
            { 345, "00000011" },
            { 353, "y" },
        }));
    CCards expected;
    expected.payeeId = 1;
    expected.dataSource = QStringLiteral("Loaded from existing VESK.A01");
    expected.payeeType = QStringLiteral("INB");
    expected.incomeType = QStringLiteral("Salary or Wages");
    expected.tfn = QStringLiteral("123456782");
    expected.dobDay = QStringLiteral("01");
    expected.dobMonth = QStringLiteral("02");
    expected.dobYear = QStringLiteral("1980");
    expected.surname = QStringLiteral("Smith");
    expected.firstName = QStringLiteral("John");
    expected.secName = QStringLiteral("Paul");
    expected.addLine1 = QStringLiteral("1 Main St");
    expected.addLine2 = QStringLiteral("Unit 4");
    expected.suburb = QStringLiteral("DARWIN");
    expected.state = QStringLiteral("NT");
    expected.pCode = 800;
    expected.country = QStringLiteral("AUSTRALIA");
    expected.startDay = QStringLiteral("01");
    expected.startMonth = QStringLiteral("07");
    expected.startYear = QStringLiteral("2017");
    expected.endDay = QStringLiteral("30");
    expected.endMonth = QStringLiteral("06");
    expected.endYear = QStringLiteral("2018");
    expected.taxWithheld = 1000;
    expected.gross = 50000;
    expected.totalAllow = 100;
    expected.lumpA = 1;
    expected.lumpB = 2;
    expected.lumpD = 3;
    expected.lumpE = 4;
    expected.cdep = 5;
    expected.other1 = 1234; // an older file's other income
    expected.rfbt = 6;
    expected.origAmended = QStringLiteral("A");
    expected.resc = 7;
    expected.lumpAType = QStringLiteral("R");
    expected.giving = 8;
    expected.unionFees = 9;
    expected.exemptForeign = 10;
    expected.annuity = 11;
    expected.fbtExempt = QStringLiteral("Y");
    EXPECT_TRUE(p == expected);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(report.importedCount, 1);
    EXPECT_EQ(report.payeesChanged, 1);
}

TEST_F(InbLoader, IncomeTypeCodes)
{
    const std::pair<QByteArray, QString> cases[] = {
        { "S", "Salary or Wages" },
        { "s", "Salary or Wages" },
        { "P", "Non-Super Pension or Annuity" },
        { "p", "Non-Super Pension or Annuity" },
        { "H", "Working Holiday Maker" },
        { " ", "" },
        { "X", "" },
    };
    for (const auto& [code, income] : cases) {
        // A working holiday maker of 2016 or earlier comes in all the same.
        EXPECT_EQ(load(payeeRecord("DINB", { { 7, code } }), 2016).incomeType, income) << code.constData();
    }
}

TEST_F(InbLoader, TheFbtExemptionIsReadFrom2017AndKeptUntrimmed)
{
    struct Case {
        int year;
        QByteArray flag;
        QString expected;
    } const cases[] = {
        { 2016, "Y", " " },
        { 2016, " ", " " },
        { 2017, "y", "Y" },
        { 2018, "Y", "Y" },
        { 2018, " ", " " },
        { 2018, "n", "N" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(load(payeeRecord("DINB", { { 353, c.flag } }), c.year).fbtExempt, c.expected)
            << c.year << " " << c.flag.constData();
}

TEST_F(InbLoader, NumbersConvertOr999999IsCountedOnceWithTheMessage)
{
    struct Case {
        const char* name;
        QByteArray field;
        qint32 value;
        bool warned;
    } const cases[] = {
        { "leading zeros", "00012345", 12345, false },
        { "all blanks", "        ", 0, false },
        { "blank between digits", "0001 345", 999999, true },
        { "letter", "00012a45", 999999, true },
        { "minus sign", "-0000005", -5, false },
        { "leading blanks", "    1234", 1234, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        const CCards& p = load(payeeRecord("DINB", { { 231, c.field } }));
        EXPECT_EQ(p.taxWithheld, c.value);
        if (c.warned)
            EXPECT_EQ(ui.texts(), QStringList { NumericalFieldsWarning(p.payeeId, NumericalWording::LineBreak) });
        else
            EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(InbLoader, SeveralBadNumbersGiveOneMessageNamingThePayee)
{
    report.highestPayeeId = 12;
    load(payeeRecord("DINB", { { 191, "08x0" }, { 239, "abc" }, { 345, "1.5" } }));
    EXPECT_EQ(ui.texts(),
        QStringList { "Take care with Payee ID '12'. One or more numerical \nfields where changed to "
                      "999999 as the loaded data was invalid." });
    const CCards& p = report.payees.at(12);
    EXPECT_EQ(p.pCode, 999999);
    EXPECT_EQ(p.gross, 999999);
    EXPECT_EQ(p.annuity, 999999);
}

TEST_F(InbLoader, TextsAreTrimmedAndCollapsedAndTheTfnLosesItsBlanks)
{
    const CCards& p = load(payeeRecord("DINB",
        { { 8, "123 456 7" }, { 25, "  Van   der  Berg" }, { 55, "Ann  Marie" }, { 161, "alice   springs" },
            { 191, "0870" }, { 195, " new zealand" } }));
    EXPECT_EQ(p.tfn, u"1234567");
    EXPECT_EQ(p.surname, u"Van der Berg");
    EXPECT_EQ(p.firstName, u"Ann Marie");
    EXPECT_EQ(p.suburb, u"ALICE SPRINGS");
    EXPECT_EQ(p.pCode, 870);
    EXPECT_EQ(p.country, u"NEW ZEALAND");
}

TEST_F(InbLoader, ARecordShorterThanItsFieldsGivesWhatItHolds)
{
    const CCards& p = load(payeeRecord("DINB", { { 7, "S" }, { 25, "Shortened" } }).left(30));
    EXPECT_EQ(p.surname, u"Short");
    EXPECT_EQ(p.taxWithheld, 0);
    EXPECT_EQ(p.fbtExempt, u"");
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
