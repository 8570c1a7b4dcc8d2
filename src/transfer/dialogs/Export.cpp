#include "transfer/dialogs/Export.h"

#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QButtonGroup>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct TypeButton {
    const char* caption;
    const char* name;
};

constexpr TypeButton kTypeButtons[] = {
    {"Individual Non Business (INB)", "inbRadio"},
    {"Eligible Termination Payment (ETP)", "etpRadio"},
    {"Business and PS Income (BUS)", "busRadio"},
    {"Foreign Employment Income (FEI)", "feiRadio"},
    {"Superannuation Income Stream (PEN)", "penRadio"},
    {"Superannuation Lump Sum (SLS)", "slsRadio"},
    {"Departing Australia Superannution (DAS)", "dasRadio"},
};

} // namespace

Export::Export(AppContext& context, int& chosenType, QWidget* parent) : QDialog(parent), m_logic(context, chosenType)
{
    setWindowTitle(QStringLiteral("Quillastrand - Export Payees"));
    setApplicationIcon(this);

    m_title = new QLabel(QStringLiteral("Export Payees"), this);
    m_title->setObjectName(QStringLiteral("title"));
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPointSize(14);
    m_title->setFont(titleFont);

    m_group = new MyGroupBox(QStringLiteral("Select Payee Type"), this);
    m_group->setObjectName(QStringLiteral("payeeTypeGroup"));
    m_group->setCaptionColor(kCaptionBlue);
    auto* radios = new QVBoxLayout(m_group);
    // The dialog opens with no type ticked, whatever was chosen before.
    auto* buttons = new QButtonGroup(this);
    for (int i = 0; i < 7; ++i) {
        m_types[i] = new QRadioButton(QString::fromLatin1(kTypeButtons[i].caption), m_group);
        m_types[i]->setObjectName(QString::fromLatin1(kTypeButtons[i].name));
        buttons->addButton(m_types[i], i + 1);
        radios->addWidget(m_types[i]);
        connect(m_types[i], &QRadioButton::clicked, this, [this, i] { m_logic.choose(i + 1); });
    }

    m_export = new QPushButton(QStringLiteral("Tab Delimited Export"), this);
    m_export->setObjectName(QStringLiteral("tabDelimitedExport"));
    m_help = new QPushButton(QStringLiteral("Help"), this);
    m_help->setObjectName(QStringLiteral("helpButton"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : {m_export, m_help, m_cancel})
        button->setAutoDefault(false);

    connect(m_export, &QPushButton::clicked, this,
            [this] { m_logic.OnBnClickedTabDelimitedExport([this] { accept(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    installHelp(this, m_help, context);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_help);
    buttonRow->addStretch();
    buttonRow->addWidget(m_cancel);
    buttonRow->addWidget(m_export);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_group);
    layout->addLayout(buttonRow);
}
