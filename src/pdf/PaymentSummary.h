#pragma once

#include "pdf/PdfNamePattern.h"
#include "pdf/PdfValues.h"

#include <QString>
#include <QtGlobal>

#include <vector>

class AppContext;
class PaymentSummaryBatch;
struct Report;

// The file name of one payee's payment summary in a run of all payees,
// without folder or ".pdf": the pattern's first text, its four fields
// resolved for the payee and its last text, joined by "_", runs of "_"
// collapsed and one "_" dropped at each end. "/", "\" and control
// characters of every part become "_", so the name never leaves its
// folder. The card's TFN is taken as stored (a Voluntary Agreement
// payee's already replaced by its ABN).
QString PaymentSummaryFileStem(
    const CCards& card, const QString& fullName, const Report& report, const PdfNamePattern& pattern);

// The payee's name as the payment summary prints it and its file name
// holds it: the given names and the surname, single blanks between the
// parts that are not empty.
QString PaymentSummaryFullName(const CCards& card);

// One payee's values as the payment summary prints them: the record with
// its TFN, ABN and type of death benefit in their printed forms, the name
// and address lines, the dates, the amount texts with the captions of the
// INB and FEI details box, and the file name stem (with its leading
// separator).
PdfValues PreparePaymentSummaryValues(const CCards& card, const Report& report, const PdfNamePattern& pattern);

// The payment summary of one payee. With pdfFilePerPayee "Yes" it is one
// file of a run of all payees, named by the pattern in the folder
// pdfOutputPath and counted in pdfCount; otherwise the CGenSinglePay
// dialog asks for the date and the file first and the result is reported.
// Only currentPayeeId and currentPayeeKey are set: the payee being edited
// is left alone. Nothing happens while a payee is being added.
void GeneratePaymentSummaryPDF(AppContext& context, qint32 payeeId, const PdfNamePattern& pattern);

// A run of all payees' summaries into the batch (see PaymentSummaryBatch),
// which counts the files once they are committed: for each payee in the
// order given, printPayeeId, currentPayeeId and currentPayeeKey set and
// payeeMode 0, its form filled in memory (no template file per payee) and
// added to the batch, until a failure ends the run (the batch's stopped()).
// A failure of one payee alone is reported (its type's message and the
// reason); values cut by their boxes are noted in the batch. The forms of a few
// payees ahead are filled at once on other threads; everything else, the
// report, the messages and the batch, stays on this thread and in order.
// The run changes no payee.
void GeneratePaymentSummaryPDFs(AppContext& context, const std::vector<qint32>& payeeIds, const PdfNamePattern& pattern,
    PaymentSummaryBatch& batch);

inline const QString kPaymentSummarySaved = QStringLiteral("Payment Summary Saved.");
inline const QString kPaymentSummaryNotSaved = QStringLiteral(
    "PDF Payment Summary not Saved. \nCheck that you have write permission.\n\nTry a different location.");
