#include "lodgement/LodgementWriter.h"

#include <QLatin1StringView>

#include <cstring>
#include <string_view>
#include <vector>

namespace {

// One line of a payee's summary block: its label and the record field it
// shows. A field the record does not have shows nothing after its label.
struct SummaryLine {
    std::string_view label;
    std::string_view field;
};

constexpr SummaryLine kNameLines[] = {
    {"\r\nPayee surname = \t", "surname"},
    {"\r\nPayee first name = \t", "first given name"},
    {"\r\nPayee second name = \t", "second given name"},
};
constexpr SummaryLine kAddressLines[] = {
    {"\r\nPayee address line 1 = \t", "address line 1"},
    {"\r\nPayee address line 2 = \t", "address line 2"},
    {"\r\nSuburb, town or city = \t", "suburb, town or city"},
    {"\r\nState or territory = \t", "state or territory"},
    {"\r\nPostcode = \t", "postcode"},
    {"\r\nCountry = \t", "country"},
};
constexpr SummaryLine kDobLine{"\r\nPayee date of birth = \t", "date of birth"};
constexpr SummaryLine kAmendLine{"\r\nAmend Indicator = \t", "amend indicator"};

std::vector<SummaryLine> linesOf(PayeeType type)
{
    std::vector<SummaryLine> l;
    auto names = [&l] { l.insert(l.end(), std::begin(kNameLines), std::end(kNameLines)); };
    auto address = [&l] { l.insert(l.end(), std::begin(kAddressLines), std::end(kAddressLines)); };
    switch (type) {
    case PayeeType::INB:
        l = {{"\r\nPayee Type = \tINB", {}}, {"\r\nIncome Type = \t", "income type"}, {"\r\nPayee TFN = \t", "TFN"}};
        names();
        l.push_back(kDobLine);
        address();
        l.insert(l.end(), {{"\r\nPayment Start Date = \t", "payment start date"},
                           {"\r\nPayment End Date = \t", "payment end date"},
                           {"\r\nTax Withheld = \t", "tax withheld"},
                           {"\r\nGross Payments = \t", "gross payments"},
                           {"\r\nTotal Allowances = \t", "total allowances"},
                           {"\r\nLump Sum A = \t", "lump sum A"},
                           {"\r\nLump Sum B  = \t", "lump sum B"},
                           {"\r\nLump Sum D = \t", "lump sum D"},
                           {"\r\nLump Sum E = \t", "lump sum E"},
                           {"\r\nCDEP = \t", "CDEP"},
                           {"\r\nRFBT = \t", "reportable fringe benefits amount"},
                           {"\r\nRESC = \t", "reportable employer super contribution amount"},
                           {"\r\nGiving = \t", "workplace giving deduction"},
                           {"\r\nUnion = \t", "union or professional association deduction"},
                           {"\r\nExempt Foreign emp income = \t", "exempt foreign employment income"},
                           {"\r\nDeductible Amount of Annuity = \t", "deductible amount of annuity"},
                           {"\r\nLump Sum A Type = \t", "lump sum A type"},
                           kAmendLine,
                           {"\r\nFBT Exempt Indicator = \t", "FBT exempt indicator"}});
        break;
    case PayeeType::ETP:
        l = {{"\r\nPayee Type = \tETP\r\nPayee TFN = \t", "TFN"}};
        names();
        l.push_back(kDobLine);
        address();
        l.insert(l.end(), {{"\r\nPayment Date = \t", "payment date"},
                           {"\r\nPayment Type Code = \t", "ETP payment type code"},
                           {"\r\nTax Withheld = \t", "tax withheld"},
                           {"\r\nTaxable Component = \t", "taxable component"},
                           {"\r\nTaxFree Component = \t", "tax-free component"},
                           kAmendLine});
        break;
    case PayeeType::BUS:
        l = {{"\r\nPayee Type = \tBUS\r\nPayee TFN = \t", "TFN"},
             {"\r\nPayee ABN = \t", "payee ABN"},
             {"\r\nPayment Type = \t", "payment type code"}};
        names();
        l.push_back(kDobLine);
        address();
        l.insert(l.end(), {{"\r\nPayment Start Date = \t", "payment start date"},
                           {"\r\nPayment End Date = \t", "payment end date"},
                           {"\r\nTax Withheld = \t", "tax withheld"},
                           {"\r\nGross or Attrib = \t", "gross or attributed income"},
                           {"\r\nRESC = \t", "reportable employer super contribution amount"},
                           kAmendLine});
        break;
    case PayeeType::FEI:
        l = {{"\r\nPayee Type = \tFEI", {}}, {"\r\nPayee TFN = \t", "TFN"}, kDobLine};
        names();
        address();
        l.insert(l.end(), {{"\r\nPayment Start Date = \t", "period start date"},
                           {"\r\nPayment End Date = \t", "period end date"},
                           {"\r\nAust Tax Withheld = \t", "Australian tax withheld"},
                           {"\r\nForeign Tax Paid = \t", "foreign tax paid"},
                           {"\r\nGross Payments = \t", "gross payments"},
                           {"\r\nGross Payments Type = \t", "gross payments type"},
                           {"\r\nLump Sum A = \t", "lump sum A"},
                           {"\r\nLump Sum D = \t", "lump sum D"},
                           {"\r\nLump Sum E = \t", "lump sum E"},
                           {"\r\nLump Sum A Type = \t", "lump sum A type"},
                           {"\r\nRFBT = \t", "reportable fringe benefits amount"},
                           {"\r\nRESC = \t", "reportable employer superannuation contributions"},
                           {"\r\nFBT Exempt Indicator = \t", "FBT exempt indicator"},
                           kAmendLine});
        break;
    case PayeeType::PEN:
        l = {{"\r\nPayee Type = \tPEN", {}}, {"\r\nPayee TFN = \t", "TFN"}};
        names();
        l.push_back(kDobLine);
        address();
        l.insert(l.end(), {{"\r\nPayment Start Date = \t", "period start date"},
                           {"\r\nPayment End Date = \t", "period end date"},
                           {"\r\nTax Withheld = \t", "tax withheld"},
                           {"\r\nTC Taxed Element = \t", "taxable component, taxed element"},
                           {"\r\nTC Untaxed Element = \t", "taxable component, untaxed element"},
                           {"\r\nTax Free Component = \t", "tax free component"},
                           {"\r\nTax Offset Amount  = \t", "tax offset amount"},
                           {"\r\nLS Arrears TC Taxed Element = \t", "lump sum in arrears, taxed element"},
                           {"\r\nLS Arrears TC Unaxed Element = \t", "lump sum in arrears, untaxed element"},
                           {"\r\nLS Arrears Tax Free Amt = \t", "lump sum in arrears, tax free component"},
                           // Empty before 2018, when the record has no such field.
                           {"\r\nReversionary Indicator = \t", "reversionary indicator"},
                           kAmendLine});
        break;
    case PayeeType::SLS:
    case PayeeType::DAS:
        l = {{type == PayeeType::SLS ? "\r\nPayee Type = \tSLS\r\nPayee TFN = \t" : "\r\nPayee Type = \tDAS\r\nPayee TFN = \t",
              "TFN"}};
        names();
        if (type == PayeeType::SLS)
            l.push_back(kDobLine);
        address();
        l.insert(l.end(), {{"\r\nPayment Date = \t", "payment date"},
                           {"\r\nTax Withheld = \t", "tax withheld"},
                           {"\r\nTaxable Component Taxed = \t", "taxable component, taxed element"},
                           {"\r\nTaxable Component Untaxed = \t", "taxable component, untaxed element"},
                           {"\r\nTaxFree Component = \t", "tax free component"}});
        if (type == PayeeType::SLS) {
            l.insert(l.end(), {{"\r\nDeath Benefit = \t", "death benefit"},
                               {"\r\nType of Death Benefit = \t", "type of death benefit"}});
        }
        l.push_back(kAmendLine);
        break;
    }
    return l;
}

// A summary line resolved against one record layout.
struct ResolvedLine {
    QLatin1StringView label;
    const FieldLayout* field;
};

std::vector<ResolvedLine> resolve(PayeeType type, RecordLayout layout)
{
    std::vector<ResolvedLine> result;
    for (const SummaryLine& line : linesOf(type)) {
        const FieldLayout* field = line.field.empty() ? nullptr : findField(layout, line.field);
        result.push_back({QLatin1StringView(line.label.data(), qsizetype(line.label.size())), field});
    }
    return result;
}

QLatin1StringView fieldText(const char* record, const FieldLayout& field)
{
    return QLatin1StringView(record + field.position - 1, field.width);
}

QLatin1StringView fieldText(const char* record, RecordLayout layout, std::string_view name)
{
    return fieldText(record, *findField(layout, name));
}

QLatin1StringView trimmedRight(QLatin1StringView text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == u' ')
        --n;
    return text.first(n);
}

