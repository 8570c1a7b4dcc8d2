#include "transfer/TabDelimitedImport.h"

#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "report/PayeeIds.h"
#include "transfer/TabDelimitedText.h"
#include "transfer/TabLayout.h"

#include <QStringList>

namespace {

constexpr int kFirstDataLine = 20;

// Builds the payee of one data line. The ID is the line's own, through the
// placeholder rule; it is settled against the report later.
CCards payeeFromFields(const TabLayout& layout, const QStringList& fields, int reportYear, int& badNumbers)
{
    CCards card;
    card.dataSource = QStringLiteral("Tab Delimited Import");
    card.payeeType = fromAscii(layout.typeCode);
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const TabColumn& column = layout.columns[i];
        const QString& cell = fields.at(i);
        switch (column.kind) {
        case TabColumnKind::PayeeId: {
            const qint32 id = StringToInt(cell);
            card.payeeId = id == kNotANumber ? layout.idPlaceholder : id;
            break;
        }
        case TabColumnKind::PayeeType:
            break;
        case TabColumnKind::Number: {
            const qint32 value = StringToInt(cell);
            if (value == kNotANumber)
                ++badNumbers;
            column.numberOf(card) = value;
            break;
        }
        case TabColumnKind::TaxNumber: {
            // The payment type stands before this column, so it is already stored.
            const QString number = CleanTabCell(cell, column.steps);
            if (IsVoluntaryAgreement(card.busPaymentType)) {
                card.abn = number;
                card.tfn = QStringLiteral("000000000");
            } else {
                card.tfn = number;
                card.abn = QStringLiteral("00000000000");
            }
            break;
        }
        case TabColumnKind::Text:
            column.textOf(card) = ImportedTabText(column, CleanTabCell(cell, column.steps), reportYear);
            break;
        }
    }
    if (layout.completeImported)
        layout.completeImported(card, reportYear);
    return card;
}

void refuseLine(UserInterface& ui, const QStringList& fields)
{
    ui.message(QStringLiteral("Payee with ID '") + (fields.isEmpty() ? QString() : fields.first())
               + QStringLiteral("' could not be imported as there was a problem with one or more fields."));
}

} // namespace

int ImportTabDelimitedBytes(AppContext& context, const TabLayout& layout, QByteArrayView bytes)
{
    Report& report = context.report();
    UserInterface& ui = context.ui;
    const TextEncoding encoding = DetectTextEncoding(bytes);

    QStringList fields;
    {
        RawLineReader reader(bytes);
        QByteArrayView line;
        int lineNumber = 0;
        while (lineNumber < kFirstDataLine && reader.next(line))
            ++lineNumber;
        if (lineNumber == kFirstDataLine)
            ParseTabDelimitedLine(fields, DecodeLine(line, encoding));
        if (fields.size() != layout.fieldCount()) {
            ui.message(fromAscii(layout.fieldCountMessage));
            return 0;
        }
    }

    WaitCursor wait(ui);
    int imported = 0;
    RawLineReader reader(bytes);
    QByteArrayView line;
    int lineNumber = 0;
    while (reader.next(line)) {
        if (++lineNumber < kFirstDataLine)
            continue;
        ParseTabDelimitedLine(fields, DecodeLine(line, encoding));
        if (fields.size() != layout.fieldCount()) {
            refuseLine(ui, fields);
            continue;
        }
        int badNumbers = 0;
        CCards card = payeeFromFields(layout, fields, report.reportYearNumber, badNumbers);
        const std::optional<qint32> id = AssignImportedPayeeId(report, card.payeeId);
        if (!id) {
            refuseLine(ui, fields);
            continue;
        }
        card.payeeId = *id;
        report.payees.emplace(*id, std::move(card));
        if (badNumbers > 0)
            ui.message(QStringLiteral("Take care with Payee ID '") + QString::number(*id)
                       + fromAscii(layout.badNumberClosing));
        ++imported;
        report.payeesChanged = 1;
    }

    if (imported > 0) {
        context.document.SetModifiedFlag(true);
        report.payeesChanged = 1;
        ui.message(QStringLiteral("Imported data for ") + QString::number(imported)
                   + QStringLiteral(" payees. \n\nIf this is greater than the number you intended to import, you may "
                                    "have imported some blank lines, which you will need to delete. \n\nYou should "
                                    "now click Check All to perform required edit checks."));
    } else {
        ui.message(QStringLiteral("No Payee data imported. See Help for assistance."));
    }
    return imported;
}

void ImportTabDelimited(AppContext& context, PayeeType type)
{
    UserInterface& ui = context.ui;

    FileDialogRequest request;
    request.defaultExtension = QStringLiteral("*.*");
    request.filter = QStringLiteral("Tab-Delimited Files: (*.txt)|*.txt;||");
    request.overwritePrompt = false;
    const std::optional<QString> path = ui.openFileName(request);
    if (!path)
        return;

    Report& report = context.report();
    report.importPathName = *path;
    report.importSource = *path;
    report.importFileName = fileNameOf(*path);
    report.importFolder = folderOf(*path);

    QByteArray bytes;
    if (const FileResult read = context.files.readAll(*path, bytes); !read.ok()) {
        ui.message(WithReason(QStringLiteral("ERROR: Cannot open file"), read));
        return;
    }
    ImportTabDelimitedBytes(context, tabLayout(type), bytes);
}

void ImportTabDelimitedINB(AppContext& context)
{
    ImportTabDelimited(context, PayeeType::INB);
}
void ImportTabDelimitedETP(AppContext& context)
{
    ImportTabDelimited(context, PayeeType::ETP);
}
void ImportTabDelimitedBUS(AppContext& context)
{
    ImportTabDelimited(context, PayeeType::BUS);
}
void ImportTabDelimitedFEI(AppContext& context)
{
    ImportTabDelimited(context, PayeeType::FEI);
}
void ImportTabDelimitedPEN(AppContext& context)
{
    ImportTabDelimited(context, PayeeType::PEN);
}
void ImportTabDelimitedSLS(AppContext& context)
{
    ImportTabDelimited(context, PayeeType::SLS);
}
void ImportTabDelimitedDAS(AppContext& context)
{
    ImportTabDelimited(context, PayeeType::DAS);
}
