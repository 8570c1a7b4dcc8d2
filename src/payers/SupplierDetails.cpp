#include "payers/SupplierDetails.h"

#include "platform/Profile.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/CharChecks.h"
#include "report/FieldHelpers.h"
#include "report/FieldRules.h"
#include "report/Report.h"

#include <QSettings>

#include <algorithm>
#include <stdexcept>

std::array<QString*, kSupplierFieldCount> SupplierWorkingFields(Report& r)
{
    return { &r.supplierName, &r.supplierAbn, &r.supplierAddress1, &r.supplierAddress2, &r.supplierSuburb,
        &r.supplierState, &r.supplierPostcode, &r.supplierCountry, &r.supplierPostalAddress1, &r.supplierPostalAddress2,
        &r.supplierPostalSuburb, &r.supplierPostalState, &r.supplierPostalPostcode, &r.supplierPostalCountry,
        &r.supplierContact, &r.supplierPhone, &r.supplierFax, &r.supplierEmail, &r.supplierGatewayId };
}

SupplierTexts SupplierWorkingCopy(const Report& report)
{
    SupplierTexts texts;
    const auto fields = SupplierWorkingFields(const_cast<Report&>(report));
    for (int i = 0; i < kSupplierFieldCount; ++i)
        texts[i] = *fields[i];
    return texts;
}

void SetSupplierWorkingCopy(Report& report, const SupplierTexts& texts)
{
    const auto fields = SupplierWorkingFields(report);
    for (int i = 0; i < kSupplierFieldCount; ++i)
        *fields[i] = texts[i];
}

SupplierTexts SupplierCommittedCopy(const Report& report)
{
    SupplierTexts texts;
    std::copy_n(report.supplierFieldsSaved.begin(), kSupplierFieldCount, texts.begin());
    return texts;
}

const std::array<QString, kSupplierFieldCount>& SupplierProfileKeys()
{
    static const std::array<QString, kSupplierFieldCount> keys = {
        QStringLiteral("Supplier Name"),
        QStringLiteral("Supplier ABN"),
        QStringLiteral("Supplier SLine 1"),
        QStringLiteral("Supplier SLine 2"),
        QStringLiteral("Supplier SSuburb"),
        QStringLiteral("Supplier SState"),
        QStringLiteral("Supplier SPCode"),
        QStringLiteral("Supplier SCountry"),
        QStringLiteral("Supplier PLine 1"),
        QStringLiteral("Supplier PLine 2"),
        QStringLiteral("Supplier PSuburb"),
        QStringLiteral("Supplier PState"),
        QStringLiteral("Supplier PPCode"),
        QStringLiteral("Supplier PCountry"),
        QStringLiteral("Supplier Contact"),
        QStringLiteral("Supplier Phone"),
        QStringLiteral("Supplier Fax"),
        QStringLiteral("Supplier Email"),
        QStringLiteral("Supplier Gateway ID"),
    };
    return keys;
}

namespace
{

QString unknownError(int ref)
{
    return QStringLiteral("An unknown error has occurred - Ref #%1.").arg(ref);
}

} // namespace

SupplierDetails::SupplierDetails(AppContext& context)
    : m_context(context)
{
}

bool SupplierDetails::anyMarker() const
{
    return std::any_of(markers.begin(), markers.end(), [](bool m) { return m; });
}

void SupplierDetails::showWorkingCopy()
{
    controls = SupplierWorkingCopy(m_context.report());
    controls[kSupplierAbn] = AbnDisplayForm(controls[kSupplierAbn]);
}

void SupplierDetails::OnInitDialog()
{
    try {
        Report& r = m_context.report();
        SetSupplierWorkingCopy(r, SupplierCommittedCopy(r));
        showWorkingCopy();
        loadFromA01Visible = r.fromLodgementFile == QLatin1String("Yes");
    } catch (const std::exception&) {
        m_context.ui.message(unknownError(1020));
    } catch (...) {
        m_context.ui.message(unknownError(1021));
    }
}

void SupplierDetails::mark(int field, bool& failed)
{
    markers[field] = true;
    failed = true;
}

// Lines, suburb, state, postcode and country of one address; line1 is the
// first of its six fields.
void SupplierDetails::checkAddress(int line1, bool& failed)
{
    const auto w = SupplierWorkingFields(m_context.report());
    const int line2 = line1 + 1, suburb = line1 + 2, state = line1 + 3, postcode = line1 + 4, country = line1 + 5;

    if (w[line1]->isEmpty() || CheckTextChars(*w[line1]) > 0)
        mark(line1, failed);
    if (!w[line2]->isEmpty() && (w[line1]->isEmpty() || CheckTextChars(*w[line2]) > 0))
        mark(line2, failed);
    if (w[suburb]->isEmpty() || CheckTextChars(*w[suburb]) > 0)
        mark(suburb, failed);

    *w[country] = w[country]->toUpper();
    *w[state] = w[state]->toUpper();
    const PlaceVerdict place = CheckPostcodeStateCountry(*w[postcode], *w[state], *w[country]);
    if (place.postcode)
        mark(postcode, failed);
    if (place.state)
        mark(state, failed);
    if (place.country)
        mark(country, failed);
    if (!w[country]->isEmpty() && CheckTextChars(*w[country]) > 0)
        mark(country, failed);
}

