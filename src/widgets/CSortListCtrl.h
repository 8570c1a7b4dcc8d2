#pragma once

#include "widgets/SortListModel.h"

#include <QString>
#include <QStringList>
#include <QTreeView>

#include <vector>

class AppContext;

// The list of the Payer List, Payee List and Data Review: a view of its own
// SortListModel (one text per column, a check box per row), sorted by the
// clicked column heading with a sort triangle in that heading, column
// widths from the profile section "ListCtrls".
//
// A cut number reads as another number, so a cell of digits and blanks (an
// ID, a key, an ABN or TFN) is never cut: its column widens to fit it,
// unless the stored layout gave that column its width. Other texts may be
// cut; pointing at a cut cell shows its whole text as a tooltip.
//
// Grid lines (setGridLines) frame every cell; the style still paints the
// cells, so a selected row keeps its highlight and its text reads in an
// active and an inactive window alike.
//
// Owner's order: create the columns (setHeaderLabels, setColumnWidth),
// LoadColumnInfo, then DeleteAllItems and AddItem per row (or fillRows),
// then SortColumn.
class CSortListCtrl : public QTreeView
{
    Q_OBJECT
public:
    explicit CSortListCtrl(
        AppContext& context, QWidget* parent = nullptr, const QString& layoutValue = QStringLiteral("1031"));

    // The rows the list shows, for the dialogs' logic.
    SortListModel& rows() { return *m_model; }
    const SortListModel& rows() const { return *m_model; }

    void setHeaderLabels(const QStringList& labels) { m_model->setHeaderLabels(labels); }
    // Records the number of columns and applies the stored widths when the
    // stored layout has that many columns.
    void LoadColumnInfo(int columns);
    int columnCount() const { return m_model->columnCount(); }

    // Appends a row; -1 (nothing added) unless there is one text per column.
    int AddItem(const QStringList& texts) { return m_model->AddItem(texts); }
    // Every row at once: one reset of the view.
    bool fillRows(std::vector<QStringList> rows) { return m_model->fillRows(std::move(rows)); }
    void DeleteAllItems() { m_model->DeleteAllItems(); }
    // Does nothing while a payee is being added.
    void SortColumn(int column, bool ascending) { m_model->SortColumn(column, ascending); }
    // A click on a column heading.
    void OnColumnClick(int column) { m_model->OnColumnClick(column); }

    int sortColumn() const { return m_model->sortColumn(); }
    bool isAscending() const { return m_model->isAscending(); }

    int rowCount() const { return m_model->rowCount(); }
    QString rowText(int row, int column) const { return m_model->rowText(row, column); }
    bool isChecked(int row) const { return m_model->isChecked(row); }
    void setChecked(int row, bool checked) { m_model->setChecked(row, checked); }
    // Rows with check boxes (on by default); call before adding rows.
    void setCheckBoxes(bool on) { m_model->setCheckBoxes(on); }
    // A light line around every cell (off by default).
    void setGridLines(bool on);
    void scrollToRow(int row);
    // The row under a point of the viewport; -1 below the last row.
    int rowAt(const QPoint& point) const;
    // The cell's whole text when its column is too narrow to show it; empty
    // when it fits.
    QString cutText(int row, int column) const;

signals:
    // The user ticked or unticked a row's box.
    void ticked(int row, bool checked);

protected:
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showSortIndicator();
    // The width a cell needs to show its text whole, check box and margins
    // included.
    int neededWidth(const QModelIndex& index) const;
    // Widens the columns whose numbers in rows first to last do not fit.
    void fitNumbers(int first, int last);

    SortListModel* m_model;
    QString m_layoutValue;
    std::vector<bool> m_storedWidth; // by column: the width is the stored layout's
    bool m_gridLines = false;
};
