#include "transfer/TabDelimitedExport.h"

#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "transfer/TabDelimitedText.h"
#include "transfer/TabLayout.h"

#include <algorithm>
#include <memory>
#include <exception>

namespace {

// Digits straight into the text: a number per cell would otherwise cost an
// allocation each, the bulk of a large export.
void appendNumber(QString& text, qint32 value)
{
    char16_t digits[12];
    int n = 0;
    qint64 v = value;
    const bool negative = v < 0;
    if (negative)
        v = -v;
    do {
        digits[n++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v > 0);
    if (negative)
        digits[n++] = u'-';
    std::reverse(digits, digits + n);
    text.append(QStringView(digits, n));
}

void appendPayeeLine(QString& text, const TabLayout& layout, const CCards& card, int reportYear)
{
    for (int i = 0; i < layout.fieldCount(); ++i) {
        if (i > 0)
            text += u'\t';
        const TabColumn& column = layout.columns[i];
        if (column.kind == TabColumnKind::Number)
            appendNumber(text, column.numberOf(card));
        else if (column.kind == TabColumnKind::PayeeId)
            appendNumber(text, card.payeeId);
        else
            AppendTabDelimitedField(text, ExportedTabCell(layout, column, card, reportYear));
    }
    text += QStringLiteral("\r\n");
}

qsizetype payeesOfType(const Report& report, const QString& typeCode)
{
    qsizetype matching = 0;
    for (const auto& [id, card] : report.payees)
        matching += card.payeeType == typeCode;
    return matching;
}

// Hands the header, then each payee's line, to sink.
template <class Sink>
void forEachExportPiece(const Report& report, const TabLayout& layout, Sink&& sink)
{
    const QString typeCode = fromAscii(layout.typeCode);
    sink(TabDelimitedHeader(layout));
    QString line;
    for (const auto& [id, card] : report.payees) {
        if (card.payeeType != typeCode)
            continue;
        line.resize(0);
        appendPayeeLine(line, layout, card, report.reportYearNumber);
        sink(line);
    }
}

} // namespace

QString BuildTabDelimitedExport(const Report& report, const TabLayout& layout)
{
    QString text;
    if (payeesOfType(report, fromAscii(layout.typeCode)) > 0)
        forEachExportPiece(report, layout, [&text](const QString& piece) { text += piece; });
    return text;
}

QByteArray TabDelimitedExportBytes(const Report& report, const TabLayout& layout)
{
    // Converted line by line: the same bytes as converting the whole text,
    // without holding the text and its bytes at once.
    const qsizetype matching = payeesOfType(report, fromAscii(layout.typeCode));
    QByteArray bytes;
    int pieces = 0;
    forEachExportPiece(report, layout, [&](const QString& piece) {
        const QByteArray converted = UTF16toUTF8(piece);
        if (++pieces == 2) // the first payee's line gives the size of the rest
            bytes.reserve(bytes.size() + converted.size() * matching * 5 / 4);
        bytes += converted;
    });
    return bytes;
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
    if (payeesOfType(report, fromAscii(layout.typeCode)) == 0) {
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

    // A file that cannot be created and one that fails while it is written
    // have messages of their own; either way the old file stays as it was.
    FileResult created;
    FileResult written;
    try {
        WaitCursor wait(ui);
        const std::unique_ptr<FileWriter> writer = context.files.startWrite(*path);
        created = writer->status();
        if (created.ok()) {
            writer->append(TabDelimitedExportBytes(report, layout));
            written = writer->commit();
        }
    } catch (const std::exception&) {
        ui.message(fromAscii(layout.writeError));
        return;
    }
    if (created.error == FileError::AccessDenied) {
        ui.message(fromAscii(layout.accessMessage));
        return;
    }
    if (!created.ok()) {
        ui.message(WithReason(fromAscii(layout.createError), created));
        return;
    }
    if (!written.ok()) {
        ui.message(WithReason(fromAscii(layout.writeError), written));
        return;
    }
    TellSaved(ui, *path, written, QStringLiteral("Saved."));
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
