// A lodgement file from anywhere, loaded into a report that already holds a
// payee: a refused file leaves the report as it was; a loaded one adds
// payees beside the one there, never over it, each under its own key, and
// the report still saves and reads back whole. The payees counted before
// the load are those it adds: with one place too few left the file is
// refused and the report stays as it was; with just enough it loads alike.
#include "FuzzSupport.h"

#include "lodgement_import/LodgementReader.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"

#include <type_traits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    Report report;
    report.reportYear = QStringLiteral("2019");
    CCards held;
    held.payeeId = 7;
    held.payeeType = QStringLiteral("INB");
    held.surname = QStringLiteral("HELD");
    report.payees[7] = held;
    const Report before = report;

    FuzzUi ui;
    const bool loaded = LoadLodgementFile(report, ui, bytes);
    if (!loaded) {
        FUZZ_CHECK(report.payees == before.payees, QStringLiteral("a refused file changed the payees"));
        FUZZ_CHECK(report.reportYear == before.reportYear, QStringLiteral("a refused file changed the year"));
        return 0;
    }
    FUZZ_CHECK(report.payees.at(7) == held, QStringLiteral("a loaded file wrote over a payee"));
    const qint64 holding = qint64(report.payees.size());
    if (holding > 1) {
        Report tooSmall = before;
        FuzzUi tooSmallUi;
        FUZZ_CHECK(!LoadLodgementFile(tooSmall, tooSmallUi, bytes, holding - 1) && tooSmall == before,
            QStringLiteral("%1 payees loaded with room for one less").arg(holding - 1));
        Report enough = before;
        FuzzUi enoughUi;
        FUZZ_CHECK(LoadLodgementFile(enough, enoughUi, bytes, holding) && enough.payees == report.payees,
            QStringLiteral("%1 payees did not load with room for them").arg(holding - 1));
    }
    for (const auto& [id, payee] : report.payees) {
        FUZZ_CHECK(payee.payeeId == id, QStringLiteral("payee %1 is stored under key %2").arg(payee.payeeId).arg(id));
        // Control characters are loaded as blanks.
        const qint32 key = id;
        if (key != 7)
            visitCardMembers(payee, [key](const auto& member) {
                if constexpr (std::is_same_v<std::decay_t<decltype(member)>, QString>) {
                    for (const QChar c : member)
                        FUZZ_CHECK(c.unicode() >= 0x20, QStringLiteral("payee %1 holds a control character").arg(key));
                }
            });
    }
    // At most one payee per 628-character record of the text.
    FUZZ_CHECK(report.payees.size() <= 1 + size_t(bytes.size()) / 628 + 1, QString::number(report.payees.size()));

    const QByteArray saved = StoreReport(report);
    FuzzUi reread;
    Report back;
    FUZZ_CHECK(LoadReport(saved, back, reread) == ReportRead::Whole, reread.texts.join(u'|'));
    FUZZ_CHECK(back.payees == report.payees, QStringLiteral("the loaded payees do not save and read back"));
    return 0;
}
