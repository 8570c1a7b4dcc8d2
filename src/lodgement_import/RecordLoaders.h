#pragma once

#include "lodgement_import/LoaderFrame.h"

#include <QString>
#include <QStringView>

struct Report;
class UserInterface;

// The loader of each payee record identifier of a lodgement file.
extern const RecordLoader kInbLoader;

// Each adds one payee from one payee record (see LoadPayeeRecord).
void AddINBPayeeFromA01(Report& report, UserInterface& ui, QStringView record);

using AddPayeeFromA01 = void (*)(Report&, UserInterface&, QStringView);

// The loader of a record identifier, compared exactly; nullptr for an
// identifier the program does not know.
AddPayeeFromA01 recordLoaderFor(QStringView identifier);

// The DINB income type code: S, P or H in either case.
QString IncomeTypeFromCode(const QString& code);
