#include "PayerListStore.h"

#include "AppContext.h"

void LoadPayerListAndMatchPayer(AppContext& context)
{
    Q_UNUSED(context);
}
