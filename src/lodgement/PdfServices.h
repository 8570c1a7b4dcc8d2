#pragma once

class AppContext;

// What the Generate Files dialog asks of the PDF outputs: the ATO media form
// and the payment summaries. Each call is the whole action of its button,
// messages included. This default does nothing; the PDF work supplies the
// real one when the application registers the dialog.
class PdfServices {
public:
    virtual ~PdfServices() = default;
    virtual void atoMediaForm(AppContext& context);
    virtual void paymentSummaries(AppContext& context);
};

// A PdfServices that does nothing, for as long as the program runs.
PdfServices& noPdfServices();
