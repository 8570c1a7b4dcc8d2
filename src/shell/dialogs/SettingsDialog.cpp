#include "shell/dialogs/SettingsDialog.h"

#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct FolderRow {
    SettingsFolder which;
    const char* caption;
    const char* edit;
    const char* editTip;
    const char* button;
    const char* buttonName;
    const char* buttonTip;
};

const FolderRow kFolderRows[4] = {
    {SettingsFolder::Reports, "Default folder for Report .vkrd files:", "reportsFolder",
     "Displays current preferred location for Report files (vkrd)", "Browse 1 ", "browse1",
     "Click to select a new folder for Report files (vkrd)"},
    {SettingsFolder::Lodgement, "Default folder for VESK.A01 and related files:", "lodgementFolder",
     "Displays current preferred location for generated VESK.A01 files (A01)", "Browse 2", "browse2",
     "Click to select a new folder for VESK.A01 files (A01)"},
    {SettingsFolder::PayerList, "Folder for PayerList.mpl file:", "payerListFolder",
     "Displays current preferred location for the PayerList file", "Browse 3", "browse3",
     "Click to select a new folder for the PayerList file"},
    {SettingsFolder::Pdf, "Default folder where PDF Payment Summaries are saved:", "pdfFolder",
     "Displays current preferred location for generated PDF Payment Summaries (pdf)", "Browse 4", "browse4",
     "Click to select a new folder for PDF Payment Summaries (pdf)"},
};

QPushButton* makeButton(const QString& text, const char* name, const char* tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    CToolTipCtrlExt::AddToolForControl(QString::fromLatin1(tip), button);
    return button;
}

} // namespace

CSettings::CSettings(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context), m_logic(context)
{
    setWindowTitle(QStringLiteral("Quillastrand - Preferences"));
    setApplicationIcon(this);
    setMinimumSize(600, 560);
    m_logic.init();

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Preferences"), this);
    title->setObjectName(QStringLiteral("title"));
    title->setAlignment(Qt::AlignCenter);
    title->setFont(QFont(QStringLiteral("Tahoma"), 14));
    layout->addWidget(title);
    layout->addSpacing(16);

    auto* folders = new QGridLayout;
    int row = 0;
    for (int i = 0; i < 4; ++i) {
        const FolderRow& f = kFolderRows[i];
        auto* caption = new QLabel(QString::fromLatin1(f.caption), this);
        setBlue(caption);
        folders->addWidget(caption, row++, 0, 1, 2);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(f.edit));
        edit->setReadOnly(true);
        CToolTipCtrlExt::AddToolForControl(QString::fromLatin1(f.editTip), edit);
        m_folders[i] = edit;
        QPushButton* browse = makeButton(QString::fromLatin1(f.button), f.buttonName, f.buttonTip, this);
        connect(browse, &QPushButton::clicked, this, [this, which = f.which] { OnBnClickedBrowse(which); });
        folders->addWidget(edit, row, 0);
        folders->addWidget(browse, row++, 1);
        folders->setRowMinimumHeight(row++, 12);
    }
    layout->addLayout(folders);
    layout->addSpacing(16);

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Default Allowances List"), this), 0, 0);
    QPushButton* setAllowances =
        makeButton(QStringLiteral("Set"), "setAllowances", "Click to set frequently used Allowances", this);
    lists->addWidget(setAllowances, 0, 1);
    lists->addWidget(new QLabel(QStringLiteral("Default Organisations List"), this), 1, 0);
    QPushButton* setOrganisations =
        makeButton(QStringLiteral("Set"), "setOrganisations", "Click to set frequently used Organisations", this);
    lists->addWidget(setOrganisations, 1, 1);
    lists->setColumnStretch(2, 1);
    layout->addLayout(lists);
    connect(setAllowances, &QPushButton::clicked, this, [this] { m_logic.setAllowances(); });
    connect(setOrganisations, &QPushButton::clicked, this, [this] { m_logic.setOrganisations(); });

    m_printZero = new QCheckBox(QStringLiteral("Print $0 on Payment Summaries"), this);
    m_printZero->setObjectName(QStringLiteral("printZero"));
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Untick if you do not want Zeroes printed on Payment Summaries"),
                                       m_printZero);
    m_checkUpdates = new QCheckBox(QStringLiteral("Check for Updates on Startup"), this);
    m_checkUpdates->setObjectName(QStringLiteral("checkUpdates"));
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Untick if you do not want to check for updates each time Quillastrand starts"), m_checkUpdates);
    m_printZero->setChecked(m_logic.printZeroTicked());
    m_checkUpdates->setChecked(m_logic.checkUpdatesTicked());
    connect(m_printZero, &QCheckBox::clicked, this, [this] { m_logic.togglePrintZero(); });
    connect(m_checkUpdates, &QCheckBox::clicked, this, [this] { m_logic.toggleCheckUpdates(); });
    layout->addWidget(m_printZero);
    layout->addWidget(m_checkUpdates);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* help = makeButton(QStringLiteral("Help"), "help", "Click to open online help in browser window", this);
    QPushButton* cancel =
        makeButton(QStringLiteral("Cancel"), "cancel", "Click to close this dialog without saving any changes", this);
    QPushButton* save = makeButton(QStringLiteral("Save"), "save", "Click to close this dialog and save any changes", this);
    save->setDefault(true);
    buttons->addWidget(help);
    buttons->addWidget(cancel);
    buttons->addWidget(save);
    layout->addLayout(buttons);
    installHelp(this, help, context);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &CSettings::OnBnClickedSave);

    showFolders();
}

void CSettings::showFolders()
{
    for (int i = 0; i < 4; ++i)
        m_folders[i]->setText(m_logic.folder(kFolderRows[i].which));
}

void CSettings::OnBnClickedBrowse(SettingsFolder which)
{
    if (m_logic.browse(which))
        showFolders();
}

void CSettings::OnBnClickedSave()
{
    if (m_logic.save())
        accept();
}
