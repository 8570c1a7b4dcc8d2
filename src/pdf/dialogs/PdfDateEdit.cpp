#include "pdf/dialogs/PdfDateEdit.h"

#include <QDate>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLabel>

QDateEdit* makePdfDateEdit(QWidget* parent)
{
    auto* date = new QDateEdit(QDate::currentDate(), parent);
    date->setObjectName(QStringLiteral("date"));
    date->setCalendarPopup(true);
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return date;
}

QLabel* wrappedNote(const QString& text, const QString& objectName, QWidget* parent)
{
    // About sixty characters a line: a wrapped label asks for too little
    // width of its own.
    constexpr int kCharactersPerLine = 60;
    auto* note = new QLabel(text, parent);
    note->setObjectName(objectName);
    note->setWordWrap(true);
    note->setMinimumWidth(QFontMetrics(note->font()).averageCharWidth() * kCharactersPerLine);
    return note;
}
