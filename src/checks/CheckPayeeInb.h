#pragma once

#include <QtGlobal>

class AppContext;

// The check of INB payee `id`: the INB form's rules without a form.
void CheckPayeeINB(AppContext& context, qint32 id);
