#include "lodgement_import/LodgementReader.h"

#include "lodgement/LodgementLayouts.h"
#include "lodgement_import/LoaderFrame.h"
#include "lodgement_import/RecordLoaders.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "report/PayeeIds.h"
#include "report/Report.h"
#include "report/ReportYears.h"
#include "report/Windows1252.h"

#include <QList>
#include <QStringList>

#include <limits>
#include <string_view>

namespace {

constexpr qsizetype kFirstPayeeRecord = qsizetype(kHeaderRecordCount) * kRecordLength;
constexpr int kFirstYear = 2012;
constexpr int kLastYear = 2027;

enum HeaderRecord { IdentRegister1, IdentRegister2, IdentRegister3, Identity, Software };

// A header field of the imported file, where the writer puts it.
struct HeaderField {
    HeaderRecord record;
    RecordLayout layout;
    std::string_view name;
    QString Report::*member;
    bool trimmed; // trailing white space removed; ABNs and postcodes stay as they are
};

const HeaderField kHeaderFields[] = {
    { IdentRegister2, kIdentRegister2Layout, "supplier name", &Report::origSupplierName, true },
    { IdentRegister1, kIdentRegister1Layout, "supplier ABN", &Report::origSupplierAbn, false },
    { IdentRegister3, kIdentRegister3Layout, "street address line 1", &Report::origSupplierAddress1, true },
    { IdentRegister3, kIdentRegister3Layout, "street address line 2", &Report::origSupplierAddress2, true },
    { IdentRegister3, kIdentRegister3Layout, "street suburb, town or city", &Report::origSupplierSuburb, true },
    { IdentRegister3, kIdentRegister3Layout, "street state or territory", &Report::origSupplierState, true },
    { IdentRegister3, kIdentRegister3Layout, "street postcode", &Report::origSupplierPostcode, false },
    { IdentRegister3, kIdentRegister3Layout, "street country", &Report::origSupplierCountry, true },
    { IdentRegister3, kIdentRegister3Layout, "postal address line 1", &Report::origSupplierPostalAddress1, true },
    { IdentRegister3, kIdentRegister3Layout, "postal address line 2", &Report::origSupplierPostalAddress2, true },
    { IdentRegister3, kIdentRegister3Layout, "postal suburb, town or city", &Report::origSupplierPostalSuburb, true },
    { IdentRegister3, kIdentRegister3Layout, "postal state or territory", &Report::origSupplierPostalState, true },
    { IdentRegister3, kIdentRegister3Layout, "postal postcode", &Report::origSupplierPostalPostcode, false },
    { IdentRegister3, kIdentRegister3Layout, "postal country", &Report::origSupplierPostalCountry, true },
    { IdentRegister2, kIdentRegister2Layout, "supplier contact name", &Report::origSupplierContact, true },
    { IdentRegister2, kIdentRegister2Layout, "supplier contact telephone", &Report::origSupplierPhone, true },
    { IdentRegister2, kIdentRegister2Layout, "supplier facsimile", &Report::origSupplierFax, true },
    { IdentRegister3, kIdentRegister3Layout, "supplier e-mail address", &Report::origSupplierEmail, true },
    { IdentRegister2, kIdentRegister2Layout, "supplier file reference", &Report::origFileReference, true },
    { Identity, kIdentityLayout, "payer name", &Report::origPayerName, true },
    { Identity, kIdentityLayout, "payer ABN or WPN", &Report::origPayerAbn, false },
    { Identity, kIdentityLayout, "payer trading name", &Report::origPayerTradingName, true },
    { Identity, kIdentityLayout, "payer branch number", &Report::origPayerBranch, true },
    { Identity, kIdentityLayout, "payer address line 1", &Report::origPayerAddress1, true },
    { Identity, kIdentityLayout, "payer address line 2", &Report::origPayerAddress2, true },
    { Identity, kIdentityLayout, "payer suburb, town or city", &Report::origPayerSuburb, true },
    { Identity, kIdentityLayout, "payer state or territory", &Report::origPayerState, true },
    { Identity, kIdentityLayout, "payer postcode", &Report::origPayerPostcode, false },
    { Identity, kIdentityLayout, "payer country", &Report::origPayerCountry, true },
    { Identity, kIdentityLayout, "payer contact name", &Report::origPayerContact, true },
    { Identity, kIdentityLayout, "payer contact telephone", &Report::origPayerPhone, true },
    { Identity, kIdentityLayout, "payer facsimile", &Report::origPayerFax, true },
};

bool isAsciiSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

QString trailingSpaceRemoved(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && isAsciiSpace(text.at(end - 1)))
        --end;
    text.truncate(end);
    return text;
}

