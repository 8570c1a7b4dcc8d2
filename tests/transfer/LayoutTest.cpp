#include "transfer/LayoutCases.h"

#include "transfer/TabLayout.h"


namespace {

using namespace transfer_test;

// The column names of line 17, in order.
const QString kInbHeaders = QStringLiteral("Payee ID\tPayroll No\tPayee Type\tIncome Type\tTFN\tSurname\tFirst Name\tSec Name\tDoB Day No.\tDoB Month No.\tDoB Year No.\tAdd Line 1\tAdd Line2\tSuburb/City\tPCode\tState\tCountry\tStartDate Day No.\tStartDate Month No.\tStartDate Year No.\tEndDate Day No.\tEndDate Month No.\tEndDate Year No.\tGross\tCDEP\tTax\tLump Sum A\tLump Sum A Type\tLump Sum B\tLump Sum D\tLump Sum E\tAccrued in Yr minus 2\tAccrued in Yr minus 3\tAccrued pre Yr minus 3\tTotal Allowances\tAllowance 1 Name\tAllowance 1 Amt\tAllowance 2 Name\tAllowance 2 Amt\tAllowance 3 Name\tAllowance 3 Amt\tAllowance 4 Name\tAllowance 4 Amt\tRFBT\tRESC\tExempt Foreign\tGiving\tAnnuity\tUnion_Prof Amt\tUnion_Prof Name\tOriginal_Amended\tFBT_Exempt");
const QString kEtpHeaders = QStringLiteral("Payee ID\tPayroll No\tPayee Type\tPayment Type\tTFN\tSurname\tFirst Name\tSec Name\tDoB Day No.\tDoB Month No.\tDoB Year No.\tAdd Line 1\tAdd Line2\tSuburb/City\tPCode\tState\tCountry\tPayment Date Day No.\tPayment Date Month No.\tPayment Date Year No.\tTaxable Component\tTaxFree Component\tTax\tOriginal_Amended");
const QString kBusHeaders = QStringLiteral("Payee ID\tPayroll No\tPayee Type\tPayment Type\tTFN/ABN\tSurname\tFirst Name\tSec Name\tDoB Day No.\tDoB Month No.\tDoB Year No.\tAdd Line 1\tAdd Line2\tSuburb/City\tPCode\tState\tCountry\tStartDate Day No.\tStartDate Month No.\tStartDate Year No.\tEndDate Day No.\tEndDate Month No.\tEndDate Year No.\tGross\tTax\tRESC\tOriginal_Amended");
const QString kFeiHeaders = QStringLiteral("Payee ID\tPayroll No\tPayee Type\tIncome Type\tTFN\tSurname\tFirst Name\tSec Name\tDoB Day No.\tDoB Month No.\tDoB Year No.\tAdd Line 1\tAdd Line2\tSuburb/City\tPCode\tState\tCountry\tStartDate Day No.\tStartDate Month No.\tStartDate Year No.\tEndDate Day No.\tEndDate Month No.\tEndDate Year No.\tGross\tAustTax\tForeignTax\tLump Sum A\tLump Sum A Type\tLump Sum D\tLump Sum E\tAccrued in Yr minus 2\tAccrued in Yr minus 3\tAccrued pre Yr minus 3\tAllowance 1 Name\tAllowance 2 Name\tAllowance 3 Name\tAllowance 4 Name\tRFBT\tRESC\tGiving\tUnion_Prof Amt\tUnion_Prof Name\tOriginal_Amended\tFBT_Exempt");
const QString kPenHeaders = QStringLiteral("Payee ID\tPayroll No\tPayee Type\tIncome Type\tTFN\tSurname\tFirst Name\tSec Name\tDoB Day No.\tDoB Month No.\tDoB Year No.\tAdd Line 1\tAdd Line2\tSuburb/City\tPCode\tState\tCountry\tStartDate Day No.\tStartDate Month No.\tStartDate Year No.\tEndDate Day No.\tEndDate Month No.\tEndDate Year No.\tTC - Taxed Element\tTC - Untaxed Element\tTax Withheld\tTax Free Component\tTax Offset Amount\tLS Arrears - TC - Taxed Element\tLS Arrears - TC - Untaxed Element\tLS Arrears - Tax Free Component\tOriginal_Amended\tReversionary Indicator");
const QString kSlsHeaders = QStringLiteral("Payee ID\tPayroll No\tPayee Type\tTFN\tSurname\tFirst Name\tSec Name\tDoB Day No.\tDoB Month No.\tDoB Year No.\tAdd Line 1\tAdd Line2\tSuburb/City\tPCode\tState\tCountry\tPayment Date Day No.\tPayment Date Month No.\tPayment Date Year No.\tTaxable Component Taxed\tTaxable Component Untaxed\tTaxFree Component\tTax\tDeath Benefit\tType of Death Benefit\tOriginal_Amended");
const QString kDasHeaders = QStringLiteral("Payee ID\tPayroll No\tPayee Type\tTFN\tSurname\tFirst Name\tSec Name\tAdd Line 1\tAdd Line2\tSuburb/City\tPCode\tState\tCountry\tPayment Date Day No.\tPayment Date Month No.\tPayment Date Year No.\tTaxable Component Taxed\tTaxable Component Untaxed\tTaxFree Component\tTax\tOriginal_Amended");

const QString kS1 = QStringLiteral(
    "Sorry1 - you do not seem to have write access to this \nfolder, please try a different location.");
const QString kS2 = QStringLiteral(
    "Sorry1 - you do not seem to have write access to this folder, please try a different location.");
const QString kF1 = QStringLiteral("Quillastrand Export Files (*.txt)|*.txt|All Files (*.*)|*.*||");
const QString kF2 = QStringLiteral("VESK Export Files (*.txt)|*.txt|All Files (*.*)|*.*||");
const QString kE1 = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #2005a.");
const QString kE2 = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #2005.");
const QString kE3 = QStringLiteral("An unknown error has occurred during the file save process - Ref #2005a.");
const QString kE4 = QStringLiteral("An unknown error has occurred during the file save process - Ref #2005.");
const QString kE5 = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #2005c.");
const QString kE6 = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #2005d.");

QString messageA(int n)
{
    return QStringLiteral("This file cannot be imported as number of fields per line is not %1. \n\nSee Help for more "
                          "information.")
        .arg(n);
}
const QString kMessageB = QStringLiteral(
    "This file cannot be imported as number of fields per line is not 33.\n\nEnsure you use the latest version of the "
    "PEN template for this Release as a change was made in v1.0.0.4\n\nSee Help for more information.");

// What each layout's Part gives it.
struct LayoutSpec {
    PayeeType type;
    QString code;
    int fields;
    QString headers;
    QString fieldCountMessage;
    QString badNumberClosing;
    qint32 placeholder;
    int postcodeColumn;
    QString filter;
    QString accessMessage;
    QString createError;
    QString writeError;
};

const LayoutSpec kInb{PayeeType::INB, "INB", 52, kInbHeaders, messageA(52), kOneLineClosing, 1000000, 15,
                      kF1, kS1, kE1, kE2};
const LayoutSpec kEtp{PayeeType::ETP, "ETP", 24, kEtpHeaders, messageA(24), kTwoLineClosing, 1000000, 15,
                      kF1, kS1, kE1, kE2};
const LayoutSpec kBus{PayeeType::BUS, "BUS", 27, kBusHeaders, messageA(27), kTwoLineClosing, 1000000, 15,
                      kF1, kS1, kE1, kE2};
const LayoutSpec kFei{PayeeType::FEI, "FEI", 44, kFeiHeaders, messageA(44), kOneLineClosing, 100000, 15,
                      kF2, kS2, kE3, kE4};
const LayoutSpec kPen{PayeeType::PEN, "PEN", 33, kPenHeaders, kMessageB, kOneLineClosing, 1000000, 15,
                      kF1, kS1, kE1, kE2};
const LayoutSpec kSls{PayeeType::SLS, "SLS", 26, kSlsHeaders, messageA(26), kTwoLineClosing, 1000000, 14,
                      kF1, kS1, kE5, kE6};
const LayoutSpec kDas{PayeeType::DAS, "DAS", 21, kDasHeaders, messageA(21), kTwoLineClosing, 1000000, 11,
                      kF1, kS1, kE5, kE6};

class Layouts : public TransferTest, public ::testing::WithParamInterface<LayoutSpec> {
protected:
    const LayoutSpec& spec() const { return GetParam(); }
    QByteArray line(const std::map<int, QByteArray>& cells) const { return dataLine(spec().fields, cells); }

