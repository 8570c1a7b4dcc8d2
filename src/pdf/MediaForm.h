#pragma once

#include "pdf/FieldPlans.h"

#include <QString>

class AppContext;

// The 19 fields of the ATO media form, in order, from the report: the
// report period, the supplier's details and the payer's name, ABN and
// branch.
FieldPlan MediaFormPlan(const Report& report);

// The "ATO Media Form" command: asks, lets the user choose the file, writes
// the blank media form as a private template beside it and fills it.
void AtoMediaForm(AppContext& context);

inline const QString kMediaFormQuestion = QStringLiteral(
    "The Media Form is not required when lodging electronically.\nPrint this form only if you are posting your file "
    "to the ATO on usb, cd etc.\n\n\nClick Yes to continue with the Media Form.");
inline const QString kTempMediaNotSaved
    = QStringLiteral("Temp Media not Saved. \nCheck that you have write permission.\n\nTry a different location.");
inline const QString kTempMediaError
    = QStringLiteral("An unknown error has occurred during \nthe file save process  - Ref #1003.");
inline const QString kMediaFormSaved
    = QStringLiteral("Saved.\n\nPrint the form and complete \nSections B, C and D before posting.");
inline const QString kMediaFormFailed
    = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #1029.");
