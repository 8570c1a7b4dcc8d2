// Writes the seed inputs of every fuzz target, one folder per target, from
// the program's own writers: small well-formed files and a few damaged ones
// for the fuzzer to start from.
// Usage: make_fuzz_seeds <folder>
#include "lodgement/LodgementTestData.h"

#include "lodgement/LodgementWriter.h"
#include "payers/PayerListFile.h"
#include "report/Archive.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"
#include "transfer/TabDelimitedExport.h"
#include "transfer/TabLayout.h"
#include "widgets/SortListCompare.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace
{

bool write(const QString& folder, const QString& name, const QByteArray& bytes)
{
    if (!QDir().mkpath(folder))
        return false;
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray cutShort(const QByteArray& bytes, qsizetype keep)
{
    return bytes.left(std::min(keep, bytes.size()));
}

// A report behind the older signature, written as an 8-bit text.
QByteArray oldSignatureReport()
{
    ArchiveWriter archive;
    const QByteArray signature = "lwrightdata4";
    QByteArray bytes;
    bytes.append(char(signature.size()));
    bytes.append(signature);
    Report report;
    ResetReportGlobals(report);
    report.payerName = QStringLiteral("Caf\u00e9 Pty Ltd");
    CSumbridge1Doc::Serialize(archive, report);
    // Everything after the new signature, behind the old one.
    const QByteArray current = archive.take();
    return bytes + current.mid(3 + 1 + 2 * 6);
}

bool reportSeeds(const QString& folder)
{
    Report empty;
    ResetReportGlobals(empty);
    const QByteArray every2018 = StoreReport(everyTypeReport(2018));
    Report year2012 = everyTypeReport(2012);
    year2012.reportYear = QStringLiteral("2012");
    return write(folder, QStringLiteral("empty_report"), StoreReport(empty))
        && write(folder, QStringLiteral("every_type_2018"), every2018)
        && write(folder, QStringLiteral("every_type_2016"), StoreReport(everyTypeReport(2016)))
        && write(folder, QStringLiteral("year_2012"), StoreReport(year2012))
        && write(folder, QStringLiteral("cut_in_payees"), cutShort(every2018, every2018.size() - 700))
        && write(folder, QStringLiteral("old_signature"), oldSignatureReport());
}

bool payerListSeeds(const QString& folder)
{
    PayerMap payers;
    CPayers first;
    first.ref = QStringLiteral("R1");
    first.name = QStringLiteral("Acme Pty Ltd");
    first.abn = QStringLiteral("53004085616");
    first.branch = QStringLiteral("001");
    first.state = QStringLiteral("NSW");
    first.date = 1561939200;
    payers[first.abn + first.branch] = first;
    CPayers second = first;
    second.reserved5 = QStringLiteral("kept");
    second.branch = QStringLiteral("002");
    payers[second.abn + second.branch] = second;
    const QByteArray two = WritePayerList(payers);
    return write(folder, QStringLiteral("empty_list"), WritePayerList({}))
        && write(folder, QStringLiteral("two_payers"), two)
        && write(folder, QStringLiteral("cut_short"), cutShort(two, two.size() - 5));
}

bool versionSeeds(const QString& folder)
{
    return write(folder, QStringLiteral("seven"), "4.0.1.2") && write(folder, QStringLiteral("eight"), "4.0.0.10")
        && write(folder, QStringLiteral("error_page"), "<html>404</html>");
}

bool layoutSeeds(const QString& folder)
{
    // The first byte is the list's column count.
    return write(
               folder, QStringLiteral("five"), QByteArray(1, char(5)) + EncodeColumnLayout({ 130, 80, 230, 230, 100 }))
        && write(
            folder, QStringLiteral("cut_short"), QByteArray(1, char(5)) + EncodeColumnLayout({ 130, 80 }).left(10));
}

bool sortSeeds(const QString& folder)
{
    // The first byte steers the column and direction; rows one a line.
    return write(folder, QStringLiteral("mixed"),
               QByteArray(1, char(0x81))
                   + "12\t01/02/2019\t1,234.00\tSmith\n9\t30/06/2018\t99.50\tadams\n"
                     "123456789\t15/03/2019\t7.00\tZed\n\t\t\t\n")
        && write(folder, QStringLiteral("numbers"), QByteArray(1, char(1)) + "5\n3\n5\n1234567890\n-2\n");
}

// Lodgement files of every payee type, whole, cut inside a record, and with
// CR LF after each record.
bool lodgementFileSeeds(const QString& folder)
{
    bool ok = true;
    for (const int year : { 2016, 2018 }) {
        const LodgementBuild build = BuildLodgement(everyTypeReport(year));
        if (build.outcome != LodgementBuild::Outcome::Built)
            return false;
        const QByteArray& file = build.fileText;
        QByteArray withLineBreaks;
        for (qsizetype at = 0; at < file.size(); at += 628)
            withLineBreaks += file.mid(at, 628) + "\r\n";
        const QString name = QString::number(year);
        ok = ok && write(folder, name, file) && write(folder, name + QStringLiteral("_cut"), cutShort(file, 628 * 6 + 300))
            && write(folder, name + QStringLiteral("_crlf"), withLineBreaks);
    }
    return ok;
}

// The program's own exports of every payee type; the first byte picks the type.
bool tabDelimitedSeeds(const QString& folder)
{
    bool ok = true;
    for (const int year : { 2016, 2018 }) {
        const Report report = everyTypeReport(year);
        for (int type = 0; type < 7; ++type) {
            const QByteArray exported = TabDelimitedExportBytes(report, tabLayout(PayeeType(type)));
            const QString name = QStringLiteral("%1_%2").arg(year).arg(type);
            ok = ok && write(folder, name, QByteArray(1, char(type)) + exported)
                && write(folder, name + QStringLiteral("_cut"),
                    QByteArray(1, char(type)) + cutShort(exported, exported.size() - 9));
        }
    }
    return ok;
}

bool tabRoundTripSeeds(const QString& folder)
{
    // Type, year, payee count, then each payee's ID and values.
    return write(folder, QStringLiteral("inb_two"), QByteArray("\x00\x06\x01", 3) + QByteArray(300, 'a'))
        && write(folder, QStringLiteral("bus_line_feeds"), QByteArray("\x02\x07\x02", 3) + QByteArray(300, '\x07'));
}

// A steering byte, then the bytes of each seed of another target.
bool prefixedSeeds(const QString& from, const QString& folder, const QByteArray& prefix)
{
    const QDir source(from);
    bool ok = true;
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile file(source.filePath(name));
        ok = ok && file.open(QIODevice::ReadOnly) && write(folder, name, prefix + file.readAll());
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds <folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool ok = reportSeeds(out.filePath(QStringLiteral("fuzz_report_file")))
        && reportSeeds(out.filePath(QStringLiteral("fuzz_lodgement_build")))
        && payerListSeeds(out.filePath(QStringLiteral("fuzz_payer_list")))
        && versionSeeds(out.filePath(QStringLiteral("fuzz_version_reply")))
        && layoutSeeds(out.filePath(QStringLiteral("fuzz_column_layout")))
        && sortSeeds(out.filePath(QStringLiteral("fuzz_sort_list")))
        && lodgementFileSeeds(out.filePath(QStringLiteral("fuzz_lodgement_file")))
        && tabDelimitedSeeds(out.filePath(QStringLiteral("fuzz_tab_delimited")))
        && tabRoundTripSeeds(out.filePath(QStringLiteral("fuzz_tab_round_trip")))
        && reportSeeds(out.filePath(QStringLiteral("fuzz_lodgement_round_trip")))
        && prefixedSeeds(out.filePath(QStringLiteral("fuzz_lodgement_file")),
            out.filePath(QStringLiteral("fuzz_crlf_tool")), QByteArray(1, '\x01'))
        && prefixedSeeds(out.filePath(QStringLiteral("fuzz_payer_list")),
            out.filePath(QStringLiteral("fuzz_payer_import")), QByteArray("\x00\xff", 2));
    if (!ok) {
        std::fprintf(stderr, "make_fuzz_seeds: cannot write the seeds\n");
        return 1;
    }
    return 0;
}
