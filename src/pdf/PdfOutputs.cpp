#include "pdf/PdfOutputs.h"

#include "pdf/MediaForm.h"

void PdfOutputs::atoMediaForm(AppContext& context)
{
    AtoMediaForm(context);
}

void PdfOutputs::paymentSummaries(AppContext& context)
{
    (void)context;
}
