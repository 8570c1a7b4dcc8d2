// A report file from anywhere: it is refused as foreign, read in part with
// the damage message, or read whole; whatever was read saves and reads back
// as the same report, byte for byte.
#include "FuzzSupport.h"
#include "ReportMessages.h"

#include "report/AppContext.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    FuzzUi ui;
    MemoryFileSystem files;
    files.files[QStringLiteral("report.vkrd")] = bytes;
    AppContext context(ui, files);
    Report& report = context.report();
    ResetReportGlobals(report);
    Report reset = report;

    const ReportRead read = ReadReportFile(context, QStringLiteral("report.vkrd"));
    for (const QString& text : ui.texts)
        FUZZ_CHECK(text == kWrongFormat || text == kYear2012Note || isDamagedReportMessage(text), text);

    switch (read) {
    case ReportRead::Unreadable:
        FUZZ_CHECK(false, QStringLiteral("a file in memory is always readable"));
    case ReportRead::WrongFormat:
        FUZZ_CHECK(ui.texts == QStringList { kWrongFormat }, ui.texts.join(u'|'));
        FUZZ_CHECK(report.openState == 1, QString());
        reset.openState = 1;
        FUZZ_CHECK(report == reset, QStringLiteral("a foreign file changed the report"));
        return 0;
    case ReportRead::Damaged:
        FUZZ_CHECK(!ui.texts.isEmpty() && isDamagedReportMessage(ui.texts.last()), ui.texts.join(u'|'));
        // Read in part, nothing looks whole: the counts are the payees read, none checked.
        FUZZ_CHECK(report.payeeCount == qint32(report.payees.size()), QString::number(report.payeeCount));
        FUZZ_CHECK(report.payeeCountText == QString::number(report.payees.size()), report.payeeCountText);
        FUZZ_CHECK(report.payeesChecked == 0, QString::number(report.payeesChecked));
        for (const auto& [id, payee] : report.payees)
            FUZZ_CHECK(payee.checked == QLatin1String("No"), payee.checked);
        break;
    case ReportRead::Whole:
        FUZZ_CHECK(!ui.texts.contains(kWrongFormat), QString());
        for (const QString& text : ui.texts)
            FUZZ_CHECK(!isDamagedReportMessage(text), QStringLiteral("a whole read showed the damage message"));
        if (bytes.isEmpty())
            FUZZ_CHECK(report == reset, QStringLiteral("an empty file changed the report"));
        break;
    }
    FUZZ_CHECK(
        ui.texts.count(kYear2012Note) == (report.reportYear == QLatin1String("2012") ? 1 : 0), ui.texts.join(u'|'));

    // What was read, whole or in part, saves and reads back unchanged.
    const QByteArray saved = StoreReport(report);
    files.files[QStringLiteral("saved.vkrd")] = saved;
    FuzzUi again;
    AppContext reopened(again, files);
    ResetReportGlobals(reopened.report());
    const ReportRead reread = ReadReportFile(reopened, QStringLiteral("saved.vkrd"));
    FUZZ_CHECK(reread == ReportRead::Whole, again.texts.join(u'|'));
    FUZZ_CHECK(reopened.report() == report, QStringLiteral("the saved report reads back different"));
    FUZZ_CHECK(StoreReport(reopened.report()) == saved, QStringLiteral("the second save differs from the first"));
    return 0;
}
