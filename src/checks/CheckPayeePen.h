#pragma once

#include <QtGlobal>

class AppContext;

// Check All's check of a PEN payee: the PEN form's rules over the stored record.
void CheckPayeePEN(AppContext& context, qint32 id);
