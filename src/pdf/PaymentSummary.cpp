#include "pdf/PaymentSummary.h"

#include "pdf/BlankForms.h"
#include "pdf/CNewPDF.h"
#include "pdf/CreateTempPDF.h"
#include "pdf/FieldPlans.h"
#include "pdf/PaymentSummaryBatch.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"

#include <algorithm>
#include <deque>
#include <future>
#include <map>
#include <memory>
#include <system_error>
#include <thread>

namespace
{

const QString kYes = QStringLiteral("Yes");
const QString kZeroAbn = QStringLiteral("00000000000");

// A part of a file name that cannot name another folder or hold a
// character no file name should.
QString safeNamePart(QString part)
{
    for (QChar& c : part) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return part;
}

QString resolvedField(const QString& field, const CCards& card, const QString& fullName, const Report& report)
{
    if (field == QLatin1String("Payee_Type"))
        return card.payeeType;
    if (field == QLatin1String("TFN"))
        return card.tfn;
    if (field == QLatin1String("Payee_Name"))
        return fullName;
    if (field == QLatin1String("Employee_No"))
        return card.payrollNo;
    if (field == QLatin1String("Year"))
        return report.reportYear;
    return {};
}

QString dateText(const QString& day, const QString& month, const QString& year)
{
    return day + QLatin1Char('/') + month + QLatin1Char('/') + year;
}

QString tfnInGroups(const QString& tfn)
{
    return tfn.mid(0, 3) + QLatin1Char(' ') + tfn.mid(3, 3) + QLatin1Char(' ') + tfn.mid(6, 3);
}

QString amountCaption(const QString& caption, qint32 amount)
{
    return caption + QStringLiteral(" $") + IntToString(amount);
}

// A payee read from a lodgement file has no accrual years of its own: it
// takes the years the payee forms store for the report's year.
QString accrualYear(const QString& stored, const Report& report, int yearsBack)
{
    if (!stored.isEmpty() || report.reportYearNumber < 2012 || report.reportYearNumber > 2027)
        return stored;
    return IntToString(report.reportYearNumber - yearsBack);
}

AmountTexts amountTexts(const CCards& c)
{
    AmountTexts t;
    t.taxWithheld = IntToString(c.taxWithheld);
    t.gross = IntToString(c.gross);
    t.totalAllow = IntToString(c.totalAllow);
    t.allow1 = IntToString(c.allow1);
    t.allow2 = IntToString(c.allow2);
    t.allow3 = IntToString(c.allow3);
    t.allow4 = IntToString(c.allow4);
    t.lumpA = IntToString(c.lumpA);
    t.lumpB = IntToString(c.lumpB);
    t.lumpD = IntToString(c.lumpD);
    t.lumpE = IntToString(c.lumpE);
    t.lumpEYrMinus2 = IntToString(c.lumpEYrMinus2);
    t.lumpEYrMinus3 = IntToString(c.lumpEYrMinus3);
    t.lumpEPreYrMinus3 = IntToString(c.lumpEPreYrMinus3);
    t.cdep = IntToString(c.cdep);
    t.rfbt = IntToString(c.rfbt);
    t.resc = IntToString(c.resc);
    t.giving = IntToString(c.giving);
    t.unionFees = IntToString(c.unionFees);
    t.exemptForeign = IntToString(c.exemptForeign);
    t.annuity = IntToString(c.annuity);
    t.other1 = IntToString(c.other1);
    t.taxable = IntToString(c.taxable);
    t.taxFree = IntToString(c.taxFree);
    return t;
}

// The details box of INB and FEI: the Lump Sum E accrual lines (the
// second and third both name the second year), union fees and workplace
// giving; INB adds amounts to its allowances and captions two more, FEI
// prints the allowance names alone.
void detailCaptions(PdfValues& values, const Report& report, bool inb)
{
    const CCards& c = values.card;
    AmountTexts& t = values.texts;
    const QString firstYear = accrualYear(c.spare1, report, 2);
    const QString secondYear = accrualYear(c.spare2, report, 3);
    t.lumpEYrMinus2 = amountCaption(QStringLiteral("Accrued in ") + firstYear, c.lumpEYrMinus2);
    t.lumpEYrMinus3 = amountCaption(QStringLiteral("Accrued in ") + secondYear, c.lumpEYrMinus3);
    t.lumpEPreYrMinus3 = amountCaption(QStringLiteral("Accrued prior to ") + secondYear, c.lumpEPreYrMinus3);
    t.unionFees = amountCaption(c.unionName, c.unionFees);
    t.giving = amountCaption(QStringLiteral("Workplace Giving DGR(s)"), c.giving);
    if (!inb) {
        t.allow1 = c.allow1Name;
        t.allow2 = c.allow2Name;
        t.allow3 = c.allow3Name;
        t.allow4 = c.allow4Name;
        return;
    }
    t.allow1 = amountCaption(c.allow1Name, c.allow1);
    t.allow2 = amountCaption(c.allow2Name, c.allow2);
    t.allow3 = amountCaption(c.allow3Name, c.allow3);
    t.allow4 = amountCaption(c.allow4Name, c.allow4);
    t.exemptForeign = amountCaption(QStringLiteral("Exempt foreign employment income"), c.exemptForeign);
    t.annuity = amountCaption(
        QStringLiteral("Deductible amount of the undeducted purchase price of the annuity "), c.annuity);
}

using Filler = void (*)(AppContext&, const PdfValues&, const QString&);

Filler fillerOf(const QString& type)
{
    if (type == QLatin1String("INB"))
        return &CNewPDF::FillDataSheetINB;
    if (type == QLatin1String("BUS"))
        return &CNewPDF::FillDataSheetBUS;
    if (type == QLatin1String("ETP"))
        return &CNewPDF::FillDataSheetETP;
    if (type == QLatin1String("FEI"))
        return &CNewPDF::FillDataSheetFEI;
    if (type == QLatin1String("PEN"))
        return &CNewPDF::FillDataSheetPEN;
    if (type == QLatin1String("SLS"))
        return &CNewPDF::FillDataSheetSLS;
    if (type == QLatin1String("DAS"))
        return &CNewPDF::FillDataSheetDAS;
    return nullptr;
}

// The payee of a run's summary made ready (null when the run is not
// confirmed for a file per payee, or the payee is gone: it fills nothing).
// The run's blank forms are read once each.
std::unique_ptr<BatchSummary> readySummary(
    const AppContext& context, qint32 payeeId, const PdfNamePattern& pattern, std::map<int, QByteArray>& blanks)
{
    const Report& report = context.report();
    if (report.pdfFilePerPayee != kYes || report.pdfConfirmed != kYes)
        return nullptr;
    const auto found = report.payees.find(payeeId);
    if (found == report.payees.end())
        return nullptr;
    PdfValues values = PreparePaymentSummaryValues(found->second, report, pattern);
    const int number = FormNumber(values.card.payeeType, report.reportYearNumber, values.card.origAmended);
    QByteArray blank;
    if (number != 0) {
        auto known = blanks.find(number);
        if (known == blanks.end())
            known = blanks.emplace(number, BlankForms::bytes(number)).first;
        blank = known->second;
    }
    return std::make_unique<BatchSummary>(context, std::move(values), std::move(blank));
}

// Forms being filled at once: one per core; the run's own thread writes
// the files meanwhile.
size_t formsAtOnce()
{
    return std::max(2u, std::thread::hardware_concurrency());
}

} // namespace

