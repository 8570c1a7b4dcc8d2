#pragma once

#include <QString>

#include <array>

class AppContext;
struct Report;

// The supplier's 19 fields in their fixed order: the order of the committed
// copy, of the default profile keys and of every loop over the fields.
enum SupplierField : int {
    kSupplierName,
    kSupplierAbn,
    kSupplierAddress1,
    kSupplierAddress2,
    kSupplierSuburb,
    kSupplierState,
    kSupplierPostcode,
    kSupplierCountry,
    kSupplierPostalAddress1,
    kSupplierPostalAddress2,
    kSupplierPostalSuburb,
    kSupplierPostalState,
    kSupplierPostalPostcode,
    kSupplierPostalCountry,
    kSupplierContact,
    kSupplierPhone,
    kSupplierFax,
    kSupplierEmail,
    kSupplierGatewayId,
    kSupplierFieldCount
};

using SupplierTexts = std::array<QString, kSupplierFieldCount>;

// The working copy: the report's supplier fields, which the lodgement file
// and the main form read.
std::array<QString*, kSupplierFieldCount> SupplierWorkingFields(Report& report);
SupplierTexts SupplierWorkingCopy(const Report& report);
void SetSupplierWorkingCopy(Report& report, const SupplierTexts& texts);
// The committed copy: elements 0 to 18 of supplierFieldsSaved.
SupplierTexts SupplierCommittedCopy(const Report& report);

// Element 19 of supplierFieldsSaved after a successful Update.
inline const QString kSupplierChecked = QStringLiteral("checked");

// The profile keys of the default supplier, group "User Preferences".
const std::array<QString, kSupplierFieldCount>& SupplierProfileKeys();

// How a button of the supplier dialog leaves it.
enum class SupplierOutcome { StayOpen, CloseOk, CloseCancel };

// The logic of the supplier details dialog. The dialog copies its widgets
// into `controls` before every button and shows `controls`, `markers` and
// `loadFromA01Visible` afterwards.
class SupplierDetails
{
public:
    explicit SupplierDetails(AppContext& context);

    // What the controls hold: the ABN as shown, each state as the text of
    // its chosen item (empty when none is chosen).
    SupplierTexts controls;
    // The 'E' beside each field; the gateway id never has one.
    std::array<bool, kSupplierFieldCount> markers {};
    bool loadFromA01Visible = false;

    void OnInitDialog();
    // Reads the controls into the working copy, cleans, checks, marks and
    // shows the cleaned values again. True when any check failed. allowWpn:
    // an ABN beginning "00" is judged as a withholding payer number.
    bool ValidateSupplierFields(bool allowWpn);

    SupplierOutcome OnBnClickedUpdate();
    SupplierOutcome OnBnClickedClose();
    void OnBnClickedLoadDefault();
    void OnBnClickedSetAsDefault();
    void OnBnClickedSameAsPayer();
    void OnBnClickedLoadFromA01();

    bool anyMarker() const;

private:
    SupplierOutcome update();
    SupplierOutcome close();
    void showWorkingCopy();
    void checkAddress(int line1, bool& failed);
    void mark(int field, bool& failed);

    AppContext& m_context;
};
