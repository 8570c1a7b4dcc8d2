#pragma once

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QString>
#include <QStringList>

#include <vector>

class AppContext;

// The rows of a sortable list in the order shown: one text per column and
// a tick per row. The list control shows them; the dialogs' logic reads and
// changes them here, so it runs and is tested without a window.
//
// Owner's order: setColumnCount (or the control's LoadColumnInfo), then
// DeleteAllItems and AddItem per row, or fillRows at once, then SortColumn.
class SortListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit SortListModel(AppContext& context, QObject* parent = nullptr);

    void setColumnCount(int columns) { m_columnCount = columns; }
    int columnCount() const { return m_columnCount; }
    void setHeaderLabels(const QStringList& labels);
    // Rows with a tick box (on by default).
    void setCheckBoxes(bool on) { m_checkBoxes = on; }
    bool hasCheckBoxes() const { return m_checkBoxes; }

    // Appends an unticked row; -1 (nothing added) unless there is one text
    // per column.
    int AddItem(const QStringList& texts);
    // Replaces every row at once, unticked, in the order given. False, and
    // nothing changed, unless every row has one text per column.
    bool fillRows(std::vector<QStringList> rows);
    void DeleteAllItems();

    int rowCount() const { return int(m_rows.size()); }
    // Empty outside the rows and columns.
    QString rowText(int row, int column) const;
    const std::vector<QStringList>& rows() const { return m_rows; }

    bool isChecked(int row) const;
    // Ticks set here are the program's: they do not signal `ticked`.
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    std::vector<int> checkedRows() const;

    // The highlighted rows, top to bottom; the control shares this selection.
    QItemSelectionModel* selection() { return &m_selection; }
    std::vector<int> selectedRows() const;
    void selectRow(int row);

    // Does nothing while a payee is being added; otherwise remembers the
    // sort for every list and orders the rows, ticks and selection with them.
    void SortColumn(int column, bool ascending);
    // A click on a column heading: the sorted column flips, another starts
    // ascending.
    void OnColumnClick(int column);
    // The rows were filled in this order already: the heading says so; no
    // row moves.
    void setFilledOrder(int column, bool ascending);
    int sortColumn() const { return m_sortColumn; }
    bool isAscending() const { return m_ascending; }

    // Asks the control to scroll the row into view.
    void ensureVisible(int row);

    // QAbstractItemModel.
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The user ticked or unticked a row's box.
    void ticked(int row, bool checked);
    void sorted(int column, bool ascending);
    void showRow(int row);

private:
    bool validRow(int row) const { return row >= 0 && row < int(m_rows.size()); }

    AppContext& m_context;
    int m_columnCount = 0;
    QStringList m_labels;
    bool m_checkBoxes = true;
    std::vector<QStringList> m_rows;
    std::vector<char> m_checked;
    QItemSelectionModel m_selection;
    int m_sortColumn = -1;
    bool m_ascending = true;
};
