#include "lodgement/GenerateFiles.h"

#include "lodgement/LodgementWriter.h"
#include "lodgement/PdfServices.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"

#include <exception>
#include <memory>

GenerateFiles::GenerateFiles(AppContext& context, PdfServices& pdf, Clock clock)
    : m_context(context), m_pdf(pdf), m_clock(std::move(clock))
{
}

bool GenerateFiles::paymentSummariesEnabled() const
{
    return m_context.report().a01FileOnly != 1;
}

void GenerateFiles::OnBnClickedAtoMediaForm()
{
    m_pdf.atoMediaForm(m_context);
}

void GenerateFiles::OnBnClickedPaymentSummaries()
{
    m_pdf.paymentSummaries(m_context);
}

void GenerateFiles::OnBnClickedVeskA01File()
{
    try {
        buildAndSave();
    } catch (const std::exception&) {
        m_context.ui.message(
            QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #1004."));
    }
}

void GenerateFiles::buildAndSave()
{
    Report& report = m_context.report();
    UserInterface& ui = m_context.ui;
    report.fileGenerated = 0;

    if (report.payerNotInList == 2) {
        ui.message(kPayerNotInListMessage, MessageButtons::Ok, MessageIcon::None);
        return;
    }

    const QString generatedAt = m_clock().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    // The records are made and checked here and made again as they are
    // written: the file is never held whole.
    LodgementBuild build = CheckLodgement(report);
    switch (build.outcome) {
    case LodgementBuild::Outcome::Stopped2012:
        ui.message(kYear2012Message);
        report.summaryText.clear();
        return;
    case LodgementBuild::Outcome::Refused:
        // Nothing malformed is offered for saving: the user corrects the field first.
        ui.message(build.refusal);
        return;
    case LodgementBuild::Outcome::Built:
        break;
    }

    const qint64 length = build.fileBytes;
    if (length % kRecordLength != 0) {
        ui.message(QStringLiteral("There is a problem with the size of this file.\nPlease send a copy to the Vendor "
                                  "so the cause can be determined."));
        return;
    }

    ui.message(QStringLiteral("Summary of File: \r\n\r\nTotal Payees Count = ") + QString::number(build.payeeRecords)
                   + QStringLiteral("\r\n\r\nDerived Total Count = ")
                   + QString::number(double(length) / double(kRecordLength), 'f', 6)
                   + QStringLiteral("\r\n\r\nThe Derived Total Count is the size of the \nfile divided by 628. This "
                                    "should be exactly \n6 more than the Total Payees Count."),
               MessageButtons::Ok, MessageIcon::Information);

    FileDialogRequest request;
    request.defaultExtension = QStringLiteral("*.A01");
    request.defaultName = QStringLiteral("VESK") + report.reportYear;
    request.filter = QStringLiteral(
        "VESK Files (*.A01)|*.A01|VESK Files (*.A02)|*.A02|VESK Files (*.A03)|*.A03|All Files (*.*)|*.*||");
    request.initialFolder = m_context.prefs.lodgementFolder();
    request.overwritePrompt = true;
    const std::optional<QString> path = ui.saveFileName(request);
    if (!path)
        return;

    FileResult written;
    {
        WaitCursor wait(ui);
        // The previous summary gives way first, so the run never holds two.
        report.summaryText = QByteArray();
        const QString heading = SummaryHeading(*path, generatedAt);
        try {
            const std::unique_ptr<FileWriter> writer = m_context.files.startWrite(*path);
            const LodgementBuild again = WriteLodgement(report, *writer);
            if (again.outcome != LodgementBuild::Outcome::Built || again.fileBytes != length) {
                writer->cancel();
                written = { FileError::Other, QStringLiteral("The records changed while they were written.") };
            } else {
                written = writer->commit();
            }
        } catch (...) {
            report.summaryText = JoinSummary(heading, std::move(build.summaryBody));
            throw;
        }
        report.summaryText = JoinSummary(heading, std::move(build.summaryBody));
    }
    if (!written.ok()) {
        ui.message(written.error == FileError::AccessDenied
                ? kSorry1WriteMessage
                : WithReason(QStringLiteral("File was not saved - Ref #222."), written));
        return;
    }
    report.fileGenerated = 1;
    TellSaved(ui, *path, written, QStringLiteral("VESK.A01 file saved."));
}

void GenerateFiles::OnBnClickedSummary()
{
    try {
        saveSummary();
    } catch (const std::exception&) {
        m_context.ui.message(
            QStringLiteral("An unknown error has occurred during \nthe file save process - Ref #1005."));
    }
}

void GenerateFiles::saveSummary()
{
    Report& report = m_context.report();
    UserInterface& ui = m_context.ui;
    if (report.summaryText.isEmpty() || report.fileGenerated == 0) {
        ui.message(QStringLiteral("No Summary to Print. \n\nPlease generate the VESK.A01 file first."));
        return;
    }

    FileDialogRequest request;
    request.defaultExtension = QStringLiteral("*.txt");
    request.defaultName = QStringLiteral("VESK_Summary");
    request.filter = QStringLiteral("VESK Summary Files (*.txt)|*.txt|All Files (*.*)|*.*||");
    request.initialFolder = m_context.prefs.lodgementFolder();
    request.overwritePrompt = true;
    const std::optional<QString> path = ui.saveFileName(request);
    if (!path)
        return;

    FileResult written;
    {
        WaitCursor wait(ui);
        // The summary is kept as the UTF-8 bytes the file holds.
        written = m_context.files.writeWhole(*path, report.summaryText);
    }
    if (!written.ok()) {
        ui.message(written.error == FileError::AccessDenied
                ? kSorry1WriteMessage
                : WithReason(QStringLiteral("An unknown error has occurred during \nthe file save process - Ref "
                                            "#1005a."),
                    written));
        return;
    }
    TellSaved(ui, *path, written, QStringLiteral("Summary file saved."));
}
