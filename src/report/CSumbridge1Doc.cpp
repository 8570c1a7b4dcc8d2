#include "report/CSumbridge1Doc.h"

#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/Archive.h"
#include "report/FieldHelpers.h"
#include "report/PayeeIds.h"
#include "report/Report.h"

namespace {

const QString kCautionTail = QStringLiteral(
    ", an error occurred on loading the data.\r\n\r\nProceed with caution.\r\n\r\nTorvek recommends you check the "
    "Payer and Supplier Details and run the Check All function from the Payee List before Generating any files.");

QString loadFailureMessage(const QString& signature)
{
    if (signature == kReportSignature)
        return QStringLiteral("Although this is an Quillastrand Release 1 file") + kCautionTail;
    if (signature == kOldReportSignature)
        return QStringLiteral("Although this is an Quillastrand Release 1 or an Ledgerwright Release 4 file")
            + kCautionTail;
    return QStringLiteral(
        "An unknown error occurred on loading the data from this file.\r\n\r\nProceed with caution.\r\n\r\nTorvek "
        "recommends you check the Payer and Supplier Details and run the Check All function from the Payee List "
        "before Generating any files.");
}

// How far a damaged load got through the payees.
struct PayeesRead {
    bool countRead = false;
    qint64 declared = 0; // negative: the file does not say
    qint64 read = 0;
    bool tooMany = false;
};

static_assert(kMaxPayeesInAReport == 1'000'000, "the note of a file with too many payees names the limit");

// Said after the damage message, so the user knows what is missing.
QString payeesReadNote(const PayeesRead& p)
{
    if (p.tooMany)
        return QStringLiteral("This file declares or holds more than 1,000,000 payees, more than a report can hold: "
                              "none of them were read.");
    if (!p.countRead)
        return QStringLiteral("The file is damaged before its payee count: no payee was read.");
    const QString read = p.declared >= 0
        ? QStringLiteral("%1 of the %2 payees this file declares were read").arg(p.read).arg(p.declared)
        : QStringLiteral("%1 payees were read; the file does not say how many it holds").arg(p.read);
    if (p.read == 0)
        return read + u'.';
    return read + QStringLiteral(". Each of them is marked Checked \"No\" until Check All is run.");
}

// A report that lost payees vouches for none of those it kept: each goes
// back to unchecked, and the counts are those of the payees really there.
void markPartialRead(Report& report)
{
    for (auto& [id, card] : report.payees)
        card.checked = QStringLiteral("No");
    report.payeeCount = qint32(report.payees.size());
    report.payeeCountText = IntToString(report.payeeCount);
    report.payeesChecked = 0;
}

struct TooManyPayees {
};

// The report in file order, to a writer or to a counter of its size.
template <class Out>
void storeReport(Out& out, const Report& report)
{
    out(kReportSignature);
    visitReportHead(report, out);
    out(qint32(report.payees.size()));
    for (const auto& [id, card] : report.payees)
        visitCardMembers(card, out);
    visitReportTail(report, out);
}

} // namespace

void CSumbridge1Doc::Serialize(ArchiveWriter& archive, const Report& report)
{
    storeReport(archive, report);
}

