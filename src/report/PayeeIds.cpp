#include "report/PayeeIds.h"

#include "report/Report.h"

#include <limits>

namespace {

qint32 nextAfter(qint32 id)
{
    return id < std::numeric_limits<qint32>::max() ? id + 1 : id;
}

// Steps the highest ID on until it names no stored payee, so a new payee
// never replaces one already there (a report from an older file may hold
// IDs above its recorded highest).
qint32 firstFreeFromHighest(Report& report)
{
    while (report.payees.contains(report.highestPayeeId)
           && report.highestPayeeId < std::numeric_limits<qint32>::max())
        report.highestPayeeId = nextAfter(report.highestPayeeId);
    return report.highestPayeeId;
}

} // namespace

qint32 ProposedPayeeId(const Report& report)
{
    return nextAfter(report.highestPayeeId);
}

void NotePayeeIdStored(Report& report, qint32 id)
{
    if (id > report.highestPayeeId)
        report.highestPayeeId = id;
}

qint32 AssignImportedPayeeId(Report& report, qint32 importedId)
{
    NotePayeeIdStored(report, importedId);
    if (!report.payees.contains(importedId))
        return importedId;
    report.highestPayeeId = nextAfter(report.highestPayeeId);
    return firstFreeFromHighest(report);
}

qint32 AssignLoadedPayeeId(Report& report)
{
    return firstFreeFromHighest(report);
}
