#pragma once

#include "lodgement/PdfServices.h"
#include "payees/PayeeServices.h"

class AppContext;
class QtUserInterface;

// Registers the payee dialogs ("CPayeeList", "Totals") with the user interface. Check
// All and the imports call services, Single Payment Summary calls pdf; both
// do nothing until the application hands over the real ones.
void registerPayeeDialogs(QtUserInterface& ui, AppContext& context, PayeeServices& services = noPayeeServices(),
    PdfServices& pdf = noPdfServices());
