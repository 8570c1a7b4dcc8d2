#pragma once

#include <QByteArray>
#include <QString>

// Decodes 8-bit text as Windows-1252, the code page the program's 8-bit
// files were written in. Our own table, so results do not depend on how Qt
// was built.
QString decodeWindows1252(const char* data, qsizetype size);
inline QString decodeWindows1252(const QByteArray& bytes)
{
    return decodeWindows1252(bytes.constData(), bytes.size());
}
