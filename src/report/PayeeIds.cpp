#include "report/PayeeIds.h"

#include "report/Report.h"

#include <algorithm>
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

std::optional<qint32> AssignImportedPayeeId(Report& report, qint32 importedId)
{
    if (importedId > kMaxPayeeId)
        return std::nullopt;
    if (!report.payees.contains(importedId)) {
        NotePayeeIdStored(report, importedId);
        return importedId;
    }
    qint64 candidate = qint64(std::max(report.highestPayeeId, importedId)) + 1;
    for (auto it = report.payees.lower_bound(qint32(std::min<qint64>(candidate, kMaxPayeeId)));
         it != report.payees.end() && it->first == candidate && candidate <= kMaxPayeeId; ++it)
        ++candidate;
    if (candidate > kMaxPayeeId)
        return std::nullopt;
    report.highestPayeeId = qint32(candidate);
    return report.highestPayeeId;
}

qint32 AssignLoadedPayeeId(Report& report)
{
    return firstFreeFromHighest(report);
}
