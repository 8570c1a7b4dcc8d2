#pragma once

#include <QtGlobal>

class AppContext;

// The ETP check of payee `id`, as Check All runs it.
void CheckPayeeETP(AppContext& context, qint32 id);
