#pragma once

#include <QtGlobal>

class AppContext;

// Check All's check of an FEI payee: the FEI form's rules over the stored record.
void CheckPayeeFEI(AppContext& context, qint32 id);
