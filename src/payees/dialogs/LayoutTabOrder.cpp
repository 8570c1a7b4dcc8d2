#include "payees/dialogs/LayoutTabOrder.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QWidget>

#include <algorithm>
#include <tuple>

namespace
{

void walkLayout(QLayout* layout, QList<QWidget*>& stops);

void walkWidget(QWidget* widget, QList<QWidget*>& stops)
{
    if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
        // The keys go to the fields inside; the frame only follows them.
        scroll->setFocusPolicy(Qt::NoFocus);
        if (scroll->widget())
            walkWidget(scroll->widget(), stops);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && edit->isReadOnly()) {
        edit->setFocusPolicy(Qt::ClickFocus);
        return;
    }
    if (widget->focusPolicy() & Qt::TabFocus)
        stops << widget;
    if (widget->layout())
        walkLayout(widget->layout(), stops);
}

void walkLayout(QLayout* layout, QList<QWidget*>& stops)
{
    struct Placed {
        QLayoutItem* item;
        int row;
        int column;
    };
    QList<Placed> items;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0, column = i, rowSpan = 1, columnSpan = 1;
        if (grid)
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        items.push_back({ layout->itemAt(i), row + rowSpan - 1, column });
    }
    std::stable_sort(items.begin(), items.end(),
        [](const Placed& a, const Placed& b) { return std::tie(a.row, a.column) < std::tie(b.row, b.column); });
    if (auto* box = qobject_cast<QBoxLayout*>(layout);
        box && (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop))
        std::reverse(items.begin(), items.end());
    for (const Placed& placed : items) {
        if (QWidget* widget = placed.item->widget())
            walkWidget(widget, stops);
        else if (QLayout* inner = placed.item->layout())
            walkLayout(inner, stops);
    }
}

} // namespace

QList<QWidget*> setTabOrderFromLayout(QWidget* window)
{
    QList<QWidget*> stops;
    if (window->layout())
        walkLayout(window->layout(), stops);
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
    return stops;
}
