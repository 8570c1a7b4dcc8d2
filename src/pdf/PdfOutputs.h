#pragma once

#include "lodgement/PdfServices.h"
#include "pdf/PdfNamePattern.h"

// The PDF outputs Generate Files and the Payee List offer: the payment
// summaries of all payees, the payment summary of one payee and the ATO
// media form. It owns the program's file-name pattern, which the
// AdviceName dialog is registered with (see AdviceNameForm.h).
class PdfOutputs : public PdfServices
{
public:
    void atoMediaForm(AppContext& context) override;
    void paymentSummaries(AppContext& context) override;
    void paymentSummary(AppContext& context, qint32 payeeId) override;

    PdfNamePattern& namePattern() { return m_pattern; }

private:
    PdfNamePattern m_pattern = PdfNamePattern::defaults();
};

// What a folder that cannot be written gets after "Sorry1 - " or "Sorry3 - ".
inline const QString kWriteAccessRefused
    = QStringLiteral("you do not seem to have write access to this \nfolder, please try a different location.");

// After the count of a run that a fault ended, before the fault's reason.
inline const QString kRestNotSaved = QStringLiteral("\n\nThe payment summaries of the other payees were not saved.");
