#include "transfer/TabDelimitedExport.h"

#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "transfer/TabDelimitedText.h"
#include "transfer/TabLayout.h"

#include <exception>

namespace {

QString fromAscii(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

void appendPayeeLine(QString& text, const TabLayout& layout, const CCards& card, int reportYear)
{
    for (int i = 0; i < layout.fieldCount(); ++i) {
        if (i > 0)
            text += u'\t';
        text += TabDelimitedField(ExportedTabCell(layout, layout.columns[i], card, reportYear));
    }
    text += QStringLiteral("\r\n");
}

} // namespace

QString BuildTabDelimitedExport(const Report& report, const TabLayout& layout)
{
    const QString typeCode = fromAscii(layout.typeCode);
    QString lines;
    for (const auto& [id, card] : report.payees) {
        if (card.payeeType == typeCode)
            appendPayeeLine(lines, layout, card, report.reportYearNumber);
    }
    if (lines.isEmpty())
        return QString();
    return TabDelimitedHeader(layout) + lines;
}

void ExportTabDelimited(AppContext& context, PayeeType type)
{
    const TabLayout& layout = tabLayout(type);
    UserInterface& ui = context.ui;
    const QString noPayees = QStringLiteral("There are no Payees to Export.");
    const Report& report = context.report();
    if (report.payees.empty()) {
        ui.message(noPayees);
        return;
    }
    const QString text = BuildTabDelimitedExport(report, layout);
    if (text.isEmpty()) {
        ui.message(noPayees);
        return;
    }

    FileDialogRequest request;
    request.defaultExtension = QStringLiteral("*.txt");
    request.defaultName = fromAscii(layout.typeCode) + QStringLiteral("Export");
    request.filter = fromAscii(layout.exportFilter);
    request.initialFolder = context.prefs.lodgementFolder();
    request.overwritePrompt = true;
    const std::optional<QString> path = ui.saveFileName(request);
    if (!path)
        return;

    FileResult written;
    try {
        WaitCursor wait(ui);
        written = context.files.writeWhole(*path, UTF16toUTF8(text));
    } catch (const std::exception&) {
        ui.message(fromAscii(layout.writeError));
        return;
    }
    if (!written.ok()) {
        ui.message(fromAscii(written.error == FileError::AccessDenied ? layout.accessMessage : layout.createError));
        return;
    }
    ui.message(QStringLiteral("Saved."));
}

void ExportTabDelimitedINB(AppContext& context)
{
    ExportTabDelimited(context, PayeeType::INB);
}
void ExportTabDelimitedETP(AppContext& context)
{
    ExportTabDelimited(context, PayeeType::ETP);
}
void ExportTabDelimitedBUS(AppContext& context)
{
    ExportTabDelimited(context, PayeeType::BUS);
}
void ExportTabDelimitedFEI(AppContext& context)
{
    ExportTabDelimited(context, PayeeType::FEI);
}
void ExportTabDelimitedPEN(AppContext& context)
{
    ExportTabDelimited(context, PayeeType::PEN);
}
void ExportTabDelimitedSLS(AppContext& context)
{
    ExportTabDelimited(context, PayeeType::SLS);
}
void ExportTabDelimitedDAS(AppContext& context)
{
    ExportTabDelimited(context, PayeeType::DAS);
}
