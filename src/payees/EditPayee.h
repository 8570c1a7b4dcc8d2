#pragma once

#include <QtGlobal>

class AppContext;

// Loads payee `id` into the current payee and opens the form of its type.
void EditPayee(AppContext& context, qint32 id);