QString PaymentSummaryFileStem(
    const CCards& card, const QString& fullName, const Report& report, const PdfNamePattern& pattern)
{
    QStringList parts;
    parts << pattern.text1;
    for (const QString* field : { &pattern.field1, &pattern.field2, &pattern.field3, &pattern.field4 })
        parts << resolvedField(*field, card, fullName, report);
    parts << pattern.text2;
    for (QString& part : parts)
        part = safeNamePart(part);

    QString stem = parts.join(QLatin1Char('_'));
    // Five passes: a run of up to 32 underscores, typed ones included, becomes one.
    for (int pass = 0; pass < 5; ++pass)
        stem.replace(QStringLiteral("__"), QStringLiteral("_"));
    if (stem.endsWith(QLatin1Char('_')))
        stem.chop(1);
    if (stem.startsWith(QLatin1Char('_')))
        stem.remove(0, 1);
    return stem;
}

QString PaymentSummaryFullName(const CCards& card)
{
    QStringList parts;
    for (const QString* part : { &card.firstName, &card.secName, &card.surname }) {
        if (!part->isEmpty())
            parts << *part;
    }
    return parts.join(QLatin1Char(' '));
}

PdfValues PreparePaymentSummaryValues(const CCards& card, const Report& report, const PdfNamePattern& pattern)
{
    PdfValues values;
    values.card = card;
    CCards& c = values.card;
    const QString& type = c.payeeType;
    values.texts = amountTexts(c);
    values.fullName = PaymentSummaryFullName(c);
    values.address = c.suburb + QLatin1Char(' ') + c.state + QLatin1Char(' ') + PostcodeText(c.pCode);
    if (!fillerOf(type))
        return values;

    const bool bus = type == QLatin1String("BUS");
    if (bus && c.busPaymentType == QLatin1String("Voluntary Agreement"))
        c.tfn = c.abn;
    values.fileName = QLatin1Char('/') + PaymentSummaryFileStem(c, values.fullName, report, pattern);

    const bool zeroPayerAbn = report.payerAbn == kZeroAbn;
    const bool masksAnyTfn
        = bus || type == QLatin1String("ETP") || type == QLatin1String("SLS") || type == QLatin1String("DAS");
    // INB, FEI and PEN mask only a TFN of nine characters.
    const bool nineCharacters = c.tfn.size() == 9;
    if (nineCharacters)
        c.tfn = tfnInGroups(c.tfn);
    if (zeroPayerAbn && (masksAnyTfn || nineCharacters))
        c.tfn = QStringLiteral("000 000 000");

    if (bus) {
        c.abn = AbnInGroups(c.abn);
        if (zeroPayerAbn)
            c.abn = QStringLiteral("00 000 000 000");
    }

    const bool paymentDate
        = type == QLatin1String("ETP") || type == QLatin1String("SLS") || type == QLatin1String("DAS");
    if (paymentDate) {
        values.date3 = dateText(c.paymentDay, c.paymentMonth, c.paymentYear);
    } else {
        values.date1 = dateText(c.startDay, c.startMonth, c.startYear);
        values.date2 = dateText(c.endDay, c.endMonth, c.endYear);
    }

    if (type == QLatin1String("INB") || type == QLatin1String("FEI"))
        detailCaptions(values, report, type == QLatin1String("INB"));
    if ((type == QLatin1String("SLS") || type == QLatin1String("DAS")) && c.spare1 == QLatin1String("N/A"))
        c.spare1.clear();
    return values;
}

