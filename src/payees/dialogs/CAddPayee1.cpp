#include "payees/dialogs/CAddPayee1.h"

#include "widgets/DialogKit.h"

#include <QButtonGroup>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

struct TypeChoice {
    PayeeType type;
    const char* caption;
    const char* objectName;
};

// In the order they are shown.
const TypeChoice kChoices[] = {
    { PayeeType::INB, "Individual Non Business (INB)", "inbRadio" },
    { PayeeType::ETP, "Eligible Termination Payment (ETP)", "etpRadio" },
    { PayeeType::BUS, "Business and PS Income (BUS)", "busRadio" },
    { PayeeType::FEI, "Foreign Employment Income (FEI)", "feiRadio" },
    { PayeeType::PEN, "Superannuation Income Stream (PEN)", "penRadio" },
    { PayeeType::SLS, "Superannuation Lump Sum (SLS)", "slsRadio" },
    { PayeeType::DAS, "Departing Australia Superannuation (DAS)", "dasRadio" },
};

} // namespace

CAddPayee1::CAddPayee1(AppContext& context, PayeeServices& services, QWidget* parent)
    : QDialog(parent)
    , m_form(context, services)
{
    setWindowTitle(QStringLiteral("Quillastrand - Add Payee"));
    setApplicationIcon(this);
    auto* outer = new QVBoxLayout(this);

    auto* title = new QLabel(QStringLiteral("Add Payee(s)"), this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(14);
    title->setFont(font);
    outer->addWidget(title);

    auto* group = new MyGroupBox(QStringLiteral("Select Payment Summary Type"), this);
    group->setObjectName(QStringLiteral("typeGroup"));
    group->setCaptionColor(kCaptionBlue);
    auto* radios = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(this);
    for (std::size_t i = 0; i < std::size(kChoices); ++i) {
        const TypeChoice& c = kChoices[i];
        auto* radio = new QRadioButton(QString::fromLatin1(c.caption), group);
        radio->setObjectName(QString::fromLatin1(c.objectName));
        buttons->addButton(radio);
        radios->addWidget(radio);
        m_radios[i] = radio;
        const PayeeType type = c.type;
        connect(radio, &QRadioButton::clicked, this, [this, type] { m_form.choose(type); });
    }
    outer->addWidget(group);

    auto* row = new QHBoxLayout;
    auto* manual = new QPushButton(QStringLiteral("Manually Add One"), this);
    manual->setObjectName(QStringLiteral("manuallyAddButton"));
    manual->setDefault(true);
    auto* import = new QPushButton(QStringLiteral("Tab Delimited Import"), this);
    import->setObjectName(QStringLiteral("tabDelimitedImportButton"));
    import->setAutoDefault(false);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    row->addWidget(manual);
    row->addWidget(import);
    row->addWidget(help);
    row->addWidget(cancel);
    outer->addLayout(row);

    installHelp(this, help, context);
    connect(manual, &QPushButton::clicked, this, [this] { finish(m_form.OnBnClickedOk()); });
    connect(import, &QPushButton::clicked, this, [this] { finish(m_form.OnBnClickedTabDelimitedImport()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_form.OnInitDialog();
    m_radios[0]->setChecked(true);
}

void CAddPayee1::finish(AddPayeeOutcome outcome)
{
    if (outcome == AddPayeeOutcome::Close)
        done(0);
}
