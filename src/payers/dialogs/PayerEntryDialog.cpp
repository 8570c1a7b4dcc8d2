#include "payers/dialogs/PayerEntryDialog.h"

#include "payers/dialogs/PayerLayout.h"
#include "report/AppContext.h"
#include "report/FieldRules.h"
#include "widgets/DialogKit.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PayerEntryDialog::PayerEntryDialog(AppContext& context, const QString& title, const QString& heading, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setWindowTitle(title);
    setApplicationIcon(this);

    auto marker = [this](PayerField field) {
        static const char* const names[] = { "nameMarker", "tradingNameMarker", "abnMarker", "branchMarker",
            "address1Marker", "address2Marker", "suburbMarker", "postcodeMarker", "stateMarker", "countryMarker",
            "contactMarker", "phoneMarker", "faxMarker" };
        auto* m = new ErrorMarker(this);
        m->setObjectName(QString::fromLatin1(names[int(field)]));
        m_markers[field] = m;
        return m;
    };

    m_loadFromOriginal = new QPushButton(QStringLiteral("Load from original\nVESK.A01"), this);
    m_loadFromOriginal->setObjectName(QStringLiteral("loadFromOriginal"));
    m_loadFromOriginal->hide();
    m_heading = new QLabel(heading, this);
    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setFont(QFont(QStringLiteral("Tahoma"), 14));

    m_ref = addEdit(QStringLiteral("ref"));
    m_name = addEdit(QStringLiteral("name"));
    m_tradingName = addEdit(QStringLiteral("tradingName"));
    m_abn = addEdit(QStringLiteral("abn"));
    m_branch = new QComboBox(this);
    m_branch->setObjectName(QStringLiteral("branch"));
    m_branch->setEditable(true);
    for (int i = 1; i <= 10; ++i)
        m_branch->addItem(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')));
    m_address1 = addEdit(QStringLiteral("address1"));
    m_address2 = addEdit(QStringLiteral("address2"));
    m_suburb = addEdit(QStringLiteral("suburb"));
    m_state = new QComboBox(this);
    m_state->setObjectName(QStringLiteral("state"));
    m_state->addItems(StateChoices());
    m_state->setCurrentIndex(-1);
    m_country = addEdit(QStringLiteral("country"));
    m_postcode = addEdit(QStringLiteral("postcode"));
    m_contact = addEdit(QStringLiteral("contact"));
    m_phone = addEdit(QStringLiteral("phone"));
    m_fax = addEdit(QStringLiteral("fax"));

    auto* top = new QGridLayout;
    int row = 0;
    top->addWidget(rightLabel(QStringLiteral("Ref:")), row, 0);
    top->addWidget(fieldWithMarker(m_ref, nullptr), row++, 1);
    top->addWidget(rightLabel(QStringLiteral("Name:")), row, 0);
    top->addWidget(fieldWithMarker(m_name, marker(PayerField::Name)), row++, 1, 1, 3);
    top->addWidget(rightLabel(QStringLiteral("Trading Name:")), row, 0);
    top->addWidget(fieldWithMarker(m_tradingName, marker(PayerField::TradingName)), row++, 1, 1, 3);
    top->addWidget(rightLabel(QStringLiteral("ABN/WPN:")), row, 0);
    top->addWidget(fieldWithMarker(m_abn, marker(PayerField::Abn)), row, 1);
    top->addWidget(rightLabel(QStringLiteral("Branch No:")), row, 2);
    top->addWidget(fieldWithMarker(m_branch, marker(PayerField::Branch)), row++, 3);

    auto* address = payerAddressGroup(QStringLiteral("Payer's Postal address"), this,
        fieldWithMarker(m_address1, marker(PayerField::Address1)), fieldWithMarker(m_address2, marker(PayerField::Address2)),
        fieldWithMarker(m_suburb, marker(PayerField::Suburb)), fieldWithMarker(m_state, marker(PayerField::State)),
        fieldWithMarker(m_country, marker(PayerField::Country)), fieldWithMarker(m_postcode, marker(PayerField::Postcode)));
    auto* contact = payerContactGrid(this, fieldWithMarker(m_contact, marker(PayerField::Contact)),
        fieldWithMarker(m_phone, marker(PayerField::Phone)), fieldWithMarker(m_fax, marker(PayerField::Fax)));

    m_help = new QPushButton(QStringLiteral("Help"), this);
    m_help->setObjectName(QStringLiteral("help"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_save = new QPushButton(QStringLiteral("Save"), this);
    m_save->setObjectName(QStringLiteral("save"));
    m_save->setDefault(true);
    m_help->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    m_loadFromOriginal->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_help);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_save);

    auto* head = new QHBoxLayout;
    head->addWidget(m_loadFromOriginal);
    head->addWidget(m_heading, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(top);
    layout->addWidget(address);
    layout->addLayout(contact);
    layout->addLayout(buttons);

    setTabOrder(m_ref, m_name);
    setTabOrder(m_name, m_tradingName);
    setTabOrder(m_tradingName, m_abn);
    setTabOrder(m_abn, m_branch);
    setTabOrder(m_branch, m_address1);
    setTabOrder(m_address1, m_address2);
    setTabOrder(m_address2, m_suburb);
    setTabOrder(m_suburb, m_state);
    setTabOrder(m_state, m_country);
    setTabOrder(m_country, m_postcode);
    setTabOrder(m_postcode, m_contact);
    setTabOrder(m_contact, m_phone);
    setTabOrder(m_phone, m_fax);
    setTabOrder(m_fax, m_help);
    setTabOrder(m_help, m_save);
    setTabOrder(m_save, m_cancel);
    setTabOrder(m_cancel, m_loadFromOriginal);

    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    installHelp(this, m_help, context);
    m_ref->setFocus();
}

QLineEdit* PayerEntryDialog::addEdit(const QString& objectName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    return edit;
}

void PayerEntryDialog::setToolTips(const QString& contactTip, const QString& phoneTip, const QString& faxTip)
{
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Optional - enter your own reference for this Payer"), m_ref);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Enter the Business Name of the Payer - as per ABN/WPN Registration"), m_name);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Enter the Trading Name of the Payer - if any"), m_tradingName);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Enter Payer's ABN/WPN in this format XX XXX XXX XXX"), m_abn);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Enter Payer's Branch Number for Payments in this Report. If Payer does not have a Branch "
                       "Number use 001"),
        m_branch);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Enter Payer's postal address Line 1"), m_address1);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Enter Payer's postal address Line 2 - leave empty if none"), m_address2);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Enter suburb, town or city of Payer's postal address"), m_suburb);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Enter postcode for the postal address of the Payer"), m_postcode);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Enter the state or territory for the postal address of the Payer"), m_state);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Enter Payer's Country - leave blank if Australia"), m_country);
    CToolTipCtrlExt::AddToolForControl(contactTip, m_contact);
    CToolTipCtrlExt::AddToolForControl(phoneTip, m_phone);
    CToolTipCtrlExt::AddToolForControl(faxTip, m_fax);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to view online help"), m_help);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to close this screen without saving changes."), m_cancel);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to Save Payer's Details to the Payer List"), m_save);
}

