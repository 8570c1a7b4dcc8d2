#pragma once

#include "lodgement/LodgementLayouts.h"
#include "report/Report.h"

#include <QByteArray>
#include <QString>

class AppContext;
struct TabLayout;

// The whole text of an export file: lines 1 to 19, then one line per payee
// of exactly the layout's type, in ascending ID order. Empty when no payee
// is of the type.
QString BuildTabDelimitedExport(const Report& report, const TabLayout& layout);
// The same as the UTF-8 bytes the file holds.
QByteArray TabDelimitedExportBytes(const Report& report, const TabLayout& layout);

// Writes the payees of the type to a file the user chooses, with every
// message of the export. Changes nothing in the report.
void ExportTabDelimited(AppContext& context, PayeeType type);

// The Export dialog's exporters, one per type.
void ExportTabDelimitedINB(AppContext& context);
void ExportTabDelimitedETP(AppContext& context);
void ExportTabDelimitedBUS(AppContext& context);
void ExportTabDelimitedFEI(AppContext& context);
void ExportTabDelimitedPEN(AppContext& context);
void ExportTabDelimitedSLS(AppContext& context);
void ExportTabDelimitedDAS(AppContext& context);
