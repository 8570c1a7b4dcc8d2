#include "pdf/CNewPDF.h"

#include "pdf/FieldPlans.h"
#include "pdf/FormFiller.h"
#include "pdf/PdfValues.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <exception>

namespace {

using PlanFunction = FieldPlan (*)(const PdfValues&, const Report&, const QString&);

// Batch mode never writes over a file: the payee's name is tried first,
// then the same name with "00", "01", ... before ".pdf". Each name is first
// claimed by creating it, then written whole.
bool writeBatchFile(AppContext& context, const PdfValues& values, const QByteArray& document)
{
    Report& report = context.report();
    FileSystem& files = context.files;
    // No folder is no folder: never the root or the working directory.
    if (report.pdfOutputPath.isEmpty())
        return false;
    const QString base = report.pdfOutputPath + values.fileName;
    constexpr int kNumberedNames = 1000;
    for (int n = -1; n < kNumberedNames; ++n) {
        const QString path
            = n < 0 ? base + QStringLiteral(".pdf") : base + QStringLiteral("%1.pdf").arg(n, 2, 10, QLatin1Char('0'));
        report.pdfLastOutputFile = path;
        const FileResult claimed = files.createExclusive(path, QByteArray());
        if (claimed.error == FileError::AlreadyExists)
            continue;
        if (!claimed.ok())
            return false;
        if (files.writeWhole(path, document).ok())
            return true;
        files.remove(path);
        return false;
    }
    return false;
}

void fill(AppContext& context, const PdfValues& values, const QString& templatePath, PlanFunction plan,
    const QString& failure)
{
    Report& report = context.report();
    report.pdfTemplateFailed = 0;
    report.pdfLastOutputFile.clear();
    const bool batch = report.pdfFilePerPayee == QLatin1String("Yes");

    bool written = false;
    try {
        QByteArray blank;
        if (!templatePath.isEmpty() && context.files.readAll(templatePath, blank).ok() && !blank.isEmpty()) {
            const QByteArray document
                = FillForm(blank, plan(values, report, context.prefs.printZero), PaymentSummaryFinish());
            written = batch ? writeBatchFile(context, values, document)
                            : context.files.writeWhole(report.pdfOutputPath, document).ok();
        }
    } catch (const std::exception&) {
        written = false;
    }
    if (!templatePath.isEmpty())
        context.files.remove(templatePath);
    if (!written) {
        context.ui.message(failure);
        report.pdfTemplateFailed = 1;
    }
}

} // namespace

void CNewPDF::FillDataSheetINB(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fill(context, values, templatePath, &PlanINB, kFillFailedINB);
}

void CNewPDF::FillDataSheetBUS(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fill(context, values, templatePath, &PlanBUS, kFillFailedBUS);
}

void CNewPDF::FillDataSheetETP(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fill(context, values, templatePath, &PlanETP, kFillFailedOther);
}

void CNewPDF::FillDataSheetFEI(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fill(context, values, templatePath, &PlanFEI, kFillFailedFEI);
}

void CNewPDF::FillDataSheetPEN(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fill(context, values, templatePath, &PlanPEN, kFillFailedOther);
}

void CNewPDF::FillDataSheetSLS(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fill(context, values, templatePath, &PlanSLS, kFillFailedOther);
}

void CNewPDF::FillDataSheetDAS(AppContext& context, const PdfValues& values, const QString& templatePath)
{
    fill(context, values, templatePath, &PlanDAS, kFillFailedOther);
}
