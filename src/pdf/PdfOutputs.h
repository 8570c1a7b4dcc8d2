#pragma once

#include "lodgement/PdfServices.h"

// The PDF outputs Generate Files offers: the payment summaries of all
// payees and the ATO media form.
class PdfOutputs : public PdfServices {
public:
    void atoMediaForm(AppContext& context) override;
    void paymentSummaries(AppContext& context) override;
};
