#include "payers/dialogs/CPayer.h"

#include "payers/dialogs/PayerLayout.h"
#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QDateTime>
#include <QDateTimeEdit>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CPayer::CPayer(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_form(context)
{
    setWindowTitle(QStringLiteral("Quillastrand - Payer Details"));
    setApplicationIcon(this);

    auto* heading = new QLabel(QStringLiteral("Payer Details for this Report"), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(QFont(QStringLiteral("Tahoma"), 14));
    auto* note = new QLabel(QStringLiteral("Non-editable screen - make changes from Payer List"), this);
    note->setAlignment(Qt::AlignCenter);
    setBlue(note);

    m_ref = addEdit(QStringLiteral("ref"));
    m_name = addEdit(QStringLiteral("name"));
    m_tradingName = addEdit(QStringLiteral("tradingName"));
    m_abn = addEdit(QStringLiteral("abn"));
    m_branch = addEdit(QStringLiteral("branch"));
    m_date = new QDateTimeEdit(this);
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_date->setEnabled(false);
    m_address1 = addEdit(QStringLiteral("address1"));
    m_address2 = addEdit(QStringLiteral("address2"));
    m_suburb = addEdit(QStringLiteral("suburb"));
    m_state = addEdit(QStringLiteral("state"));
    m_country = addEdit(QStringLiteral("country"));
    m_postcode = addEdit(QStringLiteral("postcode"));
    m_contact = addEdit(QStringLiteral("contact"));
    m_phone = addEdit(QStringLiteral("phone"));
    m_fax = addEdit(QStringLiteral("fax"));

    auto* top = new QGridLayout;
    int row = 0;
    top->addWidget(rightLabel(QStringLiteral("Ref:")), row, 0);
    top->addWidget(m_ref, row, 1);
    top->addWidget(m_date, row++, 3);
    top->addWidget(rightLabel(QStringLiteral("Business Name:")), row, 0);
    top->addWidget(m_name, row++, 1, 1, 3);
    top->addWidget(rightLabel(QStringLiteral("Trading Name:")), row, 0);
    top->addWidget(m_tradingName, row++, 1, 1, 3);
    top->addWidget(rightLabel(QStringLiteral("ABN/WPN:")), row, 0);
    top->addWidget(m_abn, row, 1);
    top->addWidget(rightLabel(QStringLiteral("Branch No:")), row, 2);
    top->addWidget(m_branch, row++, 3);

    auto* address = payerAddressGroup(
        QStringLiteral("Payer Postal Address"), this, m_address1, m_address2, m_suburb, m_state, m_country, m_postcode);
    auto* contact = payerContactGrid(this, m_contact, m_phone, m_fax);

    auto* select = new QPushButton(QStringLiteral("Select from Payer List"), this);
    select->setObjectName(QStringLiteral("selectFromPayerList"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("help"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    auto* update = new QPushButton(QStringLiteral("Update"), this);
    update->setObjectName(QStringLiteral("update"));
    update->setDefault(true);
    for (QPushButton* b : { select, help, close })
        b->setAutoDefault(false);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click here to view the PayerList"), select);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to open online help in browser window"), help);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to close this dialog without saving any changes"), close);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to close this dialog and save any changes"), update);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(select);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(close);
    buttons->addWidget(update);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(note);
    layout->addLayout(top);
    layout->addWidget(address);
    layout->addLayout(contact);
    layout->addLayout(buttons);

    connect(update, &QPushButton::clicked, this, &CPayer::OnBnClickedUpdate);
    connect(close, &QPushButton::clicked, this, &CPayer::OnBnClickedClose);
    connect(select, &QPushButton::clicked, this, &CPayer::OnBnClickedSelectFromPayerList);
    installHelp(this, help, context);

    FillPayerFields();
}

QLineEdit* CPayer::addEdit(const QString& objectName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    return edit;
}

void CPayer::FillPayerFields()
{
    const PayerFields& f = m_form.fields;
    m_ref->setText(f.ref);
    m_name->setText(f.name);
    m_tradingName->setText(f.tradingName);
    m_abn->setText(f.abn);
    m_branch->setText(f.branch);
    m_address1->setText(f.address1);
    m_address2->setText(f.address2);
    m_suburb->setText(f.suburb);
    m_state->setText(f.state);
    m_country->setText(f.country);
    m_postcode->setText(f.postcode);
    m_contact->setText(f.contact);
    m_phone->setText(f.phone);
    m_fax->setText(f.fax);
    m_date->setDateTime(QDateTime::fromSecsSinceEpoch(m_form.shownDate));
}

void CPayer::OnBnClickedUpdate()
{
    m_form.update();
    accept();
}

void CPayer::OnBnClickedClose()
{
    if (m_form.close())
        QDialog::reject();
}

void CPayer::reject()
{
    OnBnClickedClose();
}

void CPayer::OnBnClickedSelectFromPayerList()
{
    m_form.selectFromPayerList();
    FillPayerFields();
}
