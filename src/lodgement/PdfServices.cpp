#include "lodgement/PdfServices.h"

void PdfServices::atoMediaForm(AppContext& context)
{
    (void)context;
}

void PdfServices::paymentSummaries(AppContext& context)
{
    (void)context;
}

PdfServices& noPdfServices()
{
    static PdfServices none;
    return none;
}
