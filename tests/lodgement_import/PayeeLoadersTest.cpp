// The loaders of ETP, the BUS family, FEI, PEN, SLS and DAS records: each
// type's own rules, by version and year.

#include "lodgement_import/LoaderFrame.h"
#include "lodgement_import/LodgementFixtures.h"
#include "lodgement_import/RecordLoaders.h"
#include "report/Report.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

using fixture::payeeRecord;

class PayeeLoaders : public ::testing::Test
{
protected:
    // Hands one record to the loader of its identifier, as the reader would
    // for a file of that version (times ten) and year.
    const CCards& load(const QByteArray& record, int version = 130, int year = 2018)
    {
        report.importVersion = version;
        report.reportYearNumber = year;
        report.highestPayeeId = nextId++;
        const QString text = QString::fromLatin1(record);
        const AddPayeeFromA01 loader = recordLoaderFor(QStringView(text).mid(3, 4));
        EXPECT_NE(loader, nullptr) << record.left(7).constData();
        const qsizetype before = report.payees.size();
        if (loader)
            loader(report, ui, text);
        EXPECT_EQ(report.payees.size(), before + 1);
        return report.payees.at(report.highestPayeeId);
    }

    QStringList takeMessages()
    {
        const QStringList texts = ui.texts();
        ui.messages.clear();
        return texts;
    }

    ScriptedUi ui;
    Report report;
    qint32 nextId = 1;
};

QString oneLine(qint32 id)
{
    return NumericalFieldsWarning(id, NumericalWording::OneLine);
}

QString lineBreak(qint32 id)
{
    return NumericalFieldsWarning(id, NumericalWording::LineBreak);
}

// ---- ETP: DEMP and DETP ----

// One ETP record with every field set, as a version-13.0 file holds it,
// plus the older places of tax withheld (312) and amend indicator (250).
QByteArray etpRecord(const QByteArray& identifier)
{
    return payeeRecord(identifier,
        { { 7, "123 45678 " }, { 16, "Citizen" }, { 46, "Jane" }, { 61, "Q" }, { 76, "1 Main St" }, { 114, "" },
            { 152, "perth" }, { 179, "WA" }, { 182, "6000" }, { 186, "australia" }, { 206, "01021980" },
            { 214, "15032018" }, { 222, "00000200" }, { 230, "00003000" }, { 238, "00000400" }, { 246, "r" },
            { 247, "o" }, { 250, "a" }, { 312, "00000777" } });
}

TEST_F(PayeeLoaders, EtpFieldsByVersion)
{
    struct Case {
        int version;
        qint32 taxWithheld, taxable, taxFree;
        QString paymentType, amend;
        bool componentsWarning;
    } const cases[] = {
        { 130, 200, 3000, 400, "R", "O", false },
        { 110, 200, 3000, 400, "R", "O", false },
        { 100, 200, 3000, 400, "", "A", false },
        { 80, 200, 3000, 400, "", "A", false },
        { 74, 777, 0, 0, "", "", true },
    };
    for (const QByteArray identifier : { "DEMP", "DETP" }) {
        for (const Case& c : cases) {
            SCOPED_TRACE(identifier.constData());
            SCOPED_TRACE(c.version);
            const CCards& p = load(etpRecord(identifier), c.version);
            EXPECT_EQ(p.payeeType, u"ETP");
            EXPECT_EQ(p.dataSource, kLoadedDataSource);
            EXPECT_EQ(p.tfn, u"12345678");
            EXPECT_EQ(p.surname, u"Citizen");
            EXPECT_EQ(p.secName, u"Q");
            EXPECT_EQ(p.suburb, u"PERTH");
            EXPECT_EQ(p.pCode, 6000);
            EXPECT_EQ(p.country, u"AUSTRALIA");
            EXPECT_EQ(p.dobYear, u"1980");
            EXPECT_EQ(p.paymentDay, u"15");
            EXPECT_EQ(p.paymentYear, u"2018");
            EXPECT_EQ(p.taxWithheld, c.taxWithheld);
            EXPECT_EQ(p.taxable, c.taxable);
            EXPECT_EQ(p.taxFree, c.taxFree);
            EXPECT_EQ(p.etpPaymentType, c.paymentType);
            EXPECT_EQ(p.origAmended, c.amend);
            EXPECT_EQ(p.incomeType, u"");
            EXPECT_EQ(p.startDay, u"");
            EXPECT_EQ(p.gross, 0);
            EXPECT_EQ(
                takeMessages(), c.componentsWarning ? QStringList { ComponentsWarning(p.payeeId) } : QStringList {});
        }
    }
}

