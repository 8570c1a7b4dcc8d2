#pragma once

#include <QStringList>

// The texts of one column of a sortable list (its model or the control),
// top to bottom.
template <class List> QStringList columnTexts(const List& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.rowCount(); ++row)
        texts << list.rowText(row, column);
    return texts;
}
