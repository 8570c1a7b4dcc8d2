#pragma once

#include <QtGlobal>

class AppContext;

// The SLS check of payee `id`, as Check All runs it.
void CheckPayeeSLS(AppContext& context, qint32 id);