PayerFields PayerEntryDialog::readFields() const
{
    PayerFields f;
    f.name = m_name->text();
    f.abn = m_abn->text();
    f.tradingName = m_tradingName->text();
    f.branch = m_branch->currentText();
    f.address1 = m_address1->text();
    f.address2 = m_address2->text();
    f.suburb = m_suburb->text();
    f.state = m_state->currentIndex() >= 0 ? m_state->currentText() : QString();
    f.postcode = m_postcode->text();
    f.country = m_country->text();
    f.contact = m_contact->text();
    f.phone = m_phone->text();
    f.fax = m_fax->text();
    f.ref = m_ref->text();
    return f;
}

void PayerEntryDialog::showFields(const PayerFields& f)
{
    m_name->setText(f.name);
    m_abn->setText(f.abn);
    m_tradingName->setText(f.tradingName);
    m_branch->setEditText(f.branch);
    m_address1->setText(f.address1);
    m_address2->setText(f.address2);
    m_suburb->setText(f.suburb);
    // The list keeps its choice when the text is none of its items.
    const int state = m_state->findText(f.state);
    if (state >= 0 || f.state.isEmpty())
        m_state->setCurrentIndex(state);
    m_postcode->setText(f.postcode);
    m_country->setText(f.country);
    m_contact->setText(f.contact);
    m_phone->setText(f.phone);
    m_fax->setText(f.fax);
    m_ref->setText(f.ref);
}

void PayerEntryDialog::showMarkers(const PayerMarkers& markers)
{
    for (auto& [field, marker] : m_markers)
        marker->setVisible(markers.has(field));
}
