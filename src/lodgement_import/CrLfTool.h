#pragma once

#include <QByteArray>
#include <QString>

class AppContext;

inline const QString kFileSaved = QStringLiteral("File Saved.");
inline const QString kCrLfSaveFailed
    = QStringLiteral("An unknown error has occurred during the file save process - Ref #1004x.");

// The bytes without any carriage return (13) or line feed (10).
QByteArray WithoutLineBreaks(QByteArray bytes);

// "Remove CR's and LF's from an VESK.A01 file": copies a chosen file to a
// chosen file without its line breaks. The input is read whole before the
// output is written, so choosing the input as the output loses nothing.
void OnFixA01LineBreaks(AppContext& context);
