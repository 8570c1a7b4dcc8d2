// Check All over a report of payees of every type, and the Data Review
// opening over the checked report.
#include "BenchReport.h"

#include "checks/CheckAll.h"
#include "checks/DataReviewForm.h"
#include "payees/Totals.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "widgets/SortListModel.h"

#include <benchmark/benchmark.h>

namespace
{

void CheckAll(benchmark::State& state)
{
    const int payees = int(state.range(0));
    BenchUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    const Report original = benchReport(payees);
    // A tenth of the payees lose their surname, so the run holds failures too.
    Report source = original;
    int n = 0;
    for (auto& [id, payee] : source.payees) {
        if (++n % 10 == 0)
            payee.surname.clear();
    }
    qint64 passed = 0;
    qint64 failed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        context.report() = source;
        ui.messages.clear();
        state.ResumeTiming();
        CheckAllPayees(context);
        state.PauseTiming();
        passed = failed = 0;
        for (const auto& [id, payee] : context.report().payees) {
            if (payee.checked == QLatin1String("Yes"))
                ++passed;
            else if (payee.checked == QLatin1String("Error"))
                ++failed;
        }
        state.ResumeTiming();
    }
    if (passed + failed != payees || ui.messages.isEmpty()
        || (ui.messages.last() != kCheckErrorsMessage && ui.messages.last() != kCheckNoErrorsMessage)) {
        state.SkipWithError("Check All did not check every payee");
        return;
    }
    if (failed < payees / 10) {
        state.SkipWithError("the payees made to fail did not fail");
        return;
    }
    state.counters["passed"] = double(passed);
    state.counters["failed"] = double(failed);
}
BENCHMARK(CheckAll)->Arg(10'000)->Arg(50'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void DataReviewOpen(benchmark::State& state)
{
    const int payees = int(state.range(0));
    BenchUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.report() = benchReport(payees);
    SortListModel list(context);
    DataReviewForm form(context, list);
    for (auto _ : state)
        form.open();
    if (list.rowCount() != payees || context.report().reviewCount != payees) {
        state.SkipWithError("the Data Review did not list every payee");
        return;
    }
    state.counters["rows"] = double(list.rowCount());
}
BENCHMARK(DataReviewOpen)->Arg(10'000)->Arg(50'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The Totals dialog's sums over a report of every type.
void Totals(benchmark::State& state)
{
    const int payees = int(state.range(0));
    const Report report = benchReport(payees);
    qint64 tax = 0;
    for (const auto& [id, payee] : report.payees)
        tax += payee.taxWithheld;
    PayeeTotals totals;
    for (auto _ : state) {
        totals = ComputeTotals(report.payees);
        benchmark::DoNotOptimize(totals);
    }
    const qint64 counted = totals.inbCount + totals.etpCount + totals.busCount + totals.feiCount + totals.penCount
        + totals.slsCount + totals.dasCount;
    if (counted != payees || totals.totalTax != tax) {
        state.SkipWithError("the totals did not count every payee and its tax");
        return;
    }
    state.counters["payees"] = double(counted);
    state.counters["totalTax"] = double(totals.totalTax);
}
BENCHMARK(Totals)->Arg(10'000)->Arg(50'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
