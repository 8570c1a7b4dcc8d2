#pragma once

#include "lodgement/PdfServices.h"

class AppContext;
class QtUserInterface;

// Registers the lodgement dialogs ("CGenerate1") with the user interface.
// The PDF buttons of Generate Files call pdf, which does nothing until the
// application hands over the real PDF services.
void registerLodgementDialogs(QtUserInterface& ui, AppContext& context, PdfServices& pdf = noPdfServices());