bool SupplierDetails::ValidateSupplierFields(bool allowWpn)
{
    markers.fill(false);
    Report& r = m_context.report();
    const auto w = SupplierWorkingFields(r);
    for (int i = 0; i < kSupplierFieldCount; ++i)
        *w[i] = controls[i];
    for (int i = 0; i < kSupplierFieldCount; ++i) {
        if (i != kSupplierAbn)
            *w[i] = CollapseDoubleSpaces(TrimString(*w[i]));
    }

    bool failed = false;
    if (r.supplierName.isEmpty() || CheckTextChars(r.supplierName) > 0)
        mark(kSupplierName, failed);

    const AbnVerdict abn = CheckAbnOrWpn(r.supplierAbn, allowWpn, m_context.ui);
    r.supplierAbn = abn.abn;
    if (!abn.ok)
        mark(kSupplierAbn, failed);

    checkAddress(kSupplierAddress1, failed);
    checkAddress(kSupplierPostalAddress1, failed);

    if (r.supplierContact.isEmpty() || CheckTextChars(r.supplierContact) > 0)
        mark(kSupplierContact, failed);
    if (r.supplierPhone.isEmpty() || r.supplierPhone.size() > 15 || CheckPhoneChars(r.supplierPhone) > 0)
        mark(kSupplierPhone, failed);
    if (r.supplierFax.size() > 15 || CheckPhoneChars(r.supplierFax) > 0)
        mark(kSupplierFax, failed);

    r.supplierEmail = RemoveBlanks(r.supplierEmail);
    if (!EmailAcceptable(r.supplierEmail))
        mark(kSupplierEmail, failed);

    showWorkingCopy();
    return failed;
}

SupplierOutcome SupplierDetails::update()
{
    Report& r = m_context.report();
    if (ValidateSupplierFields(true)) {
        m_context.ui.message(QStringLiteral("Please correct all fields marked with an 'E' and press Update again."),
            MessageButtons::Ok, MessageIcon::Warning);
        r.editAttempted = 1;
        return SupplierOutcome::StayOpen;
    }
    const SupplierTexts working = SupplierWorkingCopy(r);
    std::copy(working.begin(), working.end(), r.supplierFieldsSaved.begin());
    r.supplierFieldsSaved[kSupplierFieldCount] = kSupplierChecked;
    m_context.document.SetModifiedFlag();
    return SupplierOutcome::CloseOk;
}

SupplierOutcome SupplierDetails::OnBnClickedUpdate()
{
    // A failure part way must not let unconfirmed details reach the report:
    // both copies go back to how they were and the user's entries stay on
    // screen for another try.
    Report& r = m_context.report();
    const SupplierTexts controlsBefore = controls;
    const auto markersBefore = markers;
    const SupplierTexts workingBefore = SupplierWorkingCopy(r);
    const auto savedBefore = r.supplierFieldsSaved;
    const bool modifiedBefore = m_context.document.IsModified();
    int ref = 0;
    try {
        return update();
    } catch (const std::exception&) {
        ref = 1022;
    } catch (...) {
        ref = 1023;
    }
    controls = controlsBefore;
    markers = markersBefore;
    SetSupplierWorkingCopy(r, workingBefore);
    r.supplierFieldsSaved = savedBefore;
    m_context.document.SetModifiedFlag(modifiedBefore);
    m_context.ui.message(unknownError(ref));
    return SupplierOutcome::StayOpen;
}

SupplierOutcome SupplierDetails::close()
{
    Report& r = m_context.report();
    const SupplierTexts workingBefore = SupplierWorkingCopy(r);
    SupplierTexts read = controls;
    read[kSupplierAbn] = RemoveBlanks(read[kSupplierAbn]);
    SetSupplierWorkingCopy(r, read);
    const SupplierTexts committed = SupplierCommittedCopy(r);
    if (read == committed)
        return SupplierOutcome::CloseCancel;

    const Answer answer = m_context.ui.message(
        QStringLiteral("Changes to the Supplier have not been Updated for this Report. \r\n\r\n"
                       "Do you want to update the Supplier Details for this Report before closing this screen?"),
        MessageButtons::YesNoCancel);
    if (answer == Answer::Yes) {
        // Update reads the controls itself; should it fail, the copies are
        // left as they were before Close.
        SetSupplierWorkingCopy(r, workingBefore);
        return OnBnClickedUpdate();
    }
    if (answer == Answer::No) {
        SetSupplierWorkingCopy(r, committed);
        return SupplierOutcome::CloseCancel;
    }
    SetSupplierWorkingCopy(r, workingBefore);
    return SupplierOutcome::StayOpen;
}

