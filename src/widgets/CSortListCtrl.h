#pragma once

#include <QString>
#include <QStringList>
#include <QTreeWidget>

class AppContext;

// The list of the Payer List, Payee List and Data Review: one text per
// column, a check box per row, sorted by the clicked column heading (the
// comparison of SortListCompare.h) with a sort triangle in that heading,
// column widths from the profile section "ListCtrls".
//
// Owner's order: create the columns (setHeaderLabels, setColumnWidth),
// LoadColumnInfo, then DeleteAllItems, AddItem per row, SortColumn.
class CSortListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CSortListCtrl(AppContext& context, QWidget* parent = nullptr,
                           const QString& layoutValue = QStringLiteral("1031"));

    // Records the number of columns and applies the stored widths when the
    // stored layout has that many columns.
    void LoadColumnInfo(int columns);
    int columnCount() const { return m_columnCount; }

    // Appends a row; -1 (nothing added) unless there is one text per column.
    int AddItem(const QStringList& texts);
    void DeleteAllItems();
    // Does nothing while a payee is being added.
    void SortColumn(int column, bool ascending);
    // A click on a column heading.
    void OnColumnClick(int column);

    int sortColumn() const { return m_sortColumn; }
    bool isAscending() const { return m_ascending; }

    int rowCount() const { return topLevelItemCount(); }
    QString rowText(int row, int column) const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    // Rows with check boxes (on by default); call before adding rows.
    void setCheckBoxes(bool on) { m_checkBoxes = on; }

private:
    void showSortIndicator();

    AppContext& m_context;
    QString m_layoutValue;
    int m_columnCount = 0;
    int m_sortColumn = -1;
    bool m_ascending = true;
    bool m_checkBoxes = true;
};
