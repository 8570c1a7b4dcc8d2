#include "widgets/CSortListCtrl.h"

#include "widgets/SortListCompare.h"

#include <QHeaderView>
#include <QSignalBlocker>

CSortListCtrl::CSortListCtrl(AppContext& context, QWidget* parent, const QString& layoutValue)
    : QTreeView(parent)
    , m_model(new SortListModel(context, this))
    , m_layoutValue(layoutValue)
{
    setModel(m_model);
    // The model's selection is the one the dialogs' logic reads.
    QItemSelectionModel* own = selectionModel();
    setSelectionModel(m_model->selection());
    delete own;

    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, m_model, &SortListModel::OnColumnClick);
    // The header flips its own triangle on a click; only the list decides it.
    connect(header(), &QHeaderView::sortIndicatorChanged, this, [this] { showSortIndicator(); });
    connect(m_model, &SortListModel::sorted, this, [this] { showSortIndicator(); });
    connect(m_model, &SortListModel::ticked, this, &CSortListCtrl::ticked);
    connect(m_model, &SortListModel::showRow, this, &CSortListCtrl::scrollToRow);
}

void CSortListCtrl::LoadColumnInfo(int columns)
{
    m_model->setColumnCount(columns);
    const std::vector<qint32> widths = ReadColumnLayout(m_layoutValue, columns);
    for (int i = 0; i < int(widths.size()) && i < header()->count(); ++i)
        if (widths[i] >= 0)
            setColumnWidth(i, widths[i]);
}

void CSortListCtrl::scrollToRow(int row)
{
    if (row >= 0 && row < m_model->rowCount())
        scrollTo(m_model->index(row, 0));
}

int CSortListCtrl::rowAt(const QPoint& point) const
{
    const QModelIndex index = indexAt(point);
    return index.isValid() ? index.row() : -1;
}

void CSortListCtrl::showSortIndicator()
{
    QHeaderView* head = header();
    const QSignalBlocker blocker(head);
    if (m_model->sortColumn() < 0) {
        head->setSortIndicatorShown(false);
        return;
    }
    head->setSortIndicatorShown(true);
    head->setSortIndicator(m_model->sortColumn(), m_model->isAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}
