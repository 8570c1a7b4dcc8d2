// Building and writing the lodgement file of a large report.
// Run: scripts/bench.sh --benchmark_filter=Lodgement (or build-bench/bench/lodgement_bench).

#include "lodgement/LodgementWriter.h"
#include "platform/FileSystem.h"
#include "report/Report.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Report largeReport(int payees)
{
    static const char* const types[] = {"INB", "INB", "INB", "ETP", "BUS", "FEI", "PEN", "SLS", "DAS"};
    Report r;
    r.reportYear = QStringLiteral("2018");
    r.priorYear = QStringLiteral("2017");
    r.reportYearNumber = 2018;
    r.supplierAbn = QStringLiteral("53004085616");
    r.supplierName = QStringLiteral("Acme Payroll Services Pty Ltd");
    r.payerAbn = QStringLiteral("53004085616");
    r.payerBranch = QStringLiteral("1");
    r.payerName = QStringLiteral("Acme Pty Ltd");
    for (int id = 1; id <= payees; ++id) {
        CCards p;
        p.payeeId = id;
        p.payeeType = QString::fromLatin1(types[id % 9]);
        p.incomeType = QStringLiteral("Salary or Wages");
        p.busPaymentType = QStringLiteral("Labour Hire");
        p.tfn = QStringLiteral("123456782");
        p.dobDay = QStringLiteral("01");
        p.dobMonth = QStringLiteral("02");
        p.dobYear = QStringLiteral("1980");
        p.surname = QStringLiteral("Surname%1").arg(id);
        p.firstName = QStringLiteral("Given");
        p.addLine1 = QStringLiteral("%1 Long Street").arg(id);
        p.suburb = QStringLiteral("Darwin");
        p.state = QStringLiteral("NT");
        p.pCode = 800;
        for (QString* d : {&p.startDay, &p.endDay, &p.paymentDay})
            *d = QStringLiteral("01");
        for (QString* m : {&p.startMonth, &p.endMonth, &p.paymentMonth})
            *m = QStringLiteral("07");
        for (QString* y : {&p.startYear, &p.endYear, &p.paymentYear})
            *y = QStringLiteral("2017");
        p.origAmended = QStringLiteral("O");
        p.gross = 50000 + id;
        p.taxable = 3000;
        p.taxWithheld = 10000;
        r.payees[id] = p;
    }
    return r;
}

void setCounters(benchmark::State& state, const LodgementBuild& build)
{
    state.counters["file_MB"] = double(build.fileText.size()) / 1e6;
    state.counters["summary_MB"] = double(build.summaryBody.size() * 2) / 1e6;
    state.SetComplexityN(state.range(0));
}

// The build in memory: records, file total and summary body.
void BM_LodgementBuild(benchmark::State& state)
{
    const Report report = largeReport(int(state.range(0)));
    LodgementBuild build;
    for (auto _ : state) {
        build = BuildLodgement(report);
        benchmark::DoNotOptimize(build.fileText.constData());
    }
    setCounters(state, build);
}

// The build and the write of the file through the file layer.
void BM_LodgementBuildAndWrite(benchmark::State& state)
{
    const Report report = largeReport(int(state.range(0)));
    QTemporaryDir dir;
    LocalFileSystem files;
    const QString path = dir.path() + QStringLiteral("/VESK2018.A01");
    LodgementBuild build;
    for (auto _ : state) {
        build = BuildLodgement(report);
        if (!files.writeWhole(path, build.fileText).ok())
            state.SkipWithError("write failed");
    }
    setCounters(state, build);
}

} // namespace

BENCHMARK(BM_LodgementBuild)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_LodgementBuildAndWrite)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