TEST_F(PayeeLoaders, AnOldEtpRecordWarnsOfBadNumbersBeforeTheComponents)
{
    QByteArray record = etpRecord("DEMP");
    record.replace(312, 8, "0000x777");
    const CCards& p = load(record, 73);
    EXPECT_EQ(p.taxWithheld, 999999);
    EXPECT_EQ(takeMessages(), (QStringList { oneLine(p.payeeId), ComponentsWarning(p.payeeId) }));
    EXPECT_EQ(ComponentsWarning(5),
        "Take care with Payee ID '5'. \n\r\n\rTaxable and Tax Free components could not be extracted from "
        "VESK.A01 file and have been set to $0. \n\r\n\rYou will need to change these.\n\r\n\rSee Help for more "
        "information");
    EXPECT_EQ(oneLine(5),
        "Take care with Payee ID '5'. One or more numerical fields where changed to 999999 as the "
        "loaded data was invalid.");
}

// ---- The BUS family ----

TEST_F(PayeeLoaders, DlvpPaymentTypeCodesAreComparedRaw)
{
    const std::pair<QByteArray, QString> cases[] = {
        { "001", "Labour Hire" },
        { "002", "Other Specified Payments" },
        { "003", "Voluntary Agreement" },
        { "004", "PS Attributed Income" },
        { "005", "005" },
        { "   ", "" },
        { " 01", "01" },
        { "1  ", "1" },
        { "00A", "00A" },
    };
    for (const auto& [code, type] : cases)
        EXPECT_EQ(load(payeeRecord("DLVP", { { 7, code } })).busPaymentType, type) << code.constData();
}

TEST_F(PayeeLoaders, DlvpFields)
{
    const CCards& p = load(
        payeeRecord("DLVP",
            { { 7, "003" }, { 10, "000000000" }, { 19, "53 004  085616" }, { 30, "01021980" }, { 38, "Contractor" },
                { 68, "Bob" }, { 174, "hobart" }, { 201, "tas" }, { 204, "7000" }, { 228, "01072017" },
                { 236, "30062018" }, { 244, "00000300" }, { 252, "00004000" }, { 260, "00000012" }, { 268, "a" } }),
        74);
    EXPECT_EQ(p.payeeType, u"BUS");
    EXPECT_EQ(p.tfn, u"000000000");
    EXPECT_EQ(p.abn, u"53 004 085"); // its eleven characters, inner blanks made one
    EXPECT_EQ(p.dobMonth, u"02");
    EXPECT_EQ(p.surname, u"Contractor");
    EXPECT_EQ(p.suburb, u"HOBART");
    EXPECT_EQ(p.state, u"tas");
    EXPECT_EQ(p.startYear, u"2017");
    EXPECT_EQ(p.endDay, u"30");
    EXPECT_EQ(p.taxWithheld, 300);
    EXPECT_EQ(p.gross, 4000);
    EXPECT_EQ(p.resc, 12);
    EXPECT_EQ(p.origAmended, u"A"); // read whatever the version
    EXPECT_EQ(p.incomeType, u"");
    EXPECT_EQ(p.etpPaymentType, u"");
    EXPECT_EQ(p.paymentDay, u"");
}

