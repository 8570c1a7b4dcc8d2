#include "pdf/CNewPDF.h"

#include "pdf/FieldPlans.h"
#include "pdf/FormFiller.h"
#include "pdf/PaymentSummaryBatch.h"
#include "pdf/PdfValues.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"

#include <exception>

namespace
{

using PlanFunction = FieldPlan (*)(const PdfValues&, const Report&, const QString&);

constexpr qsizetype kCutPayeesNamed = 20;

// The filled summary written where the mode says: the chosen file in single
// mode, a new file of the payee's name in batch mode (a batch of its own).
// The failure with its reason, if any; `cut` gets the fields whose values
// their boxes cut.
FileResult writeSummary(
    AppContext& context, const PdfValues& values, const QByteArray& blank, PlanFunction plan, QStringList& cut)
{
    Report& report = context.report();
    report.pdfTemplateFailed = 0;
    report.pdfLastOutputFile.clear();
    const bool batchMode = report.pdfFilePerPayee == QLatin1String("Yes");
    try {
        if (blank.isEmpty())
            return { FileError::Other, QString() };
        const QByteArray document
            = FillForm(blank, plan(values, report, context.prefs.printZero), PaymentSummaryFinish(), &cut);
        if (!batchMode)
            return context.files.writeWhole(report.pdfOutputPath, document);
        // The file name stem comes with its leading separator.
        const QString stem = fileNameOf(values.fileName);
        PaymentSummaryBatch one(context.files, report.pdfOutputPath);
        return one.add(stem, document, report.pdfLastOutputFile, PaymentSummaryBatch::Flush::Now);
    } catch (const std::exception&) {
        return { FileError::Other, QString() };
    }
}

// A failure of this payee alone is reported with its reason; one that ends
// the run is left to the run, which reports it once, as it does what went
// wrong after its summaries took their names.
void reportFailure(AppContext& context, const FileResult& result, const QString& failure, PaymentSummaryBatch* batch)
{
    if (result.ok()) {
        const Report& report = context.report();
        if (!batch) {
            const bool batchMode = report.pdfFilePerPayee == QLatin1String("Yes");
            TellSaved(context.ui, batchMode ? report.pdfLastOutputFile : report.pdfOutputPath, result);
        }
        return;
    }
    if (!batch || !EndsTheRun(result))
        context.ui.message(WithReason(failure, result));
    context.report().pdfTemplateFailed = 1;
}

void fill(AppContext& context, const PdfValues& values, const QString& templatePath, PlanFunction plan,
    const QString& failure)
{
    QByteArray blank;
    if (!templatePath.isEmpty() && !context.files.readAll(templatePath, blank).ok())
        blank.clear();
    QStringList cut;
    const FileResult result = writeSummary(context, values, blank, plan, cut);
    if (!templatePath.isEmpty())
        context.files.remove(templatePath);
    reportFailure(context, result, failure, nullptr);
    if (result.ok() && !cut.isEmpty())
        context.ui.message(CutValuesMessage({ CutValuesLine(values, cut) }));
}

// Each type's field plan and the message of its filler's failure.
struct TypeFill {
    const char* type;
    PlanFunction plan;
    const QString& failure;
};

const TypeFill kTypeFills[] = {
    { "INB", &PlanINB, kFillFailedINB },
    { "BUS", &PlanBUS, kFillFailedBUS },
    { "ETP", &PlanETP, kFillFailedOther },
    { "FEI", &PlanFEI, kFillFailedFEI },
    { "PEN", &PlanPEN, kFillFailedOther },
    { "SLS", &PlanSLS, kFillFailedOther },
    { "DAS", &PlanDAS, kFillFailedOther },
};

const TypeFill* typeFill(const QString& type)
{
    for (const TypeFill& fill : kTypeFills) {
        if (type == QLatin1String(fill.type))
            return &fill;
    }
    return nullptr;
}

void fillAs(AppContext& context, const PdfValues& values, const QString& templatePath, const char* type)
{
    const TypeFill* found = typeFill(QLatin1String(type));
    fill(context, values, templatePath, found->plan, found->failure);
}

} // namespace

BatchSummary::BatchSummary(const AppContext& context, PdfValues values, QByteArray blank)
    : m_values(std::move(values))
    , m_blank(std::move(blank))
    , m_finish(PaymentSummaryFinish())
{
    const TypeFill* type = typeFill(m_values.card.payeeType);
    if (!type)
        return;
    m_failure = &type->failure;
    if (m_blank.isEmpty())
        return;
    try {
        m_plan = type->plan(m_values, context.report(), context.prefs.printZero);
        m_planned = true;
    } catch (const std::exception&) {
    }
}

void BatchSummary::fill()
{
    if (!m_planned || m_filled)
        return;
    try {
        m_document = FillForm(m_blank, m_plan, m_finish, &m_cut);
        m_filled = true;
    } catch (const std::exception&) {
        m_document.clear();
    }
}

bool BatchSummary::addTo(AppContext& context, PaymentSummaryBatch& batch)
{
    if (!m_failure)
        return false;
    Report& report = context.report();
    report.pdfTemplateFailed = 0;
    report.pdfLastOutputFile.clear();
    FileResult result { FileError::Other, QString() };
    if (m_filled) {
        try {
            // The file name stem comes with its leading separator.
            result = batch.add(fileNameOf(m_values.fileName), m_document, report.pdfLastOutputFile);
        } catch (const std::exception&) {
            result = { FileError::Other, QString() };
        }
    }
    // The run keeps its window of summaries small: the bytes are on disk now.
    m_document = QByteArray();
    reportFailure(context, result, *m_failure, &batch);
    if (result.ok() && !m_cut.isEmpty())
        batch.noteCutValues(CutValuesLine(m_values, m_cut));
    return result.ok();
}

QString CutValuesMessage(const QStringList& payeeLines)
{
    QString text = QStringLiteral(
        "Some values are too long for their boxes, even in the smallest print, and are cut on the paper:");
    for (qsizetype i = 0; i < payeeLines.size() && i < kCutPayeesNamed; ++i)
        text += QLatin1Char('\n') + payeeLines[i];
    if (payeeLines.size() > kCutPayeesNamed)
        text += QStringLiteral("\n... and %1 more payees.").arg(payeeLines.size() - kCutPayeesNamed);
    return text;
}

QString CutValuesLine(const PdfValues& values, const QStringList& fields)
{
    return QStringLiteral("Payee %1 (%2): %3")
        .arg(IntToString(values.card.payeeId), values.fullName, fields.join(QStringLiteral(", ")));
}

void CNewPDF::FillDataSheetINB(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fillAs(context, values, templatePath, "INB");
}

void CNewPDF::FillDataSheetBUS(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fillAs(context, values, templatePath, "BUS");
}

void CNewPDF::FillDataSheetETP(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fillAs(context, values, templatePath, "ETP");
}

void CNewPDF::FillDataSheetFEI(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fillAs(context, values, templatePath, "FEI");
}

void CNewPDF::FillDataSheetPEN(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fillAs(context, values, templatePath, "PEN");
}

void CNewPDF::FillDataSheetSLS(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fillAs(context, values, templatePath, "SLS");
}

void CNewPDF::FillDataSheetDAS(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fillAs(context, values, templatePath, "DAS");
}
