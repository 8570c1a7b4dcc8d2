#pragma once

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

// The most payees a file may declare or hold to be read: each read payee
// takes about 1.3 KB, so this keeps a read within a desktop's memory.
inline constexpr qint64 kMaxPayeesInAFile = 1'000'000;

// The ID a payee read from a tab-delimited file is stored under: its own ID,
// unless that is taken, in which case the highest ID + 1 (stepping past
// taken IDs). The highest ID follows. No ID, and the highest ID unchanged,
// when the payee's own ID is above kMaxPayeeId or no free ID up to it is left.
std::optional<qint32> AssignImportedPayeeId(Report& report, qint32 importedId);

// The ID of the next payee loaded from a lodgement file (the loader sets the
// highest ID to 1 first): the highest ID, or that + 1 when it is taken.
qint32 AssignLoadedPayeeId(Report& report);