    // A payee of the type with a value in every column its layout carries.
    CCards fullPayee(qint32 id) const
    {
        const TabLayout& layout = tabLayout(spec().type);
        CCards c;
        c.payeeId = id;
        c.payeeType = spec().code;
        for (const TabColumn& column : layout.columns) {
            if (column.kind == TabColumnKind::Number) {
                column.numberOf(c) = 100 * id + int(&column - layout.columns.data());
            } else if (column.kind == TabColumnKind::Text) {
                QString& value = column.textOf(c);
                if (column.codes)
                    value = QString::fromStdU16String(std::u16string(column.codes->codes.back().text));
                else if (column.yearRule != TabYearRule::None)
                    value = "Y";
                else if (column.steps & kPad)
                    value = "07";
                else
                    value = (column.steps & kUpper) ? "TEXT" : "Text";
            }
        }
        c.surname = QStringLiteral("Jos\u00e9");
        c.addLine1 = "1\tHigh St"; // written quoted
        c.tfn = "123456782";
        return c;
    }

    QStringList exportedLines(const QByteArray& bytes) const
    {
        return QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    }
};

std::string specName(const ::testing::TestParamInfo<LayoutSpec>& info)
{
    return info.param.code.toStdString();
}

TEST_P(Layouts, WriteLinesOneTo19AsTheFrameSays)
{
    report().payees[1] = fullPayee(1);
    const QStringList lines = exportedLines(exportBytes(spec().type));
    ASSERT_GE(lines.size(), 21);
    EXPECT_EQ(lines[0], spec().code + " Payee Export - Designed to mirror the Import Template fields");
    EXPECT_EQ(lines[1], "Modify as necessary and paste Payee data only into " + spec().code
                  + " Import Template starting from row 20");
    for (int i = 2; i < 14; ++i)
        EXPECT_EQ(lines[i], "");
    QStringList numbers;
    for (int n = 1; n <= spec().fields; ++n)
        numbers << QString::number(n);
    EXPECT_EQ(lines[14], numbers.join(u'\t'));
    EXPECT_EQ(lines[15], "");
    EXPECT_EQ(lines[16], spec().headers);
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(lines.last(), ""); // the file ends with CR LF
}

TEST_P(Layouts, RefuseAFileWhoseLine20HasAnotherCount)
{
    importBytes(spec().type, fileOf({dataLine(spec().fields - 1, {{1, "1"}}), line({{1, "2"}})}));
    importBytes(spec().type, fileOf({dataLine(spec().fields + 1, {{1, "1"}})}));
    EXPECT_EQ(ui.texts(), (QStringList{spec().fieldCountMessage, spec().fieldCountMessage}));
    EXPECT_TRUE(report().payees.empty());
}

TEST_P(Layouts, NameTheSettledIdOfAPayeeWithABadNumber)
{
    importBytes(spec().type, fileOf({line({{1, "abc"}, {spec().postcodeColumn, "2,000"}})}));
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Take care with Payee ID '%1").arg(spec().placeholder)
                                           + spec().badNumberClosing,
                                       importedMessage(1)}));
    EXPECT_EQ(report().payees.at(spec().placeholder).pCode, 999999);
}

