// Reading a large lodgement file back into a report, and the CR/LF copy tool.
// Run: scripts/bench.sh --benchmark_filter=Import (or build-bench/bench/lodgement_import_bench).

#include "lodgement/LodgementWriter.h"
#include "lodgement_import/CrLfTool.h"
#include "lodgement_import/LodgementReader.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/Report.h"

#include <QTemporaryDir>

#include "ColdWarm.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// Answers the tool's two file dialogs and counts the messages.
class BenchUi : public UserInterface
{
public:
    QString input;
    QString output;
    int messages = 0;
    QString lastMessage;

    Answer message(const QString& text, MessageButtons, MessageIcon) override
    {
        ++messages;
        lastMessage = text;
        return Answer::Ok;
    }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return input; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return output; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool setClipboardText(const QString&) override { return true; }
    bool openUrl(const QString&) override { return false; }
    int runDialog(const QString&) override { return 0; }
    void beginWaitCursor() override { }
    void endWaitCursor() override { }
};

CCards payee(qint32 id, const char* type)
{
    CCards p;
    p.payeeId = id;
    p.payeeType = QString::fromLatin1(type);
    p.incomeType = QStringLiteral("Salary or Wages");
    p.busPaymentType = QStringLiteral("Labour Hire");
    p.tfn = QStringLiteral("123456782");
    p.dobDay = QStringLiteral("01");
    p.dobMonth = QStringLiteral("02");
    p.dobYear = QStringLiteral("1980");
    p.surname = QStringLiteral("Surname%1").arg(id);
    p.firstName = QStringLiteral("Given");
    p.addLine1 = QStringLiteral("%1 Long  Street").arg(id);
    p.suburb = QStringLiteral("Darwin");
    p.state = QStringLiteral("NT");
    p.pCode = 800;
    for (QString* d : { &p.startDay, &p.endDay, &p.paymentDay })
        *d = QStringLiteral("01");
    for (QString* m : { &p.startMonth, &p.endMonth, &p.paymentMonth })
        *m = QStringLiteral("07");
    for (QString* y : { &p.startYear, &p.endYear, &p.paymentYear })
        *y = QStringLiteral("2017");
    p.origAmended = QStringLiteral("O");
    p.gross = 50000 + id;
    p.taxable = 3000;
    p.taxWithheld = 10000;
    return p;
}

// The lodgement file of a 2018 report of that many payees, of the given types in turn.
QByteArray lodgementFile(int payees, std::initializer_list<const char*> types)
{
    Report r;
    r.reportYear = QStringLiteral("2018");
    r.priorYear = QStringLiteral("2017");
    r.reportYearNumber = 2018;
    r.supplierAbn = QStringLiteral("53004085616");
    r.supplierName = QStringLiteral("Acme Payroll Services Pty Ltd");
    r.supplierPostcode = QStringLiteral("2000");
    r.supplierPostalPostcode = QStringLiteral("2000");
    r.payerAbn = QStringLiteral("53004085616");
    r.payerBranch = QStringLiteral("1");
    r.payerName = QStringLiteral("Acme Pty Ltd");
    r.payerPostcode = QStringLiteral("0800");
    const std::vector<const char*> cycle(types);
    for (int id = 1; id <= payees; ++id)
        r.payees[id] = payee(id, cycle[size_t(id) % cycle.size()]);
    return BuildLodgement(r).fileText;
}

qint64 heapInUse()
{
    return qint64(mallinfo2().uordblks);
}

void readFile(benchmark::State& state, const QByteArray& file, Start start)
{
    const qsizetype payees = state.range(0);
    BenchUi ui;
    qint64 loaded = 0;
    qint64 reportBytes = 0;
    if (start == Start::Warm) {
        Report report;
        LoadLodgementFile(report, ui, file);
    }
    const FaultCounter faults;
    for (auto _ : state) {
        state.PauseTiming();
        auto report = std::make_unique<Report>();
        const qint64 heapBefore = heapInUse();
        state.ResumeTiming();
        if (!LoadLodgementFile(*report, ui, file))
            state.SkipWithError(ui.lastMessage.toStdString().c_str());
        state.PauseTiming();
        loaded = qint64(report->payees.size());
        reportBytes = heapInUse() - heapBefore;
        report.reset();
        state.ResumeTiming();
    }
    if (loaded != payees)
        state.SkipWithError("not every payee was loaded");
    state.counters["file_MB"] = double(file.size()) / 1e6;
    state.counters["payees"] = double(loaded);
    state.counters["report_MB"] = double(reportBytes) / 1e6;
    faults.report(state);
    state.SetComplexityN(state.range(0));
}

