#include "pdf/dialogs/CGenSinglePay.h"

#include "pdf/dialogs/PdfDateEdit.h"
#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CGenSinglePay::CGenSinglePay(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_logic(context)
{
    setWindowTitle(QStringLiteral("Quillastrand - Generate Single Payment Summary"));
    setApplicationIcon(this);

    auto* dateLabel = new QLabel(QStringLiteral("Date to be printed on this Payment Summary:"), this);
    m_date = makePdfDateEdit(this);
    dateLabel->setBuddy(m_date);

    auto* normally = wrappedNote(
        QStringLiteral("Normally Payment Summaries for all Payees are generated at the end of the process using "
                       "the Generate Files button."),
        QStringLiteral("normallyNote"), this);
    auto* single = wrappedNote(
        QStringLiteral("The Payment Summary button on the Payee List screen enables you to generate a single "
                       "Payment Summary for the selected Payee - should you need to."),
        QStringLiteral("singleNote"), this);

    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);

    // The dialog closes with OK whatever the save dialog answered.
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_logic.OnBnClickedOk(m_date->date());
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    installHelp(this, nullptr, context);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(m_date);
    dateRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dateRow);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(normally);
    layout->addWidget(single);
    layout->addStretch();
    layout->addLayout(buttons);
}

void CGenSinglePay::reject()
{
    m_logic.OnBnClickedCancel();
    QDialog::reject();
}
