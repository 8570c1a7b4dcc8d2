#include "checks/dialogs/CDataReview1.h"

#include "payees/PayeeListForm.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "widgets/CSortListCtrl.h"
#include "widgets/DialogKit.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& text, const QString& objectName, const QString& tip, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        CToolTipCtrlExt::AddToolForControl(tip, b);
    return b;
}

QLineEdit* countBox(const QString& objectName, const QString& tip, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setMaximumWidth(90);
    CToolTipCtrlExt::AddToolForControl(tip, box);
    return box;
}

} // namespace

CDataReview1::CDataReview1(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_list(new CSortListCtrl(context, this))
    , m_form(context, m_list->rows())
{
    setWindowTitle(QStringLiteral("Quillastrand - Payee Data Review"));
    setApplicationIcon(this);

    auto* heading = new QLabel(QStringLiteral("Payee Data Review - All Payees must show Checked = Yes"), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(QFont(QStringLiteral("Tahoma"), 14));

    m_list->setObjectName(QStringLiteral("reviewList"));
    QStringList captions;
    for (const DataReviewColumn& column : kDataReviewColumns)
        captions << QString::fromLatin1(column.caption);
    m_list->setHeaderLabels(captions);
    const int dpi = logicalDpiX();
    for (int c = 0; c < int(kDataReviewColumns.size()); ++c)
        m_list->setColumnWidth(c, ScaledListColumnWidth(kDataReviewColumns[c].baseWidth, dpi));
    m_list->LoadColumnInfo(int(kDataReviewColumns.size()));
    // Grid lines and a tick box per row; a click selects a cell, not the row.
    m_list->setGridLines(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectItems);

    m_count = countBox(QStringLiteral("count"), QStringLiteral("Displays total number of Payees"), this);
    m_checked
        = countBox(QStringLiteral("checked"), QStringLiteral("Displays number of Payees where Checked = Yes"), this);
    m_a01FileOnly = new QCheckBox(QStringLiteral("I do not need Payment Summaries - VESK.A01 file only"), this);
    m_a01FileOnly->setObjectName(QStringLiteral("a01FileOnly"));
    m_a01FileOnly->setEnabled(false);

    auto* checkPayee = button(QStringLiteral("Check Payee"), QStringLiteral("checkPayee"),
                              QStringLiteral("Click to open selected Payee to Save and set Checked to Yes"), this);
    auto* checkAll = button(QStringLiteral("Check All"), QStringLiteral("checkAll"), QString(), this);
    auto* help = button(QStringLiteral("Help"), QStringLiteral("help"),
                        QStringLiteral("Click to open online help in browser window"), this);
    auto* close
        = button(QStringLiteral("Close"), QStringLiteral("close"), QStringLiteral("Click to close this dialog"), this);

    auto* counts = new QHBoxLayout;
    counts->addStretch(1);
    counts->addWidget(new QLabel(QStringLiteral("Count"), this));
    counts->addWidget(m_count);
    counts->addWidget(new QLabel(QStringLiteral("Checked"), this));
    counts->addWidget(m_checked);
    auto* side = new QVBoxLayout;
    side->addWidget(checkPayee);
    side->addWidget(checkAll);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(help);
    bottom->addWidget(m_a01FileOnly);
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(middle, 1);
    layout->addLayout(counts);
    layout->addLayout(bottom);
    resize(860, 520);

    connect(checkPayee, &QPushButton::clicked, this, [this] {
        m_form.OnBnClickedCheckPayee();
        if (m_form.rowToShow() >= 0)
            m_list->scrollToRow(m_form.rowToShow());
        showState();
    });
    connect(checkAll, &QPushButton::clicked, this, [this] {
        WaitCursor wait(m_context.ui);
        m_form.OnBnClickedCheckAll();
        showState();
    });
    connect(close, &QPushButton::clicked, this, &CDataReview1::OnBnClickedClose);
    installHelp(this, help, context);

    {
        const QSignalBlocker guard(m_list);
        m_form.open();
    }
    showState();
}

void CDataReview1::showState()
{
    m_a01FileOnly->setChecked(m_form.a01FileOnlyBox());
    m_count->setText(m_context.report().payeeCountText);
    m_checked->setText(IntToString(m_context.report().payeesChecked));
}

void CDataReview1::OnBnClickedClose()
{
    {
        const QSignalBlocker guard(m_list);
        m_list->setUpdatesEnabled(false);
        m_list->DeleteAllItems();
        m_list->setUpdatesEnabled(true);
    }
    // The main form refreshes itself when this dialog returns.
    QDialog::reject();
}

void CDataReview1::reject()
{
    OnBnClickedClose();
}
