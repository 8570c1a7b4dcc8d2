// Building and writing the lodgement file of a large report, with its summary.
// Run: scripts/bench.sh --benchmark_filter=Lodgement (or build-bench/bench/lodgement_bench).
// Every benchmark fails when its run does not produce what it measures.

#include "BenchReport.h"

#include "lodgement/GenerateFiles.h"
#include "lodgement/LodgementLayouts.h"
#include "lodgement/LodgementWriter.h"
#include "lodgement/PdfServices.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

qint64 fileBytes(qint64 payeeRecords)
{
    return kRecordLength * (payeeRecords + kHeaderRecordCount + 1);
}

// True when the build is the whole file of the report; otherwise the
// benchmark is failed with what came out.
bool builtWhole(benchmark::State& state, const LodgementBuild& build, int payees)
{
    if (build.outcome != LodgementBuild::Outcome::Built) {
        state.SkipWithError(("the build did not produce the file: " + build.refusal.toStdString()).c_str());
        return false;
    }
    if (build.payeeRecords != benchRecordCount(payees) || build.fileText.size() != fileBytes(build.payeeRecords)) {
        state.SkipWithError("the file does not hold one record per payee");
        return false;
    }
    return true;
}

void setCounters(benchmark::State& state, qint64 file, qint64 summaryBytes)
{
    state.counters["file_bytes"] = double(file);
    state.counters["summary_bytes"] = double(summaryBytes);
    state.counters["records"] = double(file / kRecordLength);
    state.SetComplexityN(state.range(0));
}

// The build in memory: header records, payee records, file total and summary body.
void BM_LodgementBuild(benchmark::State& state)
{
    const int payees = int(state.range(0));
    const Report report = benchReport(payees);
    qint64 file = 0;
    qint64 summary = 0;
    for (auto _ : state) {
        LodgementBuild build = BuildLodgement(report);
        if (!builtWhole(state, build, payees))
            return;
        file = build.fileText.size();
        summary = build.summaryBody.size();
        benchmark::DoNotOptimize(build.fileText.constData());
    }
    setCounters(state, file, summary);
}

// The build and the atomic write of the file through the file layer.
void BM_LodgementBuildAndWrite(benchmark::State& state)
{
    const int payees = int(state.range(0));
    const Report report = benchReport(payees);
    QTemporaryDir dir;
    LocalFileSystem files;
    const QString path = dir.filePath(QStringLiteral("VESK2018.A01"));
    qint64 file = 0;
    qint64 summary = 0;
    for (auto _ : state) {
        LodgementBuild build = BuildLodgement(report);
        if (!builtWhole(state, build, payees))
            return;
        if (!files.writeWhole(path, build.fileText).ok()) {
            state.SkipWithError("the file was not written");
            return;
        }
        summary = build.summaryBody.size();
    }
    file = QFileInfo(path).size();
    if (file != fileBytes(payees)) {
        state.SkipWithError("the written file has the wrong size");
        return;
    }
    setCounters(state, file, summary);
}

// The program's context around a report of `payees` payees, with a folder
// for what Generate writes.
struct GenerateWorld {
    explicit GenerateWorld(int payees)
        : payees(payees)
    {
        context.report() = benchReport(payees);
        ui.savePath = lodgementPath();
    }
    QString lodgementPath() const { return dir.filePath(QStringLiteral("VESK2018.A01")); }

    // One press of "VESK.A01 File" with the save path given: the build, the
    // summary kept in the report with its heading, and the atomic write.
    // True when the file was saved and the summary stored.
    bool generate(benchmark::State& state)
    {
        ui.messages.clear();
        ui.savePath = lodgementPath();
        context.report().summaryText.clear();
        GenerateFiles(context, noPdfServices()).OnBnClickedVeskA01File();
        if (context.report().fileGenerated != 1
            || ui.messages.value(ui.messages.size() - 1) != QLatin1String("VESK.A01 file saved.")) {
            state.SkipWithError(
                ("the file was not generated: " + ui.messages.join(QStringLiteral(" | ")).toStdString()).c_str());
            return false;
        }
        if (QFileInfo(lodgementPath()).size() != fileBytes(payees) || context.report().summaryText.isEmpty()) {
            state.SkipWithError("the file or the summary is not the one expected");
            return false;
        }
        return true;
    }

    int payees;
    BenchUi ui;
    LocalFileSystem files;
    AppContext context { ui, files };
    QTemporaryDir dir;
};

// The whole Generate step: what the user waits for after choosing the file
// name, with the memory it takes beyond the loaded report. Cold: the first
// Generate of a fresh process; warm: after one untimed Generate.
void BM_LodgementGenerate(benchmark::State& state, Start start)
{
    GenerateWorld w(int(state.range(0)));
    if (start == Start::Warm && !w.generate(state))
        return;
    w.context.report().summaryText = QByteArray();
    const double loaded = double(residentBytes());
    if (!resetPeakResident()) {
        state.SkipWithError("the peak of resident memory cannot be reset on this system");
        return;
    }
    const FaultCounter faults;
    for (auto _ : state) {
        if (!w.generate(state))
            return;
    }
    const double summary = double(w.context.report().summaryText.size());
    setCounters(state, QFileInfo(w.lodgementPath()).size(), qint64(summary));
    // Memory a warm run takes again from what the first one freed is no new peak.
    if (start == Start::Cold) {
        state.counters["peak_extra_MB"] = (double(peakResidentBytes()) - loaded) / 1e6;
        state.counters["peak_extra_over_summary_MB"] = (double(peakResidentBytes()) - loaded - summary) / 1e6;
    }
    faults.report(state);
}

// "Summary of VESK.A01 File" after a build: the summary text saved as UTF-8.
void BM_LodgementSummarySave(benchmark::State& state)
{
    GenerateWorld w(int(state.range(0)));
    if (!w.generate(state))
        return;
    const QString summaryPath = w.dir.filePath(QStringLiteral("VESK_Summary.txt"));
    w.ui.savePath = summaryPath;
    GenerateFiles generateFiles(w.context, noPdfServices());
    for (auto _ : state) {
        w.ui.messages.clear();
        generateFiles.OnBnClickedSummary();
        if (w.ui.messages != QStringList { QStringLiteral("Summary file saved.") }) {
            state.SkipWithError("the summary was not saved");
            return;
        }
    }
    const qint64 saved = QFileInfo(summaryPath).size();
    if (saved != w.context.report().summaryText.size()) {
        state.SkipWithError("the saved summary has the wrong size");
        return;
    }
    setCounters(state, QFileInfo(w.lodgementPath()).size(), saved);
}

} // namespace

#define QLS_SIZES Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN)
BENCHMARK(BM_LodgementBuild)->QLS_SIZES;
BENCHMARK(BM_LodgementBuildAndWrite)->QLS_SIZES;
BENCHMARK_CAPTURE(BM_LodgementGenerate, cold, Start::Cold)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LodgementGenerate, warm, Start::Warm)->QLS_SIZES;
BENCHMARK(BM_LodgementSummarySave)->QLS_SIZES;

BENCHMARK_MAIN();
