#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

// Keys as the keyboard sends them to a widget: press and release, with their
// text, so event filters see what a user's typing gives them.
inline void sendKey(
    QWidget* target, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

// Printable ASCII typed one key at a time.
inline void typeKeys(QWidget* target, const QString& text)
{
    for (const QChar c : text)
        sendKey(target, c.toUpper().unicode(), QString(c));
}

// Ctrl+V, the paste key.
inline void pasteKey(QWidget* target)
{
    sendKey(target, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
}