// The file's text: its bytes up to the first line feed. Windows-1252 gives
// one character per byte, so positions in the bytes are positions in the
// text, and each piece is decoded only when it is needed.
class FileText
{
public:
    explicit FileText(QByteArrayView bytes)
    {
        const qsizetype lineFeed = bytes.indexOf('\n');
        m_bytes = lineFeed < 0 ? bytes : bytes.first(lineFeed);
    }

    qsizetype size() const { return m_bytes.size(); }
    bool startsWith(const char* prefix) const { return m_bytes.startsWith(QByteArrayView(prefix)); }
    qsizetype indexOf(const char* needle) const { return m_bytes.indexOf(QByteArrayView(needle)); }
    bool holdsAt(qsizetype position, const char* needle) const
    {
        const QByteArrayView wanted(needle);
        return position >= 0 && position <= m_bytes.size() - wanted.size()
            && m_bytes.sliced(position, wanted.size()) == wanted;
    }

    // (start, length), or what exists of it.
    QString mid(qsizetype start, qsizetype length) const
    {
        if (start < 0 || start >= m_bytes.size())
            return {};
        const QByteArrayView piece = m_bytes.sliced(start, qMin(length, m_bytes.size() - start));
        return decodeWindows1252(piece.data(), piece.size());
    }

private:
    QByteArrayView m_bytes;
};

QString headerText(const QString (&records)[kHeaderRecordCount], const HeaderField& field)
{
    const FieldLayout& layout = loadfield::writerField(field.layout, field.name);
    const QString value = records[field.record].mid(layout.position - 1, layout.width);
    return field.trimmed ? trailingSpaceRemoved(value) : value;
}

// The year of the report end date "3006YYYY" of IDENTREGISTER1.
QString fileYear(const QString& identRegister1)
{
    const FieldLayout& endDate = loadfield::writerField(kIdentRegister1Layout, "report end date");
    return identRegister1.mid(endDate.position - 1 + 4, 4);
}

void emptyImportedDetails(Report& report)
{
    for (int place = 1; place <= kImportedTextCount; ++place)
        importedText(report, place).clear();
}

// Where the FILE-TOTAL record starts, or -1. Only a record's identifier
// counts: the same letters inside a name or an address are the user's data.
qsizetype fileTotalRecordStart(const FileText& text)
{
    for (qsizetype start = 0; start < text.size(); start += kRecordLength) {
        if (text.holdsAt(start + 3, "FILE-TOTAL"))
            return start;
    }
    return -1;
}

// Records that start inside the text from the first payee record on.
qint64 recordsFromFirstPayee(const FileText& text)
{
    if (text.size() <= kFirstPayeeRecord)
        return 0;
    return (text.size() - kFirstPayeeRecord + kRecordLength - 1) / kRecordLength;
}

// Control characters (NUL, CR, TAB...) become blanks: a name or an address
// has no use for them, and the rest of the record is still the user's.
bool blankControlCharacters(QString& record)
{
    bool blanked = false;
    for (QChar& c : record) {
        if (c.unicode() < 0x20) {
            c = u' ';
            blanked = true;
        }
    }
    return blanked;
}

QString controlCharactersMessage(const QList<qint32>& ids)
{
    constexpr qsizetype kNamed = 20;
    QStringList named;
    for (qsizetype i = 0; i < ids.size() && i < kNamed; ++i)
        named << IntToString(ids.at(i));
    QString list = named.join(QStringLiteral(", "));
    if (ids.size() > kNamed)
        list += QStringLiteral(" and %1 more").arg(ids.size() - kNamed);
    return kControlCharactersBlanked.arg(list);
}