void GeneratePaymentSummaryPDF(AppContext& context, qint32 payeeId, const PdfNamePattern& pattern)
{
    Report& report = context.report();
    context.currentPayeeKey = payeeId;
    report.currentPayeeId = payeeId;
    if (report.payeeMode == 4)
        return;
    if (!report.payees.count(payeeId))
        return;

    const bool batchMode = report.pdfFilePerPayee == kYes;
    if (!batchMode)
        context.ui.runDialog(QStringLiteral("CGenSinglePay"));
    if (report.pdfConfirmed != kYes)
        return;
    const auto found = report.payees.find(payeeId);
    if (found == report.payees.end())
        return;

    const PdfValues values = PreparePaymentSummaryValues(found->second, report, pattern);
    const QString templatePath = CreateTempPDF(context, values.card.payeeType, values.card.origAmended);
    if (report.pdfTemplateFailed != 0)
        return;
    const Filler filler = fillerOf(values.card.payeeType);
    if (!filler)
        return;
    filler(context, values, templatePath);
    if (report.pdfTemplateFailed != 0)
        return;

    if (batchMode) {
        if (report.pdfLastOutputFile.isEmpty() || !context.files.exists(report.pdfLastOutputFile)) {
            context.ui.message(kPaymentSummaryNotSaved);
            return;
        }
        ++report.pdfCount;
        report.pdfLastOutputFile.clear();
        return;
    }
    context.ui.message(context.files.exists(report.pdfOutputPath) ? kPaymentSummarySaved : kPaymentSummaryNotSaved);
}

void GeneratePaymentSummaryPDFs(
    AppContext& context, const std::vector<qint32>& payeeIds, const PdfNamePattern& pattern, PaymentSummaryBatch& batch)
{
    struct Step {
        qint32 payeeId = 0;
        std::unique_ptr<BatchSummary> summary;
        // Declared after the summary, so that it waits for the fill first.
        std::future<void> filled;
    };
    Report& report = context.report();
    std::map<int, QByteArray> blanks;
    std::deque<Step> ahead;
    const size_t most = formsAtOnce();
    // The run's first form is filled on this thread, before any other:
    // whatever the form library makes once for all its documents is made
    // before another thread asks for it.
    bool first = true;
    size_t next = 0;
    while (next < payeeIds.size() || !ahead.empty()) {
        while (next < payeeIds.size() && ahead.size() < most) {
            Step step { payeeIds[next], readySummary(context, payeeIds[next], pattern, blanks), {} };
            ++next;
            if (step.summary && step.summary->hasForm() && first) {
                step.summary->fill();
                first = false;
            } else if (step.summary && step.summary->hasForm()) {
                BatchSummary* summary = step.summary.get();
                try {
                    step.filled = std::async(std::launch::async, [summary] { summary->fill(); });
                } catch (const std::system_error&) {
                    // No thread to be had: this one fills it.
                    summary->fill();
                }
            }
            ahead.push_back(std::move(step));
        }
        Step step = std::move(ahead.front());
        ahead.pop_front();
        if (step.filled.valid())
            step.filled.get();

        const qint32 id = step.payeeId;
        report.printPayeeId = id;
        report.payeeMode = 0;
        context.currentPayeeKey = id;
        report.currentPayeeId = id;
        if (!step.summary)
            continue;
        step.summary->addTo(context, batch);
        report.pdfLastOutputFile.clear();
        if (!batch.stopped().ok())
            break;
    }
    // The fills still under way end before their summaries go.
    for (Step& step : ahead) {
        if (step.filled.valid())
            step.filled.wait();
    }
}
