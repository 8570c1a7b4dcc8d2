// Filling, flattening and writing one payment summary.
// Run: scripts/bench.sh --benchmark_filter=PaymentSummary (or build-bench/bench/pdf_bench).

#include "pdf/BlankForms.h"
#include "pdf/CNewPDF.h"
#include "pdf/CreateTempPDF.h"
#include "pdf/FieldPlans.h"
#include "pdf/FormFiller.h"
#include "pdf/PdfValues.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Nobody at the screen: every message is counted as a failure of the run.
class SilentUi : public UserInterface {
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
    void setClipboardText(const QString&) override { }
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
    v.address = QStringLiteral("Darwin NT 800");
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
        state.SkipWithError("the payment summary was not written");
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
        state.SkipWithError("no PDF was made");
        return;
    }
    state.counters["pdf_bytes"] = double(filled.size());
}
BENCHMARK(BM_FillAndFlattenInMemory)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