const QLatin1StringView kSeparator("_____________________________________________________________");

// The amount each type adds to its amount sum.
qint32 summedAmount(PayeeType type, const CCards& payee)
{
    switch (type) {
    case PayeeType::INB:
    case PayeeType::BUS:
    case PayeeType::FEI:
    case PayeeType::PEN: // the taxed element of the taxable component
        return payee.gross;
    case PayeeType::ETP:
    case PayeeType::SLS:
    case PayeeType::DAS:
        return payee.taxable;
    }
    return 0;
}

QString where(const FieldLayout& field, const QString& owner)
{
    return QStringLiteral("%1, field \"%2\"")
        .arg(owner, QString::fromLatin1(field.name.data(), qsizetype(field.name.size())));
}

QString describeCharacter(QChar c)
{
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return QStringLiteral("a control character (such as a tab or line break)");
    return QStringLiteral("the character \"%1\"").arg(c);
}

QString refusalText(const RecordProblem& problem, const QString& owner)
{
    const FieldLayout& field = *problem.field;
    const FieldProblem& p = problem.problem;
    QString why;
    switch (p.fault) {
    case FieldFault::Character:
        why = QStringLiteral("%1 cannot be written to the VESK.A01 file, which takes only plain letters, digits "
                             "and punctuation.")
                  .arg(describeCharacter(p.character));
        break;
    case FieldFault::Length:
        if (field.kind == FieldKind::Date)
            why = QStringLiteral("the date \"%1\" is not a two-digit day, a two-digit month and a four-digit year.")
                      .arg(p.value);
        else
            why = QStringLiteral("\"%1\" does not have the %2 characters the VESK.A01 file needs here.")
                      .arg(p.value)
                      .arg(field.width);
        break;
    case FieldFault::Amount:
        why = QStringLiteral("the amount %1 is outside 0 to 99,999,999.").arg(p.value);
        break;
    case FieldFault::Postcode:
        why = p.value.isEmpty() ? QStringLiteral("the postcode is missing.")
                                : QStringLiteral("the postcode %1 does not fit four digits.").arg(p.value);
        break;
    case FieldFault::None:
        break;
    }
    return QStringLiteral("The VESK.A01 file has not been created.\n\n%1: %2\n\nPlease correct this field and "
                          "press VESK.A01 File again.")
        .arg(where(field, owner), why);
}

