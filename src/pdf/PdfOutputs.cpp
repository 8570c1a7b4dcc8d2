#include "pdf/PdfOutputs.h"

void PdfOutputs::atoMediaForm(AppContext& context)
{
    (void)context;
}

void PdfOutputs::paymentSummaries(AppContext& context)
{
    (void)context;
}
