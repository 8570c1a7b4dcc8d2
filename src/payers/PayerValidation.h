#pragma once

#include "report/CPayers.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <initializer_list>

class UserInterface;

// The 14 fields of the Add Payer and Edit Payer dialogs, as the controls
// hold them.
struct PayerFields {
    QString name;
    QString abn;
    QString tradingName;
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
    QString ref;

    bool operator==(const PayerFields&) const = default;
};

// The 14 fields in the order above, which is also the order of the report's
// payer values (ReportPayerValues).
std::array<QString*, 14> PayerFieldValues(PayerFields& fields);
// A Payer List entry's texts in the same order.
inline constexpr std::array<QString CPayers::*, 14> kPayerEntryTexts { &CPayers::name, &CPayers::abn,
    &CPayers::tradingName, &CPayers::branch, &CPayers::address1, &CPayers::address2, &CPayers::suburb,
    &CPayers::state, &CPayers::postcode, &CPayers::country, &CPayers::contact, &CPayers::phone, &CPayers::fax,
    &CPayers::ref };

// The Payer List entry that cleaned fields make, dated date; the spare texts
// stay empty.
CPayers PayerEntryFrom(const PayerFields& cleaned, qint64 date);
// An entry as the controls show it: the ABN/WPN in its display form.
PayerFields PayerFieldsOf(const CPayers& entry);

// The fields that carry an 'E' marker (Ref has none).
enum class PayerField {
    Name,
    TradingName,
    Abn,
    Branch,
    Address1,
    Address2,
    Suburb,
    Postcode,
    State,
    Country,
    Contact,
    Phone,
    Fax
};

// Which markers are shown.
class PayerMarkers
{
public:
    PayerMarkers() = default;
    PayerMarkers(std::initializer_list<PayerField> fields);

    void set(PayerField field) { m_bits |= bit(field); }
    bool has(PayerField field) const { return (m_bits & bit(field)) != 0; }
    bool any() const { return m_bits != 0; }
    void clear() { m_bits = 0; }
    // "Name, Abn": for test failure output.
    QString describe() const;

    bool operator==(const PayerMarkers&) const = default;

private:
    static unsigned bit(PayerField field) { return 1u << unsigned(field); }
    unsigned m_bits = 0;
};

// The check of the payer fields that Save runs, in two stages: stage 1
// (name, trading name, ABN/WPN, branch) and stage 2 (address, contact).
// Add Payer runs its duplicate-key test between them.
class ValidatePayerFields
{
public:
    // Hides every marker and cleans what the controls hold.
    explicit ValidatePayerFields(const PayerFields& typed);

    void stage1(UserInterface& ui);
    void stage2();

    bool failed() const { return m_markers.any(); }
    const PayerMarkers& markers() const { return m_markers; }
    // The cleaned values as stored: the ABN/WPN without blanks, State and
    // Country upper-cased (once stage 2 ran).
    const PayerFields& cleaned() const { return m_cleaned; }
    // The cleaned values as the controls show them again: the ABN/WPN in
    // its display form.
    PayerFields shown() const;
    // The Payer List key the entry would take: ABN/WPN without blanks and branch.
    QString key() const { return m_cleaned.abn + m_cleaned.branch; }
    bool wpn() const { return m_wpn; }

private:
    void fail(PayerField field) { m_markers.set(field); }

    PayerFields m_typed;
    PayerFields m_cleaned;
    PayerMarkers m_markers;
    bool m_wpn = false;
};

inline const QString kCorrectMarkedFields
    = QStringLiteral("Please correct all fields marked with an 'E' and press Save again.");
