#pragma once

#include "lodgement_import/LoaderFrame.h"

#include <QString>
#include <QStringView>

struct Report;
class UserInterface;

// The loader of each payee record identifier of a lodgement file.
extern const RecordLoader kInbLoader; // DINB
extern const RecordLoader kEtpLoader; // DEMP and the older DETP
extern const RecordLoader kLvpLoader; // DLVP
extern const RecordLoader kBusLoader; // the older DBUS, DLHO and DAIP
extern const RecordLoader kLhoLoader;
extern const RecordLoader kAipLoader;
extern const RecordLoader kFeiLoader; // DFEI
extern const RecordLoader kPenLoader; // DPEN
extern const RecordLoader kSlsLoader; // DSLS
extern const RecordLoader kDasLoader; // DASP

// Each adds one payee from one payee record (see LoadPayeeRecord).
void AddINBPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddETPPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddLVPPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddBUSPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddLHOPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddAIPPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddFEIPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddPENPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddSLSPayeeFromA01(Report& report, UserInterface& ui, QStringView record);
void AddDASPayeeFromA01(Report& report, UserInterface& ui, QStringView record);

using AddPayeeFromA01 = void (*)(Report&, UserInterface&, QStringView);

// The loader of a record identifier, compared exactly; nullptr for an
// identifier the program does not know.
AddPayeeFromA01 recordLoaderFor(QStringView identifier);

// The codes a loader maps to its member's text.
// DINB income type: S, P or H in either case; anything else "".
QString IncomeTypeFromCode(const QString& code);
// DLVP payment type: "001" to "004" as they stand; anything else is kept.
QString BusPaymentTypeFromCode(const QString& code);
// DFEI gross payments type: F or J in either case; anything else "".
QString GrossPaymentsTypeFromCode(const QString& code);
// DSLS type of death benefit, trimmed: "" (a blank), "T" or "O"; anything else is kept.
QString DeathBenefitTypeFromCode(const QString& code);
