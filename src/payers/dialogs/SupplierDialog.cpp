#include "payers/dialogs/SupplierDialog.h"

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

namespace
{

const char* const kFieldNames[kSupplierFieldCount] = {
    "supplierName",
    "supplierAbn",
    "supplierAddress1",
    "supplierAddress2",
    "supplierSuburb",
    "supplierState",
    "supplierPostcode",
    "supplierCountry",
    "supplierPostalAddress1",
    "supplierPostalAddress2",
    "supplierPostalSuburb",
    "supplierPostalState",
    "supplierPostalPostcode",
    "supplierPostalCountry",
    "supplierContact",
    "supplierPhone",
    "supplierFax",
    "supplierEmail",
    "supplierGatewayId",
};

bool isState(int field)
{
    return field == kSupplierState || field == kSupplierPostalState;
}

QComboBox* stateList(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->addItems(StateChoices());
    list->setCurrentIndex(-1);
    return list;
}

QString listText(const QComboBox* list)
{
    return list->currentIndex() < 0 ? QString() : list->currentText();
}

// Selects the item of that text, or none.
void selectText(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

QFont tahoma(int points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(points);
    return font;
}

} // namespace

CSupplier::CSupplier(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_details(context)
{
    setWindowTitle(QStringLiteral("Quillastrand - Supplier Details"));
    setApplicationIcon(this);
    buildLayout();
    addTooltips();

    m_details.OnInitDialog();
    showControls();
    m_loadFromA01->setVisible(m_details.loadFromA01Visible);

    installHelp(this, m_help, m_context);
    connect(m_update, &QPushButton::clicked, this, &CSupplier::OnBnClickedUpdate);
    connect(m_close, &QPushButton::clicked, this, &CSupplier::OnBnClickedClose);
    connect(m_loadDefault, &QPushButton::clicked, this, [this] {
        readControls();
        m_details.OnBnClickedLoadDefault();
        showControls();
    });
    connect(m_setAsDefault, &QPushButton::clicked, this, [this] {
        readControls();
        m_details.OnBnClickedSetAsDefault();
        showControls();
    });
    connect(m_sameAsPayer, &QPushButton::clicked, this, [this] {
        readControls();
        m_details.OnBnClickedSameAsPayer();
        showControls();
    });
    connect(m_loadFromA01, &QPushButton::clicked, this, [this] {
        readControls();
        m_details.OnBnClickedLoadFromA01();
        showControls();
    });
}

void CSupplier::buildLayout()
{
    for (int i = 0; i < kSupplierFieldCount; ++i) {
        if (i == kSupplierState)
            m_streetState = stateList(this);
        else if (i == kSupplierPostalState)
            m_postalState = stateList(this);
        else
            m_edits[i] = new QLineEdit(this);
        QWidget* field
            = isState(i) ? static_cast<QWidget*>(i == kSupplierState ? m_streetState : m_postalState) : m_edits[i];
        field->setObjectName(QString::fromLatin1(kFieldNames[i]));
        if (i != kSupplierGatewayId) {
            m_markers[i] = new ErrorMarker(this);
            m_markers[i]->setObjectName(QString::fromLatin1(kFieldNames[i]) + QStringLiteral("Marker"));
        }
    }
    // The gateway id is kept with the supplier but never shown.
    m_edits[kSupplierGatewayId]->hide();

    m_loadDefault = new QPushButton(QStringLiteral("Load Default"), this);
    m_loadDefault->setObjectName(QStringLiteral("loadDefaultButton"));
    m_sameAsPayer = new QPushButton(QStringLiteral("Same as Payer"), this);
    m_sameAsPayer->setObjectName(QStringLiteral("sameAsPayerButton"));
    m_loadFromA01 = new QPushButton(QStringLiteral("Load from original VESK.A01"), this);
    m_loadFromA01->setObjectName(QStringLiteral("loadFromA01Button"));
    m_setAsDefault = new QPushButton(QStringLiteral(" Set as Default"), this);
    m_setAsDefault->setObjectName(QStringLiteral("setAsDefaultButton"));
    m_help = new QPushButton(QStringLiteral("Help"), this);
    m_help->setObjectName(QStringLiteral("helpButton"));
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_update = new QPushButton(QStringLiteral("Update for this Report"), this);
    m_update->setObjectName(QStringLiteral("updateButton"));
    m_update->setDefault(true);
    m_update->setAutoDefault(true);

    auto* title = new QLabel(QStringLiteral("Supplier Details for this Report"), this);
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setAlignment(Qt::AlignCenter);
    title->setFont(tahoma(14));
    auto* note = new QLabel(
        QStringLiteral("Note: The Supplier is who-ever will be sending the VESK.A01 file to the ATO."), this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setFont(tahoma(7));
    note->setWordWrap(true);

    auto* top = new QHBoxLayout;
    auto* topButtons = new QVBoxLayout;
    topButtons->addWidget(m_loadDefault);
    topButtons->addWidget(m_sameAsPayer);
    topButtons->addWidget(m_loadFromA01);
    topButtons->addStretch();
    auto* heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(note);
    top->addLayout(topButtons);
    top->addLayout(heading, 1);

    // label | field | marker, one row per field; a second pair of columns
    // takes the state and postcode beside suburb and country.
    const auto addRow
        = [this](QGridLayout* grid, int row, const QString& label, int field, int column = 0, int span = 1) {
              QWidget* widget = field == kSupplierState ? static_cast<QWidget*>(m_streetState)
                  : field == kSupplierPostalState       ? static_cast<QWidget*>(m_postalState)
                                                        : m_edits[field];
              grid->addWidget(rightLabel(label, this), row, column);
              grid->addWidget(widget, row, column + 1, 1, span);
              if (m_markers[field])
                  grid->addWidget(m_markers[field], row, column + 1 + span, Qt::AlignLeft);
          };

    auto* identity = new QGridLayout;
    addRow(identity, 0, QStringLiteral("Name:"), kSupplierName);
    addRow(identity, 1, QStringLiteral("ABN/WPN:"), kSupplierAbn);
    identity->setColumnStretch(1, 1);

    const auto addressGroup = [&](const QString& caption, const char* name, int line1) {
        auto* group = new MyGroupBox(caption, this);
        group->setObjectName(QString::fromLatin1(name));
        group->setCaptionColor(kCaptionBlue);
        auto* grid = new QGridLayout(group);
        addRow(grid, 0, QStringLiteral("Address Line 1:"), line1, 0, 4);
        addRow(grid, 1, QStringLiteral("Address Line 2:"), line1 + 1, 0, 4);
        addRow(grid, 2, QStringLiteral("Suburb:"), line1 + 2);
        addRow(grid, 2, QStringLiteral("State:"), line1 + 3, 3);
        addRow(grid, 3, QStringLiteral("Country:"), line1 + 5);
        addRow(grid, 3, QStringLiteral("PCode:"), line1 + 4, 3);
        grid->setColumnStretch(1, 1);
        // Room after the suburb's and country's markers, so they stay with their own fields.
        grid->setColumnMinimumWidth(2, ErrorMarker::kSize + 12);
        return group;
    };
    MyGroupBox* street = addressGroup(QStringLiteral("Supplier Street Address"), "streetGroup", kSupplierAddress1);
    MyGroupBox* postal
        = addressGroup(QStringLiteral("Supplier Postal Address"), "postalGroup", kSupplierPostalAddress1);

    auto* other = new MyGroupBox(QStringLiteral("Supplier - Other Information"), this);
    other->setObjectName(QStringLiteral("otherGroup"));
    other->setCaptionColor(kCaptionBlue);
    auto* otherGrid = new QGridLayout(other);
    addRow(otherGrid, 0, QStringLiteral("Contact Name:"), kSupplierContact);
    addRow(otherGrid, 1, QStringLiteral("Contact Telephone:"), kSupplierPhone);
    addRow(otherGrid, 2, QStringLiteral("Fax No:"), kSupplierFax);
    addRow(otherGrid, 3, QStringLiteral("Email:"), kSupplierEmail);
    otherGrid->addWidget(m_edits[kSupplierGatewayId], 1, 3);
    otherGrid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_setAsDefault);
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    buttons->addWidget(m_update);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(identity);
    layout->addWidget(street);
    layout->addWidget(postal);
    layout->addWidget(other);
    layout->addLayout(buttons);

    // The order the user tabs through: the top buttons, the fields, then the
    // bottom buttons.
    QList<QWidget*> order
        = { m_loadDefault, m_sameAsPayer, m_loadFromA01, m_edits[kSupplierName], m_edits[kSupplierAbn] };
    for (int line1 : { int(kSupplierAddress1), int(kSupplierPostalAddress1) }) {
        order << m_edits[line1] << m_edits[line1 + 1] << m_edits[line1 + 2]
              << (line1 == kSupplierAddress1 ? m_streetState : m_postalState) << m_edits[line1 + 5]
              << m_edits[line1 + 4];
    }
    order << m_edits[kSupplierContact] << m_edits[kSupplierPhone] << m_edits[kSupplierFax] << m_edits[kSupplierEmail]
          << m_setAsDefault << m_help << m_close << m_update;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CSupplier::addTooltips()
{
    const auto tip = [](const char* text, QWidget* control) {
        CToolTipCtrlExt::AddToolForControl(QString::fromUtf8(text), control);
    };
    tip("The Supplier is the person/entity that will be sending the data to the ATO",
        findChild<QLabel*>(QStringLiteral("titleLabel")));
    tip("Enter the Name of the person/entity that will be sending the data", m_edits[kSupplierName]);
    tip("Enter Supplier's ABN in this format XX XXX XXX XXX", m_edits[kSupplierAbn]);
    tip("Enter Supplier's street address Line 1", m_edits[kSupplierAddress1]);
    tip("Enter Supplier's street address Line 2 - leave empty if none", m_edits[kSupplierAddress2]);
    tip("Enter suburb, town or city of Supplier's street address", m_edits[kSupplierSuburb]);
    tip("Enter 4 digit postcode for the street address of the Supplier", m_edits[kSupplierPostcode]);
    tip("Enter the state or territory for the street address of the Supplier", m_streetState);
    tip("Enter Supplier's Country - leave blank if Australia", m_edits[kSupplierCountry]);
    tip("Enter Supplier's postal address Line 1", m_edits[kSupplierPostalAddress1]);
    tip("Enter Supplier's postal address Line 2 - leave empty if none", m_edits[kSupplierPostalAddress2]);
    tip("Enter suburb, town or city of Supplier's postal address", m_edits[kSupplierPostalSuburb]);
    tip("Enter 4 digit postcode for the postal address of the Supplier", m_edits[kSupplierPostalPostcode]);
    tip("Enter the state or territory for the postal address of the Supplier", m_postalState);
    tip("Enter Supplier's Country - leave blank if Australia", m_edits[kSupplierPostalCountry]);
    tip("Click to load previously saved default Supplier Details", m_loadDefault);
    tip("Click to save the current details as default Supplier Details to re-use in other Reports", m_setAsDefault);
    tip("Enter the name of a contact person in the entity sending the data", m_edits[kSupplierContact]);
    tip("Enter the phone number of the nominated contact person, use this format XX XXXX XXXX for landline and "
        "XXXX XXX XXX for mobile",
        m_edits[kSupplierPhone]);
    tip("Enter Supplier's fax number in this format XX XXXX XXXX", m_edits[kSupplierFax]);
    tip("Enter Supplier's email address", m_edits[kSupplierEmail]);
    tip("Enter Supplier's registered Tax Office Corporate Gateway User Id, if registered", m_edits[kSupplierGatewayId]);
    tip("Click to view online help", m_help);
    tip("Click to close this screen without saving changes.", m_close);
    tip("Click to update Supplier Details in this report and close this window", m_update);
    tip("Click to set Supplier Details the same as the current Payer Details", m_sameAsPayer);
}

void CSupplier::readControls()
{
    for (int i = 0; i < kSupplierFieldCount; ++i) {
        if (i == kSupplierState)
            m_details.controls[i] = listText(m_streetState);
        else if (i == kSupplierPostalState)
            m_details.controls[i] = listText(m_postalState);
        else
            m_details.controls[i] = m_edits[i]->text();
    }
}

void CSupplier::showControls()
{
    for (int i = 0; i < kSupplierFieldCount; ++i) {
        if (i == kSupplierState)
            selectText(m_streetState, m_details.controls[i]);
        else if (i == kSupplierPostalState)
            selectText(m_postalState, m_details.controls[i]);
        else
            m_edits[i]->setText(m_details.controls[i]);
        if (m_markers[i])
            m_markers[i]->setVisible(m_details.markers[i]);
    }
}

void CSupplier::finish(SupplierOutcome outcome)
{
    showControls();
    if (outcome == SupplierOutcome::CloseOk)
        QDialog::accept();
    else if (outcome == SupplierOutcome::CloseCancel)
        QDialog::reject();
}

void CSupplier::OnBnClickedUpdate()
{
    readControls();
    finish(m_details.OnBnClickedUpdate());
}

void CSupplier::OnBnClickedClose()
{
    readControls();
    finish(m_details.OnBnClickedClose());
}

void CSupplier::reject()
{
    OnBnClickedClose();
}
