#pragma once

#include "lodgement/LodgementLayouts.h"

class AppContext;

// What the payee dialogs ask of the subsystems above them: the checks of
// every payee and the tab-delimited import of one payee type. Each call is
// the whole action, messages included. This default does nothing; the
// application hands over the real services when it registers the dialogs.
class PayeeServices
{
public:
    virtual ~PayeeServices() = default;
    virtual void checkAllPayees(AppContext& context);
    virtual void importTabDelimited(AppContext& context, PayeeType type);
};

// A PayeeServices that does nothing, for as long as the program runs.
PayeeServices& noPayeeServices();
