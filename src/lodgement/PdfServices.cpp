#include "lodgement/PdfServices.h"

void PdfServices::atoMediaForm(AppContext& context)
{
    (void)context;
}

void PdfServices::paymentSummaries(AppContext& context)
{
    (void)context;
}

void PdfServices::paymentSummary(AppContext& context, qint32 payeeId)
{
    (void)context;
    (void)payeeId;
}

PdfServices& noPdfServices()
{
    static PdfServices none;
    return none;
}
