#pragma once

#include <QString>
#include <QtGlobal>

#include <map>

// One entry of the Payer List: 17 texts and the Payer Details date, in file order.
struct CPayers {
    QString ref;
    QString name;
    QString tradingName;
    QString abn;
    QString reserved5;
    QString reserved6;
    QString reserved7;
    QString branch;
    QString address1;
    QString address2;
    QString suburb;
    QString state;
    QString postcode;
    QString country;
    QString contact;
    QString phone;
    QString fax;
    qint64 date = 0; // seconds since 1970 UTC

    bool operator==(const CPayers&) const = default;
};

// Keyed by the ABN/WPN without blanks followed by the branch, as it stood
// when the entry was added; ordered by UTF-16 code units.
using PayerMap = std::map<QString, CPayers>;

template <class Payer, class Visitor>
void visitPayerTexts(Payer& p, Visitor&& v)
{
    v(p.ref);
    v(p.name);
    v(p.tradingName);
    v(p.abn);
    v(p.reserved5);
    v(p.reserved6);
    v(p.reserved7);
    v(p.branch);
    v(p.address1);
    v(p.address2);
    v(p.suburb);
    v(p.state);
    v(p.postcode);
    v(p.country);
    v(p.contact);
    v(p.phone);
    v(p.fax);
}
