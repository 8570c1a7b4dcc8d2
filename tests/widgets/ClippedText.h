#pragma once

// Finds the texts a window cuts short: every shown label or button whose
// text needs more room than its widget has.

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
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

// How much a line edit draws of its text: the difference, pixel by pixel,
// between the edit drawn with its text and drawn empty (so its frame and
// background count for nothing).
inline qint64 drawnTextInk(QLineEdit* edit)
{
    const QString text = edit->text();
    const QImage shown = edit->grab().toImage();
    edit->setText(QString());
    const QImage empty = edit->grab().toImage();
    edit->setText(text);
    qint64 ink = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a = shown.pixelColor(x, y);
            const QColor b = empty.pixelColor(x, y);
            ink += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
        }
    }
    return ink;
}

// Whether a line edit shows its whole text: it draws as much of it as a copy
// of it (font, style, palette, margins, alignment) with room to spare does.
inline bool showsWholeText(QLineEdit* edit)
{
    QLineEdit roomy;
    roomy.setStyle(edit->style());
    roomy.setFont(edit->font());
    roomy.setPalette(edit->palette());
    roomy.setFrame(edit->hasFrame());
    roomy.setTextMargins(edit->textMargins());
    roomy.setContentsMargins(edit->contentsMargins());
    roomy.setAlignment(edit->alignment());
    roomy.setReadOnly(edit->isReadOnly());
    roomy.setEnabled(edit->isEnabled());
    roomy.setText(edit->text());
    roomy.resize(edit->width() + 2 * edit->fontMetrics().horizontalAdvance(edit->text()) + 20, edit->height());
    return drawnTextInk(edit) >= drawnTextInk(&roomy);
}
