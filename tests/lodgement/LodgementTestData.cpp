#include "lodgement/LodgementTestData.h"

namespace {

void setDates(CCards& p, int year)
{
    p.dobDay = QStringLiteral("01");
    p.dobMonth = QStringLiteral("02");
    p.dobYear = QStringLiteral("1980");
    p.addLine1 = QStringLiteral("1 Main St");
    p.suburb = QStringLiteral("Darwin");
    p.state = QStringLiteral("NT");
    p.pCode = 800;
    p.startDay = QStringLiteral("01");
    p.startMonth = QStringLiteral("07");
    p.startYear = QString::number(year - 1);
    p.endDay = QStringLiteral("30");
    p.endMonth = QStringLiteral("06");
    p.endYear = QString::number(year);
    p.paymentDay = QStringLiteral("15");
    p.paymentMonth = QStringLiteral("03");
    p.paymentYear = QString::number(year);
    p.origAmended = QStringLiteral("O");
}

CCards payee(qint32 id, const char* type, int year)
{
    CCards p;
    p.payeeId = id;
    p.payeeType = QString::fromLatin1(type);
    p.tfn = QStringLiteral("123456782");
    setDates(p, year);
    return p;
}

} // namespace

Report headerOnlyReport(int year)
{
    Report r;
    r.reportYear = QString::number(year);
    r.priorYear = QString::number(year - 1);
    r.reportYearNumber = year;
    r.supplierAbn = QStringLiteral("53004085616");
    r.supplierName = QStringLiteral("Acme Payroll Services Pty Ltd");
    r.supplierContact = QStringLiteral("Jane Citizen");
    r.supplierPhone = QStringLiteral("02 9999 1234 ext 55");
    r.fileReference = QStringLiteral("REF-01");
    r.supplierAddress1 = QStringLiteral("1 George Street");
    r.supplierSuburb = QStringLiteral("Sydney");
    r.supplierState = QStringLiteral("NSW");
    r.supplierPostcode = QStringLiteral("2000");
    r.supplierPostalAddress1 = QStringLiteral("PO Box 1");
    r.supplierPostalSuburb = QStringLiteral("Darwin");
    r.supplierPostalState = QStringLiteral("NT");
    r.supplierPostalPostcode = QStringLiteral("800");
    r.supplierEmail = QStringLiteral("pay@acme.com.au");
    r.payerAbn = QStringLiteral("53004085616");
    r.payerBranch = QStringLiteral("1");
    r.payerName = QStringLiteral("Acme Pty Ltd");
    r.payerTradingName = QStringLiteral("Acme");
    r.payerAddress1 = QStringLiteral("2 Smith St");
    r.payerAddress2 = QStringLiteral("Level 3");
    r.payerSuburb = QStringLiteral("Darwin");
    r.payerState = QStringLiteral("NT");
    r.payerPostcode = QStringLiteral("812");
    r.payerContact = QStringLiteral("John Smith");
    r.payerPhone = QStringLiteral("08 8999 0000");
    r.payerFax = QStringLiteral("08 8999 0001");
    return r;
}