SupplierOutcome SupplierDetails::OnBnClickedClose()
{
    int ref = 0;
    try {
        return close();
    } catch (const std::exception&) {
        ref = 1024;
    } catch (...) {
        ref = 1025;
    }
    // The dialog closes, so the report keeps only what was committed.
    Report& r = m_context.report();
    SetSupplierWorkingCopy(r, SupplierCommittedCopy(r));
    m_context.ui.message(unknownError(ref));
    return SupplierOutcome::CloseCancel;
}

void SupplierDetails::OnBnClickedLoadDefault()
{
    try {
        const Answer answer = m_context.ui.message(
            QStringLiteral("Supplier fields on this screen will be replaced with \nthe default Supplier Details "
                           "stored in the Registry. \r\n\r\nProceed?"),
            MessageButtons::YesNoCancel);
        if (answer != Answer::Yes)
            return;
        const auto profile = openProfile();
        profile->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        SupplierTexts defaults;
        for (int i = 0; i < kSupplierFieldCount; ++i)
            defaults[i] = profile->value(SupplierProfileKeys()[i], QString()).toString();
        profile->endGroup();
        SetSupplierWorkingCopy(m_context.report(), defaults);
        showWorkingCopy();
        m_context.document.SetModifiedFlag();
    } catch (const std::exception&) {
        m_context.ui.message(unknownError(1026));
    } catch (...) {
        m_context.ui.message(unknownError(1027));
    }
}

void SupplierDetails::OnBnClickedSetAsDefault()
{
    try {
        if (ValidateSupplierFields(false)) {
            m_context.ui.message(
                QStringLiteral("Please correct all fields marked with an 'E' and press Set as Default again."),
                MessageButtons::Ok, MessageIcon::Warning);
            return;
        }
        const Answer answer = m_context.ui.message(
            QStringLiteral("Details on this screen will replace the current \ndefault Supplier Details stored "
                           "in the Registry. \r\n\r\nProceed?"),
            MessageButtons::YesNoCancel);
        if (answer != Answer::Yes)
            return;
        const SupplierTexts working = SupplierWorkingCopy(m_context.report());
        const auto profile = openProfile();
        profile->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        for (int i = 0; i < kSupplierFieldCount; ++i)
            profile->setValue(SupplierProfileKeys()[i], working[i]);
        profile->endGroup();
        profile->sync();
        // Saying nothing would let the user believe the defaults were kept.
        if (profile->status() != QSettings::NoError)
            throw std::runtime_error("the profile could not be written");
    } catch (const std::exception&) {
        m_context.ui.message(unknownError(1018));
    } catch (...) {
        m_context.ui.message(QStringLiteral("An unknown error has occurred  - Ref #1019."));
    }
}

void SupplierDetails::OnBnClickedSameAsPayer()
{
    const Report& r = m_context.report();
    if (r.payerKey.isEmpty()) {
        m_context.ui.message(QStringLiteral("Please first select a Payer for this Report."));
        return;
    }
    controls[kSupplierName] = r.payerName;
    controls[kSupplierAbn] = AbnDisplayForm(r.payerAbn);
    for (int i = kSupplierAddress1; i <= kSupplierCountry; ++i)
        controls[i].clear();
    controls[kSupplierPostalAddress1] = r.payerAddress1;
    controls[kSupplierPostalAddress2] = r.payerAddress2;
    controls[kSupplierPostalSuburb] = r.payerSuburb;
    controls[kSupplierPostalState] = r.payerState;
    controls[kSupplierPostalPostcode] = r.payerPostcode;
    controls[kSupplierPostalCountry] = r.payerCountry;
    controls[kSupplierContact] = r.payerContact;
    controls[kSupplierPhone] = r.payerPhone;
    controls[kSupplierFax] = r.payerFax;
    controls[kSupplierEmail].clear();
    m_context.ui.message(
        QStringLiteral("You will need to update Street Address and Email, as these are not stored for the Payer."));
}

void SupplierDetails::OnBnClickedLoadFromA01()
{
    const Report& r = m_context.report();
    const SupplierTexts original = {
        r.origSupplierName,
        r.origSupplierAbn,
        r.origSupplierAddress1,
        r.origSupplierAddress2,
        r.origSupplierSuburb,
        r.origSupplierState,
        r.origSupplierPostcode,
        r.origSupplierCountry,
        r.origSupplierPostalAddress1,
        r.origSupplierPostalAddress2,
        r.origSupplierPostalSuburb,
        r.origSupplierPostalState,
        r.origSupplierPostalPostcode,
        r.origSupplierPostalCountry,
        r.origSupplierContact,
        r.origSupplierPhone,
        r.origSupplierFax,
        r.origSupplierEmail,
        controls[kSupplierGatewayId],
    };
    controls = original;
    controls[kSupplierAbn] = AbnDisplayForm(controls[kSupplierAbn]);
}
