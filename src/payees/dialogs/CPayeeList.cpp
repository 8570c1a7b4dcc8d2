#include "payees/dialogs/CPayeeList.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "widgets/CSortListCtrl.h"
#include "widgets/DialogKit.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace
{

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

CPayeeList::CPayeeList(AppContext& context, PayeeServices& services, PdfServices& pdf, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_list(new CSortListCtrl(context, this))
    , m_form(context, m_list->rows(), services, pdf)
{
    setWindowTitle(QStringLiteral("Quillastrand - Payee List"));
    setApplicationIcon(this);

    auto* group = new MyGroupBox(QStringLiteral("Payees"), this);
    group->setObjectName(QStringLiteral("payeesGroup"));
    group->setCaptionColor(kCaptionBlue);
    auto* heading = new QLabel(QStringLiteral("Payees Included in this Report"), group);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(QFont(QStringLiteral("Tahoma"), 14));

    m_list->setParent(group);
    m_list->setObjectName(QStringLiteral("payeeList"));
    QStringList captions;
    for (const PayeeListColumn& column : kPayeeListColumnTable)
        captions << QString::fromLatin1(column.caption);
    m_list->setHeaderLabels(captions);
    const int dpi = logicalDpiX();
    for (int c = 0; c < int(kPayeeListColumnTable.size()); ++c)
        m_list->setColumnWidth(c, PayeeListColumnWidth(c, dpi));
    m_list->LoadColumnInfo(int(kPayeeListColumnTable.size()));
    // Grid lines between the cells; several rows may be highlighted for Edit.
    m_list->setGridLines(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_all = new QCheckBox(QStringLiteral("All"), group);
    m_all->setObjectName(QStringLiteral("all"));
    m_count = countBox(QStringLiteral("count"), QStringLiteral("Displays total number of Payees"), group);
    m_checked
        = countBox(QStringLiteral("checked"), QStringLiteral("Displays number of Payees where Checked = Yes"), group);
    m_a01FileOnly = new QCheckBox(QStringLiteral("I do not need Payment Summaries - VESK.A01 file only"), this);
    m_a01FileOnly->setObjectName(QStringLiteral("a01FileOnly"));

    auto* add = button(QStringLiteral("Add"), QStringLiteral("add"),
        QStringLiteral("Click here to Add one or more Payees to the Payee List"), this);
    auto* edit = button(
        QStringLiteral("Edit"), QStringLiteral("edit"), QStringLiteral("Click here to Edit the selected Payee"), this);
    auto* remove = button(QStringLiteral("Delete"), QStringLiteral("delete"),
        QStringLiteral("Click here to Delete the selected Payee"), this);
    auto* copy = button(QStringLiteral("Copy"), QStringLiteral("copy"),
        QStringLiteral("Click here to Copy the entire Payee List to the Clipboard"), this);
    auto* checkAll = button(QStringLiteral("Check All"), QStringLiteral("checkAll"), QString(), this);
    auto* unCheckAll = button(QStringLiteral("Un-Check All"), QStringLiteral("unCheckAll"), QString(), this);
    auto* totals = button(QStringLiteral("Totals"), QStringLiteral("totals"), QString(), this);
    auto* single
        = button(QStringLiteral("Single Payment Summary"), QStringLiteral("singlePaymentSummary"), QString(), this);
    auto* exportButton = button(QStringLiteral("Export"), QStringLiteral("export"), QString(), this);
    auto* help = button(QStringLiteral("Help"), QStringLiteral("help"),
        QStringLiteral("Click to open online help in browser window"), this);
    auto* close
        = button(QStringLiteral("Close"), QStringLiteral("close"), QStringLiteral("Click to close this dialog"), this);

    auto* counts = new QHBoxLayout;
    counts->addWidget(m_all);
    counts->addStretch(1);
    counts->addWidget(new QLabel(QStringLiteral("Count"), group));
    counts->addWidget(m_count);
    counts->addWidget(new QLabel(QStringLiteral("Checked"), group));
    counts->addWidget(m_checked);
    auto* inside = new QVBoxLayout(group);
    inside->addWidget(heading);
    inside->addWidget(m_list, 1);
    inside->addLayout(counts);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : { add, edit, remove, copy, checkAll, unCheckAll, totals, single, exportButton })
        side->addWidget(b);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(group, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(help);
    bottom->addWidget(m_a01FileOnly);
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    resize(920, 560);

    auto act = [this](void (PayeeListForm::*handler)()) {
        return [this, handler] {
            (m_form.*handler)();
            showState();
        };
    };
    connect(add, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedAdd));
    connect(edit, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedEdit));
    connect(remove, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedDelete));
    connect(copy, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedCopy));
    connect(checkAll, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedCheckAll));
    connect(unCheckAll, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedUnCheckAll));
    connect(totals, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedTotals));
    connect(single, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedSinglePaymentSummary));
    connect(exportButton, &QPushButton::clicked, this, act(&PayeeListForm::OnBnClickedExport));
    connect(m_a01FileOnly, &QCheckBox::clicked, this, act(&PayeeListForm::OnBnClickedA01FileOnly));
    connect(m_all, &QCheckBox::clicked, this, [this](bool ticked) {
        m_form.OnBnClickedAll(ticked);
        showState();
    });
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CPayeeList::OnDoubleClicked);
    connect(close, &QPushButton::clicked, this, &CPayeeList::OnBnClickedClose);
    installHelp(this, help, context);

    {
        WaitCursor wait(context.ui);
        const QSignalBlocker guard(m_list);
        m_form.open();
    }
    showState();
}

void CPayeeList::showState()
{
    const QSignalBlocker allGuard(m_all);
    const QSignalBlocker a01Guard(m_a01FileOnly);
    m_all->setChecked(m_form.allBox());
    m_a01FileOnly->setChecked(m_form.a01FileOnlyBox());
    m_count->setText(m_context.report().payeeCountText);
    m_checked->setText(IntToString(m_context.report().payeesChecked));
}

void CPayeeList::OnDoubleClicked(const QModelIndex& index)
{
    // The same page of rows stays in view after the rows are rebuilt.
    const int scrolled = m_list->verticalScrollBar()->value();
    if (m_form.OnNMDblclkList(index.isValid() ? index.row() : -1))
        m_list->verticalScrollBar()->setValue(scrolled);
    showState();
}

void CPayeeList::OnBnClickedClose()
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

void CPayeeList::reject()
{
    OnBnClickedClose();
}
