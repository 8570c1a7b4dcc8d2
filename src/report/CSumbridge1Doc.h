#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QString>

class ArchiveReader;
class ArchiveWriter;
class AppContext;
class UserInterface;
struct Report;

inline const QString kReportSignature = QStringLiteral("veskq1");
inline const QString kOldReportSignature = QStringLiteral("lwrightdata4");

// The report document: where the open report lives on disk and whether it
// has unsaved changes. The report's values themselves are in Report.
class CSumbridge1Doc {
public:
    QString pathName;                        // empty while the report has never been saved
    QString title = QStringLiteral("Untitled");
    bool modified = false;
    // What the file at pathName held when this copy last read or wrote it,
    // so a save can tell whether another program has written it since.
    FileIdentity fileOnDisk;

    void SetModifiedFlag(bool value = true) { modified = value; }
    bool IsModified() const { return modified; }

    // Store direction: the whole report, behind the signature "veskq1".
    static void Serialize(ArchiveWriter& archive, const Report& report);
    // Load direction: reads into the report, with the messages of a damaged
    // or foreign file. A wrong signature sets report.openState to 1. True
    // when the whole report was read.
    static bool Serialize(ArchiveReader& archive, Report& report, UserInterface& ui);
};

// What reading a report came to.
enum class ReportRead {
    Whole,       // the report holds the whole file (an empty file is not read at all)
    Damaged,     // after the damage message: the report holds what was read before the damage
    WrongFormat, // not a report: nothing read, report.openState is 1
    Unreadable,  // the file could not be read, after its message
};

QByteArray StoreReport(const Report& report);
ReportRead LoadReport(const QByteArray& bytes, Report& report, UserInterface& ui);

// Reads a report file's bytes once. Whole: bytes hold the file (an empty
// one too); Damaged: it could not be held in memory, after the damage
// message; Unreadable: after its message.
ReportRead ReadReportBytes(AppContext& context, const QString& path, QByteArray& bytes);
// Loads what ReadReportBytes gave (`read`, `bytes`) into the context's
// report, which the caller has reset; an empty file leaves it as it is.
ReportRead LoadReportBytes(AppContext& context, ReportRead read, const QByteArray& bytes);
// Reads a report file into the context's report (which the caller has
// reset), reading the file once.
ReportRead ReadReportFile(AppContext& context, const QString& path);
// Writes the context's report whole to path; on failure the previous file
// stays as it was and the user is told. True when written; then identity,
// when given, is that of the file's new bytes.
bool WriteReportFile(AppContext& context, const QString& path, FileIdentity* identity = nullptr);
