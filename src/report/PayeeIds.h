#pragma once

#include <QtGlobal>

struct Report;

// The rules that keep Report::highestPayeeId at least every ID in use.

// The ID a payee form proposes for a new payee.
qint32 ProposedPayeeId(const Report& report);

// A form stored a payee under id: the highest ID follows it up.
void NotePayeeIdStored(Report& report, qint32 id);

// The ID a payee read from a tab-delimited file is stored under: its own ID,
// unless that is taken, in which case the highest ID + 1. The highest ID
// follows either way.
qint32 AssignImportedPayeeId(Report& report, qint32 importedId);

// The ID of the next payee loaded from a lodgement file (the loader sets the
// highest ID to 1 first): the highest ID, or that + 1 when it is taken.
qint32 AssignLoadedPayeeId(Report& report);
