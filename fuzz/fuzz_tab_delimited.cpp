// A tab-delimited payee file from anywhere, imported into a report that
// already holds a payee: the first byte picks the payee type, the rest is
// the file. Payees already there never change, every added payee sits under
// its own ID within the bounds, and the count returned is what was added.
// Imported again with one place too few left, the file adds nothing.
#include "FuzzSupport.h"

#include "report/AppContext.h"
#include "report/Report.h"
#include "transfer/TabDelimitedImport.h"
#include "transfer/TabLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const PayeeType type = PayeeType(data[0] % 7);
    const QByteArray bytes = fuzzBytes(data + 1, size - 1);

    FuzzUi ui;
    MemoryFileSystem files;
    AppContext context(ui, files);
    context.report().reportYear = QStringLiteral("2019");
    context.report().reportYearNumber = 2019;
    CCards held;
    held.payeeId = 5;
    held.payeeType = QStringLiteral("INB");
    held.surname = QStringLiteral("HELD");
    context.report().payees[5] = held;
    const Report before = context.report();

    const int added = ImportTabDelimitedBytes(context, tabLayout(type), bytes);
    if (added > 0) {
        FuzzUi fullUi;
        AppContext full(fullUi, files);
        full.report() = before;
        FUZZ_CHECK(ImportTabDelimitedBytes(full, tabLayout(type), bytes, added) == 0
                && full.report() == before && !full.document.IsModified(),
            QStringLiteral("%1 payees were added with room for one less").arg(added));
    }
    FUZZ_CHECK(context.report().payees.at(5) == held, QStringLiteral("the import changed a payee already there"));
    FUZZ_CHECK(added >= 0 && size_t(added) + 1 == context.report().payees.size(),
               QStringLiteral("%1 added, %2 held").arg(added).arg(context.report().payees.size()));
    for (const auto& [id, payee] : context.report().payees) {
        FUZZ_CHECK(payee.payeeId == id, QStringLiteral("payee %1 stored under %2").arg(payee.payeeId).arg(id));
        FUZZ_CHECK(id <= 999'999'999, QString::number(id));
    }
    return 0;
}
