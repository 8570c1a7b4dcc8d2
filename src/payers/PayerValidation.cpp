#include "payers/PayerValidation.h"

#include "report/CharChecks.h"
#include "report/FieldHelpers.h"
#include "report/FieldRules.h"

#include <QStringList>

PayerMarkers::PayerMarkers(std::initializer_list<PayerField> fields)
{
    for (const PayerField field : fields)
        set(field);
}

QString PayerMarkers::describe() const
{
    static const char* const names[] = { "Name", "TradingName", "Abn", "Branch", "Address1", "Address2", "Suburb",
        "Postcode", "State", "Country", "Contact", "Phone", "Fax" };
    QStringList shown;
    for (int i = 0; i < int(std::size(names)); ++i) {
        if (has(PayerField(i)))
            shown << QString::fromLatin1(names[i]);
    }
    return shown.isEmpty() ? QStringLiteral("none") : shown.join(QStringLiteral(", "));
}

std::array<QString*, 14> PayerFieldValues(PayerFields& f)
{
    return { &f.name, &f.abn, &f.tradingName, &f.branch, &f.address1, &f.address2, &f.suburb, &f.state, &f.postcode,
        &f.country, &f.contact, &f.phone, &f.fax, &f.ref };
}

CPayers PayerEntryFrom(const PayerFields& f, qint64 date)
{
    CPayers entry;
    entry.ref = f.ref;
    entry.name = f.name;
    entry.tradingName = f.tradingName;
    entry.abn = f.abn;
    entry.branch = f.branch;
    entry.address1 = f.address1;
    entry.address2 = f.address2;
    entry.suburb = f.suburb;
    entry.state = f.state;
    entry.postcode = f.postcode;
    entry.country = f.country;
    entry.contact = f.contact;
    entry.phone = f.phone;
    entry.fax = f.fax;
    entry.date = date;
    return entry;
}

PayerFields PayerFieldsOf(const CPayers& e)
{
    PayerFields fields;
    fields.name = e.name;
    fields.abn = AbnDisplayForm(e.abn);
    fields.tradingName = e.tradingName;
    fields.branch = e.branch;
    fields.address1 = e.address1;
    fields.address2 = e.address2;
    fields.suburb = e.suburb;
    fields.state = e.state;
    fields.postcode = e.postcode;
    fields.country = e.country;
    fields.contact = e.contact;
    fields.phone = e.phone;
    fields.fax = e.fax;
    fields.ref = e.ref;
    return fields;
}

ValidatePayerFields::ValidatePayerFields(const PayerFields& typed)
    : m_typed(typed)
{
    m_cleaned.name = CleanField(typed.name);
    m_cleaned.tradingName = CleanField(typed.tradingName);
    m_cleaned.branch = CleanField(typed.branch);
    m_cleaned.address1 = CleanField(typed.address1);
    m_cleaned.address2 = CleanField(typed.address2);
    m_cleaned.suburb = CleanField(typed.suburb);
    m_cleaned.state = CleanField(typed.state);
    m_cleaned.postcode = CleanField(typed.postcode);
    m_cleaned.country = CleanField(typed.country);
    m_cleaned.contact = CleanField(typed.contact);
    m_cleaned.phone = CleanField(typed.phone);
    m_cleaned.fax = CleanField(typed.fax);
    m_cleaned.ref = CleanField(typed.ref);
    m_cleaned.abn = RemoveBlanks(typed.abn);
}

void ValidatePayerFields::stage1(UserInterface& ui)
{
    PayerFields& f = m_cleaned;
    if (f.name.isEmpty() || CheckTextChars(f.name) > 0)
        fail(PayerField::Name);
    if (!f.tradingName.isEmpty() && CheckTextChars(f.tradingName) > 0)
        fail(PayerField::TradingName);

    const AbnVerdict abn = CheckAbnOrWpn(m_typed.abn, true, ui);
    f.abn = abn.abn;
    m_wpn = abn.wpn;
    if (!abn.ok)
        fail(PayerField::Abn);

    // The lodgement file takes the branch as three digits: a sign that
    // would pass as a number is refused with the letters.
    const qint32 branch = StringToInt(f.branch);
    if (f.branch.size() != 3 || !IsDigits(f.branch) || branch == kNotANumber || (branch == 0 && !m_wpn))
        fail(PayerField::Branch);
}

void ValidatePayerFields::stage2()
{
    PayerFields& f = m_cleaned;
    if (f.address1.isEmpty() || CheckTextChars(f.address1) > 0)
        fail(PayerField::Address1);
    if (!f.address2.isEmpty()) {
        if (f.address1.isEmpty())
            fail(PayerField::Address2);
        if (CheckTextChars(f.address2) > 0)
            fail(PayerField::Address2);
    }
    if (f.suburb.isEmpty() || CheckTextChars(f.suburb) > 0)
        fail(PayerField::Suburb);

    f.country = f.country.toUpper();
    f.state = f.state.toUpper();
    const PlaceVerdict place = CheckPostcodeStateCountry(f.postcode, f.state, f.country);
    if (place.postcode)
        fail(PayerField::Postcode);
    if (place.state)
        fail(PayerField::State);
    if (place.country)
        fail(PayerField::Country);
    if (!f.country.isEmpty() && CheckTextChars(f.country) > 0)
        fail(PayerField::Country);

    if (f.contact.isEmpty() || CheckTextChars(f.contact) > 0)
        fail(PayerField::Contact);
    if (f.phone.isEmpty() || f.phone.size() > 15 || CheckPhoneChars(f.phone) > 0)
        fail(PayerField::Phone);
    if (f.fax.size() > 15 || CheckPhoneChars(f.fax) > 0)
        fail(PayerField::Fax);
}

PayerFields ValidatePayerFields::shown() const
{
    PayerFields f = m_cleaned;
    f.abn = AbnDisplayForm(m_cleaned.abn);
    return f;
}
