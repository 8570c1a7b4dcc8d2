#include "pdf/BlankForms.h"
#include "pdf/PdfTestKit.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

using Names = std::set<QString>;

Names operator+(Names a, const Names& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

Names operator-(Names a, const Names& b)
{
    for (const QString& n : b)
        a.erase(n);
    return a;
}

Names numbered(const QString& stem, int from, int to)
{
    Names names;
    for (int i = from; i <= to; ++i)
        names.insert(stem + QString::number(i));
    return names;
}

// The field names each form must carry, written from the filler's field lists.
const Names kCommon = Names { "PayerName1", "PayerABN1", "Year1", "Branch1", "Authorised1", "Date1", "TFN1", "Tax1" }
    + numbered(QStringLiteral("Name"), 1, 5);
const Names kInb353 = Names { "Year1", "FromDate", "ToDate", "TFN1", "Tax1", "Gross1", "CDEP1", "RFBT1", "RESC1",
    "TotalAllow1", "LumpA1", "LumpB1", "LumpD1", "LumpE1", "LumpAType", "PayerName1", "PayerABN1", "Branch1",
    "Authorised1", "Date1" }
    + numbered(QStringLiteral("Title"), 1, 6) + numbered(QStringLiteral("Detail"), 1, 3)
    + numbered(QStringLiteral("Detail"), 5, 9) + numbered(QStringLiteral("Name"), 1, 5);
const Names kInb368 = kInb353 + Names { "IncomeType", "RFBTYes", "RFBTNo" };
const Names kFei = (kInb368 - Names { "CDEP1", "LumpB1", "TotalAllow1", "IncomeType" }) + Names { "GType", "FTax2" };
const Names kBus = kCommon + Names { "FromDate", "ToDate", "ABN1", "Gross1", "PaymentType", "RESC1" };
const Names kEtp = kCommon + Names { "FromDate", "Taxable1", "TaxFree1", "Code1" };
const Names kPen372 = kCommon
    + Names { "FromDate", "ToDate", "TCTaxed", "TCUntaxed", "Tax Free", "Tax Offset", "LSTaxed", "LSUntaxed",
          "LSTaxFree" };
const Names kPen378 = kPen372 + Names { "DBRISYes", "DBRISNo" };
const Names kSls = kCommon + Names { "Date", "TCTaxed", "TCUntaxed", "Tax Free", "Tax Offset", "Code1" };
const Names kDas = kCommon + Names { "Date", "TCTaxed", "TCUntaxed", "Tax Free" };

Names mediaNames()
{
    Names names { "report-dateDay", "report-dateMonth", "report-dateYear", "report-dateDayEnd", "report-dateMonthEnd",
        "report-dateYearEnd", "supplier-name", "ABN-sep", "payer-ABN-sep", "payer-branch", "payer-name",
        "supplier-address", "supplier-addressSuburb", "supplier-addressState", "supplier-addressPostcode",
        "supplier-contactName", "supplier-email", "suplier-phone", "supplier-fax" };
    for (int row = 2; row <= 13; ++row) {
        const QString n = QString::number(row);
        names.insert(QStringLiteral("payer-name") + n);
        names.insert(QStringLiteral("payer-ABN-sep") + n);
        names.insert(QStringLiteral("payer-branch") + n);
    }
    return names;
}

struct FormCase {
    int number;
    Names fields;
    QString typeWords; // part of the title
    bool amended;
};

std::vector<FormCase> formCases()
{
    const QString inb = QStringLiteral("individual non-business");
    return {
        { 353, kInb353, inb, false },
        { 356, kInb353, inb, true },
        { 368, kInb368, inb, false },
        { 369, kInb368, inb, true },
        { 357, kBus, QStringLiteral("business and personal services income"), false },
        { 359, kBus, QStringLiteral("business and personal services income"), true },
        { 360, kEtp, QStringLiteral("employment termination payment"), false },
        { 358, kEtp, QStringLiteral("employment termination payment"), true },
        { 370, kFei, QStringLiteral("foreign employment"), false },
        { 371, kFei, QStringLiteral("foreign employment"), true },
        { 372, kPen372, QStringLiteral("superannuation income stream"), false },
        { 373, kPen372, QStringLiteral("superannuation income stream"), true },
        { 378, kPen378, QStringLiteral("superannuation income stream"), false },
        { 379, kPen378, QStringLiteral("superannuation income stream"), true },
        { 374, kSls, QStringLiteral("superannuation lump sum"), false },
        { 375, kSls, QStringLiteral("superannuation lump sum"), true },
        { 376, kDas, QStringLiteral("departing Australia superannuation payment"), false },
        { 377, kDas, QStringLiteral("departing Australia superannuation payment"), true },
        { 362, mediaNames(), QStringLiteral("Media form"), false },
    };
}

class FormContract : public ::testing::TestWithParam<FormCase> {
};

TEST_P(FormContract, CarriesExactlyItsTextFieldsOnOnePageWithAClassicXref)
{
    const FormCase& c = GetParam();
    const QByteArray form = BlankForms::bytes(c.number);
    ASSERT_FALSE(form.isEmpty());
    EXPECT_TRUE(form.startsWith("%PDF-"));
    EXPECT_TRUE(hasClassicXrefOnly(form));

    int warnings = -1;
    const auto fields = readFormFields(form, &warnings);
    EXPECT_EQ(warnings, 0);
    Names found;
    for (const auto& [name, field] : fields) {
        found.insert(name);
        EXPECT_EQ(field.type, QStringLiteral("/Tx")) << name.toStdString();
        EXPECT_EQ(field.flags & (1 << 12), 0) << name.toStdString() << " is multiline";
        EXPECT_TRUE(field.value.isEmpty()) << name.toStdString();
    }
    EXPECT_EQ(found, c.fields);

    const QString text = pdfText(form);
    EXPECT_TRUE(text.contains(c.typeWords)) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("AMENDED")), c.amended);
    EXPECT_TRUE(text.contains(QStringLiteral("Made by Quillastrand from its field list. Not an official ATO form.")));
    if (c.number != BlankForms::kMediaForm) {
        EXPECT_TRUE(text.contains(QStringLiteral("Year ending 30 June")));
        EXPECT_TRUE(text.contains(QStringLiteral("Total tax withheld")));
    } else {
        EXPECT_TRUE(text.contains(QStringLiteral("Section B")));
        EXPECT_TRUE(text.contains(QStringLiteral("Section C")));
        EXPECT_TRUE(text.contains(QStringLiteral("Section D")));
    }
    EXPECT_TRUE(pageHasInk(form));
}

