#include "pdf/SinglePayForm.h"

#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"

SinglePayForm::SinglePayForm(AppContext& context)
    : m_context(context)
{
}

void SinglePayForm::OnBnClickedOk(const QDate& date)
{
    Report& report = m_context.report();
    report.declarationDate = date.toString(QStringLiteral("dd/MM/yyyy"));
    report.pdfConfirmed.clear();

    FileDialogRequest request;
    request.defaultExtension = QStringLiteral("*.pdf");
    request.defaultName = QStringLiteral("Payment_Summary");
    request.filter = QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||");
    request.initialFolder = m_context.prefs.pdfFolder();
    request.overwritePrompt = true;
    const std::optional<QString> chosen = m_context.ui.saveFileName(request);
    if (!chosen) {
        report.pdfConfirmed = QStringLiteral("No");
        return;
    }
    report.pdfOutputPath = *chosen;
    report.pdfTemplatePath = joinPath(folderOf(*chosen), kSingleTemplateName);
    report.pdfConfirmed = QStringLiteral("Yes");
}

void SinglePayForm::OnBnClickedCancel()
{
    m_context.report().pdfConfirmed = QStringLiteral("No");
}
