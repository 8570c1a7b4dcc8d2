#pragma once

#include "pdf/PdfNamePattern.h"

class AppContext;
class QtUserInterface;

// Registers the payment-summary dialogs ("CGenSinglePay", "AdviceName")
// with the user interface. AdviceName writes its answers into pattern, the
// program's one file-name pattern.
void registerPdfDialogs(QtUserInterface& ui, AppContext& context, PdfNamePattern& pattern);
