#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
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

// An input method's composition, shown at the cursor, not yet committed.
inline void composeInput(QWidget* target, const QString& preedit)
{
    QInputMethodEvent event(preedit, {});
    QCoreApplication::sendEvent(target, &event);
}

// An input method's commit, which ends any composition: `commit` in place
// of the selection and of `length` characters from `start` around the cursor.
inline void commitInput(QWidget* target, const QString& commit, int start = 0, int length = 0)
{
    QInputMethodEvent event;
    event.setCommitString(commit, start, length);
    QCoreApplication::sendEvent(target, &event);
}
