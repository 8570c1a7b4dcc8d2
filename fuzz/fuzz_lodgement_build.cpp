// A damaged report into the lodgement build: whatever the report holds, the
// build refuses it with a message naming the record and field, or writes
// records of 628 printable ASCII bytes ending in a correct file total.
#include "FuzzSupport.h"

#include "lodgement/LodgementWriter.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"

namespace
{

const QStringList kTypeCodes = { QStringLiteral("INB"), QStringLiteral("ETP"), QStringLiteral("BUS"),
    QStringLiteral("FEI"), QStringLiteral("PEN"), QStringLiteral("SLS"), QStringLiteral("DAS") };
constexpr qsizetype kRecord = 628;
constexpr qsizetype kHeaderRecords = 5;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzUi ui;
    Report report;
    ResetReportGlobals(report);
    LoadReport(fuzzBytes(data, size), report, ui);
    const Report before = report;

    const LodgementBuild build = BuildLodgement(report);
    FUZZ_CHECK(report == before, QStringLiteral("the build changed the report"));

    // Generate checks the records first and streams them after: both must
    // be the whole build's, outcome, refusal, summary and bytes alike.
    const LodgementBuild checked = CheckLodgement(report);
    FUZZ_CHECK(checked.outcome == build.outcome && checked.refusal == build.refusal, checked.refusal);
    FUZZ_CHECK(checked.summaryBody.bytes == build.summaryBody.bytes, QStringLiteral("the checked summary differs"));
    FUZZ_CHECK(checked.fileText.isEmpty(), QStringLiteral("the checked build kept its file"));
    MemoryFileSystem files;
    const QString path = QStringLiteral("VESK.A01");
    const std::unique_ptr<FileWriter> writer = files.startWrite(path);
    const LodgementBuild streamed = WriteLodgement(report, *writer);
    FUZZ_CHECK(streamed.outcome == build.outcome && streamed.refusal == build.refusal, streamed.refusal);
    if (build.outcome == LodgementBuild::Outcome::Built) {
        writer->commit();
        FUZZ_CHECK(files.files[path] == build.fileText, QStringLiteral("the streamed file differs"));
        FUZZ_CHECK(streamed.fileBytes == build.fileText.size() && checked.fileBytes == build.fileText.size(),
            QString::number(streamed.fileBytes));
    }

    qint64 payeesOfAType = 0;
    for (const auto& [id, payee] : report.payees)
        payeesOfAType += kTypeCodes.contains(payee.payeeType) ? 1 : 0;

    switch (build.outcome) {
    case LodgementBuild::Outcome::Stopped2012:
        FUZZ_CHECK(report.year2012Mode == 1, QString());
        FUZZ_CHECK(build.fileText.isEmpty(), QString());
        return 0;
    case LodgementBuild::Outcome::Refused: {
        const QString& why = build.refusal;
        FUZZ_CHECK(why.startsWith(QStringLiteral("The VESK.A01 file has not been created.\n\n")), why);
        FUZZ_CHECK(why.endsWith(QStringLiteral(".\n\nPlease correct this field and press VESK.A01 File again.")), why);
        FUZZ_CHECK(why.contains(QStringLiteral(": the ")), why);
        static const QString kOwners[]
            = { QStringLiteral("Payee "), QStringLiteral("Supplier "), QStringLiteral("Payer "),
                  QStringLiteral("Report: "), QStringLiteral("Software record: "), QStringLiteral("File total: ") };
        bool owned = false;
        for (const QString& owner : kOwners)
            owned = owned || why.contains(QStringLiteral("\n\n") + owner);
        FUZZ_CHECK(owned, why);
        FUZZ_CHECK(build.fileText.isEmpty(), QStringLiteral("a refused build kept its file"));
        return 0;
    }
    case LodgementBuild::Outcome::Built:
        break;
    }

    const QByteArray& file = build.fileText;
    FUZZ_CHECK(build.payeeRecords == payeesOfAType, QString::number(build.payeeRecords));
    FUZZ_CHECK(file.size() == kRecord * (kHeaderRecords + payeesOfAType + 1), QString::number(file.size()));
    for (const char c : file)
        FUZZ_CHECK(c >= 0x20 && c <= 0x7E, QStringLiteral("byte %1 in the file").arg(int(quint8(c))));
    for (qsizetype at = 0; at < file.size(); at += kRecord)
        FUZZ_CHECK(file.mid(at, 3) == "628", QString::fromLatin1(file.mid(at, 40)));
    const QByteArray total = file.right(kRecord);
    FUZZ_CHECK(total.mid(3, 10) == "FILE-TOTAL", QString::fromLatin1(total.left(40)));
    const QByteArray count = QByteArray::number(kHeaderRecords + payeesOfAType + 1).rightJustified(8, '0');
    FUZZ_CHECK(total.mid(13, 8) == count, QString::fromLatin1(total.left(40)));
    return 0;
}