void raiseHighestPayeeId(Report& report)
{
    if (report.highestPayeeId < std::numeric_limits<qint32>::max())
        ++report.highestPayeeId;
}

struct LoopOutcome {
    bool feiLoaded = false;
    QList<qint32> blankedIds; // payees loaded from records that held control characters
};

// Hands the record that starts at start to the loader of its identifier.
void loadRecord(Report& report, UserInterface& ui, const FileText& text, qsizetype start, LoopOutcome& outcome)
{
    report.importRecord = text.mid(start, kRecordLength);
    const bool blanked = blankControlCharacters(report.importRecord);
    const QStringView record = report.importRecord;
    const QStringView identifier = record.mid(3, 4);
    if (const AddPayeeFromA01 loader = recordLoaderFor(identifier)) {
        const qint32 loadedBefore = report.importedCount;
        loader(report, ui, record);
        outcome.feiLoaded |= identifier == u"DFEI";
        // The loader stores the payee under the highest ID, raised below.
        if (blanked && report.importedCount != loadedBefore)
            outcome.blankedIds << report.highestPayeeId;
    } else {
        ui.message(kUnknownRecordType + identifier.toString());
    }
    raiseHighestPayeeId(report);
}

// Hands the start of each payee record to visit, in file order. Records
// are handed out while they start inside the text: a count beyond the
// records present ends with the text (the FILE-TOTAL record is then not
// handed out), and records before FILE-TOTAL beyond the count are handed
// out too. True when there were such records.
template <class Visit>
bool forEachPayeeRecord(const FileText& text, qint64 count, qsizetype fileTotalRecord, bool countTooLarge, Visit visit)
{
    auto recordStart = [](qint64 k) { return kFirstPayeeRecord + qsizetype(k) * kRecordLength; };
    qint64 k = 0;
    for (; k < count && recordStart(k) < text.size(); ++k) {
        if (countTooLarge && recordStart(k) == fileTotalRecord)
            continue;
        visit(recordStart(k));
    }
    bool countTooSmall = false;
    for (; !countTooLarge && recordStart(k) < fileTotalRecord; ++k) {
        countTooSmall = true;
        visit(recordStart(k));
    }
    return countTooSmall;
}

// What an import may change before it is refused, kept so that a refusal
// for the report's size leaves the report as it was.
struct ImportCounters {
    qint32 importedCount;
    qint32 importVersion;
    qint32 importFileTotal;

    explicit ImportCounters(const Report& report)
        : importedCount(report.importedCount)
        , importVersion(report.importVersion)
        , importFileTotal(report.importFileTotal)
    {
    }
    void restore(Report& report) const
    {
        report.importedCount = importedCount;
        report.importVersion = importVersion;
        report.importFileTotal = importFileTotal;
    }
};

} // namespace

