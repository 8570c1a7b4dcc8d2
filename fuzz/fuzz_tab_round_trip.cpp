// A report's payees through the tab-delimited export and back in: every
// payee the export writes comes back under its own ID, every number member
// by member, and a second export and import change nothing (the first pass
// settles what the import cleans: blanks, letter case, codes). The input
// steers the year and type and gives the payees' values, with the awkward
// characters of a cell (TAB, CR, LF, quotes, accents) often among them.
#include "FuzzSupport.h"

#include "report/AppContext.h"
#include "report/PayeeIds.h"
#include "report/ReportYears.h"
#include "transfer/TabDelimitedExport.h"
#include "transfer/TabDelimitedImport.h"
#include "transfer/TabLayout.h"

namespace
{

QString fuzzText(FuzzInput& in)
{
    static const char16_t kAlphabet[] = { u'a', u'B', u'7', u' ', u' ', u'\t', u'\r', u'\n', u'"', u'\u00e9', u'-',
        u'/', u'\'', u'S', u'0', u'\u20ac' };
    const int length = in.takeByte() % 14;
    QString text;
    for (int i = 0; i < length; ++i) {
        const quint8 b = in.takeByte();
        // Mostly from the awkward alphabet, now and then any character.
        text += b < 0xF0 ? QChar(kAlphabet[b % std::size(kAlphabet)]) : QChar(char16_t(0x20 + (b & 0x0F) * 37));
    }
    return text;
}

qint32 fuzzNumber(FuzzInput& in)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | in.takeByte();
    return qint32(v);
}

CCards fuzzPayee(FuzzInput& in, const TabLayout& layout, qint32 id)
{
    CCards card;
    card.payeeId = id;
    card.payeeType = QString::fromLatin1(layout.typeCode.data(), qsizetype(layout.typeCode.size()));
    for (const TabColumn& column : layout.columns) {
        if (column.kind == TabColumnKind::Number)
            column.numberOf(card) = fuzzNumber(in);
        else if (column.kind == TabColumnKind::Text)
            column.textOf(card) = fuzzText(in);
    }
    card.tfn = fuzzText(in);
    card.abn = fuzzText(in);
    return card;
}

struct Imported {
    int count = 0;
    Report report;
    QStringList texts;
};

Imported exportAndImport(const Report& from, const TabLayout& layout, QByteArray& exported)
{
    exported = TabDelimitedExportBytes(from, layout);
    FuzzUi ui;
    MemoryFileSystem files;
    AppContext context(ui, files);
    context.report().reportYear = from.reportYear;
    context.report().priorYear = from.priorYear;
    context.report().reportYearNumber = from.reportYearNumber;
    Imported result;
    result.count = ImportTabDelimitedBytes(context, layout, exported);
    result.report = context.report();
    result.texts = ui.texts;
    return result;
}

bool onlyTheClosingAndNumberNotes(const QStringList& texts, int count)
{
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const bool last = i + 1 == texts.size();
        if (last ? !texts[i].startsWith(QStringLiteral("Imported data for %1 payees.").arg(count))
                 : !texts[i].startsWith(QStringLiteral("Take care with Payee ID '")))
            return false;
    }
    return !texts.isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(fuzzBytes(data, size));
    const PayeeType type = PayeeType(in.takeByte() % 7);
    const TabLayout& layout = tabLayout(type);
    const std::optional<YearRow> year = YearByNumber(2012 + in.takeByte() % 16);
    Report report;
    report.reportYear = year->text;
    report.priorYear = year->prior;
    report.reportYearNumber = year->number;
    const int payees = 1 + in.takeByte() % 4;
    for (int i = 0; i < payees; ++i) {
        // IDs the import keeps: 1 to the highest a report holds.
        const qint32 id = qint32(1 + quint32(fuzzNumber(in)) % quint32(kMaxPayeeId));
        report.payees.insert_or_assign(id, fuzzPayee(in, layout, id));
    }

    QByteArray first;
    const Imported once = exportAndImport(report, layout, first);
    const int written = int(report.payees.size());
    FUZZ_CHECK(once.count == written,
        QStringLiteral("%1 of %2 payees came back: %3").arg(once.count).arg(written).arg(once.texts.join(u'|')));
    FUZZ_CHECK(onlyTheClosingAndNumberNotes(once.texts, written), once.texts.join(u'|'));
    for (const auto& [id, payee] : report.payees) {
        const auto back = once.report.payees.find(id);
        FUZZ_CHECK(back != once.report.payees.end(), QStringLiteral("payee %1 did not come back").arg(id));
        for (const TabColumn& column : layout.columns) {
            if (column.kind == TabColumnKind::Number)
                FUZZ_CHECK(column.numberOf(back->second) == column.numberOf(payee),
                    QStringLiteral("payee %1, column %2: %3 came back as %4")
                        .arg(id)
                        .arg(QString::fromLatin1(column.header.data(), qsizetype(column.header.size())))
                        .arg(column.numberOf(payee))
                        .arg(column.numberOf(back->second)));
        }
    }

    // What the import settled goes out and comes back unchanged.
    QByteArray second;
    const Imported twice = exportAndImport(once.report, layout, second);
    FUZZ_CHECK(twice.count == written, twice.texts.join(u'|'));
    FUZZ_CHECK(twice.report.payees == once.report.payees, QStringLiteral("a second round trip changed a payee"));
    QByteArray third = TabDelimitedExportBytes(twice.report, layout);
    FUZZ_CHECK(third == second, QStringLiteral("the export of a settled report changed"));
    return 0;
}
