#pragma once

// The mouse wheel over a window's drop-down lists, date edits and spin
// boxes, turned as the window system turns it, and the checks every dialog
// owes it: over a control the user has not chosen, by a click or the
// keyboard, the wheel changes nothing, gives no focus and scrolls what holds
// the control; over the control the user chose it steps the value.

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

// The drop-down list, date edit or spin box that `widget` is or lies in,
// within its window.
inline QWidget* wheelControlOf(QWidget* widget)
{
    for (QWidget* up = widget; up && !up->isWindow(); up = up->parentWidget())
        if (qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractSpinBox*>(up))
            return up;
    return nullptr;
}

// A click of the left button at the middle of `control`, on whatever part
// of it lies there (the edit of an editable list or of a date), as the
// window system clicks. The popup a click opens closes again, as after a
// second click.
inline void clickIn(QWidget* control)
{
    if (QScrollArea* area = scrollAreaOf(control)) {
        area->ensureWidgetVisible(control);
        QApplication::processEvents();
    }
    QWidget* window = control->window();
    const QPoint place = control->mapTo(window, control->rect().center());
    QWidget* under = window->childAt(place);
    ASSERT_TRUE(under == control || control->isAncestorOf(under))
        << control->objectName().toStdString() << " is not under the pointer";
    QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(window, place));
    QApplication::processEvents();
    if (auto* list = qobject_cast<QComboBox*>(control))
        list->hidePopup();
    QApplication::processEvents();
}

// A key as the user presses it, to the widget with the keyboard focus.
inline void pressKey(Qt::Key key)
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key);
    QApplication::processEvents();
}

// `key` (Tab or Shift+Tab) pressed until the keyboard leaves `control`: in
// a date edit the keys first go from one part of the date to the next.
inline void tabOutOf(QWidget* control, Qt::Key key)
{
    for (int presses = 0; presses < 8 && control->hasFocus(); ++presses)
        pressKey(key);
    EXPECT_FALSE(control->hasFocus());
}

// The wheel turned both ways over `control` changes nothing and leaves the
// focus where it was; where the control sits in a scroll area that can
// scroll, the turn scrolls it.
inline void expectWheelChangesNothing(QWidget* control)
{
    QWidget* focused = QApplication::focusWidget();
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
    EXPECT_EQ(QApplication::focusWidget(), focused);
}

// The wheel over `control` steps its value, one way or, where it stood at
// the end, the other.
inline void expectWheelSteps(QWidget* control)
{
    if (QScrollArea* area = scrollAreaOf(control)) {
        area->ensureWidgetVisible(control);
        QApplication::processEvents();
    }
    const QString before = wheelValue(control);
    turnWheelOver(control, -1);
    if (wheelValue(control) == before)
        turnWheelOver(control, 1);
    EXPECT_NE(wheelValue(control), before) << "a control the user chose did not step";
}

// `window`, shown and active, gave the keyboard to a drop-down list, date
// edit or spin box as it opened: the wheel over it changes nothing until the
// user chooses it, by a click in it or by Tab or Shift+Tab to it, and then
// steps it. The focus the program gives it again does not count. Returns
// that control, or nullptr (a failure) when the window gave the keyboard to
// another widget.
inline QWidget* expectTheFocusGivenTakesNoWheel(QWidget& window)
{
    QWidget* control = wheelControlOf(QApplication::focusWidget());
    EXPECT_NE(control, nullptr) << "the window gave the keyboard to no list, date or spin box";
    if (!control || control->window() != &window)
        return nullptr;
    SCOPED_TRACE(control->objectName().toStdString());
    {
        SCOPED_TRACE("as the window opened");
        expectWheelChangesNothing(control);
        EXPECT_TRUE(control->hasFocus());
    }
    {
        SCOPED_TRACE("clicked");
        clickIn(control);
        EXPECT_TRUE(control->hasFocus());
        expectWheelSteps(control);
    }
    {
        SCOPED_TRACE("left, then focused by the program");
        tabOutOf(control, Qt::Key_Backtab);
        control->setFocus();
        EXPECT_TRUE(control->hasFocus());
        expectWheelChangesNothing(control);
    }
    {
        SCOPED_TRACE("reached with Tab");
        tabOutOf(control, Qt::Key_Backtab);
        pressKey(Qt::Key_Tab);
        EXPECT_TRUE(control->hasFocus());
        expectWheelSteps(control);
    }
    {
        SCOPED_TRACE("reached with Shift+Tab");
        tabOutOf(control, Qt::Key_Tab);
        pressKey(Qt::Key_Backtab);
        EXPECT_TRUE(control->hasFocus());
        expectWheelSteps(control);
    }
    return control;
}

// Over each unfocused control of `window` the wheel, turned both ways,
// leaves its value and the focus where they were (on `focused`); when the
// control sits in a scroll area that can scroll, the turn scrolls it. Then
// each control the user tabs to still steps with the wheel (a list of one
// item has nowhere to go). Returns how many controls were turned over.
inline int expectWheelStepsFocusedControlsOnly(QWidget& window, QWidget* focused)
{
    const QList<QWidget*> controls = wheelControls(window);
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        focused->setFocus(Qt::OtherFocusReason);
        EXPECT_TRUE(focused->hasFocus());
        expectWheelChangesNothing(control);
        EXPECT_TRUE(focused->hasFocus());
        EXPECT_FALSE(control->hasFocus());
    }
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        if (auto* list = qobject_cast<QComboBox*>(control); list && list->count() < 2)
            continue;
        control->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(control->hasFocus());
        expectWheelSteps(control);
    }
    return int(controls.size());
}
