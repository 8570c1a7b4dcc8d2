#pragma once

// What a list draws in its cells, read from a grab of its viewport, and the
// window states a drawing test needs.

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

// One cell as drawn: its background (its commonest colour, the cell's edges
// left out) and its ink, the pixels at least half-way in lightness from that
// background to the cell's most distant pixel. Counted so, a text gives about
// the same ink in any two colours; ink also needs a difference of a quarter
// of the scale, so that a text too faint to read has none.
struct DrawnCell {
    QRgb background = 0;
    int ink = 0;
};

inline DrawnCell drawnCell(const QImage& viewport, const QRect& cellRect)
{
    const QRect inner = cellRect.adjusted(2, 2, -2, -2).intersected(viewport.rect());
    QHash<QRgb, int> counts;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            ++counts[viewport.pixel(x, y) & 0xffffff];
    DrawnCell cell;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            cell.background = it.key();
        }
    }
    const int ground = qGray(cell.background);
    int farthest = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        farthest = qMax(farthest, qAbs(qGray(it.key()) - ground));
    const int threshold = qMax(64, (farthest + 1) / 2);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (qAbs(qGray(it.key()) - ground) >= threshold)
            cell.ink += it.value();
    }
    return cell;
}

// Every cell of a row as the view draws it now.
inline QList<DrawnCell> drawnRow(QAbstractItemView* view, int row)
{
    QApplication::processEvents();
    QImage image = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Cell rectangles are in device-independent pixels.
    image = image.scaled(view->viewport()->size());
    QList<DrawnCell> cells;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        cells << drawnCell(image, view->visualRect(view->model()->index(row, column)));
    return cells;
}

// A selected cell reads as clearly as it does unselected: its background
// shows the selection and its text keeps at least half of its ink.
inline void expectSelectedCellsRead(
    const QList<DrawnCell>& unselected, const QList<DrawnCell>& selected, const QList<int>& columns)
{
    for (const int column : columns) {
        SCOPED_TRACE(testing::Message() << "column " << column);
        ASSERT_LT(column, unselected.size());
        ASSERT_LT(column, selected.size());
        ASSERT_GT(unselected[column].ink, 0) << "an unselected cell shows its text";
        EXPECT_NE(selected[column].background, unselected[column].background) << "the selection shows";
        EXPECT_GE(selected[column].ink * 2, unselected[column].ink)
            << "selected: " << selected[column].ink << " pixels of text, unselected: " << unselected[column].ink;
    }
}

// Makes a window the active one, or gives the activity to a window of its
// own so that the given one is inactive. False when the platform does not
// follow within two seconds.
class WindowActivity
{
public:
    bool set(QWidget* window, bool active)
    {
        QWidget* target = window;
        if (!active) {
            m_other.setWindowTitle(QStringLiteral("other window"));
            m_other.resize(120, 80);
            m_other.show();
            target = &m_other;
        }
        target->activateWindow();
        QElapsedTimer timer;
        timer.start();
        while (window->isActiveWindow() != active && timer.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return window->isActiveWindow() == active;
    }

private:
    QWidget m_other;
};
