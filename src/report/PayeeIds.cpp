#include "report/PayeeIds.h"

#include "report/Report.h"

#include <QLocale>

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

// The first ID above `from` that no payee holds, up to kMaxPayeeId.
std::optional<qint32> firstFreeAbove(const Report& report, qint32 from)
{
    qint64 candidate = qint64(from) + 1;
    for (auto it = report.payees.lower_bound(qint32(std::min<qint64>(candidate, kMaxPayeeId)));
         it != report.payees.end() && it->first == candidate && candidate <= kMaxPayeeId; ++it)
        ++candidate;
    if (candidate > kMaxPayeeId)
        return std::nullopt;
    return qint32(candidate);
}

// "1,000,000": a count the user reads at a glance.
QString countText(qint64 n)
{
    return QLocale(QLocale::English, QLocale::Australia).toString(n);
}

QString payeesText(qint64 n)
{
    return countText(n) + (n == 1 ? QStringLiteral(" payee") : QStringLiteral(" payees"));
}

} // namespace

qint64 PayeeRoomLeft(const Report& report, qint64 limit)
{
    return std::max<qint64>(0, limit - qint64(report.payees.size()));
}

QString TooManyPayeesMessage(qint64 held, qint64 adding, qint64 limit)
{
    const QString holds = adding == 1 ? QStringLiteral("This report holds %1").arg(payeesText(held))
                                      : QStringLiteral("This file would add %1 to the %2 this report holds")
                                            .arg(payeesText(adding), payeesText(held));
    return holds
        + QStringLiteral(", and a report can hold no more than %1.\n\nNo payee was added.").arg(countText(limit));
}

std::optional<qint32> ProposedPayeeId(const Report& report)
{
    return firstFreeAbove(report, report.highestPayeeId);
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
    const std::optional<qint32> free = firstFreeAbove(report, std::max(report.highestPayeeId, importedId));
    if (free)
        report.highestPayeeId = *free;
    return free;
}

qint32 AssignLoadedPayeeId(Report& report)
{
    return firstFreeFromHighest(report);
}
