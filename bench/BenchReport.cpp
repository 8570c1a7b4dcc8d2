#include "BenchReport.h"

#include <QFile>

#include <array>

namespace
{

const std::array kSurnames { "Nguyen", "Smith", "O'Brien", "Papadopoulos", "Williams", "Kowalski-Brown", "Chen",
    "MacDonald", "Singh", "Fitzgerald", "Tran", "Anderson" };
const std::array kGivenNames { "Olivia", "Jack", "Charlotte", "William", "Ava", "Noah", "Amelia", "Thomas", "Isla",
    "Lachlan", "Mia", "Harrison" };
const std::array kStreets { "George Street", "Smith Street", "Flinders Lane", "Hay Street", "Brunswick Road",
    "Mitchell Highway" };
struct Place {
    const char* suburb;
    const char* state;
    int postcode;
};
const std::array kPlaces { Place { "Sydney", "NSW", 2000 }, Place { "Darwin", "NT", 800 },
    Place { "Fitzroy", "VIC", 3065 }, Place { "Fremantle", "WA", 6160 }, Place { "Hobart", "TAS", 7000 },
    Place { "Toowoomba", "QLD", 4350 } };

// A nine-digit TFN with valid check digits made from a running number.
QString validTfn(int seed)
{
    static const int weights[9] = { 10, 7, 8, 4, 6, 3, 5, 2, 1 };
    for (int attempt = 0;; ++attempt) {
        QString digits = QString::number(10000000 + (seed * 7919 + attempt) % 89999999).left(8);
        int sum = 0;
        for (int i = 0; i < 8; ++i)
            sum += digits[i].digitValue() * weights[i];
        const int last = (11 - sum % 11) % 11;
        if (last < 10)
            return digits + QString::number(last);
    }
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

CCards payee(int id)
{
    static const char* const kTypes[] = { "INB", "ETP", "INB", "BUS", "INB", "FEI", "INB", "PEN", "SLS", "DAS" };
    CCards p;
    p.payeeId = id;
    p.payeeType = QString::fromLatin1(kTypes[id % 10]);
    p.payrollNo = QStringLiteral("E%1").arg(id, 6, 10, QLatin1Char('0'));
    p.dataSource = QStringLiteral("Manual");
    p.tfn = validTfn(id);
    p.surname = QString::fromLatin1(kSurnames[size_t(id) % kSurnames.size()]);
    p.firstName = QString::fromLatin1(kGivenNames[size_t(id / 7) % kGivenNames.size()]);
    p.secName = id % 3 == 0 ? QString::fromLatin1(kGivenNames[size_t(id / 3) % kGivenNames.size()]) : QString();
    p.addLine1
        = QStringLiteral("%1 %2").arg(1 + id % 250).arg(QString::fromLatin1(kStreets[size_t(id) % kStreets.size()]));
    if (id % 4 == 0)
        p.addLine2 = QStringLiteral("Unit %1").arg(1 + id % 40);
    const Place& place = kPlaces[size_t(id / 5) % kPlaces.size()];
    p.suburb = QString::fromLatin1(place.suburb);
    p.state = QString::fromLatin1(place.state);
    p.pCode = place.postcode;
    p.dobDay = twoDigits(1 + id % 28);
    p.dobMonth = twoDigits(1 + id % 12);
    p.dobYear = QString::number(1950 + id % 50);
    p.startDay = QStringLiteral("01");
    p.startMonth = QStringLiteral("07");
    p.startYear = QStringLiteral("2017");
    p.endDay = QStringLiteral("30");
    p.endMonth = QStringLiteral("06");
    p.endYear = QStringLiteral("2018");
    p.paymentDay = twoDigits(1 + id % 28);
    p.paymentMonth = twoDigits(1 + id % 12);
    p.paymentYear = id % 12 < 6 ? QStringLiteral("2018") : QStringLiteral("2017");
    p.origAmended = QStringLiteral("O");
    p.checked = QStringLiteral("Yes");
    p.taxWithheld = 8000 + id % 20000;
    p.gross = 45000 + id % 60000;
    p.taxable = 12000 + id % 30000;
    p.taxFree = id % 5000;
    p.other1 = id % 700;

    const QString& type = p.payeeType;
    if (type == QLatin1String("INB")) {
        p.incomeType = QStringLiteral("Salary or Wages");
        p.totalAllow = id % 3000;
        p.allow1Name = QStringLiteral("Car");
        p.allow1 = p.totalAllow;
        p.lumpA = id % 9 == 0 ? 1200 : 0;
        p.lumpAType = id % 9 == 0 ? QStringLiteral("R") : QString();
        p.rfbt = id % 11 == 0 ? 4300 : 0;
        p.resc = id % 6 == 0 ? 2500 : 0;
        p.giving = id % 13 == 0 ? 100 : 0;
        p.unionFees = id % 5 == 0 ? 480 : 0;
        p.unionName = id % 5 == 0 ? QStringLiteral("Workers Union") : QString();
        p.fbtExempt = id % 11 == 0 ? QStringLiteral("N") : QString();
    } else if (type == QLatin1String("ETP")) {
        p.etpPaymentType = QStringLiteral("R");
    } else if (type == QLatin1String("BUS")) {
        p.busPaymentType = id % 20 == 3 ? QStringLiteral("Voluntary Agreement") : QStringLiteral("Labour Hire");
        p.abn = QStringLiteral("53004085616");
        p.resc = 1000;
    } else if (type == QLatin1String("FEI")) {
        p.incomeType = QStringLiteral("Foreign Employment");
        p.cdep = 900; // foreign tax paid
        p.fbtExempt = QStringLiteral("N");
    } else if (type == QLatin1String("PEN")) {
        p.cdep = 300;
        p.allow1 = 200;
        p.allow2 = 150;
        p.lumpAType = QStringLiteral("N");
    } else if (type == QLatin1String("SLS")) {
        p.etpPaymentType = id % 3 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
        p.spare1 = id % 3 == 0 ? QStringLiteral("Trustee of Deceased Estate") : QString();
    }
    return p;
}

} // namespace

Report benchReport(int payees)
{
    Report r;
    r.reportYear = QStringLiteral("2018");
    r.priorYear = QStringLiteral("2017");
    r.reportYearNumber = 2018;
    r.supplierAbn = QStringLiteral("53004085616");
    r.supplierName = QStringLiteral("Harbourside Payroll Services Pty Ltd");
    r.supplierContact = QStringLiteral("Jane Citizen");
    r.supplierPhone = QStringLiteral("02 9999 1234");
    r.supplierFax = QStringLiteral("02 9999 1235");
    r.fileReference = QStringLiteral("HPS-2018-01");
    r.supplierAddress1 = QStringLiteral("Level 12");
    r.supplierAddress2 = QStringLiteral("100 George Street");
    r.supplierSuburb = QStringLiteral("Sydney");
    r.supplierState = QStringLiteral("NSW");
    r.supplierPostcode = QStringLiteral("2000");
    r.supplierCountry = QString();
    r.supplierPostalAddress1 = QStringLiteral("GPO Box 1234");
    r.supplierPostalSuburb = QStringLiteral("Sydney");
    r.supplierPostalState = QStringLiteral("NSW");
    r.supplierPostalPostcode = QStringLiteral("2001");
    r.supplierEmail = QStringLiteral("payroll@harbourside.com.au");
    r.payerAbn = QStringLiteral("53004085616");
    r.payerBranch = QStringLiteral("1");
    r.payerName = QStringLiteral("Southern Cross Manufacturing Pty Ltd");
    r.payerTradingName = QStringLiteral("Southern Cross Fabrication");
    r.payerAddress1 = QStringLiteral("45 Industrial Drive");
    r.payerSuburb = QStringLiteral("Wetherill Park");
    r.payerState = QStringLiteral("NSW");
    r.payerPostcode = QStringLiteral("2164");
    r.payerContact = QStringLiteral("John Smith");
    r.payerPhone = QStringLiteral("02 9725 0000");
    r.payerFax = QStringLiteral("02 9725 0001");
    r.highestPayeeId = payees;
    for (int id = 1; id <= payees; ++id)
        r.payees.emplace_hint(r.payees.end(), id, payee(id));
    return r;
}

namespace
{

qint64 statusKilobytes(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix(key);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

qint64 residentBytes()
{
    return statusKilobytes("VmRSS:") * 1024;
}

qint64 peakResidentBytes()
{
    return statusKilobytes("VmHWM:") * 1024;
}

bool resetPeakResident()
{
    // Writing 5 to clear_refs sets the peak back to the current resident size.
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}
