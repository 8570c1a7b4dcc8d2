#include "payers/dialogs/FileRefDialog.h"

#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFileRef1::CFileRef1(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_details(context)
{
    setWindowTitle(QStringLiteral("Quillastrand - Supplier File Reference"));
    setApplicationIcon(this);

    auto* heading = new QLabel(QStringLiteral("Enter an optional File Reference for this Report"), this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    heading->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(14);
    heading->setFont(font);

    auto* note = new QLabel(kFileRefAtoNote, this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setWordWrap(true);

    auto* label = new QLabel(QStringLiteral("Supplier's File Ref:"), this);
    m_reference = new QLineEdit(this);
    m_reference->setObjectName(QStringLiteral("fileReference"));
    label->setBuddy(m_reference);

    const HelpCancelOkRow buttons
        = makeHelpCancelOkRow(this, QStringLiteral("Click to close this dialog and save any changes"));
    // Here Enter presses Help or Cancel when it has the focus.
    buttons.help->setAutoDefault(true);
    buttons.cancel->setAutoDefault(true);

    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Enter an optional File Reference for this Report"), m_reference);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_reference, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(note);
    layout->addLayout(row);
    layout->addLayout(buttons.row);

    m_details.OnInitDialog();
    m_reference->setText(m_details.reference);

    installHelp(this, buttons.help, context);
    connect(buttons.ok, &QPushButton::clicked, this, &CFileRef1::OnBnClickedOk);
}

void CFileRef1::OnBnClickedOk()
{
    m_details.reference = m_reference->text();
    if (m_details.OnBnClickedOk())
        accept();
}
