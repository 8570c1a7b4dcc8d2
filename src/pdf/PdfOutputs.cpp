#include "pdf/PdfOutputs.h"

#include "lodgement/GenerateFiles.h"
#include "pdf/CNewPDF.h"
#include "pdf/MediaForm.h"
#include "pdf/PaymentSummary.h"
#include "pdf/PaymentSummaryBatch.h"
#include "platform/FileSystem.h"
#include "platform/FolderProbe.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"

#include <vector>

namespace
{

const QString kYes = QStringLiteral("Yes");
const QString kNo = QStringLiteral("No");

// The folder as the run keeps it: without a trailing separator.
QString withoutTrailingSeparator(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

} // namespace

void PdfOutputs::atoMediaForm(AppContext& context)
{
    AtoMediaForm(context);
}

void PdfOutputs::paymentSummaries(AppContext& context)
{
    UserInterface& ui = context.ui;
    WaitCursor wait(ui);
    Report& report = context.report();
    if (report.payerNotInList == 2) {
        ui.message(kPayerNotInListMessage);
        return;
    }

    m_pattern.cancelled = false;
    ui.runDialog(QStringLiteral("AdviceName"));
    if (m_pattern.cancelled) {
        m_pattern.cancelled = false;
        return;
    }

    report.pdfCount = 0;
    report.pdfFilePerPayee = kYes;
    const std::optional<QString> chosen = ui.chooseFolder(
        QStringLiteral("Please select a folder for saving Payment Summaries:"), context.prefs.pdfFolder());
    if (!chosen || chosen->isEmpty()) {
        report.pdfConfirmed = kNo;
        report.pdfFilePerPayee = kNo;
        return;
    }
    const QString folder = withoutTrailingSeparator(*chosen);
    if (!ProveFolderWritable(context.files, ui, folder, kWriteAccessRefused)) {
        report.pdfConfirmed = kNo;
        report.pdfFilePerPayee = kNo;
        return;
    }

    report.pdfOutputPath = folder;
    report.pdfTemplatePath = joinPath(folder, QStringLiteral("tempps.pdf"));
    report.pdfConfirmed = kYes;
    report.printPayeeId = 0;
    // The IDs first: the run changes no payee, and so never the map it walks.
    std::vector<qint32> ids;
    ids.reserve(report.payees.size());
    for (const auto& entry : report.payees)
        ids.push_back(entry.first);
    PaymentSummaryBatch batch(context.files, folder);
    GeneratePaymentSummaryPDFs(context, ids, m_pattern, batch);
    // What was written whole before a fault still counts.
    batch.commit();
    report.pdfCount = batch.committed();
    const QString generated = IntToString(report.pdfCount) + QStringLiteral(" Payment Summaries Generated");
    QString told = batch.stopped().ok() ? generated : WithReason(generated + kRestNotSaved, batch.stopped());
    // The summaries saved are saved, and counted, whatever went wrong after.
    if (batch.warned().hasWarning())
        told += QStringLiteral("\n\n") + SavedWarningText(batch.warned(), true);
    if (!batch.cutValues().isEmpty())
        told += QStringLiteral("\n\n") + CutValuesMessage(batch.cutValues());
    ui.message(told, MessageButtons::Ok, batch.warned().hasWarning() ? MessageIcon::Warning : MessageIcon::Default);
    report.pdfFilePerPayee = kNo;
}

void PdfOutputs::paymentSummary(AppContext& context, qint32 payeeId)
{
    GeneratePaymentSummaryPDF(context, payeeId, m_pattern);
}