// Reading a file of INB payees from its bytes: the header, every record, the payees stored.
void BM_ImportInbFile(benchmark::State& state, Start start)
{
    readFile(state, lodgementFile(int(state.range(0)), { "INB" }), start);
}

// The same with the seven payee types mixed.
void BM_ImportMixedFile(benchmark::State& state, Start start)
{
    readFile(state, lodgementFile(int(state.range(0)), { "INB", "ETP", "BUS", "FEI", "PEN", "SLS", "DAS" }), start);
}

// The whole command: the file read through the file layer, then loaded.
void BM_LoadA01Command(benchmark::State& state, Start start)
{
    const QByteArray file = lodgementFile(int(state.range(0)), {"INB"});
    QTemporaryDir dir;
    LocalFileSystem files;
    BenchUi ui;
    ui.input = dir.filePath(QStringLiteral("VESK2018.A01"));
    if (!files.writeWhole(ui.input, file).ok())
        state.SkipWithError("could not write the file");
    qint64 loaded = 0;
    if (start == Start::Warm) {
        AppContext context(ui, files);
        OnBnClickedLoadA01(context);
    }
    const FaultCounter faults;
    for (auto _ : state) {
        AppContext context(ui, files);
        OnBnClickedLoadA01(context);
        state.PauseTiming();
        loaded = qint64(context.report().payees.size());
        if (ui.lastMessage != kLodgementFileLoaded)
            state.SkipWithError(ui.lastMessage.toStdString().c_str());
        state.ResumeTiming();
    }
    if (loaded != state.range(0))
        state.SkipWithError("not every payee was loaded");
    state.counters["file_MB"] = double(file.size()) / 1e6;
    state.counters["payees"] = double(loaded);
    faults.report(state);
    state.SetComplexityN(state.range(0));
}

// The CR/LF tool on a file with CR LF after every record: read, copy without them, write.
void BM_RemoveLineBreaks(benchmark::State& state)
{
    const QByteArray file = lodgementFile(int(state.range(0)), { "INB" });
    QByteArray broken;
    broken.reserve(file.size() + file.size() / 314);
    for (qsizetype at = 0; at < file.size(); at += kRecordLength)
        broken += file.mid(at, kRecordLength) + "\r\n";

    QTemporaryDir dir;
    LocalFileSystem files;
    BenchUi ui;
    ui.input = dir.filePath(QStringLiteral("broken.A01"));
    ui.output = dir.filePath(QStringLiteral("fixed.A01"));
    if (!files.writeWhole(ui.input, broken).ok())
        state.SkipWithError("could not write the input");
    AppContext context(ui, files);
    for (auto _ : state)
        OnFixA01LineBreaks(context);

    QByteArray fixed;
    if (!files.readAll(ui.output, fixed).ok() || fixed != file)
        state.SkipWithError("the copy is not the file without its line breaks");
    if (ui.lastMessage != kFileSaved)
        state.SkipWithError(ui.lastMessage.toStdString().c_str());
    state.counters["input_MB"] = double(broken.size()) / 1e6;
    state.counters["output_MB"] = double(fixed.size()) / 1e6;
    state.SetComplexityN(state.range(0));
}

} // namespace

#define QLS_COLD_AND_WARM(fn)                                                                                          \
    BENCHMARK_CAPTURE(fn, cold, Start::Cold)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);   \
    BENCHMARK_CAPTURE(fn, warm, Start::Warm)                                                                           \
        ->Arg(10000)                                                                                                   \
        ->Arg(100000)                                                                                                  \
        ->Unit(benchmark::kMillisecond)                                                                                \
        ->Complexity(benchmark::oN)
QLS_COLD_AND_WARM(BM_ImportInbFile);
QLS_COLD_AND_WARM(BM_ImportMixedFile);
QLS_COLD_AND_WARM(BM_LoadA01Command);
BENCHMARK(BM_RemoveLineBreaks)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
