#pragma once

#include <QByteArray>
#include <QList>

#include <initializer_list>
#include <utility>

// Lodgement files for the reader's tests, built by hand: every value is put
// at its 0-based position in a record of 628 blanks, so the fixtures do not
// depend on the writer.
namespace fixture {

using Placed = std::pair<int, QByteArray>;

// A record of 628 blanks with the values put at their positions.
QByteArray record(std::initializer_list<Placed> values);

// A payee record: "628", the identifier, then the values.
QByteArray payeeRecord(const QByteArray& identifier, std::initializer_list<Placed> values);

// The five header records of a file of the year and version text, with
// every header field set (see the .cpp for the values).
QByteArray headerRecords(const QByteArray& year = "2018", const QByteArray& version = "FEMPA013.0");

// "628FILE-TOTAL" and the count as eight digits.
QByteArray fileTotal(qint64 count);

// A whole file: headers, the payee records and FILE-TOTAL with their count
// (the number of records plus 6 unless another count is given).
QByteArray file(const QList<QByteArray>& payees, const QByteArray& year = "2018",
    const QByteArray& version = "FEMPA013.0", qint64 count = -1);

} // namespace fixture