TEST_P(Layouts, ImportEveryLineAsTheirOwnTypeWhateverColumn3Holds)
{
    importBytes(spec().type, fileOf({line({{1, "1"}, {3, "INB"}}), line({{1, "2"}, {3, "XYZ"}}), line({{1, "3"}})}));
    ASSERT_EQ(report().payees.size(), 3u);
    for (const auto& [id, card] : report().payees)
        EXPECT_EQ(card.payeeType, spec().code);
}

TEST_P(Layouts, ExportOnlyPayeesOfExactlyTheirType)
{
    CCards other = fullPayee(2);
    other.payeeType = spec().code.toLower();
    report().payees[2] = other;
    ExportTabDelimited(context, spec().type);
    EXPECT_EQ(ui.texts(), QStringList{"There are no Payees to Export."});
    EXPECT_TRUE(ui.fileRequests.empty());
}

TEST_P(Layouts, AskForTheFileAndReportFailuresInTheirOwnWords)
{
    report().payees[1] = fullPayee(1);
    const QString target = writeFile("export.txt", "old");
    files.fail(FaultyFileSystem::Op::Write, target, FileError::AccessDenied);
    ui.answerFile(target);
    ExportTabDelimited(context, spec().type);
    files.fail(FaultyFileSystem::Op::Write, target, FileError::Other);
    ui.answerFile(target);
    ExportTabDelimited(context, spec().type);
    EXPECT_EQ(ui.texts(), (QStringList{spec().accessMessage, spec().createError + "\n\ninjected."}));
    EXPECT_EQ(readBytes(target), "old");

    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.fileRequests[0].defaultName, spec().code + "Export");
    EXPECT_EQ(ui.fileRequests[0].filter, spec().filter);
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "*.txt");
}

