#include "shell/dialogs/YearDialogs.h"

#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont headingFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(14);
    return font;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("headingLabel"));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(headingFont());
    return label;
}

} // namespace

CDateSet1::CDateSet1(AppContext& context, QWidget* parent) : QDialog(parent), m_logic(context)
{
    setObjectName(QStringLiteral("CDateSet1"));
    setWindowTitle(QStringLiteral("Quillastrand - Choose Year"));
    setApplicationIcon(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(QStringLiteral("Select a Year ended 30 June for this File"), this));
    m_years = new QComboBox(this);
    m_years->setObjectName(QStringLiteral("yearList"));
    m_years->addItems(YearListItems());
    m_years->setCurrentIndex(m_years->findText(m_logic.initialSelection()));
    m_years->setEnabled(m_logic.listEnabled());
    layout->addWidget(m_years, 0, Qt::AlignHCenter);

    const HelpCancelOkRow buttons
        = makeHelpCancelOkRow(this, QStringLiteral("Click to close this dialog and save any changes"));
    layout->addLayout(buttons.row);

    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Select a Year ended 30 June for this File"), m_years);
    installHelp(this, buttons.help, context);
    connect(buttons.ok, &QPushButton::clicked, this, &CDateSet1::OnBnClickedOk);
}

void CDateSet1::OnBnClickedOk()
{
    if (m_logic.OnBnClickedOk(m_years->currentIndex() >= 0 ? m_years->currentText() : QString()))
        accept();
}

ChangeYear::ChangeYear(AppContext& context, QWidget* parent) : QDialog(parent), m_logic(context)
{
    setObjectName(QStringLiteral("ChangeYear"));
    setWindowTitle(QStringLiteral("Quillastrand - Choose a new Year"));
    setApplicationIcon(this);
    m_logic.OnInitDialog();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(QStringLiteral("Changing the Year ended 30 June for this Report"), this));
    for (const QString& text :
         {QStringLiteral("Once a Year is set, it cannot and should not normally be changed. "),
          QStringLiteral("This feature has been added to allow users who want to user last year's file as a starting "
                         "point for this year's file."),
          QStringLiteral("Alternatively you could click Cancel and no changes will be made. You could then export all "
                         "Payees to a spreadsheet, update all dates and amounts, create a new Report with the new "
                         "Year, then import all the Payees.")}) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* note = new QLabel(QString(kChangeYearText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    note->setObjectName(QStringLiteral("changeYearNote"));
    note->setWordWrap(true);
    layout->addWidget(note);

    // Help does nothing in this dialog.
    const HelpCancelOkRow buttons
        = makeHelpCancelOkRow(this, QStringLiteral("Click to choose a new Year for this Report"));
    layout->addLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(480);
}

int ChangeYear::run()
{
    const int result = exec();
    if (result == QDialog::Accepted)
        m_logic.OnBnClickedOk();
    return result;
}
