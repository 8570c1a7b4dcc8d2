#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Buffers of many megabytes that are filled once from start to end: the
// lodgement file, its summary, the report file. Their memory is asked for
// in large pages where the system offers them, so filling one costs a few
// page faults per megabyte range instead of one per 4 KB.

// size bytes, not yet written.
QByteArray uninitializedBytes(qsizetype size);
// size UTF-16 code units, not yet written.
QString uninitializedText(qsizetype size);