bool CSumbridge1Doc::Serialize(ArchiveReader& archive, Report& report, UserInterface& ui)
{
    report.openState = 0;
    QString signature;
    try {
        signature = archive.readText();
    } catch (const ArchiveError&) {
        signature.clear();
    }
    if (signature != kReportSignature && signature != kOldReportSignature) {
        ui.message(QStringLiteral("Wrong Format, cannot open this file."));
        report.openState = 1;
        return false;
    }

    bool failed = false;
    PayeesRead payees;
    try {
        visitReportHead(report, archive);
        const qint32 count = archive.readInt();
        payees.countRead = true;
        payees.declared = count;
        // Refused before any payee is read: each one read takes memory.
        if (count > kMaxPayeesInAReport)
            throw TooManyPayees {};
        // A negative count reads records until the file ends.
        for (qint64 i = 0; count < 0 || i < count; ++i) {
            if (i == kMaxPayeesInAReport)
                throw TooManyPayees {};
            CCards card;
            visitCardMembers(card, archive);
            // Files hold their payees in ascending ID, so each one goes at the
            // end of the map; a repeated ID replaces the earlier record.
            PayeeMap& map = report.payees;
            if (map.empty() || map.rbegin()->first < card.payeeId)
                map.emplace_hint(map.end(), card.payeeId, std::move(card));
            else
                map.insert_or_assign(card.payeeId, std::move(card));
            ++payees.read;
        }
        visitReportTail(report, archive);
    } catch (const ArchiveError&) {
        failed = true;
    } catch (const std::bad_alloc&) {
        failed = true;
    } catch (const TooManyPayees&) {
        failed = true;
        payees.tooMany = true;
        report.payees.clear();
    }
    if (failed)
        markPartialRead(report);

    if (report.reportYear == QLatin1String("2012")) {
        ui.message(QStringLiteral("Note: This Version supports the 2012 year for INB type payment summaries only."));
        report.year2012Mode = 1;
    } else {
        report.year2012Mode = 0;
    }
    if (failed)
        ui.message(loadFailureMessage(signature) + QStringLiteral("\r\n\r\n") + payeesReadNote(payees));
    return !failed;
}

QByteArray StoreReport(const Report& report)
{
    // The exact size first, so the bytes are taken once and written in place.
    ArchiveSize size;
    storeReport(size, report);
    ArchiveWriter archive(size.bytes);
    CSumbridge1Doc::Serialize(archive, report);
    return archive.take();
}

ReportRead LoadReport(const QByteArray& bytes, Report& report, UserInterface& ui)
{
    ArchiveReader archive(bytes);
    if (CSumbridge1Doc::Serialize(archive, report, ui))
        return ReportRead::Whole;
    return report.openState == 1 ? ReportRead::WrongFormat : ReportRead::Damaged;
}

ReportRead ReadReportBytes(AppContext& context, const QString& path, QByteArray& bytes)
{
    const FileResult read = context.files.readAll(path, bytes);
    if (!read.ok()) {
        switch (read.error) {
        case FileError::AccessDenied:
            context.ui.message(QStringLiteral("Access to %1 was denied.").arg(path));
            break;
        case FileError::NotFound:
            context.ui.message(QStringLiteral("%1 was not found.").arg(path));
            break;
        case FileError::OutOfMemory:
            // Nothing was read: a damaged file to the user, not the end of
            // the program.
            context.ui.message(loadFailureMessage(QString()));
            return ReportRead::Damaged;
        default:
            context.ui.message(WithReason(QStringLiteral("Failed to open document."), read));
            break;
        }
        return ReportRead::Unreadable;
    }
    return ReportRead::Whole;
}

ReportRead LoadReportBytes(AppContext& context, ReportRead read, const QByteArray& bytes)
{
    // An empty file is not read at all: the report stays as it was.
    if (read != ReportRead::Whole || bytes.isEmpty())
        return read;
    return LoadReport(bytes, context.report(), context.ui);
}

ReportRead ReadReportFile(AppContext& context, const QString& path)
{
    QByteArray bytes;
    const ReportRead read = ReadReportBytes(context, path, bytes);
    return LoadReportBytes(context, read, bytes);
}

bool WriteReportFile(AppContext& context, const QString& path, FileIdentity* identity)
{
    const QByteArray bytes = StoreReport(context.report());
    const FileResult written = context.files.writeWhole(path, bytes);
    if (written.ok()) {
        if (identity)
            *identity = identityOf(bytes);
        TellSaved(context.ui, path, written);
        return true;
    }
    if (written.error == FileError::AccessDenied)
        context.ui.message(QStringLiteral("Access to %1 was denied.").arg(path));
    else
        context.ui.message(WithReason(QStringLiteral("Failed to save document."), written));
    return false;
}