bool LoadLodgementFile(Report& report, UserInterface& ui, QByteArrayView bytes, qint64 payeeLimit)
{
    const ImportCounters before(report);
    report.importedCount = 0;
    const FileText text(bytes);
    if (!text.startsWith("628")) {
        ui.message(kNotALodgementFile);
        return false;
    }

    // Without "FEMPA" this reads letters of IDENTREGISTER1, which do not convert.
    const qsizetype versionAt = text.indexOf("FEMPA");
    const QString version = text.mid(versionAt + 5, 3) + text.mid(versionAt + 9, 1);
    report.importVersion = StringToInt(version);
    if (report.importVersion == kNotANumber) {
        ui.message(kLodgementFileProblem);
        return false;
    }

    const qsizetype fileTotalRecord = fileTotalRecordStart(text);
    report.importFileTotal = fileTotalRecord < 0 ? kNotANumber : StringToInt(text.mid(fileTotalRecord + 13, 8));
    if (report.importFileTotal == kNotANumber) {
        ui.message(kLodgementFileProblem);
        return false;
    }
    // Refused before any payee is read: each one read takes memory.
    const qint64 recordsInText = recordsFromFirstPayee(text);
    if (recordsInText - 1 > kMaxPayeesInAReport) {
        ui.message(kTooManyPayeeRecords);
        return false;
    }

    QString records[kHeaderRecordCount];
    for (int i = 0; i < kHeaderRecordCount; ++i)
        records[i] = text.mid(qsizetype(i) * kRecordLength, kRecordLength);
    const QString year = fileYear(records[IdentRegister1]);
    const qint32 yearNumber = StringToInt(year);
    if (yearNumber == kNotANumber) {
        ui.message(kLodgementFileProblem);
        return false;
    }
    if (yearNumber < kFirstYear) {
        ui.message(kYearBefore2012);
        return false;
    }
    if (yearNumber > kLastYear) {
        ui.message(kYearAfter2027);
        return false;
    }

    // Each record of a known type adds one payee under a free ID, so the
    // file's payees are counted before any is added.
    const qint64 count = qint64(report.importFileTotal) - 6;
    const bool countTooLarge = count > recordsInText;
    qint64 adding = 0;
    forEachPayeeRecord(text, count, fileTotalRecord, countTooLarge, [&](qsizetype start) {
        if (recordLoaderFor(text.mid(start + 3, 4)))
            ++adding;
    });
    if (adding > PayeeRoomLeft(report, payeeLimit)) {
        before.restore(report);
        ui.message(TooManyPayeesMessage(qint64(report.payees.size()), adding, payeeLimit));
        return false;
    }

    // Accepted: from here on the report takes the file.
    emptyImportedDetails(report);
    report.fromLodgementFile = QStringLiteral("Yes");
    report.origYear = year;
    report.origVersion = version;
    const FieldLayout& product = loadfield::writerField(kSoftwareLayout, "type of software and product name");
    report.origSoftware = trailingSpaceRemoved(records[Software].mid(product.position - 1, product.width));

    report.reportYear = year;
    if (const auto row = YearByText(year)) {
        report.reportYearNumber = row->number;
        report.priorYear = row->prior;
        if (row->number == kFirstYear)
            ui.message(kYear2012Note);
    }
    report.year2012Mode = report.reportYear == u"2012" ? 1 : 0;

    report.highestPayeeId = 1;
    LoopOutcome outcome;
    const bool countTooSmall = forEachPayeeRecord(text, count, fileTotalRecord, countTooLarge,
        [&](qsizetype start) { loadRecord(report, ui, text, start, outcome); });
    report.payeeCountText = IntToString(report.importedCount);

    for (const HeaderField& field : kHeaderFields)
        report.*field.member = headerText(records, field);
    report.fileReference = report.origFileReference;

    if (countTooLarge)
        ui.message(kFileTotalTooLarge);
    if (countTooSmall)
        ui.message(kFileTotalTooSmall);
    if (!outcome.blankedIds.isEmpty())
        ui.message(controlCharactersMessage(outcome.blankedIds));
    ui.message(kLodgementFileLoaded);
    if (outcome.feiLoaded)
        ui.message(kFeiPayeesLoaded);
    return true;
}

void OnBnClickedLoadA01(AppContext& context)
{
    WaitCursor wait(context.ui);
    Report& report = context.report();
    report.importedCount = 0;

    FileDialogRequest request;
    request.filter = kLodgementFileFilter;
    request.overwritePrompt = false;
    const std::optional<QString> path = context.ui.openFileName(request);
    if (!path)
        return;
    report.importPathName = *path;
    report.importSource = *path;
    report.importFileName = fileNameOf(*path);
    report.importFolder = folderOf(*path);

    QByteArray bytes;
    if (const FileResult read = context.files.readAll(*path, bytes); !read.ok()) {
        context.ui.message(WithReason(kCannotOpenFile, read));
        return;
    }
    if (LoadLodgementFile(report, context.ui, bytes))
        context.document.SetModifiedFlag(true);
}
