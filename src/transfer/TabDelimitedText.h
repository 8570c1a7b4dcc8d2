#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

// The frame every tab-delimited payee file shares: how its bytes become
// lines, how a line becomes fields, and how a field is written back.

// Hands out the lines of a file's bytes. A line ends at each LF, which is
// removed; a CR before it stays in the line. A last line without an LF
// still counts, but the bytes after a final LF make no further line.
class RawLineReader {
public:
    explicit RawLineReader(QByteArrayView bytes) : m_bytes(bytes) {}

    // False once every line has been handed out.
    bool next(QByteArrayView& line);

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// How a file's bytes are read as text: as UTF-8 when the whole file is
// valid UTF-8 (which is what the export writes), otherwise as Windows-1252,
// so a file saved by an older spreadsheet keeps its accented letters. Pure
// ASCII reads the same either way.
enum class TextEncoding { Utf8, Windows1252 };

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(QByteArrayView bytes);
TextEncoding DetectTextEncoding(QByteArrayView bytes);
QString DecodeLine(QByteArrayView line, TextEncoding encoding);

// Splits one line into its fields. TAB and CR end a field; a field that
// begins with a double quote runs to the closing quote, with TAB and CR as
// ordinary characters and a doubled quote standing for one. fields ends up
// holding exactly the line's fields.
void ParseTabDelimitedLine(QStringList& fields, QStringView line);

// A field as a data line carries it: quoted, with its quotes doubled, when
// it holds a TAB or a CR or begins with a double quote, so that
// ParseTabDelimitedLine reads it back unchanged; otherwise as it stands.
// A line feed, which would break the line, is written as a blank.
QString TabDelimitedField(const QString& value);
// The same, appended to a line.
void AppendTabDelimitedField(QString& line, QStringView value);
