#pragma once

#include "lodgement/LodgementLayouts.h"
#include "report/PayeeIds.h"

#include <QByteArrayView>

#include <QString>

class AppContext;
struct TabLayout;

static_assert(kMaxPayeesInAReport == 1'000'000, "kTooManyTabLines names the limit");
inline const QString kTooManyTabLines = QStringLiteral(
    "This file holds more than 1,000,000 payee lines, more than a report can hold.\n\nNo Payee data imported.");

// Asks for a tab-delimited file and adds its payees to the report as new
// payees of the type, with every message of the import. Payees already in
// the report are never changed.
void ImportTabDelimited(AppContext& context, PayeeType type);

// The import once the file's bytes are read: the line-20 test, the room
// the report has left under payeeLimit, then one payee per data line.
// Returns the number of payees added.
int ImportTabDelimitedBytes(
    AppContext& context, const TabLayout& layout, QByteArrayView bytes, qint64 payeeLimit = kMaxPayeesInAReport);

// The Add Payee dialog's importers, one per type.
void ImportTabDelimitedINB(AppContext& context);
void ImportTabDelimitedETP(AppContext& context);
void ImportTabDelimitedBUS(AppContext& context);
void ImportTabDelimitedFEI(AppContext& context);
void ImportTabDelimitedPEN(AppContext& context);
void ImportTabDelimitedSLS(AppContext& context);
void ImportTabDelimitedDAS(AppContext& context);