void appendNumber(QString& text, qint64 value)
{
    text.append(QString::number(value));
}

} // namespace

LodgementBuild BuildLodgement(const Report& report)
{
    LodgementBuild build;
    const int year = report.reportYearNumber;

    // One walk sorts the payees by type; each group keeps ascending ID.
    std::array<std::vector<const CCards*>, 7> groups;
    for (const auto& [id, payee] : report.payees) {
        if (const std::optional<PayeeType> type = payeeTypeOf(payee.payeeType))
            groups[size_t(*type)].push_back(&payee);
    }
    qsizetype payeeTotal = 0;
    for (const auto& group : groups)
        payeeTotal += qsizetype(group.size());

    QByteArray& file = build.fileText;
    file = QByteArray(kRecordLength * (payeeTotal + kHeaderRecordCount + 1), ' ');
    char* out = file.data();

    auto refuse = [&build](const RecordProblem& problem, const QString& owner) {
        build.outcome = LodgementBuild::Outcome::Refused;
        build.refusal = refusalText(problem, owner);
        build.fileText.clear();
        build.summaryBody.clear();
        return build;
    };

    const RecordSource headerSource{report};
    const std::array<std::pair<RecordLayout, QString>, 5> headers{{
        {kIdentRegister1Layout, QStringLiteral("Supplier details")},
        {kIdentRegister2Layout, QStringLiteral("Supplier details")},
        {kIdentRegister3Layout, QStringLiteral("Supplier details")},
        {kIdentityLayout, QStringLiteral("Payer details")},
        {kSoftwareLayout, QStringLiteral("Software record")},
    }};
    for (size_t i = 0; i < headers.size(); ++i) {
        if (auto problem = writeRecord(headers[i].first, headerSource, out + i * kRecordLength))
            return refuse(*problem, headers[i].second);
    }
    const char* ir1 = out;
    const char* ir2 = out + kRecordLength;
    const char* ir3 = out + 2 * kRecordLength;
    const char* identity = out + 3 * kRecordLength;
    const char* software = out + 4 * kRecordLength;

    QString& s = build.summaryBody;
    s.reserve(6000 + payeeTotal * 1700);
    auto line = [&s](const char* label, QLatin1StringView value) {
        s.append(QLatin1StringView(label));
        s.append(value);
    };

    s.append(QLatin1StringView("\r\n"));
    s.append(kSeparator);
    s.append(QLatin1StringView("\r\n\r\nSupplier Details.\r\n"));
    line("\r\nSupplier ABN = \t", fieldText(ir1, kIdentRegister1Layout, "supplier ABN"));
    line("\r\nReport end date = \t", fieldText(ir1, kIdentRegister1Layout, "report end date"));
    line("\r\nSupplier name = \t", trimmedRight(fieldText(ir2, kIdentRegister2Layout, "supplier name")));
    line("\r\nSupplier contact name = \t", fieldText(ir2, kIdentRegister2Layout, "supplier contact name"));
    line("\r\nSupplier contact telephone = \t", fieldText(ir2, kIdentRegister2Layout, "supplier contact telephone"));
    line("\r\nSupplier facsimile = \t", fieldText(ir2, kIdentRegister2Layout, "supplier facsimile"));
    line("\r\nSupplier file reference = \t", fieldText(ir2, kIdentRegister2Layout, "supplier file reference"));
    line("\r\nStreet address line 1 = \t", fieldText(ir3, kIdentRegister3Layout, "street address line 1"));
    line("\r\nStreet address line 2 = \t", fieldText(ir3, kIdentRegister3Layout, "street address line 2"));
    line("\r\nSuburb, town or city = \t", fieldText(ir3, kIdentRegister3Layout, "street suburb, town or city"));
    line("\r\nState or territory = \t", fieldText(ir3, kIdentRegister3Layout, "street state or territory"));
    line("\r\nPostcode = \t", fieldText(ir3, kIdentRegister3Layout, "street postcode"));
    line("\r\nCountry = \t", fieldText(ir3, kIdentRegister3Layout, "street country"));
    line("\r\nPostal address line 1 = \t", fieldText(ir3, kIdentRegister3Layout, "postal address line 1"));
    line("\r\nPostal address line 2 = \t", fieldText(ir3, kIdentRegister3Layout, "postal address line 2"));
    line("\r\nSuburb, town or city = \t", fieldText(ir3, kIdentRegister3Layout, "postal suburb, town or city"));
    line("\r\nState or territory = \t", fieldText(ir3, kIdentRegister3Layout, "postal state or territory"));
    line("\r\nPostcode = \t", fieldText(ir3, kIdentRegister3Layout, "postal postcode"));
    line("\r\nCountry = \t", fieldText(ir3, kIdentRegister3Layout, "postal country"));
    line("\r\nSupplier E-mail = \t", trimmedRight(fieldText(ir3, kIdentRegister3Layout, "supplier e-mail address")));

    s.append(QLatin1StringView("\r\n\r\n"));
    s.append(kSeparator);
    s.append(QLatin1StringView("\r\n\r\nPayer Details.\r\n"));
    line("\r\nPayer ABN or WPN = \t", fieldText(identity, kIdentityLayout, "payer ABN or WPN"));
    line("\r\nBranch Number = \t", fieldText(identity, kIdentityLayout, "payer branch number"));
    line("\r\nFinancial Year = \t", fieldText(identity, kIdentityLayout, "financial year"));
    line("\r\nPayer business name = \t", trimmedRight(fieldText(identity, kIdentityLayout, "payer name")));
    line("\r\nPayer trading name = \t", trimmedRight(fieldText(identity, kIdentityLayout, "payer trading name")));
    line("\r\nPayer address line 1 = \t", fieldText(identity, kIdentityLayout, "payer address line 1"));
    line("\r\nPayer address line 2 = \t", fieldText(identity, kIdentityLayout, "payer address line 2"));
    line("\r\nSuburb, town or city = \t", fieldText(identity, kIdentityLayout, "payer suburb, town or city"));
    line("\r\nState or territory = \t", fieldText(identity, kIdentityLayout, "payer state or territory"));
    line("\r\nPostcode = \t", fieldText(identity, kIdentityLayout, "payer postcode"));
    line("\r\nCountry = \t", fieldText(identity, kIdentityLayout, "payer country"));
    line("\r\nContact name = \t", fieldText(identity, kIdentityLayout, "payer contact name"));
    line("\r\nContact telephone = \t", fieldText(identity, kIdentityLayout, "payer contact telephone"));
    line("\r\nContact facsimile = \t", fieldText(identity, kIdentityLayout, "payer facsimile"));

    s.append(QLatin1StringView("\r\n\r\n"));
    s.append(kSeparator);
    s.append(QLatin1StringView("\r\n\r\nPayee Details."));

    char* next = out + kHeaderRecordCount * kRecordLength;
    for (PayeeType type : kPayeeTypes) {
        const auto& group = groups[size_t(type)];
        if (group.empty())
            continue;
        if (report.year2012Mode == 1
            && (type == PayeeType::ETP || type == PayeeType::BUS || type == PayeeType::SLS
                || type == PayeeType::DAS)) {
            build = LodgementBuild{};
            build.outcome = LodgementBuild::Outcome::Stopped2012;
            return build;
        }
        const RecordLayout layout = payeeRecordLayout(type, year);
        const std::vector<ResolvedLine> lines = resolve(type, layout);
        const RecordPlan plan(layout, report);
        TypeTotals& totals = build.totals[size_t(type)];
        for (const CCards* payee : group) {
            if (auto problem = plan.write(*payee, next)) {
                return refuse(*problem, QStringLiteral("Payee ID %1 (%2)")
                                            .arg(payee->payeeId)
                                            .arg(payeeTypeCode(type)));
            }
            ++build.payeeRecords;
            ++totals.count;
            totals.amount += summedAmount(type, *payee);
            totals.tax += payee->taxWithheld;

            s.append(QLatin1StringView("\r\n\r\nPayee No. "));
            appendNumber(s, build.payeeRecords);
            for (const ResolvedLine& l : lines) {
                s.append(l.label);
                if (l.field)
                    s.append(fieldText(next, *l.field));
            }
            s.append(QLatin1StringView("\r\n"));
            next += kRecordLength;
        }
    }

    if (auto problem = writeRecord(kFileTotalLayout, RecordSource{report, nullptr, build.payeeRecords}, next))
        return refuse(*problem, QStringLiteral("File total"));

    s.append(QLatin1StringView("\r\n"));
    s.append(kSeparator);
    s.append(QLatin1StringView("\r\n\r\nReport Details"));
    line("\r\n\r\nSpecification Version =  \t",
         fieldText(ir1, kIdentRegister1Layout, "report specification version"));
    line("\r\nSoftware Product =  \t", fieldText(software, kSoftwareLayout, "type of software and product name"));
    s.append(QLatin1StringView("\r\nNo. of Records (Payees + 6) =  \t"));
    appendNumber(s, build.payeeRecords + 6);
    s.append(QLatin1StringView("\r\n"));
    s.append(kSeparator);

    static const char* const kGroupLabels[7][3] = {
        {"\r\n\r\nNumber of INB Payees = \t", "\r\nINB Gross = \t", "\r\nINB Tax = \t"},
        {"\r\n\r\nNumber of ETP Payees = \t", "\r\nETP Taxable Component = \t", "\r\nETP Tax = \t"},
        {"\r\n\r\nNumber of BUS Payees = \t", "\r\nBUS Gross or Attrib = \t", "\r\nBUS Tax = \t"},
        {"\r\n\r\nNumber of FEI Payees = \t", "\r\nFEI Gross = \t", "\r\nFEI Aust Tax = \t"},
        {"\r\n\r\nNumber of PEN Payees = \t", "\r\nPEN Taxable - Taxed = \t", "\r\nPEN Tax = \t"},
        {"\r\n\r\nNumber of SLS Payees = \t", "\r\nSLS Taxable - Taxed = \t", "\r\nSLS Tax = \t"},
        {"\r\n\r\nNumber of DAS Payees = \t", "\r\nDAS Taxable - Taxed = \t", "\r\nDAS Tax = \t"},
    };
    qint64 amountTotal = 0;
    qint64 taxTotal = 0;
    for (size_t i = 0; i < 7; ++i) {
        const TypeTotals& t = build.totals[i];
        s.append(QLatin1StringView(kGroupLabels[i][0]));
        appendNumber(s, t.count);
        s.append(QLatin1StringView(kGroupLabels[i][1]));
        appendNumber(s, t.amount);
        s.append(QLatin1StringView(kGroupLabels[i][2]));
        appendNumber(s, t.tax);
        amountTotal += t.amount;
        taxTotal += t.tax;
    }
    s.append(QLatin1StringView("\r\n\r\nTotal Number of Payees = \t"));
    appendNumber(s, build.payeeRecords);
    s.append(QLatin1StringView("\r\nTotal Gross and Taxable = \t"));
    appendNumber(s, amountTotal);
    s.append(QLatin1StringView("\r\nTotal Tax = \t"));
    appendNumber(s, taxTotal);
    return build;
}

QString SummaryHeading(const QString& path, const QString& generatedAt)
{
    return QStringLiteral("Contents of VESK.A01 File.\r\n\r\nVESK.A01 File Name = ") + path
        + QStringLiteral("\r\n\r\nFile Generated = ") + generatedAt + QStringLiteral("\r\n\r\n");
}
