#pragma once

#include <QtGlobal>

class AppContext;

// The BUS check of payee `id`, as Check All runs it. CheckABN may show its
// own message about a "Voluntary Agreement" payee's ABN.
void CheckPayeeBUS(AppContext& context, qint32 id);
