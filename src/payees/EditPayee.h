#pragma once

#include <QString>
#include <QtGlobal>

class AppContext;

// Loads payee `id` into the current payee and opens the form of its type.
// While a payee is being added it only empties the current payee; an ID
// that is not in the report, or a type text outside the seven, opens
// nothing. Returns when the form has closed.
void EditPayee(AppContext& context, qint32 id);

// The class name of the form for a type text ("INB" -> "CPayeeINB"),
// compared exactly; empty for any other text.
QString PayeeFormClass(const QString& typeText);
