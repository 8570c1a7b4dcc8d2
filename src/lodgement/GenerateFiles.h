#pragma once

#include <QDateTime>

#include <functional>

class AppContext;
class PdfServices;

// The logic of the Generate Files dialog: one method per button. Every
// message goes through the context's user interface and every file through
// its file system.
class GenerateFiles {
public:
    using Clock = std::function<QDateTime()>;

    GenerateFiles(AppContext& context, PdfServices& pdf, Clock clock = &QDateTime::currentDateTime);

    // "VESK.A01 File": builds the lodgement file and saves it where the user says.
    void OnBnClickedVeskA01File();
    // "Summary of VESK.A01 File": saves the summary of the file written last.
    void OnBnClickedSummary();
    void OnBnClickedAtoMediaForm();
    void OnBnClickedPaymentSummaries();

    // "Payment Summaries" is offered unless the report wants the lodgement file only.
    bool paymentSummariesEnabled() const;

private:
    void buildAndSave();
    void saveSummary();

    AppContext& m_context;
    PdfServices& m_pdf;
    Clock m_clock;
};

inline const QString kPayerNotInListMessage = QStringLiteral(
    "The current Payer in this Report is not in the Payer List. \nPlease Add this Payer to the Payer List or select a "
    "different Payer.");
inline const QString kSorry1WriteMessage = QStringLiteral(
    "Sorry1 - you do not seem to have write access to this \nfolder, please try a different location.");
