// Saving and loading reports of many payees, in memory and through the file layer.
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentUi : public UserInterface {
public:
    Answer message(const QString&, MessageButtons, MessageIcon) override { return Answer::Ok; }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool setClipboardText(const QString&) override { return true; }
    bool openUrl(const QString&) override { return true; }
    int runDialog(const QString&) override { return 0; }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
};

Report reportOf(int payees)
{
    Report r;
    r.reportYear = QStringLiteral("2020");
    for (int i = 1; i <= payees; ++i) {
        CCards c;
        c.payeeId = i;
        c.payeeType = QStringLiteral("INB");
        c.incomeType = QStringLiteral("Salary or Wages");
        c.tfn = QStringLiteral("123456782");
        c.surname = QStringLiteral("Surname%1").arg(i);
        c.firstName = QStringLiteral("Given");
        c.addLine1 = QStringLiteral("1 Long Street Name");
        c.suburb = QStringLiteral("SYDNEY");
        c.state = QStringLiteral("NSW");
        c.pCode = 2000;
        c.gross = 50000 + i;
        c.taxWithheld = 9000;
        c.checked = QStringLiteral("Yes");
        r.payees[i] = c;
    }
    return r;
}

void SaveToFile(benchmark::State& state)
{
    const Report r = reportOf(int(state.range(0)));
    QTemporaryDir dir;
    LocalFileSystem files;
    const QString path = dir.filePath(QStringLiteral("bench.vkrd"));
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray data = StoreReport(r);
        files.writeWhole(path, data);
        bytes = data.size();
    }
    state.counters["bytes"] = double(bytes);
    state.SetComplexityN(state.range(0));
}

void LoadFromFile(benchmark::State& state)
{
    QTemporaryDir dir;
    LocalFileSystem files;
    const QString path = dir.filePath(QStringLiteral("bench.vkrd"));
    files.writeWhole(path, StoreReport(reportOf(int(state.range(0)))));
    SilentUi ui;
    for (auto _ : state) {
        QByteArray data;
        files.readAll(path, data);
        Report r;
        LoadReport(data, r, ui);
        benchmark::DoNotOptimize(r.payees.size());
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(SaveToFile)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(LoadFromFile)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
