#include "payees/PayeeServices.h"

void PayeeServices::checkAllPayees(AppContext& context)
{
    (void)context;
}

void PayeeServices::importTabDelimited(AppContext& context, PayeeType type)
{
    (void)context;
    (void)type;
}

PayeeServices& noPayeeServices()
{
    static PayeeServices none;
    return none;
}
