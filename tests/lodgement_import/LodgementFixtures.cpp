#include "lodgement_import/LodgementFixtures.h"

namespace fixture {

QByteArray record(std::initializer_list<Placed> values)
{
    QByteArray r(628, ' ');
    for (const auto& [position, value] : values)
        r.replace(position, value.size(), value);
    return r;
}

QByteArray payeeRecord(const QByteArray& identifier, std::initializer_list<Placed> values)
{
    QByteArray r = record(values);
    r.replace(0, 7, "628" + identifier.left(4));
    return r;
}

QByteArray headerRecords(const QByteArray& year, const QByteArray& version)
{
    const QByteArray identRegister1 = record({
        { 0, "628IDENTREGISTER1" },
        { 17, "53004085616" },
        { 28, "P" },
        { 29, "3006" + year },
        { 37, "EAP" },
        { 40, version },
    });
    const QByteArray identRegister2 = record({
        { 0, "628IDENTREGISTER2" },
        { 17, "  Acme Payroll  Services" },
        { 217, "Jane Citizen" },
        { 255, "02 9999 1234" },
        { 270, "02 9999 5678" },
        { 285, "REF-01" },
    });
    const QByteArray identRegister3 = record({
        { 0, "628IDENTREGISTER3" },
        { 17, "1 George Street" },
        { 55, "Level 2" },
        { 93, "Sydney" },
        { 120, "NSW" },
        { 123, "2000" },
        { 127, "Australia" },
        { 147, "PO Box 1" },
        { 185, "Box Line 2" },
        { 223, "Darwin" },
        { 250, "NT" },
        { 253, "800 " },
        { 257, "Australia" },
        { 277, "pay@acme.com.au" },
    });
    const QByteArray identity = record({
        { 0, "628IDENTITY" },
        { 11, "00004085616" },
        { 22, "001" },
        { 25, year },
        { 29, "Acme Pty Ltd" },
        { 229, "Acme Trading" },
        { 429, "2 Smith St" },
        { 467, "Level 3" },
        { 505, "Alice Springs" },
        { 532, "NT" },
        { 535, "0870" },
        { 539, "Australia" },
        { 559, "John Smith" },
        { 597, "08 8999 0000" },
        { 612, "08 8999 0001" },
    });
    const QByteArray software = record({
        { 0, "628SOFTWARE" },
        { 11, "COMMERCIAL Torvek Quillastrand" },
    });
    return identRegister1 + identRegister2 + identRegister3 + identity + software;
}

QByteArray fileTotal(qint64 count)
{
    return record({ { 0, "628FILE-TOTAL" }, { 13, QByteArray::number(count).rightJustified(8, '0') } });
}

QByteArray file(const QList<QByteArray>& payees, const QByteArray& year, const QByteArray& version, qint64 count)
{
    QByteArray text = headerRecords(year, version);
    for (const QByteArray& payee : payees)
        text += payee;
    return text + fileTotal(count < 0 ? payees.size() + 6 : count);
}

} // namespace fixture
