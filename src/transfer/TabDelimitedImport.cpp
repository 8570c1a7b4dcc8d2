#include "transfer/TabDelimitedImport.h"

#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "report/PayeeIds.h"
#include "transfer/TabDelimitedText.h"
#include "transfer/TabLayout.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr int kFirstDataLine = 20;

// A line's own ID, through the placeholder rule.
qint32 importedIdOf(const TabLayout& layout, const QString& cell)
{
    const qint32 id = StringToInt(cell);
    return id == kNotANumber ? layout.idPlaceholder : id;
}

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
        case TabColumnKind::PayeeId:
            card.payeeId = importedIdOf(layout, cell);
            break;
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

// The refused lines: the first few each have their own message; the rest
// are told in one, so a file of bad lines never means a box per line.
class RefusedLines
{
public:
    explicit RefusedLines(UserInterface& ui)
        : m_ui(ui)
    {
    }

    void refuse(const QStringList& fields)
    {
        const QString id = fields.isEmpty() ? QString() : fields.first();
        if (++m_count <= kToldOneByOne) {
            m_ui.message(QStringLiteral("Payee with ID '") + id
                + QStringLiteral("' could not be imported as there was a problem with one or more fields."));
        } else if (m_firstUntold.size() < kNamedInSummary) {
            m_firstUntold << u'\'' + id.left(kIdShown) + u'\'';
        }
    }

    void tellTheRest() const
    {
        if (m_count <= kToldOneByOne)
            return;
        const qint64 more = m_count - kToldOneByOne;
        m_ui.message(QStringLiteral("%1 more payee lines could not be imported as there was a problem with one or "
                                    "more fields.\n\nThe first of them have the IDs %2.")
                         .arg(more)
                         .arg(m_firstUntold.join(QStringLiteral(", "))));
    }

private:
    static constexpr qint64 kToldOneByOne = 10;
    static constexpr qsizetype kNamedInSummary = 5;
    static constexpr qsizetype kIdShown = 40;
    UserInterface& m_ui;
    qint64 m_count = 0;
    QStringList m_firstUntold;
};

// Lines from line 20 on, as the line reader hands them out.
qint64 dataLineCount(QByteArrayView bytes)
{
    const qint64 lines = bytes.count('\n') + (bytes.isEmpty() || bytes.back() == '\n' ? 0 : 1);
    return std::max<qint64>(0, lines - (kFirstDataLine - 1));
}

// Hands each data line (line 20 on), split into its fields, to visit.
template <class Visit>
void forEachDataLine(QByteArrayView bytes, TextEncoding encoding, Visit visit)
{
    QStringList fields;
    RawLineReader reader(bytes);
    QByteArrayView line;
    int lineNumber = 0;
    while (reader.next(line)) {
        if (++lineNumber < kFirstDataLine)
            continue;
        ParseTabDelimitedLine(fields, DecodeLine(line, encoding));
        visit(fields);
    }
}

// The payees the data lines would add: a line of the right field count
// whose ID is not above the highest a report holds. Each becomes a new
// payee, as a taken ID moves on to a free one. A line that finds no free ID
// is counted too, which errs only once the IDs run out.
qint64 payeesToAdd(const TabLayout& layout, QByteArrayView bytes, TextEncoding encoding)
{
    qint64 adding = 0;
    forEachDataLine(bytes, encoding, [&](const QStringList& fields) {
        if (fields.size() == layout.fieldCount() && importedIdOf(layout, fields.first()) <= kMaxPayeeId)
            ++adding;
    });
    return adding;
}

} // namespace

int ImportTabDelimitedBytes(AppContext& context, const TabLayout& layout, QByteArrayView bytes, qint64 payeeLimit)
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
    // Refused before any payee is read: each one read takes memory.
    if (dataLineCount(bytes) > kMaxPayeesInAReport) {
        ui.message(kTooManyTabLines);
        return 0;
    }
    // Decided before the first payee is added, so a file that does not fit
    // adds none. Each line adds at most one payee, so the lines are counted
    // one by one only when there are more of them than the room left.
    const qint64 room = PayeeRoomLeft(report, payeeLimit);
    if (dataLineCount(bytes) > room) {
        const qint64 adding = payeesToAdd(layout, bytes, encoding);
        if (adding > room) {
            ui.message(TooManyPayeesMessage(qint64(report.payees.size()), adding, payeeLimit));
            return 0;
        }
    }

    WaitCursor wait(ui);
    RefusedLines refused(ui);
    int imported = 0;
    forEachDataLine(bytes, encoding, [&](const QStringList& fields) {
        if (fields.size() != layout.fieldCount()) {
            refused.refuse(fields);
            return;
        }
        int badNumbers = 0;
        CCards card = payeeFromFields(layout, fields, report.reportYearNumber, badNumbers);
        const std::optional<qint32> id = AssignImportedPayeeId(report, card.payeeId);
        if (!id) {
            refused.refuse(fields);
            return;
        }
        card.payeeId = *id;
        report.payees.emplace(*id, std::move(card));
        if (badNumbers > 0)
            ui.message(QStringLiteral("Take care with Payee ID '") + QString::number(*id)
                       + fromAscii(layout.badNumberClosing));
        ++imported;
        report.payeesChanged = 1;
    });

    refused.tellTheRest();
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
