#pragma once

// The mouse wheel over a window's drop-down lists, date edits and spin
// boxes, turned as the window system turns it, and the checks every dialog
// owes it: over a control without the keyboard focus the wheel changes
// nothing, gives no focus and scrolls what holds the control; over the
// focused control it steps the value.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QList>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

// One notch of the wheel (+1 away from the user, -1 towards) over the middle
// of `control`. The turn goes to the window at that place, marked as coming
// from the window system, so the toolkit finds the widget under the pointer,
// gives focus by the focus policies and hands a turn left unused on to the
// parents, as with a real mouse.
inline void turnWheelOver(QWidget* control, int notches)
{
    QWidget* window = control->window();
    const QPoint place = control->mapTo(window, control->rect().center());
    QWidget* under = window->childAt(place);
    EXPECT_TRUE(under == control || control->isAncestorOf(under))
        << control->objectName().toStdString() << " is not under the pointer";
    QWheelEvent turn(QPointF(place), QPointF(window->mapToGlobal(place)), QPoint(), QPoint(0, 120 * notches),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&turn);
    // Not sendEvent, which marks every event it sends as made by the program.
    qApp->notify(window->windowHandle(), &turn);
    QApplication::processEvents();
}

// What the wheel may change: the item of a list, the text of a spin box.
inline QString wheelValue(const QWidget* control)
{
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return QString::number(list->currentIndex()) + u'|' + list->currentText();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(control))
        return spin->text();
    return {};
}

// Every drop-down list, date edit and spin box of `window` the user can
// reach: shown and enabled.
inline QList<QWidget*> wheelControls(QWidget& window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>())
        if ((qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)) && w->isVisibleTo(&window)
            && w->isEnabled())
            controls << w;
    return controls;
}

// The scroll area whose page holds `control`, if any.
inline QScrollArea* scrollAreaOf(QWidget* control)
{
    for (QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(up))
            return area;
    return nullptr;
}

// Shows `window` and makes it the active one, where the keyboard focus
// lives; false when the platform makes no window active.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Over each unfocused control of `window` the wheel, turned both ways,
// leaves its value and the focus where they were (on `focused`); when the
// control sits in a scroll area that can scroll, the turn scrolls it. Then
// each control the user focuses still steps with the wheel (a list of one
// item has nowhere to go). Returns how many controls were turned over.
inline int expectWheelStepsFocusedControlsOnly(QWidget& window, QWidget* focused)
{
    const QList<QWidget*> controls = wheelControls(window);
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        focused->setFocus(Qt::OtherFocusReason);
        EXPECT_TRUE(focused->hasFocus());
        QScrollArea* area = scrollAreaOf(control);
        if (area) {
            area->ensureWidgetVisible(control);
            QApplication::processEvents();
        }
        const QString before = wheelValue(control);
        QScrollBar* bar = area ? area->verticalScrollBar() : nullptr;
        const int scrolled = bar ? bar->value() : 0;
        const bool down = !bar || scrolled < bar->maximum();
        turnWheelOver(control, down ? -1 : 1);
        EXPECT_EQ(wheelValue(control), before);
        if (bar && bar->maximum() > 0) {
            if (down)
                EXPECT_GT(bar->value(), scrolled) << "the form did not scroll";
            else
                EXPECT_LT(bar->value(), scrolled) << "the form did not scroll";
        }
        if (area) {
            area->ensureWidgetVisible(control);
            QApplication::processEvents();
        }
        turnWheelOver(control, down ? 1 : -1);
        EXPECT_EQ(wheelValue(control), before);
        EXPECT_TRUE(focused->hasFocus());
        EXPECT_FALSE(control->hasFocus());
    }
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        if (auto* list = qobject_cast<QComboBox*>(control); list && list->count() < 2)
            continue;
        control->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(control->hasFocus());
        if (QScrollArea* area = scrollAreaOf(control)) {
            area->ensureWidgetVisible(control);
            QApplication::processEvents();
        }
        const QString before = wheelValue(control);
        turnWheelOver(control, -1);
        if (wheelValue(control) == before)
            turnWheelOver(control, 1); // it stood at the end
        EXPECT_NE(wheelValue(control), before) << "a focused control did not step";
    }
    return int(controls.size());
}
