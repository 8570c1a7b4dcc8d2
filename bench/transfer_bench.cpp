// Importing and exporting tab-delimited files of many payees, one run per
// payee type. Run: scripts/bench.sh --benchmark_filter=Tab (or build-bench/bench/transfer_bench).

#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "transfer/TabDelimitedExport.h"
#include "transfer/TabDelimitedImport.h"
#include "transfer/TabLayout.h"

#include <QTemporaryDir>

#include "ColdWarm.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr int kPayees = 100000;

// Answers every file dialog with one path and counts what it is told.
class BenchUi : public UserInterface {
public:
    QString file;
    int messages = 0;
    QString lastMessage;

    Answer message(const QString& text, MessageButtons, MessageIcon) override
    {
        ++messages;
        lastMessage = text;
        return Answer::Ok;
    }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return file; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return file; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool setClipboardText(const QString&) override { return true; }
    bool openUrl(const QString&) override { return true; }
    int runDialog(const QString&) override { return 0; }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
};

PayeeType typeOf(const benchmark::State& state)
{
    return kPayeeTypes[std::size_t(state.range(0))];
}

// Payees of the type with a value in every column the layout carries.
Report reportOf(const TabLayout& layout, int payees)
{
    Report r;
    r.reportYear = QStringLiteral("2018");
    r.priorYear = QStringLiteral("2017");
    r.reportYearNumber = 2018;
    const QString typeCode = QString::fromLatin1(layout.typeCode.data(), qsizetype(layout.typeCode.size()));
    for (int id = 1; id <= payees; ++id) {
        CCards p;
        p.payeeId = id;
        p.payeeType = typeCode;
        for (const TabColumn& column : layout.columns) {
            if (column.kind == TabColumnKind::Number)
                column.numberOf(p) = 1000 + id % 50000;
            else if (column.kind == TabColumnKind::Text && !column.codes && column.yearRule == TabYearRule::None)
                column.textOf(p) = (column.steps & kPad) ? QStringLiteral("07")
                                                          : QStringLiteral("TEXT %1").arg(id % 977);
        }
        p.tfn = QStringLiteral("123456782");
        r.payees[id] = p;
    }
    return r;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_TabImport(benchmark::State& state, Start start)
{
    const TabLayout& layout = tabLayout(typeOf(state));
    const QByteArray bytes = UTF16toUTF8(BuildTabDelimitedExport(reportOf(layout, kPayees), layout));
    BenchUi ui;
    LocalFileSystem files;
    int imported = 0;
    if (start == Start::Warm) {
        AppContext context(ui, files);
        context.report().reportYearNumber = 2018;
        ImportTabDelimitedBytes(context, layout, bytes);
    }
    const FaultCounter faults;
    for (auto _ : state) {
        state.PauseTiming();
        auto context = std::make_unique<AppContext>(ui, files);
        context->report().reportYearNumber = 2018;
        state.ResumeTiming();
        imported = ImportTabDelimitedBytes(*context, layout, bytes);
        state.PauseTiming();
        if (imported != kPayees || int(context->report().payees.size()) != kPayees) {
            state.SkipWithError("the import did not add every payee");
            return;
        }
        context.reset();
        state.ResumeTiming();
    }
    state.SetLabel(std::string(layout.typeCode));
    state.counters["payees"] = imported;
    state.counters["file_MB"] = double(bytes.size()) / 1e6;
    state.counters["peak_RSS_MB"] = peakMegabytes();
    faults.report(state);
}

void BM_TabExport(benchmark::State& state)
{
    const TabLayout& layout = tabLayout(typeOf(state));
    QTemporaryDir dir;
    BenchUi ui;
    ui.file = dir.path() + QStringLiteral("/export.txt");
    LocalFileSystem files;
    AppContext context(ui, files);
    context.report() = reportOf(layout, kPayees);
    QByteArray written;
    for (auto _ : state) {
        ExportTabDelimited(context, typeOf(state));
        state.PauseTiming();
        files.readAll(ui.file, written);
        state.ResumeTiming();
    }
    if (ui.lastMessage != QStringLiteral("Saved.") || written.count('\n') != kPayees + 19) {
        state.SkipWithError("the export did not write every payee");
        return;
    }
    state.SetLabel(std::string(layout.typeCode));
    state.counters["payees"] = kPayees;
    state.counters["file_MB"] = double(written.size()) / 1e6;
    state.counters["peak_RSS_MB"] = peakMegabytes();
}

} // namespace

BENCHMARK_CAPTURE(BM_TabImport, cold, Start::Cold)->DenseRange(0, 6)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TabImport, warm, Start::Warm)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabExport)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
