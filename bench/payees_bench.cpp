// The Payee List of a large report: opening it, a header-click sort and Copy,
// through the list's logic and through the dialog itself.
// Run: scripts/bench.sh --benchmark_filter=PayeeList (or build-bench/bench/payees_bench).

#include "lodgement/PdfServices.h"
#include "payees/PayeeListForm.h"
#include "payees/PayeeServices.h"
#include "payees/dialogs/CPayeeList.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "widgets/CSortListCtrl.h"
#include "widgets/SortListCompare.h"
#include "widgets/SortListModel.h"

#include <QApplication>
#include <QHeaderView>

#include <benchmark/benchmark.h>

namespace
{

class SilentUi : public UserInterface
{
public:
    Answer message(const QString&, MessageButtons, MessageIcon) override
    {
        ++messages;
        return Answer::Ok;
    }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool setClipboardText(const QString& text) override
    {
        clipboard = text;
        return true;
    }
    bool openUrl(const QString&) override { return true; }
    int runDialog(const QString&) override { return 0; }
    void beginWaitCursor() override { }
    void endWaitCursor() override { }

    int messages = 0;
    QString clipboard;
};

// Surnames in no order: letters drawn from the ID, mixed case, some
// outside ASCII, as an imported payroll gives them.
QString surnameOf(int id)
{
    static const char16_t letters[] = u"abcdefghijklmnopqrstuvwxyzéö";
    QString name;
    unsigned x = unsigned(id) * 2654435761u;
    name += QChar(char16_t(u'A' + x % 26));
    for (int i = 0; i < 7; ++i) {
        x = x * 1103515245u + 12345u;
        name += QChar(letters[(x >> 16) % 28]);
    }
    return name;
}

void fillReport(AppContext& context, int payees)
{
    Report& r = context.report();
    r.reportYear = QStringLiteral("2019");
    for (int id = 1; id <= payees; ++id) {
        CCards c;
        c.payeeId = id;
        c.payeeType = QStringLiteral("INB");
        c.payrollNo = QStringLiteral("E%1").arg(id);
        c.surname = surnameOf(id);
        c.firstName = QStringLiteral("Given");
        c.tfn = QStringLiteral("123456782");
        c.checked = id % 10 ? QStringLiteral("Yes") : QStringLiteral("Error");
        r.payees[id] = c;
    }
}

// The rows are in order by `column` (ascending) under the list's own comparison.
bool sortedBy(const SortListModel& list, int column)
{
    std::vector<QStringList> rows = list.rows();
    const std::vector<int> order = SortedRowOrder(rows, column, true);
    for (int i = 0; i < int(order.size()); ++i)
        if (order[i] != i)
            return false;
    return true;
}

struct World {
    explicit World(int payees)
        : context(ui, files)
    {
        fillReport(context, payees);
    }
    SilentUi ui;
    LocalFileSystem files;
    AppContext context;
};

void PayeeListOpen(benchmark::State& state)
{
    const int n = int(state.range(0));
    World w(n);
    SortListModel list(w.context);
    PayeeListForm form(w.context, list, noPayeeServices(), noPdfServices());
    for (auto _ : state)
        form.open();
    if (list.rowCount() != n || w.context.report().payeeCount != n || list.rowText(0, 0) != QStringLiteral("1"))
        state.SkipWithError("the list does not show every payee in ID order");
    state.counters["rows"] = list.rowCount();
    state.counters["checked"] = w.context.report().payeesChecked;
}

void PayeeListSortBySurname(benchmark::State& state)
{
    const int n = int(state.range(0));
    World w(n);
    SortListModel list(w.context);
    PayeeListForm form(w.context, list, noPayeeServices(), noPdfServices());
    form.open();
    for (auto _ : state) {
        state.PauseTiming();
        list.SortColumn(0, true);
        state.ResumeTiming();
        list.OnColumnClick(3);
    }
    if (list.rowCount() != n || !sortedBy(list, 3))
        state.SkipWithError("the rows are not in Surname order");
    state.counters["rows"] = list.rowCount();
}

void PayeeListCopy(benchmark::State& state)
{
    const int n = int(state.range(0));
    World w(n);
    SortListModel list(w.context);
    PayeeListForm form(w.context, list, noPayeeServices(), noPdfServices());
    form.open();
    list.OnColumnClick(3);
    for (auto _ : state)
        form.OnBnClickedCopy();
    const QString& text = w.ui.clipboard;
    if (w.ui.messages != 0 || text.count(QStringLiteral("\r\n")) != n + 2
        || !text.contains(QStringLiteral("\t") + list.rowText(0, 3) + QStringLiteral("\t")))
        state.SkipWithError("the clipboard does not hold every row");
    state.counters["rows"] = n;
    state.counters["bytes"] = double(text.toUtf8().size());
}

// The dialog as the user meets it: built, filled, sorted by ID and shown.
void PayeeListDialogOpen(benchmark::State& state)
{
    const int n = int(state.range(0));
    World w(n);
    int shown = 0;
    for (auto _ : state) {
        CPayeeList dialog(w.context, noPayeeServices(), noPdfServices());
        dialog.show();
        QApplication::processEvents();
        shown = dialog.list()->rowCount();
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
    if (shown != n)
        state.SkipWithError("the dialog does not list every payee");
    state.counters["rows"] = shown;
}

// A click on the "Surname" heading of the shown dialog.
void PayeeListDialogSort(benchmark::State& state)
{
    const int n = int(state.range(0));
    World w(n);
    CPayeeList dialog(w.context, noPayeeServices(), noPdfServices());
    dialog.show();
    QApplication::processEvents();
    CSortListCtrl* list = dialog.list();
    for (auto _ : state) {
        state.PauseTiming();
        list->SortColumn(0, true);
        QApplication::processEvents();
        state.ResumeTiming();
        emit list->header()->sectionClicked(3);
        QApplication::processEvents();
    }
    if (list->rowCount() != n || !sortedBy(list->rows(), 3))
        state.SkipWithError("the shown rows are not in Surname order");
    state.counters["rows"] = list->rowCount();
}

BENCHMARK(PayeeListOpen)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PayeeListSortBySurname)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PayeeListCopy)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PayeeListDialogOpen)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PayeeListDialogSort)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
