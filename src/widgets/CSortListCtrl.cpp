#include "widgets/CSortListCtrl.h"

#include "widgets/SortListCompare.h"

#include <QAbstractItemDelegate>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

namespace
{

// Digits and blanks with at least one digit: an ID, a key, an ABN or a TFN.
bool isNumber(const QString& text)
{
    bool digit = false;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 0x80)
            digit = true;
        else if (c != u' ')
            return false;
    }
    return digit;
}

const QColor kGridLine(0xd9, 0xd9, 0xd9);

// The grid is drawn here, not by an item style sheet: with one, the style
// no longer paints the selection's highlight under its highlighted text, and
// a selected row looks empty. Each cell has a one-pixel frame of its own
// around what the style paints inside it.
class GridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem inner(option);
        inner.rect = option.rect.adjusted(1, 1, -1, -1);
        QStyledItemDelegate::paint(painter, inner, index);
        painter->save();
        painter->setPen(kGridLine);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(2, 2);
    }
};

} // namespace

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
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { fitNumbers(0, m_model->rowCount() - 1); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex&, int first, int last) { fitNumbers(first, last); });
}

void CSortListCtrl::LoadColumnInfo(int columns)
{
    m_model->setColumnCount(columns);
    const std::vector<qint32> widths = ReadColumnLayout(m_layoutValue, columns);
    m_storedWidth.assign(size_t(std::max(columns, 0)), false);
    for (int i = 0; i < int(widths.size()) && i < header()->count(); ++i) {
        if (widths[i] >= 0) {
            setColumnWidth(i, widths[i]);
            m_storedWidth[size_t(i)] = true;
        }
    }
}

void CSortListCtrl::setGridLines(bool on)
{
    if (on == m_gridLines)
        return;
    m_gridLines = on;
    QAbstractItemDelegate* old = itemDelegate();
    setItemDelegate(on ? new GridDelegate(this) : new QStyledItemDelegate(this));
    delete old;
    // The frames take room: rows grow and numbers may need wider columns.
    fitNumbers(0, m_model->rowCount() - 1);
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

QString CSortListCtrl::cutText(int row, int column) const
{
    const QModelIndex index = m_model->index(row, column);
    if (!index.isValid() || neededWidth(index) <= columnWidth(column))
        return {};
    return m_model->rowText(row, column);
}

int CSortListCtrl::neededWidth(const QModelIndex& index) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QAbstractItemDelegate* delegate = itemDelegateForIndex(index);
    return delegate ? delegate->sizeHint(option, index).width() : 0;
}

void CSortListCtrl::fitNumbers(int first, int last)
{
    const QFontMetrics metrics(font());
    for (int column = 0; column < m_model->columnCount() && column < header()->count(); ++column) {
        if (column < int(m_storedWidth.size()) && m_storedWidth[size_t(column)])
            continue;
        // Only the widest number's cell is measured in full: a list of
        // thousands of payees refills at once.
        int widestRow = -1;
        int widest = -1;
        for (int row = first; row <= last; ++row) {
            const QStringList& texts = m_model->rows()[size_t(row)];
            if (column >= texts.size() || !isNumber(texts[column]))
                continue;
            const int advance = metrics.horizontalAdvance(texts[column]);
            if (advance > widest) {
                widest = advance;
                widestRow = row;
            }
        }
        if (widestRow < 0)
            continue;
        const int needed = neededWidth(m_model->index(widestRow, column));
        if (needed > columnWidth(column))
            setColumnWidth(column, needed);
    }
}

bool CSortListCtrl::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    // Only a cut cell has a tooltip, and it is the cell's whole text.
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.isValid() ? cutText(index.row(), index.column()) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
    }
    return true;
}

void CSortListCtrl::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitNumbers(0, m_model->rowCount() - 1);
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
