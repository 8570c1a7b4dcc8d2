#pragma once

#include <QString>

struct Report;

// What "Original VESK.A01 File Details" shows of the file a report was
// loaded from.
struct OrigEmpDetails {
    QString year;
    QString version;
    QString software;
};

OrigEmpDetails OrigEmpDetailsOf(const Report& report);

// The file's version as shown: "0130" gives "13.0", "0100" "10.0" and
// "0073" "7.3".
QString ShownFileVersion(const QString& versionText);
