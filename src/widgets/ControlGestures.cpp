#include "widgets/ControlGestures.h"

#include "widgets/NumberListTypeAhead.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QStringList>

namespace
{

// A control whose value the wheel steps: a drop-down list, or a spin box
// (date edits are spin boxes too).
bool stepsOnWheel(const QObject* object)
{
    return qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSpinBox*>(object);
}

// The toolkit gives such a control the focus on a wheel turn over it, before
// any filter sees the turn: it takes the focus from a click or Tab alone.
void takeNoFocusFromWheel(QObject* object)
{
    if (!stepsOnWheel(object))
        return;
    auto* control = static_cast<QWidget*>(object);
    if (control->focusPolicy() == Qt::WheelFocus)
        control->setFocusPolicy(Qt::StrongFocus);
}

// The drop-down list, date edit or spin box that `widget` is or lies in (the
// edit inside an editable list or a spin box), within its window.
QWidget* steppingControl(QWidget* widget)
{
    for (QWidget* up = widget; up && !up->isWindow(); up = up->parentWidget())
        if (stepsOnWheel(up))
            return up;
    return nullptr;
}

// The drop-down list whose open popup this view is, if any.
QComboBox* listOfPopup(QObject* view)
{
    for (QObject* up = view->parent(); up; up = up->parent())
        if (auto* list = qobject_cast<QComboBox*>(up))
            return list->view() == view ? list : nullptr;
    return nullptr;
}

class ControlGestures : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Polish:
            takeNoFocusFromWheel(watched);
            break;
        case QEvent::FocusIn:
            if (watched->isWidgetType())
                focusCame(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // A click in the control that has the focus already, given by the program.
            if (watched->isWidgetType())
                if (QWidget* control = steppingControl(static_cast<QWidget*>(watched)); control && control->hasFocus())
                    choose(control);
            break;
        case QEvent::Wheel:
            // Ignored, the turn goes on to the control's parents: the form scrolls.
            if (stepsOnWheel(watched) && !chosen(static_cast<QWidget*>(watched))) {
                event->ignore();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (auto* list = qobject_cast<QComboBox*>(watched))
                return typedIntoNumberList(*list, nullptr, *static_cast<QKeyEvent*>(event));
            if (auto* view = qobject_cast<QAbstractItemView*>(watched))
                if (QComboBox* list = listOfPopup(view))
                    return typedIntoNumberList(*list, view, *static_cast<QKeyEvent*>(event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    // The user chooses a control by a click in it or by reaching it with the
    // keyboard; the focus the program gives, a dialog's first field among
    // it, does not count. The window's return to the front and a list's own
    // popup leave the choice as it was; any other focus ends it.
    void focusCame(QWidget* widget, Qt::FocusReason reason)
    {
        // A dialog as it shows tells its first field it has the focus with Tab's
        // reason, before the window has the keyboard: only real focus counts.
        if (!widget->hasFocus())
            return;
        QWidget* window = widget->window();
        QWidget* control = steppingControl(widget);
        switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            if (control) {
                choose(control);
                return;
            }
            break;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            if (control && m_chosen.value(window) == control)
                return;
            break;
        default:
            break;
        }
        m_chosen.remove(window);
    }

    void choose(QWidget* control)
    {
        // Windows closed since leave their entries empty.
        m_chosen.removeIf([](ChosenControls::iterator entry) { return entry.value().isNull(); });
        m_chosen.insert(control->window(), control);
    }

    bool chosen(QWidget* control) const { return control->hasFocus() && m_chosen.value(control->window()) == control; }

    // True when the key was a digit for a list of numbers, now handled.
    bool typedIntoNumberList(QComboBox& list, QAbstractItemView* popup, const QKeyEvent& key)
    {
        const QString text = key.text();
        if (list.isEditable() || text.size() != 1 || text.front() < u'0' || text.front() > u'9'
            || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        QStringList items;
        for (int i = 0; i < list.count(); ++i)
            items << list.itemText(i);
        if (!IsNumberList(items))
            return false;

        const bool inTime = m_typedInto == &list && m_sinceKey.isValid()
            && m_sinceKey.elapsed() <= QApplication::keyboardInputInterval();
        const NumberListTypeAhead chosen = NumberListTyped(items, inTime ? m_typed : QString(), text.front());
        m_typedInto = &list;
        m_typed = chosen.typed;
        m_sinceKey.start();
        if (chosen.index < 0)
            return true;
        if (popup) {
            // The popup's Enter or click chooses, as with any other key.
            popup->setCurrentIndex(list.model()->index(chosen.index, list.modelColumn(), list.rootModelIndex()));
        } else if (chosen.index != list.currentIndex()) {
            list.setCurrentIndex(chosen.index);
            emit list.activated(chosen.index);
            emit list.textActivated(list.itemText(chosen.index));
        }
        return true;
    }

    // By window: the control there the user chose, while it keeps the focus.
    using ChosenControls = QHash<const QWidget*, QPointer<QWidget>>;
    ChosenControls m_chosen;
    QPointer<QComboBox> m_typedInto;
    QString m_typed;
    QElapsedTimer m_sinceKey;
};

} // namespace

void installControlGestures(QApplication& app)
{
    const QString name = QStringLiteral("controlGestures");
    if (app.findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* gestures = new ControlGestures(&app);
    gestures->setObjectName(name);
    app.installEventFilter(gestures);
    for (QWidget* widget : QApplication::allWidgets())
        takeNoFocusFromWheel(widget);
}
