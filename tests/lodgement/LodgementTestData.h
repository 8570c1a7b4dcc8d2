#pragma once

#include "report/Report.h"

#include <QByteArray>
#include <QString>

// A report of the given year holding payees of every type, entered out of
// type order, plus one payee of the lower-case type "inb" that no pass
// takes. The fixtures every_type_<year>.A01 and every_type_2018_summary.txt
// hold its lodgement file and summary, written from the record tables.
Report everyTypeReport(int year);

// A report of the given year with its supplier and payer and no payees.
Report headerOnlyReport(int year);

// One plain payee of a type, valid for the file.
CCards plainPayee(qint32 id, const QString& type);

// A fixture of records, one a line, joined as the file holds them.
QByteArray recordsFixture(const QByteArray& lines);
