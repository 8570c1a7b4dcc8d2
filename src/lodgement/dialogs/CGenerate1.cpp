#include "lodgement/dialogs/CGenerate1.h"

#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QDate>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(const QString& caption, const QString& name, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumHeight(44);
    CToolTipCtrlExt::AddToolForControl(tip, button);
    return button;
}

} // namespace

CGenerate1::CGenerate1(AppContext& context, PdfServices& pdf, QWidget* parent)
    : QDialog(parent), m_logic(context, pdf)
{
    setWindowTitle(QStringLiteral("Quillastrand - Generate Files"));
    setApplicationIcon(this);

    m_title = new QLabel(QStringLiteral("Generate Files"), this);
    m_title->setObjectName(QStringLiteral("title"));
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPointSize(14);
    m_title->setFont(titleFont);

    auto* psDateLabel = new QLabel(QStringLiteral("PS Date:"), this);
    psDateLabel->setObjectName(QStringLiteral("psDateLabel"));
    m_psDate = new QDateEdit(QDate::currentDate(), this);
    m_psDate->setObjectName(QStringLiteral("psDate"));
    m_psDate->setCalendarPopup(true);
    m_psDate->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    psDateLabel->setBuddy(m_psDate);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Select the Date to appear on the Payment Summaries"), m_psDate);

    m_veskA01File = makeButton(QStringLiteral("VESK.A01 File"), QStringLiteral("veskA01File"),
                               QStringLiteral("Click here to Generate the VESK.A01 file that you upload to the ATO"),
                               this);
    m_summary = makeButton(QStringLiteral("Summary of \nVESK.A01 File"), QStringLiteral("summary"),
                           QStringLiteral("Click here to Generate a Summary.txt of all the data in the VESK.A01 file"),
                           this);
    m_atoMediaForm = makeButton(
        QStringLiteral("ATO Media Form"), QStringLiteral("atoMediaForm"),
        QStringLiteral("Click here to Generate the required Media Form when sending the VESK.A01 by post to the ATO"),
        this);
    m_paymentSummaries = makeButton(
        QStringLiteral("Payment Summaries"), QStringLiteral("paymentSummaries"),
        QStringLiteral("Click here to Generate the PDF Payment Summaries to provide to the Payees"), this);
    m_help = makeButton(QStringLiteral("Help"), QStringLiteral("help"),
                        QStringLiteral("Click to open online help in browser window"), this);
    m_close = makeButton(QStringLiteral("Close"), QStringLiteral("close"), QStringLiteral("Click to close this dialog"),
                         this);
    m_help->setMinimumHeight(0);
    m_close->setMinimumHeight(0);

    m_paymentSummaries->setEnabled(m_logic.paymentSummariesEnabled());
    // The media form is produced only by its command: the button stays
    // hidden and disabled.
    m_atoMediaForm->setEnabled(false);
    m_atoMediaForm->setVisible(false);
    // The date on payment summaries is asked for when they are made: the
    // picker here stays hidden and disabled.
    psDateLabel->setEnabled(false);
    psDateLabel->setVisible(false);
    m_psDate->setEnabled(false);
    m_psDate->setVisible(false);

    connect(m_veskA01File, &QPushButton::clicked, this, [this] { m_logic.OnBnClickedVeskA01File(); });
    connect(m_summary, &QPushButton::clicked, this, [this] { m_logic.OnBnClickedSummary(); });
    connect(m_atoMediaForm, &QPushButton::clicked, this, [this] { m_logic.OnBnClickedAtoMediaForm(); });
    connect(m_paymentSummaries, &QPushButton::clicked, this, [this] { m_logic.OnBnClickedPaymentSummaries(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    installHelp(this, m_help, context);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(psDateLabel);
    dateRow->addWidget(m_psDate);
    dateRow->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(m_veskA01File, 0, 0);
    grid->addWidget(m_summary, 0, 1);
    grid->addWidget(m_atoMediaForm, 1, 0);
    grid->addWidget(m_paymentSummaries, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_help);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(dateRow);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}
