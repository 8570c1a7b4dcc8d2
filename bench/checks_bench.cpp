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

#include <string>

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
    state.counters["passed"] = double(passed);
    state.counters["failed"] = double(failed);
    const bool answered = !ui.messages.isEmpty()
        && (ui.messages.last() == kCheckErrorsMessage || ui.messages.last() == kCheckNoErrorsMessage);
    if (passed + failed != payees || !answered || failed < payees / 10) {
        const std::string why = QStringLiteral("of %1 payees, %2 passed and %3 failed (a tenth made to fail); %4")
                                    .arg(payees)
                                    .arg(passed)
                                    .arg(failed)
                                    .arg(answered ? QStringLiteral("the closing message was shown")
                                                  : QStringLiteral("no closing message"))
                                    .toStdString();
        state.SkipWithError(why.c_str());
    }
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
    state.counters["rows"] = double(list.rowCount());
    if (list.rowCount() != payees || context.report().reviewCount != payees) {
        const std::string why = QStringLiteral("the Data Review listed %1 rows and counted %2 of %3 payees")
                                    .arg(list.rowCount())
                                    .arg(context.report().reviewCount)
                                    .arg(payees)
                                    .toStdString();
        state.SkipWithError(why.c_str());
    }
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
    state.counters["payees"] = double(counted);
    state.counters["totalTax"] = double(totals.totalTax);
    if (counted != payees || totals.totalTax != tax) {
        const std::string why = QStringLiteral("the totals counted %1 of %2 payees and a tax of %3 for %4")
                                    .arg(counted)
                                    .arg(payees)
                                    .arg(totals.totalTax)
                                    .arg(tax)
                                    .toStdString();
        state.SkipWithError(why.c_str());
    }
}
BENCHMARK(Totals)->Arg(10'000)->Arg(50'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
