#include "pdf/MediaForm.h"

#include "pdf/BlankForms.h"
#include "pdf/CNewPDF.h"
#include "pdf/CreateTempPDF.h"
#include "pdf/FormUpdate.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <exception>

namespace {

struct DayMonthYear {
    QString day;
    QString month;
    QString year;
};

// A date of exactly 10 characters (day/month/year) gives its parts; any
// other text is taken as the year, with the given day and month.
DayMonthYear periodEnd(const QString& text, const QString& day, const QString& month)
{
    if (text.size() == 10)
        return { text.mid(0, 2), text.mid(3, 2), text.mid(6, 4) };
    return { day, month, text };
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

} // namespace

FieldPlan MediaFormPlan(const Report& report)
{
    const DayMonthYear start = periodEnd(report.priorYear, QStringLiteral("01"), QStringLiteral("07"));
    const DayMonthYear end = periodEnd(report.reportYear, QStringLiteral("30"), QStringLiteral("06"));
    return {
        { QStringLiteral("report-dateDay"), start.day },
        { QStringLiteral("report-dateMonth"), start.month },
        { QStringLiteral("report-dateYear"), start.year },
        { QStringLiteral("report-dateDayEnd"), end.day },
        { QStringLiteral("report-dateMonthEnd"), end.month },
        { QStringLiteral("report-dateYearEnd"), end.year },
        { QStringLiteral("supplier-name"), report.supplierName },
        // A supplier ABN of another length (none entered yet) shows as stored.
        { QStringLiteral("ABN-sep"), AbnInGroups(report.supplierAbn) },
        { QStringLiteral("payer-ABN-sep"), AbnInGroups(report.payerAbn) },
        { QStringLiteral("payer-branch"), report.payerBranch },
        { QStringLiteral("payer-name"), report.payerName },
        { QStringLiteral("supplier-address"), report.supplierAddress1 + report.supplierAddress2 },
        { QStringLiteral("supplier-addressSuburb"), report.supplierSuburb },
        { QStringLiteral("supplier-addressState"), report.supplierState },
        { QStringLiteral("supplier-addressPostcode"), report.supplierPostcode },
        { QStringLiteral("supplier-contactName"), report.supplierContact },
        { QStringLiteral("supplier-email"), report.supplierEmail },
        { QStringLiteral("suplier-phone"), withoutBlanks(report.supplierPhone) },
        { QStringLiteral("supplier-fax"), withoutBlanks(report.supplierFax) },
    };
}

void CNewPDF::FillDataSheetMedia(AppContext& context, const QString& templatePath)
{
    const Report& report = context.report();
    FileResult written { FileError::Other, QString() };
    try {
        QByteArray blank;
        if (!templatePath.isEmpty() && context.files.readAll(templatePath, blank).ok() && !blank.isEmpty()) {
            const QByteArray filled = AppendFormUpdate(blank, MediaFormPlan(report));
            written = context.files.writeWhole(report.pdfOutputPath, filled);
        }
    } catch (const std::exception&) {
        written = { FileError::Other, QString() };
    }
    if (!templatePath.isEmpty())
        context.files.remove(templatePath);
    if (written.ok())
        TellSaved(context.ui, report.pdfOutputPath, written, kMediaFormSaved);
    else
        context.ui.message(kMediaFormFailed);
}

void AtoMediaForm(AppContext& context)
{
    UserInterface& ui = context.ui;
    if (ui.message(kMediaFormQuestion, MessageButtons::YesNoCancel) != Answer::Yes)
        return;

    FileDialogRequest request;
    request.defaultExtension = QStringLiteral("*.pdf");
    request.defaultName = QStringLiteral("MediaForm");
    request.filter = QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||");
    request.initialFolder = context.prefs.lodgementFolder();
    request.overwritePrompt = true;
    const std::optional<QString> chosen = ui.saveFileName(request);
    if (!chosen)
        return;

    Report& report = context.report();
    report.pdfOutputPath = *chosen;
    report.pdfTemplatePath = joinPath(folderOf(*chosen), QStringLiteral("tempmedia.pdf"));

    WaitCursor wait(ui);
    QString templatePath;
    const QByteArray blank = BlankForms::bytes(BlankForms::kMediaForm);
    const FileResult created = blank.isEmpty()
        ? FileResult { FileError::Other, QStringLiteral("no media form") }
        : CreateFileBeside(context.files, report.pdfTemplatePath, blank, templatePath);
    if (created.error == FileError::AccessDenied || created.error == FileError::NotFound) {
        ui.message(kTempMediaNotSaved);
        return;
    }
    if (!created.ok())
        ui.message(kTempMediaError);
    // After any other failure the filler still runs and reports its own.
    CNewPDF::FillDataSheetMedia(context, templatePath);
}