Report everyTypeReport(int year)
{
    Report r = headerOnlyReport(year);

    CCards inb = payee(9, "INB", year);
    inb.incomeType = QStringLiteral("Working Holiday Maker");
    inb.tfn = QStringLiteral("12345678");
    inb.surname = QStringLiteral("Smith");
    inb.firstName = QStringLiteral("John");
    inb.taxWithheld = 1000;
    inb.gross = 50000;
    inb.totalAllow = 100;
    inb.allow1 = 500; // not added up by the writer
    inb.lumpA = 1;
    inb.lumpB = 2;
    inb.lumpD = 3;
    inb.lumpE = 4;
    inb.cdep = 5;
    inb.other1 = 77; // the former other income is always zeros
    inb.rfbt = 6;
    inb.resc = 7;
    inb.lumpAType = QStringLiteral("R");
    inb.giving = 8;
    inb.unionFees = 9;
    inb.exemptForeign = 10;
    inb.annuity = 11;
    inb.fbtExempt = QStringLiteral("Y");
    r.payees[inb.payeeId] = inb;

    CCards etp = payee(3, "ETP", year);
    etp.surname = QStringLiteral("Abcdefghijklmnopqrstuvwxyzabcde"); // 31 characters
    etp.firstName = QStringLiteral("Mary");
    etp.secName = QStringLiteral("Ann");
    etp.taxWithheld = 200;
    etp.taxable = 3000;
    etp.taxFree = 400;
    etp.etpPaymentType = QStringLiteral("R");
    r.payees[etp.payeeId] = etp;

    CCards voluntary = payee(1, "BUS", year);
    voluntary.busPaymentType = QStringLiteral("Voluntary Agreement");
    voluntary.abn = QStringLiteral("53004085616");
    voluntary.surname = QStringLiteral("Contractor");
    voluntary.firstName = QStringLiteral("Bob");
    voluntary.taxWithheld = 300;
    voluntary.gross = 4000;
    voluntary.resc = 12;
    voluntary.origAmended = QStringLiteral("A");
    r.payees[voluntary.payeeId] = voluntary;

    CCards labourHire = payee(5, "BUS", year);
    labourHire.busPaymentType = QStringLiteral("Labour Hire");
    labourHire.abn = QStringLiteral("53004085616");
    labourHire.tfn = QStringLiteral("987654321");
    labourHire.surname = QStringLiteral("Hire");
    labourHire.firstName = QStringLiteral("Lab");
    labourHire.taxWithheld = 310;
    labourHire.gross = 4100;
    r.payees[labourHire.payeeId] = labourHire;

    CCards fei = payee(2, "FEI", year);
    fei.incomeType = QStringLiteral("JPDA Income");
    fei.surname = QStringLiteral("Overseas");
    fei.firstName = QStringLiteral("Olga");
    fei.taxWithheld = 600;
    fei.cdep = 55;
    fei.gross = 6000;
    fei.lumpA = 13;
    fei.lumpD = 14;
    fei.lumpE = 15;
    fei.lumpAType = QStringLiteral("T");
    fei.rfbt = 16;
    fei.resc = 17;
    fei.fbtExempt = QStringLiteral("N");
    r.payees[fei.payeeId] = fei;

    CCards pen = payee(4, "PEN", year);
    pen.surname = QStringLiteral("Pension");
    pen.firstName = QStringLiteral("Pat");
    pen.taxWithheld = 700;
    pen.gross = 7000;
    pen.cdep = 70;
    pen.allow1 = 71;
    pen.allow2 = 72;
    pen.lumpA = 73;
    pen.lumpB = 74;
    pen.lumpD = 75;
    pen.lumpAType = QStringLiteral("Y");
    r.payees[pen.payeeId] = pen;

    CCards sls = payee(8, "SLS", year);
    sls.surname = QStringLiteral("Lump");
    sls.firstName = QStringLiteral("Sue");
    sls.taxWithheld = 800;
    sls.taxable = 8000;
    sls.other1 = 80;
    sls.taxFree = 81;
    sls.etpPaymentType = QStringLiteral("Y");
    sls.spare1 = QStringLiteral("Trustee of Deceased Estate");
    r.payees[sls.payeeId] = sls;

    CCards das = payee(6, "DAS", year);
    das.surname = QStringLiteral("Departing");
    das.firstName = QStringLiteral("Dan");
    das.taxWithheld = 900;
    das.taxable = 9000;
    das.other1 = 90;
    das.taxFree = 91;
    r.payees[das.payeeId] = das;

    CCards lowerCase = payee(7, "inb", year);
    lowerCase.surname = QStringLiteral("Skipped");
    r.payees[lowerCase.payeeId] = lowerCase;
    return r;
}

CCards plainPayee(qint32 id, const QString& type)
{
    CCards p = payee(id, "", 2018);
    p.payeeType = type;
    p.surname = QStringLiteral("Plain");
    p.firstName = QStringLiteral("Person");
    return p;
}

QByteArray recordsFixture(const QByteArray& lines)
{
    QByteArray joined = lines;
    joined.replace("\n", "");
    return joined;
}
