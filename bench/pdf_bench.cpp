// Filling, flattening and writing one payment summary, and the payment
// summaries of a whole report.
// Run: scripts/bench.sh --benchmark_filter=PaymentSummar (or build-bench/bench/pdf_bench).

#include "BenchReport.h"
#include "pdf/BlankForms.h"
#include "pdf/CNewPDF.h"
#include "pdf/CreateTempPDF.h"
#include "pdf/FieldPlans.h"
#include "pdf/FormFiller.h"
#include "pdf/PdfOutputs.h"
#include "pdf/PdfValues.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace
{

// Nobody at the screen: every message is counted as a failure of the run.
class SilentUi : public UserInterface
{
public:
    int messages = 0;
    Answer message(const QString&, MessageButtons, MessageIcon) override
    {
        ++messages;
        return Answer::Ok;
    }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool setClipboardText(const QString&) override { return true; }
    bool openUrl(const QString&) override { return false; }
    int runDialog(const QString&) override { return 0; }
    void beginWaitCursor() override { }
    void endWaitCursor() override { }
};

PdfValues inbPayee()
{
    PdfValues v;
    CCards& c = v.card;
    c.payeeType = QStringLiteral("INB");
    c.origAmended = QStringLiteral("O");
    c.tfn = QStringLiteral("123 456 782");
    c.addLine1 = QStringLiteral("12 Long Street");
    c.country = QStringLiteral("Australia");
    c.taxWithheld = 12000;
    c.gross = 65000;
    c.totalAllow = 1200;
    c.allow1 = 1200;
    c.unionFees = 400;
    c.lumpAType = QStringLiteral("R");
    c.fbtExempt = QStringLiteral("N");
    v.fullName = QStringLiteral("Given Surname");
    v.address = QStringLiteral("Darwin NT 0800");
    v.date1 = QStringLiteral("01/07/2017");
    v.date2 = QStringLiteral("30/06/2018");
    v.texts.taxWithheld = QStringLiteral("12000");
    v.texts.gross = QStringLiteral("65000");
    v.texts.totalAllow = QStringLiteral("1200");
    v.texts.allow1 = QStringLiteral("Car $1200");
    v.texts.unionFees = QStringLiteral("Union $400");
    return v;
}

// The template written, filled, flattened and the summary written whole.
void BM_PaymentSummary(benchmark::State& state)
{
    QTemporaryDir dir;
    SilentUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    Report& r = context.report();
    r.reportYear = QStringLiteral("2018");
    r.reportYearNumber = 2018;
    r.payerName = QStringLiteral("Acme Pty Ltd");
    r.payerAbn = QStringLiteral("53004085616");
    r.declarationDate = QStringLiteral("14/07/2018");
    r.pdfTemplatePath = dir.filePath(QStringLiteral("tempps.pdf"));
    r.pdfOutputPath = dir.filePath(QStringLiteral("summary.pdf"));
    r.pdfFilePerPayee = QStringLiteral("No");
    const PdfValues values = inbPayee();

    for (auto _ : state) {
        const QString templatePath = CreateTempPDF(context, values.card.payeeType, values.card.origAmended);
        CNewPDF::FillDataSheetINB(context, values, templatePath);
    }
    const QFileInfo written(r.pdfOutputPath);
    if (ui.messages != 0 || r.pdfTemplateFailed != 0 || !written.exists()) {
        const std::string why
            = QStringLiteral("the payment summary was not written: %1 messages, template %2, %3 bytes")
                  .arg(ui.messages)
                  .arg(r.pdfTemplateFailed != 0 ? QStringLiteral("failed") : QStringLiteral("made"))
                  .arg(written.exists() ? written.size() : 0)
                  .toStdString();
        state.SkipWithError(why.c_str());
        return;
    }
    state.counters["pdf_bytes"] = double(written.size());
}
BENCHMARK(BM_PaymentSummary)->Unit(benchmark::kMillisecond);

// The QPDF work alone, in memory: fields set, appearances made, flattened.
void BM_FillAndFlattenInMemory(benchmark::State& state)
{
    Report report;
    report.reportYear = QStringLiteral("2018");
    report.reportYearNumber = 2018;
    const QByteArray blank = BlankForms::bytes(368);
    const FieldPlan plan = PlanINB(inbPayee(), report, QStringLiteral("Yes"));
    QByteArray filled;
    for (auto _ : state)
        filled = FillForm(blank, plan, FormFinish::Flatten);
    if (!filled.startsWith("%PDF-")) {
        const std::string why = QStringLiteral("no PDF was made: %1 bytes starting \"%2\"")
                                    .arg(filled.size())
                                    .arg(QString::fromLatin1(filled.left(8).toHex()))
                                    .toStdString();
        state.SkipWithError(why.c_str());
        return;
    }
    state.counters["pdf_bytes"] = double(filled.size());
}
BENCHMARK(BM_FillAndFlattenInMemory)->Unit(benchmark::kMillisecond);

// The folder the run is given; everything else as the user leaves it: the
// file-name dialog's initial pattern and no dialog shown.
class BatchUi : public BenchUi
{
public:
    QString folder;
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return folder; }
};

// "Payment Summaries" of Generate Files over a report of 1,000 payees of
// every type, into an empty folder: each payee's form filled, flattened and
// saved under the name the pattern gives it, the run's files flushed to disk
// before they are renamed into place.
void BM_PaymentSummariesOfAllPayees(benchmark::State& state)
{
    const int payees = int(state.range(0));
    BatchUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.report() = benchReport(payees);
    context.prefs.printZero = QStringLiteral("No");
    PdfOutputs outputs;
    const QString expected = QStringLiteral("%1 Payment Summaries Generated").arg(payees);

    qint64 written = 0;
    qint64 bytes = 0;
    qint64 others = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<QTemporaryDir>();
        ui.folder = dir->path();
        ui.messages.clear();
        state.ResumeTiming();

        outputs.paymentSummaries(context);

        state.PauseTiming();
        // Only whole summaries count; anything else left in the folder (an
        // empty file, a temporary file) is a failure of the run.
        written = 0;
        bytes = 0;
        others = 0;
        for (const QFileInfo& file : QDir(dir->path()).entryInfoList(QDir::Files | QDir::Hidden)) {
            QFile pdf(file.filePath());
            const QByteArray content = pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
            if (file.suffix() == QLatin1String("pdf") && content.startsWith("%PDF-")
                && content.trimmed().endsWith("%%EOF")) {
                ++written;
                bytes += content.size();
            } else {
                ++others;
            }
        }
        dir.reset();
        state.ResumeTiming();
        if (written != payees || others != 0 || ui.messages != QStringList { expected })
            break;
    }
    state.counters["files"] = double(written);
    state.counters["bytes"] = double(bytes);
    if (written != payees || others != 0 || ui.messages != QStringList { expected }) {
        const QString last = ui.messages.isEmpty() ? QStringLiteral("no message") : ui.messages.last();
        const std::string why = QStringLiteral("%1 of %2 payment summaries written whole, %3 other files; "
                                               "%4 messages, the last: %5")
                                    .arg(written)
                                    .arg(payees)
                                    .arg(others)
                                    .arg(ui.messages.size())
                                    .arg(last)
                                    .toStdString();
        state.SkipWithError(why.c_str());
    }
}
BENCHMARK(BM_PaymentSummariesOfAllPayees)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