TEST_F(PayeeLoaders, OlderBusinessRecords)
{
    // DBUS: ABN at 7, names from 26, gross at 245 (240 to 244 not read).
    const QByteArray dbus = payeeRecord("DBUS",
        { { 7, "53004085616" }, { 18, "01021980" }, { 26, "Hire" }, { 162, "cairns" }, { 192, "4870" },
            { 216, "01072017" }, { 224, "30062018" }, { 232, "00000310" }, { 240, "99999" }, { 245, "00004100" },
            { 253, "a" } });
    const CCards& b = load(dbus, 80);
    EXPECT_EQ(b.busPaymentType, u"Labour Hire");
    EXPECT_EQ(b.tfn, u"000000000");
    EXPECT_EQ(b.abn, u"53004085616");
    EXPECT_EQ(b.dobYear, u"1980");
    EXPECT_EQ(b.surname, u"Hire");
    EXPECT_EQ(b.suburb, u"CAIRNS");
    EXPECT_EQ(b.pCode, 4870);
    EXPECT_EQ(b.startMonth, u"07");
    EXPECT_EQ(b.endYear, u"2018");
    EXPECT_EQ(b.taxWithheld, 310);
    EXPECT_EQ(b.gross, 4100);
    EXPECT_EQ(b.origAmended, u"A");
    QByteArray blanked = dbus;
    blanked.replace(240, 5, "     ");
    CCards same = load(blanked, 80);
    same.payeeId = b.payeeId;
    EXPECT_TRUE(same == b);

    const CCards& h = load(payeeRecord("DLHO",
                               { { 10, "123456782" }, { 38, "Labourer" }, { 228, "01072017" }, { 244, "00000001" },
                                   { 252, "00000002" }, { 260, "A" }, { 268, "X" } }),
        80);
    EXPECT_EQ(h.busPaymentType, u"");
    EXPECT_EQ(h.tfn, u"123456782");
    EXPECT_EQ(h.abn, u"00000000000");
    EXPECT_EQ(h.surname, u"Labourer");
    EXPECT_EQ(h.startDay, u"01");
    EXPECT_EQ(h.taxWithheld, 1);
    EXPECT_EQ(h.gross, 2);
    EXPECT_EQ(h.origAmended, u"A");
    EXPECT_EQ(h.resc, 0);

    const CCards& a = load(payeeRecord("DAIP",
                               { { 7, "123456782" }, { 16, "01021980" }, { 24, "Attributed" }, { 214, "00000005" },
                                   { 222, "00000006" }, { 230, "a" } }),
        80);
    EXPECT_EQ(a.busPaymentType, u"PS Attributed Income");
    EXPECT_EQ(a.tfn, u"123456782");
    EXPECT_EQ(a.abn, u"00000000000");
    EXPECT_EQ(a.dobDay, u"01");
    EXPECT_EQ(a.surname, u"Attributed");
    EXPECT_EQ(a.startDay, u"");
    EXPECT_EQ(a.endYear, u"");
    EXPECT_EQ(a.taxWithheld, 5);
    EXPECT_EQ(a.gross, 6);
    EXPECT_EQ(a.origAmended, u"A");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PayeeLoaders, OlderBusinessRecordsReadTheAmendIndicatorFromVersion8)
{
    const std::pair<QByteArray, int> records[] = { { "DBUS", 253 }, { "DLHO", 260 }, { "DAIP", 230 } };
    for (const auto& [identifier, position] : records) {
        SCOPED_TRACE(identifier.constData());
        EXPECT_EQ(load(payeeRecord(identifier, { { position, "A" } }), 74).origAmended, u"");
        EXPECT_EQ(load(payeeRecord(identifier, { { position, "a" } }), 80).origAmended, u"A");
    }
}

TEST_F(PayeeLoaders, BusinessRecordsWarnWithTheLineBreak)
{
    const CCards& p = load(payeeRecord("DLVP", { { 252, "4000 BAD" } }));
    EXPECT_EQ(p.gross, 999999);
    EXPECT_EQ(takeMessages(), QStringList { lineBreak(p.payeeId) });
}

// ---- FEI ----

QByteArray feiRecord(const QByteArray& at296, const QByteArray& at297)
{
    return payeeRecord("DFEI",
        { { 7, "123456782" }, { 16, "01021980" }, { 24, "Overseas" }, { 54, "Olga" }, { 160, "darwin" }, { 187, "nt" },
            { 190, "0800" }, { 194, "japan" }, { 214, "01072017" }, { 222, "30062018" }, { 230, "00000600" },
            { 238, "00000055" }, { 246, "00006000" }, { 254, "j" }, { 255, "00000013" }, { 263, "00000014" },
            { 271, "00000015" }, { 279, "t" }, { 280, "00000016" }, { 288, "00000017" }, { 296, at296 }, { 297, at297 },
            { 300, "99999999" } });
}

