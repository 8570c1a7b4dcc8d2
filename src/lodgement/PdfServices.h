#pragma once

#include <QtGlobal>

class AppContext;

// What the Generate Files dialog and the Payee List ask of the PDF outputs:
// the ATO media form, the payment summaries of every payee and the payment
// summary of one payee. Each call is the whole action of its button,
// messages included. This default does nothing; the PDF work supplies the
// real one when the application registers the dialog.
class PdfServices {
public:
    virtual ~PdfServices() = default;
    virtual void atoMediaForm(AppContext& context);
    virtual void paymentSummaries(AppContext& context);
    virtual void paymentSummary(AppContext& context, qint32 payeeId);
};

// A PdfServices that does nothing, for as long as the program runs.
PdfServices& noPdfServices();
