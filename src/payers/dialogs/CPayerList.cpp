#include "payers/dialogs/CPayerList.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "widgets/CSortListCtrl.h"
#include "widgets/DialogKit.h"

#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace
{

QPushButton* button(const QString& text, const QString& objectName, const QString& tip, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    CToolTipCtrlExt::AddToolForControl(tip, b);
    return b;
}

} // namespace

CPayerList::CPayerList(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_form(context)
{
    // The file is reread each time the dialog opens.
    m_form.load();

    setWindowTitle(QStringLiteral("Quillastrand - Payer List"));
    setApplicationIcon(this);

    auto* heading = new QLabel(QStringLiteral("Payer List - Select a Payer for this Report"), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(QFont(QStringLiteral("Tahoma"), 14));

    m_list = new CSortListCtrl(context, this);
    m_list->setObjectName(QStringLiteral("payerList"));
    m_list->setHeaderLabels({ QStringLiteral("Key"), QStringLiteral("Ref"), QStringLiteral("Legal Name"),
        QStringLiteral("Trading Name"), QStringLiteral("ABN") });
    const int widths[] = { 130, 80, 230, 230, 100 };
    for (int c = 0; c < 5; ++c)
        m_list->setColumnWidth(c, widths[c]);
    // Grid lines between the cells.
    m_list->setGridLines(true);
    m_list->LoadColumnInfo(5);

    auto* add = button(QStringLiteral("Add"), QStringLiteral("add"),
        QStringLiteral("Click here to Add a new Payer to the PayerList"), this);
    auto* remove = button(QStringLiteral("Remove"), QStringLiteral("remove"),
        QStringLiteral("Click here to Remove the selected Payer from the PayerList"), this);
    auto* edit = button(QStringLiteral("Edit"), QStringLiteral("edit"),
        QStringLiteral("Click here to Edit the details of the selected Payer"), this);
    auto* exportButton = button(QStringLiteral("Export"), QStringLiteral("export"),
        QStringLiteral("Click here to Export the PayerList to a file"), this);
    auto* importButton = button(QStringLiteral("Import"), QStringLiteral("import"),
        QStringLiteral("Click here to Import a new PayerList from a file"), this);
    auto* help = button(QStringLiteral("Help"), QStringLiteral("help"),
        QStringLiteral("Click to open online help in browser window"), this);
    auto* close
        = button(QStringLiteral("Close"), QStringLiteral("close"), QStringLiteral("Click to close this dialog"), this);
    auto* select = button(QStringLiteral("Select for Report"), QStringLiteral("selectForReport"),
        QStringLiteral("Click to close this dialog and set the selected Payer as Payer for this Report"), this);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : { add, remove, edit, exportButton, importButton })
        side->addWidget(b);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(help);
    bottom->addStretch(1);
    bottom->addWidget(close);
    bottom->addWidget(select);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    resize(920, 420);

    connect(add, &QPushButton::clicked, this, &CPayerList::OnBnClickedAdd);
    connect(remove, &QPushButton::clicked, this, &CPayerList::OnBnClickedRemove);
    connect(edit, &QPushButton::clicked, this, &CPayerList::OnBnClickedEdit);
    connect(select, &QPushButton::clicked, this, &CPayerList::OnBnClickedSelectForReport);
    connect(close, &QPushButton::clicked, this, &CPayerList::OnBnClickedClose);
    connect(exportButton, &QPushButton::clicked, this, &CPayerList::OnBnClickedExport);
    connect(importButton, &QPushButton::clicked, this, &CPayerList::OnBnClickedImport);
    connect(m_list, &CSortListCtrl::ticked, this, &CPayerList::OnTicked);
    installHelp(this, help, context);

    RefreshPayerList();
    m_form.showHintOnce();
}

void CPayerList::RefreshPayerList()
{
    m_form.refresh();
    showRows();
}

void CPayerList::showRows()
{
    const QSignalBlocker guard(m_list);
    std::vector<QStringList> rows;
    rows.reserve(m_form.rows().size());
    for (const PayerListRow& row : m_form.rows())
        rows.push_back({ row.key, row.ref, row.name, row.tradingName, row.abn });
    m_list->fillRows(std::move(rows));
    for (int i = 0; i < int(m_form.rows().size()); ++i)
        m_list->setChecked(i, m_form.rows()[i].checked);
    m_list->SortColumn(PayerListForm::kSortColumn, true);
    for (int i = 1; i < m_list->rowCount(); ++i) {
        if (m_list->isChecked(i))
            m_list->scrollToRow(i);
    }
    m_list->setEnabled(true);
}

void CPayerList::OnTicked(int row, bool checked)
{
    if (!m_form.tickByKey(m_list->rowText(row, 0), checked))
        return;
    // Mirror the single tick the form keeps.
    const QSignalBlocker guard(m_list);
    for (int i = 0; i < m_list->rowCount(); ++i) {
        const QString rowKey = m_list->rowText(i, 0);
        for (const PayerListRow& row : m_form.rows()) {
            if (row.key == rowKey)
                m_list->setChecked(i, row.checked);
        }
    }
}

void CPayerList::OnBnClickedAdd()
{
    m_form.add();
    showRows();
}

void CPayerList::OnBnClickedRemove()
{
    m_form.remove();
    showRows();
}

void CPayerList::OnBnClickedEdit()
{
    m_form.edit();
    showRows();
}

void CPayerList::OnBnClickedSelectForReport()
{
    if (m_form.selectForReport())
        done(0);
}

void CPayerList::OnBnClickedClose()
{
    WaitCursor wait(m_context.ui);
    {
        const QSignalBlocker guard(m_list);
        m_list->DeleteAllItems();
    }
    QDialog::reject();
}

void CPayerList::reject()
{
    OnBnClickedClose();
}

void CPayerList::OnBnClickedExport()
{
    m_form.exportList();
}

void CPayerList::OnBnClickedImport()
{
    m_form.importList();
    showRows();
}