INSTANTIATE_TEST_SUITE_P(EveryForm, FormContract, ::testing::ValuesIn(formCases()),
    [](const auto& info) { return std::to_string(info.param.number); });

TEST(BlankForms, LabelsSayWhatTheLumpSumFieldsOfSlsReceive)
{
    const QString text = pdfText(BlankForms::bytes(374));
    EXPECT_TRUE(text.contains(QStringLiteral("Type of death benefit")));
    EXPECT_TRUE(text.contains(QStringLiteral("Death benefit indicator")));
}

TEST(BlankForms, NumbersOutsideTheSetGiveNothing)
{
    for (int n : { 0, -1, 345, 361, 365, 366, 367, 380, 1000 })
        EXPECT_TRUE(BlankForms::bytes(n).isEmpty()) << n;
}

TEST(BlankForms, TwoRunsOfTheMakerGiveTheEmbeddedBytes)
{
    QTemporaryDir first;
    QTemporaryDir second;
    for (const QTemporaryDir* dir : { &first, &second }) {
        QProcess maker;
        maker.start(QStringLiteral(QLS_MAKE_BLANK_FORMS), { dir->path() });
        ASSERT_TRUE(maker.waitForFinished(60000));
        ASSERT_EQ(maker.exitCode(), 0) << maker.readAllStandardError().toStdString();
    }
    for (int n : BlankForms::kNumbers) {
        QFile a(first.filePath(QStringLiteral("%1.pdf").arg(n)));
        QFile b(second.filePath(QStringLiteral("%1.pdf").arg(n)));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly));
        const QByteArray bytes = a.readAll();
        EXPECT_EQ(bytes, b.readAll()) << n;
        EXPECT_EQ(bytes, BlankForms::bytes(n)) << n;
    }
    EXPECT_EQ(QDir(first.path()).entryList(QDir::Files).size(), 19);
}

// The form for every type, year band and indicator: "o" and "" choose none.
TEST(FormChoice, TableOfTypesYearsAndIndicators)
{
    struct Row {
        const char* type;
        int y2012[2];
        int y2016[2];
        int y2017[2];
        int y2018[2];
    };
    const Row rows[] = {
        { "INB", { 353, 356 }, { 353, 356 }, { 368, 369 }, { 368, 369 } },
        { "BUS", { 357, 359 }, { 357, 359 }, { 357, 359 }, { 357, 359 } },
        { "ETP", { 360, 358 }, { 360, 358 }, { 360, 358 }, { 360, 358 } },
        { "FEI", { 370, 371 }, { 370, 371 }, { 370, 371 }, { 370, 371 } },
        { "PEN", { 378, 379 }, { 378, 379 }, { 372, 373 }, { 378, 379 } },
        { "SLS", { 374, 375 }, { 374, 375 }, { 374, 375 }, { 374, 375 } },
        { "DAS", { 376, 377 }, { 376, 377 }, { 376, 377 }, { 376, 377 } },
    };
    for (const Row& row : rows) {
        const QString type = QString::fromLatin1(row.type);
        const std::pair<int, const int*> years[]
            = { { 2012, row.y2012 }, { 2016, row.y2016 }, { 2017, row.y2017 }, { 2018, row.y2018 } };
        for (const auto& [year, forms] : years) {
            EXPECT_EQ(FormNumber(type, year, QStringLiteral("O")), forms[0]) << row.type << year;
            EXPECT_EQ(FormNumber(type, year, QStringLiteral("A")), forms[1]) << row.type << year;
            EXPECT_EQ(FormNumber(type, year, QStringLiteral("o")), 0) << row.type << year;
            EXPECT_EQ(FormNumber(type, year, QString()), 0) << row.type << year;
        }
    }
    EXPECT_EQ(FormNumber(QStringLiteral("inb"), 2018, QStringLiteral("O")), 0);
    EXPECT_EQ(FormNumber(QString(), 2018, QStringLiteral("O")), 0);
    EXPECT_EQ(FormNumber(QStringLiteral("INB"), 2027, QStringLiteral("A")), 369);
}

} // namespace