TEST_P(Layouts, ReportAFailureWhileWritingInTheirOwnWords)
{
    ThrowingFileSystem throwing;
    AppContext throwingContext(ui, throwing);
    throwingContext.report().payees[1] = fullPayee(1);
    ui.answerFile(path("export.txt"));
    ExportTabDelimited(throwingContext, spec().type);
    EXPECT_EQ(ui.texts(), QStringList{spec().writeError});
}

TEST_P(Layouts, GiveTheSameDataLinesAfterExportImportExport)
{
    report().payees[4] = fullPayee(4);
    report().payees[9] = fullPayee(9);
    if (spec().type == PayeeType::BUS) {
        report().payees[4].busPaymentType = "Voluntary Agreement";
        report().payees[4].abn = "53004085616";
        report().payees[4].tfn = "000000000";
        report().payees[9].busPaymentType = "Labour Hire";
        report().payees[9].abn = "00000000000";
    }
    const QByteArray first = exportBytes(spec().type, "first.txt");

    AppContext fresh(ui, files);
    fresh.report().reportYear = "2018";
    fresh.report().reportYearNumber = 2018;
    ui.answerFile(path("first.txt"));
    ImportTabDelimited(fresh, spec().type);
    ASSERT_EQ(fresh.report().payees.size(), 2u);
    for (const auto& [id, card] : fresh.report().payees) {
        EXPECT_EQ(card.dataSource, "Tab Delimited Import");
        EXPECT_EQ(card.checked, "");
        EXPECT_EQ(card.ignoreWarnings, "");
        EXPECT_EQ(card.addLine1, "1\tHigh St");
        EXPECT_EQ(card.surname, QStringLiteral("Jos\u00e9"));
    }
    if (spec().type == PayeeType::BUS) {
        EXPECT_EQ(fresh.report().payees.at(4).tfn, "000000000");
        EXPECT_EQ(fresh.report().payees.at(9).abn, "00000000000");
    }

    ui.answerFile(path("second.txt"));
    ExportTabDelimited(fresh, spec().type);
    EXPECT_EQ(readBytes(path("second.txt")), first);
}

INSTANTIATE_TEST_SUITE_P(EachType, Layouts, ::testing::Values(kInb, kEtp, kBus, kFei, kPen, kSls, kDas), specName);

// ---- The cells of each layout ----

TEST_P(LayoutCells, StoreTheCellAndWriteTheMemberBack)
{
    const CellCase& c = GetParam();
    setYear(c.year);
    const int fields = tabLayout(c.type).fieldCount();
    std::map<int, QByteArray> cells = c.otherCells;
    cells[1] = "7";
    cells[c.column] = c.cell;
    importBytes(c.type, fileOf({dataLine(fields, cells)}));
    ASSERT_EQ(report().payees.size(), 1u);
    EXPECT_EQ(c.member(report().payees.at(7)), c.stored);

    const QStringList lines = QString::fromUtf8(exportBytes(c.type)).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 20);
    EXPECT_EQ(lines[19].split(u'\t').value(c.column - 1), c.exported);
}

} // namespace
