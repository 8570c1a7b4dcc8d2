// A report (read from the input as a report file) through the lodgement
// build and back in through the lodgement import: a file the build writes
// loads with one payee per payee record, in the writer's order and of the
// written type, every amount and number member by member, every text as the
// loader cleans it, and with no message but the closing ones (and the
// 999999 warning of an amount of 999999). Built again
// from what was loaded, a file the build accepts loads to the same payees.
#include "FuzzSupport.h"

#include "lodgement/LodgementWriter.h"
#include "lodgement_import/LoaderFrame.h"
#include "lodgement_import/LodgementReader.h"
#include "lodgement_import/RecordLoaders.h"
#include "report/CSumbridge1Doc.h"
#include "report/Report.h"
#include "report/ReportYears.h"

#include <QVariant>

#include <vector>

namespace
{

constexpr qsizetype kRecord = 628;
constexpr qsizetype kHeaderRecords = 5;

const RecordLoader* loaderOf(QByteArrayView identifier)
{
    static const std::pair<const char*, const RecordLoader*> kLoaders[]
        = { { "DINB", &kInbLoader }, { "DEMP", &kEtpLoader }, { "DETP", &kEtpLoader }, { "DLVP", &kLvpLoader },
              { "DBUS", &kBusLoader }, { "DLHO", &kLhoLoader }, { "DAIP", &kAipLoader }, { "DFEI", &kFeiLoader },
              { "DPEN", &kPenLoader }, { "DSLS", &kSlsLoader }, { "DASP", &kDasLoader } };
    for (const auto& [id, loader] : kLoaders) {
        if (identifier == QByteArrayView(id))
            return loader;
    }
    return nullptr;
}

// The payees in the order the build writes them: by type, then by ID.
std::vector<const CCards*> writtenOrder(const Report& report)
{
    static const QString kTypes[] = { QStringLiteral("INB"), QStringLiteral("ETP"), QStringLiteral("BUS"),
        QStringLiteral("FEI"), QStringLiteral("PEN"), QStringLiteral("SLS"), QStringLiteral("DAS") };
    std::vector<const CCards*> order;
    for (const QString& type : kTypes) {
        for (const auto& [id, payee] : report.payees) {
            if (payee.payeeType == type)
                order.push_back(&payee);
        }
    }
    return order;
}

// The loader's cleaning of a text field, from the characters the file holds.
QString cleanedText(QString text, bool upper)
{
    text = text.trimmed();
    while (text.contains(QStringLiteral("  ")))
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
    return upper ? text.toUpper() : text;
}

bool isNameOrAddress(QString CCards::*member)
{
    static QString CCards::*const kMembers[] = { &CCards::surname, &CCards::firstName, &CCards::secName,
        &CCards::addLine1, &CCards::addLine2, &CCards::suburb, &CCards::state, &CCards::country };
    for (QString CCards::*const m : kMembers) {
        if (member == m)
            return true;
    }
    return false;
}

// Where two loads differ: the payee and the member, for the finding.
QString firstDifference(const PayeeMap& first, const PayeeMap& second)
{
    if (first.size() != second.size())
        return QStringLiteral("%1 payees, then %2").arg(first.size()).arg(second.size());
    for (auto a = first.begin(), b = second.begin(); a != first.end(); ++a, ++b) {
        QStringList one;
        QStringList two;
        visitCardMembers(a->second, [&one](const auto& m) { one << QVariant::fromValue(m).toString(); });
        visitCardMembers(b->second, [&two](const auto& m) { two << QVariant::fromValue(m).toString(); });
        for (qsizetype i = 0; i < one.size(); ++i) {
            if (one[i] != two[i])
                return QStringLiteral("payee %1 (%5), member %2: \"%3\", then \"%4\"")
                    .arg(a->first)
                    .arg(i + 1)
                    .arg(one[i], two[i], a->second.payeeType + u' ' + a->second.busPaymentType);
        }
    }
    return QStringLiteral("a second round trip changed a payee");
}

bool closingMessagesOnly(const QStringList& texts)
{
    for (const QString& text : texts) {
        if (text != kLodgementFileLoaded && text != kFeiPayeesLoaded
            && text != kYear2012Note
            // An amount of 999999 is read right but warned of, as the loader
            // cannot tell it from a field that did not convert.
            && !text.startsWith(QStringLiteral("Take care with Payee ID '")))
            return false;
    }
    return texts.contains(kLodgementFileLoaded);
}

Report loadBack(const QByteArray& file, QStringList& texts, bool& loaded)
{
    FuzzUi ui;
    Report back;
    loaded = LoadLodgementFile(back, ui, file);
    texts = ui.texts;
    return back;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzUi readUi;
    Report report;
    ResetReportGlobals(report);
    LoadReport(fuzzBytes(data, size), report, readUi);

    const LodgementBuild build = BuildLodgement(report);
    if (build.outcome != LodgementBuild::Outcome::Built)
        return 0;
    const QByteArray& file = build.fileText;

    QStringList texts;
    bool loaded = false;
    const Report back = loadBack(file, texts, loaded);
    FUZZ_CHECK(loaded,
        texts.join(u'|') + QStringLiteral(" | year %1 | ").arg(report.reportYear) + QString::fromLatin1(file.left(60))
            + QStringLiteral(" | ") + QString::fromLatin1(file.right(kRecord).left(25)));
    FUZZ_CHECK(closingMessagesOnly(texts), texts.join(u'|'));
    FUZZ_CHECK(qint64(back.payees.size()) == build.payeeRecords,
        QStringLiteral("%1 payees loaded of %2 written").arg(back.payees.size()).arg(build.payeeRecords));
    FUZZ_CHECK(back.reportYear == report.reportYear, back.reportYear);

    // Loaded payee k is written payee k: IDs 1, 2, ... in file order.
    const std::vector<const CCards*> order = writtenOrder(report);
    FUZZ_CHECK(qint64(order.size()) == build.payeeRecords, QString::number(order.size()));
    qsizetype k = 0;
    for (const auto& [id, loadedPayee] : back.payees) {
        const CCards& written = *order[size_t(k)];
        const QByteArray record = file.mid((kHeaderRecords + k) * kRecord, kRecord);
        ++k;
        FUZZ_CHECK(loadedPayee.payeeType == written.payeeType,
            QStringLiteral("payee %1: %2 loaded as %3").arg(id).arg(written.payeeType, loadedPayee.payeeType));
        const RecordLoader* loader = loaderOf(QByteArrayView(record).sliced(3, 4));
        FUZZ_CHECK(loader, QString::fromLatin1(record.left(7)));
        const LoaderLayout& layout = loader->layoutFor(back.importVersion, back.reportYearNumber);
        const RecordLayout writerLayout = payeeRecordLayout(*payeeTypeOf(written.payeeType), report.reportYearNumber);
        // Only the members the writer puts where the loader reads them.
        auto carried = [&writerLayout](const LoadField& field) {
            for (const FieldLayout& w : writerLayout) {
                if (w.position - 1 == field.start && w.width == field.length)
                    return (field.number && w.number == field.number) || (field.text && w.text == field.text);
            }
            return false;
        };
        for (const LoadField& field : layout.fields) {
            if (!carried(field))
                continue;
            const QString held = QString::fromLatin1(record.mid(field.start, field.length));
            if (field.treatment == Treatment::Number) {
                // Every number the writer puts down is the member itself.
                FUZZ_CHECK(loadedPayee.*field.number == written.*field.number,
                    QStringLiteral("payee %1 at %2: %3 written, %4 loaded")
                        .arg(id)
                        .arg(field.start)
                        .arg(written.*field.number)
                        .arg(loadedPayee.*field.number));
            } else if (isNameOrAddress(field.text)) {
                // The member cut to its field, as the loader cleans a text.
                const QString expected
                    = cleanedText((written.*field.text).left(field.length), field.treatment == Treatment::Upper);
                FUZZ_CHECK(loadedPayee.*field.text == expected,
                    QStringLiteral("payee %1 at %2: \"%3\" written, \"%4\" in the file, \"%5\" loaded")
                        .arg(id)
                        .arg(field.start)
                        .arg(written.*field.text, held, loadedPayee.*field.text));
            }
        }
    }

    // Built again from what was loaded (with the report's own supplier and
    // payer), the file loads to the same payees.
    Report again = report;
    again.payees = back.payees;
    const LodgementBuild rebuilt = BuildLodgement(again);
    // A value the loader cleaned may now be refused with its message (a day
    // written " 1" loads as "1"): that file is never written.
    if (rebuilt.outcome != LodgementBuild::Outcome::Built)
        return 0;
    FUZZ_CHECK(rebuilt.payeeRecords == build.payeeRecords, QString::number(rebuilt.payeeRecords));
    QStringList againTexts;
    const Report backAgain = loadBack(rebuilt.fileText, againTexts, loaded);
    FUZZ_CHECK(loaded, againTexts.join(u'|'));
    FUZZ_CHECK(backAgain.payees == back.payees, firstDifference(back.payees, backAgain.payees));
    return 0;
}
