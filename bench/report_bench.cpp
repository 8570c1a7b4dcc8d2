// Saving and loading the report file of a large report through the file layer.
// Run: scripts/bench.sh --benchmark_filter=Report (or build-bench/bench/report_bench).
// Every benchmark fails when its run does not produce what it measures.
#include "BenchReport.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

// A report with a summary text kept from a lodgement build, as a report
// saved after Generate holds one.
Report savedReport(int payees)
{
    Report r = benchReport(payees);
    r.summaryText = QByteArrayLiteral("Contents of VESK.A01 File.\r\n\r\nVESK.A01 File Name = VESK2018.A01\r\n\r\n");
    return r;
}

void ReportSave(benchmark::State& state)
{
    const int payees = int(state.range(0));
    BenchUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.report() = savedReport(payees);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.vkrd"));
    for (auto _ : state) {
        if (!WriteReportFile(context, path)) {
            state.SkipWithError("the report was not saved");
            return;
        }
    }
    const qint64 bytes = QFileInfo(path).size();
    if (bytes != StoreReport(context.report()).size()) {
        state.SkipWithError("the saved file has the wrong size");
        return;
    }
    state.counters["file_bytes"] = double(bytes);
    state.counters["payees"] = double(payees);
    state.SetComplexityN(payees);
}

void ReportLoad(benchmark::State& state, Start start)
{
    const int payees = int(state.range(0));
    BenchUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    const Report original = savedReport(payees);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.vkrd"));
    if (!files.writeWhole(path, StoreReport(original)).ok()) {
        state.SkipWithError("the report to load was not written");
        return;
    }
    if (start == Start::Warm)
        ReadReportFile(context, path);
    const FaultCounter faults;
    for (auto _ : state) {
        state.PauseTiming();
        ResetReportGlobals(context.report());
        state.ResumeTiming();
        if (ReadReportFile(context, path) != ReportRead::Whole || !ui.messages.isEmpty()
            || context.report().payees.size() != size_t(payees)) {
            state.SkipWithError("the report did not load whole");
            return;
        }
    }
    if (!(context.report() == original)) {
        state.SkipWithError("the loaded report differs from the saved one");
        return;
    }
    state.counters["file_bytes"] = double(QFileInfo(path).size());
    state.counters["payees"] = double(context.report().payees.size());
    faults.report(state);
    state.SetComplexityN(payees);
}

} // namespace

BENCHMARK(ReportSave)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(ReportLoad, cold, Start::Cold)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReportLoad, warm, Start::Warm)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
