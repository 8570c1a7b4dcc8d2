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

void PdfOutputs::paymentSummary(AppContext& context, qint32 payeeId)
{
    (void)context;
    (void)payeeId;
}
