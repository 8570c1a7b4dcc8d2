#pragma once

#include <QtGlobal>

class AppContext;

// The DAS check of payee `id`, as Check All runs it.
void CheckPayeeDAS(AppContext& context, qint32 id);
