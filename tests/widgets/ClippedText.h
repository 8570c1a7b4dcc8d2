#pragma once

// Finds the texts a window cuts short: every shown label or button whose
// text needs more room than its widget has.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QWidget>

inline QStringList clippedTexts(QWidget* top)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
    QStringList clipped;
    const auto note = [&clipped](const QWidget* w, const QString& text, QSize need) {
        clipped << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                       .arg(w->objectName(), text)
                       .arg(need.width())
                       .arg(need.height())
                       .arg(w->width())
                       .arg(w->height());
    };
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                const int height = label->heightForWidth(label->width());
                if (height > label->height())
                    note(label, label->text(), QSize(label->width(), height));
            } else if (label->sizeHint().width() > label->width() || label->sizeHint().height() > label->height()) {
                note(label, label->text(), label->sizeHint());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width())
                note(button, button->text(), button->sizeHint());
        }
    }
    return clipped;
}
