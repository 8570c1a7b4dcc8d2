#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct Report;

// The rules that keep Report::highestPayeeId at least every ID in use.

// The ID a payee form proposes for a new payee: the first ID above the
// highest that no payee holds, as for an imported payee; none when no free
// ID is left up to kMaxPayeeId.
std::optional<qint32> ProposedPayeeId(const Report& report);

// A form stored a payee under id: the highest ID follows it up.
void NotePayeeIdStored(Report& report, qint32 id);

// The largest payee ID a report holds.
inline constexpr qint32 kMaxPayeeId = 999999999;

// The most payees a report holds. The report file reader refuses a file
// that declares or holds more, and every import and addition stops short of
// it, so that each report the program saves opens again. Each payee takes
// about 1.3 KB in memory, so this also keeps a read within a desktop's memory.
inline constexpr qint64 kMaxPayeesInAReport = 1'000'000;

// How many more payees the report can take under the limit.
qint64 PayeeRoomLeft(const Report& report, qint64 limit = kMaxPayeesInAReport);

// Why an addition of `adding` new payees is refused for a report holding
// `held`: it names the limit, the payees held and, when more than one, the
// payees a file would add. Nothing was added.
QString TooManyPayeesMessage(qint64 held, qint64 adding, qint64 limit = kMaxPayeesInAReport);

// The ID a payee read from a tab-delimited file is stored under: its own ID,
// unless that is taken, in which case the highest ID + 1 (stepping past
// taken IDs). The highest ID follows. No ID, and the highest ID unchanged,
// when the payee's own ID is above kMaxPayeeId or no free ID up to it is left.
std::optional<qint32> AssignImportedPayeeId(Report& report, qint32 importedId);

// The ID of the next payee loaded from a lodgement file (the loader sets the
// highest ID to 1 first): the highest ID, or that + 1 when it is taken.
qint32 AssignLoadedPayeeId(Report& report);
