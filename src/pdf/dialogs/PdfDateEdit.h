#pragma once

#include <QString>

class QDateEdit;
class QLabel;
class QWidget;

// The date of the payment-summary dialogs: a short date with its calendar
// a click away, on today each time the dialog opens.
QDateEdit* makePdfDateEdit(QWidget* parent);

// A note of a few lines that wraps at a width its font gives, never cut.
QLabel* wrappedNote(const QString& text, const QString& objectName, QWidget* parent);
