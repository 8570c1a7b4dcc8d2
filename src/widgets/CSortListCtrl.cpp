#include "widgets/CSortListCtrl.h"

#include "widgets/SortListCompare.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <vector>

namespace {

// A row keeps its own copy of its texts: sorting reads these.
class SortRow : public QTreeWidgetItem {
public:
    explicit SortRow(const QStringList& texts) : QTreeWidgetItem(texts), cells(texts) {}
    QStringList cells;
};

} // namespace

CSortListCtrl::CSortListCtrl(AppContext& context, QWidget* parent, const QString& layoutValue)
    : QTreeWidget(parent), m_context(context), m_layoutValue(layoutValue)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, &CSortListCtrl::OnColumnClick);
    // The header flips its own triangle on a click; only the list decides it.
    connect(header(), &QHeaderView::sortIndicatorChanged, this, [this] { showSortIndicator(); });
}

void CSortListCtrl::LoadColumnInfo(int columns)
{
    m_columnCount = columns;
    const std::vector<qint32> widths = ReadColumnLayout(m_layoutValue, columns);
    for (int i = 0; i < int(widths.size()) && i < QTreeWidget::columnCount(); ++i)
        if (widths[i] >= 0)
            setColumnWidth(i, widths[i]);
}

int CSortListCtrl::AddItem(const QStringList& texts)
{
    if (m_columnCount < 1 || texts.size() != m_columnCount)
        return -1;
    auto* row = new SortRow(texts);
    if (m_checkBoxes) {
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Unchecked);
    }
    addTopLevelItem(row);
    return topLevelItemCount() - 1;
}

void CSortListCtrl::DeleteAllItems()
{
    clear();
}

void CSortListCtrl::SortColumn(int column, bool ascending)
{
    if (!SortAllowed(m_context))
        return;
    m_sortColumn = column;
    m_ascending = ascending;
    RememberSort(m_context, column, ascending);
    showSortIndicator();

    const int n = topLevelItemCount();
    std::vector<QStringList> cells;
    cells.reserve(n);
    for (int i = 0; i < n; ++i)
        cells.push_back(static_cast<SortRow*>(topLevelItem(i))->cells);
    const std::vector<int> order = SortedRowOrder(cells, column, ascending);

    QTreeWidgetItem* current = currentItem();
    std::vector<QTreeWidgetItem*> items;
    items.reserve(n);
    for (int i = n - 1; i >= 0; --i)
        items.push_back(takeTopLevelItem(i));
    std::reverse(items.begin(), items.end());
    QList<QTreeWidgetItem*> sorted;
    for (const int index : order)
        sorted.append(items[index]);
    addTopLevelItems(sorted);
    if (current)
        setCurrentItem(current);
}

void CSortListCtrl::OnColumnClick(int column)
{
    SortColumn(column, ClickDirection(column, m_sortColumn, m_ascending));
}

QString CSortListCtrl::rowText(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

bool CSortListCtrl::isChecked(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->checkState(0) == Qt::Checked;
}

void CSortListCtrl::setChecked(int row, bool checked)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void CSortListCtrl::showSortIndicator()
{
    QHeaderView* head = header();
    const QSignalBlocker blocker(head);
    if (m_sortColumn < 0) {
        head->setSortIndicatorShown(false);
        return;
    }
    head->setSortIndicatorShown(true);
    head->setSortIndicator(m_sortColumn, m_ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}
