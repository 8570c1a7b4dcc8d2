#include "widgets/SortListModel.h"

#include "widgets/SortListCompare.h"

#include <algorithm>

SortListModel::SortListModel(AppContext& context, QObject* parent)
    : QAbstractTableModel(parent)
    , m_context(context)
    , m_selection(this)
{
}

void SortListModel::setHeaderLabels(const QStringList& labels)
{
    m_labels = labels;
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, int(labels.size()) - 1));
}

int SortListModel::AddItem(const QStringList& texts)
{
    if (m_columnCount < 1 || texts.size() != m_columnCount)
        return -1;
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back(texts);
    m_checked.push_back(0);
    endInsertRows();
    return row;
}

bool SortListModel::fillRows(std::vector<QStringList> rows)
{
    if (m_columnCount < 1)
        return false;
    for (const QStringList& row : rows)
        if (row.size() != m_columnCount)
            return false;
    beginResetModel();
    m_rows = std::move(rows);
    m_checked.assign(m_rows.size(), 0);
    endResetModel();
    return true;
}

void SortListModel::DeleteAllItems()
{
    beginResetModel();
    m_rows.clear();
    m_checked.clear();
    endResetModel();
}

QString SortListModel::rowText(int row, int column) const
{
    if (!validRow(row) || column < 0 || column >= m_rows[row].size())
        return QString();
    return m_rows[row].at(column);
}

bool SortListModel::isChecked(int row) const
{
    return validRow(row) && m_checked[row];
}

void SortListModel::setChecked(int row, bool checked)
{
    if (!validRow(row) || bool(m_checked[row]) == checked)
        return;
    m_checked[row] = checked;
    emit dataChanged(index(row, 0), index(row, 0), { Qt::CheckStateRole });
}

void SortListModel::setAllChecked(bool checked)
{
    if (m_rows.empty())
        return;
    std::fill(m_checked.begin(), m_checked.end(), char(checked));
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::CheckStateRole });
}

std::vector<int> SortListModel::checkedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < rowCount(); ++row)
        if (m_checked[row])
            rows.push_back(row);
    return rows;
}

std::vector<int> SortListModel::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_selection.selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SortListModel::selectRow(int row)
{
    if (validRow(row))
        m_selection.select(index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void SortListModel::SortColumn(int column, bool ascending)
{
    if (!SortAllowed(m_context))
        return;
    m_sortColumn = column;
    m_ascending = ascending;
    RememberSort(m_context, column, ascending);
    emit sorted(column, ascending);

    const std::vector<int> order = SortedRowOrder(m_rows, column, ascending);
    // A permutation, not a reset: ticks, selection and the current row go
    // with their rows.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<QStringList> rows;
    std::vector<char> checked;
    rows.reserve(order.size());
    checked.reserve(order.size());
    std::vector<int> newPlace(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        rows.push_back(std::move(m_rows[order[i]]));
        checked.push_back(m_checked[order[i]]);
        newPlace[order[i]] = int(i);
    }
    m_rows = std::move(rows);
    m_checked = std::move(checked);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newPlace[old.row()], old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void SortListModel::OnColumnClick(int column)
{
    SortColumn(column, ClickDirection(column, m_sortColumn, m_ascending));
}

void SortListModel::setFilledOrder(int column, bool ascending)
{
    m_sortColumn = column;
    m_ascending = ascending;
    emit sorted(column, ascending);
}

void SortListModel::ensureVisible(int row)
{
    if (validRow(row))
        emit showRow(row);
}

int SortListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rowCount();
}

int SortListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max<int>(m_columnCount, m_labels.size());
}

QVariant SortListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !validRow(index.row()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return rowText(index.row(), index.column());
    case Qt::CheckStateRole:
        if (m_checkBoxes && index.column() == 0)
            return m_checked[index.row()] ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool SortListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !m_checkBoxes || index.column() != 0 || !validRow(index.row()))
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    if (bool(m_checked[index.row()]) == checked)
        return true;
    setChecked(index.row(), checked);
    emit ticked(index.row(), checked);
    return true;
}

Qt::ItemFlags SortListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkBoxes && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant SortListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_labels.size())
        return m_labels.at(section);
    return {};
}