TEST_F(PayeeLoaders, FeiFields)
{
    const CCards& p = load(feiRecord("y", "a"), 130, 2018);
    EXPECT_EQ(p.payeeType, u"FEI");
    EXPECT_EQ(p.dataSource, u"Loaded from existing VESK.A01 or EMPDUPE file");
    EXPECT_EQ(p.incomeType, u"JPDA Income");
    EXPECT_EQ(p.tfn, u"123456782");
    EXPECT_EQ(p.dobDay, u"01");
    EXPECT_EQ(p.surname, u"Overseas");
    EXPECT_EQ(p.suburb, u"DARWIN");
    EXPECT_EQ(p.state, u"nt");
    EXPECT_EQ(p.pCode, 800);
    EXPECT_EQ(p.country, u"JAPAN");
    EXPECT_EQ(p.startYear, u"2017");
    EXPECT_EQ(p.endMonth, u"06");
    EXPECT_EQ(p.taxWithheld, 600);
    EXPECT_EQ(p.foreignTaxPaid(), 55);
    EXPECT_EQ(p.gross, 6000);
    EXPECT_EQ(p.lumpA, 13);
    EXPECT_EQ(p.lumpD, 14);
    EXPECT_EQ(p.lumpE, 15);
    EXPECT_EQ(p.lumpAType, u"T");
    EXPECT_EQ(p.rfbt, 16);
    EXPECT_EQ(p.resc, 17);
    EXPECT_EQ(p.fbtExempt, u"Y");
    EXPECT_EQ(p.origAmended, u"A");
    // What the file does not carry.
    EXPECT_EQ(p.payrollNo, u"");
    EXPECT_EQ(p.allow1Name, u"");
    EXPECT_EQ(p.totalAllow, 0);
    EXPECT_EQ(p.giving, 0);
    EXPECT_EQ(p.unionFees, 0);
    EXPECT_EQ(p.lumpB, 0);
    EXPECT_EQ(p.lumpEYrMinus2, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PayeeLoaders, FeiGrossPaymentsTypeCodes)
{
    const std::pair<QByteArray, QString> cases[] = {
        { "F", "Foreign Income" },
        { "f", "Foreign Income" },
        { "J", "JPDA Income" },
        { "j", "JPDA Income" },
        { " ", "" },
        { "X", "" },
    };
    for (const auto& [code, type] : cases)
        EXPECT_EQ(load(payeeRecord("DFEI", { { 254, code } })).incomeType, type) << code.constData();
}

TEST_F(PayeeLoaders, FeiFlagAndAmendIndicatorByYear)
{
    struct Case {
        int year;
        QByteArray at296, at297;
        QString fbt, amend;
    } const cases[] = {
        { 2017, "y", "a", "Y", "A" },
        { 2018, " ", "O", " ", "O" },
        { 2016, "O", " ", " ", "O" }, // files that put the indicator in the FBT place
        { 2016, "o", "A", " ", "O" },
        { 2016, " ", "O", " ", "O" }, // where this program's writer puts it
        { 2016, " ", "a", " ", "A" },
        { 2016, " ", " ", " ", "" },
    };
    for (const Case& c : cases) {
        const CCards& p = load(feiRecord(c.at296, c.at297), 120, c.year);
        EXPECT_EQ(p.fbtExempt, c.fbt) << c.year << c.at296.constData() << c.at297.constData();
        EXPECT_EQ(p.origAmended, c.amend) << c.year << c.at296.constData() << c.at297.constData();
    }
}

TEST_F(PayeeLoaders, FeiWarnsOnOneLineOnceForManyBadNumbers)
{
    const CCards& p = load(payeeRecord("DFEI", { { 190, "    " }, { 230, "00012345" }, { 238, "1x" }, { 246, "y" } }));
    EXPECT_EQ(p.pCode, 0);
    EXPECT_EQ(p.taxWithheld, 12345);
    EXPECT_EQ(p.cdep, 999999);
    EXPECT_EQ(p.gross, 999999);
    EXPECT_EQ(takeMessages(), QStringList { oneLine(p.payeeId) });
}

// ---- PEN ----

QByteArray penRecord(const QByteArray& at294, const QByteArray& at295)
{
    return payeeRecord("DPEN",
        { { 7, "123456782" }, { 16, "01021950" }, { 24, "Pension" }, { 54, "Pat" }, { 160, "sale" }, { 187, "VIC" },
            { 190, "3850" }, { 194, "" }, { 214, "01072017" }, { 222, "30062018" }, { 230, "00000700" },
            { 238, "00007000" }, { 246, "00000070" }, { 254, "00000071" }, { 262, "00000072" }, { 270, "00000073" },
            { 278, "00000074" }, { 286, "00000075" }, { 294, at294 }, { 295, at295 } });
}

TEST_F(PayeeLoaders, PenAmountsLandInTheirMembers)
{
    const CCards& p = load(penRecord("y", "o"), 130, 2018);
    EXPECT_EQ(p.payeeType, u"PEN");
    EXPECT_EQ(p.incomeType, u"Superannuation Income Stream");
    EXPECT_EQ(p.dobYear, u"1950");
    EXPECT_EQ(p.suburb, u"SALE");
    EXPECT_EQ(p.startDay, u"01");
    EXPECT_EQ(p.endYear, u"2018");
    EXPECT_EQ(p.taxWithheld, 700);
    EXPECT_EQ(p.taxedElement(), 7000);
    EXPECT_EQ(p.untaxedElement(), 70);
    EXPECT_EQ(p.taxFreeComponent(), 71);
    EXPECT_EQ(p.taxOffset(), 72);
    EXPECT_EQ(p.arrearsTaxedElement(), 73);
    EXPECT_EQ(p.arrearsUntaxedElement(), 74);
    EXPECT_EQ(p.arrearsTaxFree(), 75);
    EXPECT_EQ(p.reversionaryIndicator(), u"Y");
    EXPECT_EQ(p.origAmended, u"O");
    EXPECT_EQ(p.abn, u"");
    EXPECT_EQ(p.paymentDay, u"");
    EXPECT_EQ(p.taxable, 0);
    EXPECT_EQ(p.resc, 0);

    const CCards& only = load(payeeRecord("DPEN", { { 254, "00000099" } }));
    EXPECT_EQ(only.taxFreeComponent(), 99);
    EXPECT_EQ(only.taxedElement() + only.untaxedElement() + only.taxOffset() + only.arrearsTaxedElement()
            + only.arrearsUntaxedElement() + only.arrearsTaxFree() + only.taxWithheld,
        0);
}

TEST_F(PayeeLoaders, PenIndicatorsByYear)
{
    struct Case {
        int year;
        QByteArray at294, at295;
        QString reversionary, amend;
    } const cases[] = {
        { 2017, "A", "X", "", "A" },
        { 2017, "a", " ", "", "A" },
        { 2018, "Y", "O", "Y", "O" },
        { 2018, "y", "a", "Y", "A" },
        { 2018, " ", " ", "", "" },
    };
    for (const Case& c : cases) {
        const CCards& p = load(penRecord(c.at294, c.at295), 130, c.year);
        EXPECT_EQ(p.reversionaryIndicator(), c.reversionary) << c.year << c.at294.constData();
        EXPECT_EQ(p.origAmended, c.amend) << c.year << c.at294.constData();
    }
}

TEST_F(PayeeLoaders, PenWarnsWithTheLineBreak)
{
    const CCards& p = load(payeeRecord("DPEN", { { 286, "7.5" } }));
    EXPECT_EQ(takeMessages(), QStringList { lineBreak(p.payeeId) });
}

// ---- SLS ----

QByteArray slsRecord(const QByteArray& deathBenefitType)
{
    return payeeRecord("DSLS",
        { { 7, "123456782" }, { 16, "01021950" }, { 24, "Lump" }, { 160, "broome" }, { 190, "6725" },
            { 214, "15032018" }, { 222, "00000800" }, { 230, "00008000" }, { 238, "00000080" }, { 246, "00000081" },
            { 254, "y" }, { 255, deathBenefitType }, { 256, "a" }, { 312, "00000888" } });
}

TEST_F(PayeeLoaders, SlsAmountsByVersion)
{
    const CCards& p = load(slsRecord("T"), 80);
    EXPECT_EQ(p.payeeType, u"SLS");
    EXPECT_EQ(p.dataSource, kLoadedDataSource);
    EXPECT_EQ(p.surname, u"Lump");
    EXPECT_EQ(p.suburb, u"BROOME");
    EXPECT_EQ(p.paymentDay, u"15");
    EXPECT_EQ(p.taxWithheld, 800);
    EXPECT_EQ(p.taxable, 8000);
    EXPECT_EQ(p.other1, 80);
    EXPECT_EQ(p.taxFree, 81);
    EXPECT_EQ(p.deathBenefit(), u"Y");
    EXPECT_EQ(p.deathBenefitRecipient(), u"Trustee of Deceased Estate");
    EXPECT_EQ(p.origAmended, u"A");
    EXPECT_EQ(p.gross, 0);
    EXPECT_EQ(p.startDay, u"");
    EXPECT_TRUE(takeMessages().isEmpty());

    const CCards& old = load(slsRecord("T"), 74);
    EXPECT_EQ(old.taxWithheld, 888);
    EXPECT_EQ(old.taxable, 0);
    EXPECT_EQ(old.other1, 0);
    EXPECT_EQ(old.taxFree, 0);
    EXPECT_EQ(old.deathBenefit(), u"Y");
    EXPECT_EQ(old.deathBenefitRecipient(), u"Trustee of Deceased Estate");
    EXPECT_EQ(old.origAmended, u"A");
    EXPECT_EQ(takeMessages(), QStringList { ComponentsWarning(old.payeeId) });

    QByteArray bad = slsRecord("T");
    bad.replace(312, 8, "000x0888");
    const CCards& both = load(bad, 74);
    EXPECT_EQ(takeMessages(), (QStringList { oneLine(both.payeeId), ComponentsWarning(both.payeeId) }));
}

TEST_F(PayeeLoaders, SlsTypeOfDeathBenefit)
{
    const std::pair<QByteArray, QString> cases[] = {
        { " ", "N/A" },
        { "T", "Trustee of Deceased Estate" },
        { "O", "Non-Dependent" },
        { "t", "t" },
        { "X", "X" },
    };
    for (const auto& [code, recipient] : cases)
        EXPECT_EQ(load(slsRecord(code)).deathBenefitRecipient(), recipient) << code.constData();
}

// ---- DAS ----

TEST_F(PayeeLoaders, DasFields)
{
    const CCards& p
        = load(payeeRecord("DASP",
                   { { 7, "12345678 " }, { 16, "Departing" }, { 46, "Dan" }, { 152, "darwin" }, { 182, "0800" },
                       { 186, "ireland" }, { 206, "15032018" }, { 214, "00000900" }, { 222, "00009000" },
                       { 230, "00000090" }, { 238, "00000091" }, { 246, "a" }, { 254, "y" } }),
            74, 2016);
    EXPECT_EQ(p.payeeType, u"DAS");
    EXPECT_EQ(p.tfn, u"12345678");
    EXPECT_EQ(p.surname, u"Departing");
    EXPECT_EQ(p.suburb, u"DARWIN");
    EXPECT_EQ(p.country, u"IRELAND");
    EXPECT_EQ(p.paymentYear, u"2018");
    EXPECT_EQ(p.taxWithheld, 900);
    EXPECT_EQ(p.taxable, 9000);
    EXPECT_EQ(p.other1, 90);
    EXPECT_EQ(p.taxFree, 91);
    EXPECT_EQ(p.origAmended, u"A");
    EXPECT_EQ(p.etpPaymentType, u"Y");
    EXPECT_EQ(p.dobDay, u"");
    EXPECT_EQ(p.startDay, u"");
    EXPECT_EQ(p.spare1, u"");
    EXPECT_EQ(p.gross, 0);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(load(payeeRecord("DASP", { { 254, " " } })).etpPaymentType, u"");
    const CCards& bad = load(payeeRecord("DASP", { { 222, "9000.00" } }));
    EXPECT_EQ(takeMessages(), QStringList { oneLine(bad.payeeId) });
}

// ---- Any record ----

TEST_F(PayeeLoaders, ARecordOfAnyLengthGivesAPayee)
{
    const QByteArray identifiers[]
        = { "DINB", "DEMP", "DETP", "DLVP", "DBUS", "DLHO", "DAIP", "DFEI", "DPEN", "DSLS", "DASP" };
    for (const QByteArray& identifier : identifiers) {
        for (const int length : { 7, 100, 300, 628, 700 }) {
            SCOPED_TRACE(identifier.constData());
            SCOPED_TRACE(length);
            QByteArray record = ("628" + identifier).leftJustified(length, 'Z');
            const CCards& p = load(record, 74, 2016);
            EXPECT_FALSE(p.payeeType.isEmpty());
            takeMessages();
        }
    }
}

} // namespace
