#pragma once

#include <QString>
#include <QtGlobal>

// One payee of a report, whatever its payment-summary type. The 71 members
// stand in their file order; a member one type does not need carries
// another type's field (see the accessors at the end).
struct CCards {
    qint32 payeeId = 0;
    QString payrollNo;
    QString dataSource;
    QString payeeType;
    QString incomeType;
    QString busPaymentType;
    QString etpPaymentType;
    QString tfn;
    QString abn;
    QString dobDay;
    QString dobMonth;
    QString dobYear;
    QString surname;
    QString firstName;
    QString secName;
    QString addLine1;
    QString addLine2;
    QString suburb;
    QString state;
    qint32 pCode = 0;
    QString country;
    QString startDay;
    QString startMonth;
    QString startYear;
    QString endDay;
    QString endMonth;
    QString endYear;
    QString paymentDay;
    QString paymentMonth;
    QString paymentYear;
    qint32 taxWithheld = 0;
    qint32 gross = 0;
    qint32 totalAllow = 0;
    QString allow1Name;
    qint32 allow1 = 0;
    QString allow2Name;
    qint32 allow2 = 0;
    QString allow3Name;
    qint32 allow3 = 0;
    QString allow4Name;
    qint32 allow4 = 0;
    qint32 lumpA = 0;
    qint32 lumpB = 0;
    qint32 lumpD = 0;
    qint32 lumpE = 0;
    qint32 lumpEYrMinus2 = 0;
    qint32 lumpEYrMinus3 = 0;
    qint32 lumpEPreYrMinus3 = 0;
    QString lumpAType;
    qint32 cdep = 0;
    qint32 rfbt = 0;
    qint32 resc = 0;
    qint32 giving = 0;
    qint32 unionFees = 0; // "union" is a keyword
    QString unionName;
    qint32 exemptForeign = 0;
    qint32 annuity = 0;
    qint32 other1 = 0;
    QString origAmended;
    qint32 taxable = 0;
    qint32 taxFree = 0;
    QString spare1;
    QString spare2;
    QString checked;
    QString ignoreWarnings;
    QString fbtExempt;
    QString spare6;
    qint32 spareInt1 = 0;
    qint32 spareInt2 = 0;
    qint32 spareInt3 = 0;
    qint32 spareInt4 = 0;

    bool operator==(const CCards&) const = default;

    void SetIgnoreWarnings(const QString& value) { ignoreWarnings = value == QLatin1String("Yes") ? value : QString(); }

    // Fields one type keeps in members that other types use for something
    // else: that type's code reads them by these names.

    // FEI
    qint32& foreignTaxPaid() { return cdep; }
    qint32 foreignTaxPaid() const { return cdep; }

    // PEN
    qint32& taxedElement() { return gross; }
    qint32 taxedElement() const { return gross; }
    qint32& untaxedElement() { return cdep; }
    qint32 untaxedElement() const { return cdep; }
    qint32& taxFreeComponent() { return allow1; }
    qint32 taxFreeComponent() const { return allow1; }
    qint32& taxOffset() { return allow2; }
    qint32 taxOffset() const { return allow2; }
    qint32& arrearsTaxedElement() { return lumpA; }
    qint32 arrearsTaxedElement() const { return lumpA; }
    qint32& arrearsUntaxedElement() { return lumpB; }
    qint32 arrearsUntaxedElement() const { return lumpB; }
    qint32& arrearsTaxFree() { return lumpD; }
    qint32 arrearsTaxFree() const { return lumpD; }
    QString& reversionaryIndicator() { return lumpAType; }
    const QString& reversionaryIndicator() const { return lumpAType; }

    // SLS (taxed element in taxable, untaxed element in other1)
    QString& deathBenefit() { return etpPaymentType; }
    const QString& deathBenefit() const { return etpPaymentType; }
    QString& deathBenefitRecipient() { return spare1; }
    const QString& deathBenefitRecipient() const { return spare1; }
};

// Visits the 71 members in file order; one walk serves the writer and the
// reader of the report file. Works on const and non-const records.
template <class Card, class Visitor>
void visitCardMembers(Card& c, Visitor&& v)
{
    v(c.payeeId);
    v(c.payrollNo);
    v(c.dataSource);
    v(c.payeeType);
    v(c.incomeType);
    v(c.busPaymentType);
    v(c.etpPaymentType);
    v(c.tfn);
    v(c.abn);
    v(c.dobDay);
    v(c.dobMonth);
    v(c.dobYear);
    v(c.surname);
    v(c.firstName);
    v(c.secName);
    v(c.addLine1);
    v(c.addLine2);
    v(c.suburb);
    v(c.state);
    v(c.pCode);
    v(c.country);
    v(c.startDay);
    v(c.startMonth);
    v(c.startYear);
    v(c.endDay);
    v(c.endMonth);
    v(c.endYear);
    v(c.paymentDay);
    v(c.paymentMonth);
    v(c.paymentYear);
    v(c.taxWithheld);
    v(c.gross);
    v(c.totalAllow);
    v(c.allow1Name);
    v(c.allow1);
    v(c.allow2Name);
    v(c.allow2);
    v(c.allow3Name);
    v(c.allow3);
    v(c.allow4Name);
    v(c.allow4);
    v(c.lumpA);
    v(c.lumpB);
    v(c.lumpD);
    v(c.lumpE);
    v(c.lumpEYrMinus2);
    v(c.lumpEYrMinus3);
    v(c.lumpEPreYrMinus3);
    v(c.lumpAType);
    v(c.cdep);
    v(c.rfbt);
    v(c.resc);
    v(c.giving);
    v(c.unionFees);
    v(c.unionName);
    v(c.exemptForeign);
    v(c.annuity);
    v(c.other1);
    v(c.origAmended);
    v(c.taxable);
    v(c.taxFree);
    v(c.spare1);
    v(c.spare2);
    v(c.checked);
    v(c.ignoreWarnings);
    v(c.fbtExempt);
    v(c.spare6);
    v(c.spareInt1);
    v(c.spareInt2);
    v(c.spareInt3);
    v(c.spareInt4);
}
