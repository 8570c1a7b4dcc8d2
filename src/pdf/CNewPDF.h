#pragma once

#include "pdf/FieldPlans.h"
#include "pdf/FormFiller.h"
#include "pdf/PdfValues.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class AppContext;
class PaymentSummaryBatch;

// Turns a payee's template (written by CreateTempPDF) into the payee's
// flattened payment summary: in batch mode (pdfFilePerPayee "Yes") a new
// file in the folder pdfOutputPath named by the payee's file name stem,
// otherwise the file pdfOutputPath. Sets pdfTemplateFailed to 1 after a
// failure it has reported, and pdfLastOutputFile to the batch file written.
// A summary written with values cut by their boxes is followed by
// CutValuesMessage. The template is removed in every case; nothing else is
// touched.
class CNewPDF
{
public:
    static void FillDataSheetINB(AppContext& context, const PdfValues& values, const QString& templatePath);
    static void FillDataSheetBUS(AppContext& context, const PdfValues& values, const QString& templatePath);
    static void FillDataSheetETP(AppContext& context, const PdfValues& values, const QString& templatePath);
    static void FillDataSheetFEI(AppContext& context, const PdfValues& values, const QString& templatePath);
    static void FillDataSheetPEN(AppContext& context, const PdfValues& values, const QString& templatePath);
    static void FillDataSheetSLS(AppContext& context, const PdfValues& values, const QString& templatePath);
    static void FillDataSheetDAS(AppContext& context, const PdfValues& values, const QString& templatePath);

    // Fills the media form template into the file pdfOutputPath as an
    // incremental update, leaving it fillable, and says whether it was
    // saved. Removes the template; never touches pdfTemplateFailed or
    // pdfLastOutputFile.
    static void FillDataSheetMedia(AppContext& context, const QString& templatePath);
};

// A payee's summary in a run of all payees, in three steps, so that the
// forms of several payees can be filled at once: made ready on the run's
// thread (it reads the report and the preferences), filled on any thread
// (filling touches nothing but this object), then added to the run's batch
// under the payee's file name stem, on the run's thread.
class BatchSummary
{
public:
    BatchSummary(const AppContext& context, PdfValues values, QByteArray blank);

    // False for a type that has no form: addTo then does nothing.
    bool hasForm() const { return m_failure != nullptr; }
    // The form filled and flattened in memory. Safe on any thread while
    // nothing else uses this object.
    void fill();
    // Adds the filled summary to the batch. A failure of this payee alone
    // is reported (the type's message and the reason) and sets
    // pdfTemplateFailed; one that ends the run is left in the batch for the
    // run to report, and so are values cut by their boxes
    // (PaymentSummaryBatch::noteCutValues). Whether the summary was added.
    bool addTo(AppContext& context, PaymentSummaryBatch& batch);

private:
    PdfValues m_values;
    QByteArray m_blank;
    FieldPlan m_plan;
    FormFinish m_finish;
    const QString* m_failure = nullptr; // the type's message
    bool m_planned = false;
    bool m_filled = false;
    QByteArray m_document;
    QStringList m_cut;
};

// The message of the values that are cut by their boxes on the paper, one
// line per payee (see CutValuesLine): at most 20 payees are named, then
// how many more there are.
QString CutValuesMessage(const QStringList& payeeLines);
// "Payee 12 (Ann Lee): Payer's name, Payee's name".
QString CutValuesLine(const PdfValues& values, const QStringList& fields);

inline const QString kFillFailedINB
    = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #1032a.");
inline const QString kFillFailedFEI
    = QStringLiteral("An unknown error has occurred during the file save process - Ref #1032a.");
inline const QString kFillFailedBUS
    = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #1032b.");
inline const QString kFillFailedOther
    = QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #1032c.");
