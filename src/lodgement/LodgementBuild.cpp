#include "lodgement/LodgementWriter.h"

#include "platform/FileSystem.h"
#include "report/LargeBuffers.h"
#include "report/ReportYears.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <span>
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
    std::string_view label;
    const FieldLayout* field;
};

std::vector<ResolvedLine> resolve(PayeeType type, RecordLayout layout)
{
    std::vector<ResolvedLine> result;
    for (const SummaryLine& line : linesOf(type)) {
        const FieldLayout* field = line.field.empty() ? nullptr : findField(layout, line.field);
        result.push_back({line.label, field});
    }
    return result;
}

constexpr std::string_view kSeparator = "_____________________________________________________________";
constexpr std::string_view kPayeeNumberLabel = "\r\n\r\nPayee No. ";
constexpr std::string_view kBlockEnd = "\r\n";
// Decimal digits of the largest count or sum the summary shows.
constexpr qsizetype kNumberWidth = 20;

// Writes the summary's ASCII bytes at a cursor. The buffer is sized before
// writing starts, so nothing here allocates.
class SummaryCursor {
public:
    explicit SummaryCursor(char* at) : m_at(at) {}

    void put(std::string_view text)
    {
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
    }
    void put(const char* record, const FieldLayout& field)
    {
        std::memcpy(m_at, record + field.position - 1, size_t(field.width));
        m_at += field.width;
    }
    void putTrimmed(const char* record, const FieldLayout& field)
    {
        qsizetype n = field.width;
        const char* from = record + field.position - 1;
        while (n > 0 && from[n - 1] == ' ')
            --n;
        std::memcpy(m_at, from, size_t(n));
        m_at += n;
    }
    void put(qint64 value)
    {
        char digits[kNumberWidth];
        int n = 0;
        const bool negative = value < 0;
        quint64 rest = negative ? quint64(0) - quint64(value) : quint64(value);
        do {
            digits[n++] = char('0' + rest % 10);
            rest /= 10;
        } while (rest);
        if (negative)
            *m_at++ = '-';
        while (n)
            *m_at++ = digits[--n];
    }
    char* at() const { return m_at; }

private:
    char* m_at;
};

// The most bytes one payee's block can take: the fixed labels, the fields at
// their widths and the payee number.
qsizetype blockSize(const std::vector<ResolvedLine>& lines)
{
    qsizetype size = qsizetype(kPayeeNumberLabel.size() + kBlockEnd.size()) + kNumberWidth;
    for (const ResolvedLine& line : lines)
        size += qsizetype(line.label.size()) + (line.field ? line.field->width : 0);
    return size;
}

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

// Where a refused header field is entered, and its label there.
struct HeaderScreenName {
    std::string_view field;
    std::string_view owner;
    std::string_view label;
};

constexpr HeaderScreenName kHeaderScreenNames[] = {
    {"supplier ABN", "Supplier Details", "ABN/WPN"},
    {"report end date", "Report", "Year ended 30 June"},
    {"supplier name", "Supplier Details", "Name"},
    {"supplier contact name", "Supplier Details", "Contact Name"},
    {"supplier contact telephone", "Supplier Details", "Contact Telephone"},
    {"supplier facsimile", "Supplier Details", "Fax No"},
    {"supplier file reference", "Supplier File Reference", "Supplier's File Ref"},
    {"street address line 1", "Supplier Street Address", "Address Line 1"},
    {"street address line 2", "Supplier Street Address", "Address Line 2"},
    {"street suburb, town or city", "Supplier Street Address", "Suburb"},
    {"street state or territory", "Supplier Street Address", "State"},
    {"street postcode", "Supplier Street Address", "PCode"},
    {"street country", "Supplier Street Address", "Country"},
    {"postal address line 1", "Supplier Postal Address", "Address Line 1"},
    {"postal address line 2", "Supplier Postal Address", "Address Line 2"},
    {"postal suburb, town or city", "Supplier Postal Address", "Suburb"},
    {"postal state or territory", "Supplier Postal Address", "State"},
    {"postal postcode", "Supplier Postal Address", "PCode"},
    {"postal country", "Supplier Postal Address", "Country"},
    {"supplier e-mail address", "Supplier Details", "Email"},
    {"payer ABN or WPN", "Payer Details", "ABN/WPN"},
    {"payer branch number", "Payer Details", "Branch No"},
    {"financial year", "Report", "Year ended 30 June"},
    {"payer name", "Payer Details", "Business Name"},
    {"payer trading name", "Payer Details", "Trading Name"},
    {"payer address line 1", "Payer Details", "Address Line 1"},
    {"payer address line 2", "Payer Details", "Address Line 2"},
    {"payer suburb, town or city", "Payer Details", "Suburb"},
    {"payer state or territory", "Payer Details", "State"},
    {"payer postcode", "Payer Details", "PCode"},
    {"payer country", "Payer Details", "Country"},
    {"payer contact name", "Payer Details", "Contact Name"},
    {"payer contact telephone", "Payer Details", "Contact Telephone"},
    {"payer facsimile", "Payer Details", "Fax No"},
    {"number of records", "File total", "number of records"},
};

// The label of a payee field on its type's form; where the forms of two
// types label one record field differently, the type's own entry comes first.
struct PayeeScreenName {
    std::optional<PayeeType> type; // none: every type
    std::string_view field;
    std::string_view label;
};

const PayeeScreenName kPayeeScreenNames[] = {
    {PayeeType::SLS, "taxable component, taxed element", "Taxable Component - Taxed"},
    {PayeeType::DAS, "taxable component, taxed element", "Taxable Component - Taxed"},
    {PayeeType::SLS, "taxable component, untaxed element", "Taxable Component - Untaxed"},
    {PayeeType::DAS, "taxable component, untaxed element", "Taxable Component - Untaxed"},
    {{}, "taxable component, taxed element", "Taxable Component - taxed element"},
    {{}, "taxable component, untaxed element", "Taxable Component - untaxed element"},
    {{}, "surname", "Surname"},
    {{}, "first given name", "First Given Name"},
    {{}, "second given name", "2nd Given Name"},
    {{}, "date of birth", "Date of Birth"},
    {{}, "address line 1", "Address Line 1"},
    {{}, "address line 2", "Address Line 2"},
    {{}, "suburb, town or city", "Suburb"},
    {{}, "state or territory", "State"},
    {{}, "postcode", "PCode"},
    {{}, "country", "Country"},
    {{}, "payment start date", "Start Date"},
    {{}, "period start date", "Start Date"},
    {{}, "payment end date", "End Date"},
    {{}, "period end date", "End Date"},
    {{}, "payment date", "Payment Date"},
    {{}, "amend indicator", "Original/Amended Indicator"},
    {{}, "tax withheld", "Tax Withheld"},
    {{}, "Australian tax withheld", "Aust Tax Withheld"},
    {{}, "foreign tax paid", "Foreign Tax Paid"},
    {{}, "gross payments", "Gross"},
    {{}, "gross or attributed income", "Gross or Attrib"},
    {{}, "total allowances", "Total Allowances"},
    {{}, "lump sum A", "Lump Sum A"},
    {{}, "lump sum B", "Lump Sum B"},
    {{}, "lump sum D", "Lump Sum D"},
    {{}, "lump sum E", "Lump Sum E"},
    {{}, "lump sum A type", "Lump Sum A - Type R or T"},
    {{}, "CDEP", "CDEP"},
    {{}, "reportable fringe benefits amount", "Reportable Fringe Benefits (RFBT)"},
    {{}, "reportable employer super contribution amount", "Reportable Employer Super (RESC)"},
    {{}, "reportable employer superannuation contributions", "Reportable Employer Super (RESC)"},
    {{}, "workplace giving deduction", "Workplace Giving"},
    {{}, "union or professional association deduction", "Union/Professional Assoc Fees"},
    {{}, "exempt foreign employment income", "Exempt Foreign Employment Income"},
    {{}, "deductible amount of annuity", "Deductible UPP of Annuity"},
    {{}, "FBT exempt indicator", "Exempt s57A"},
    {{}, "taxable component", "Taxable Component"},
    {{}, "tax-free component", "Tax Free Component"},
    {{}, "tax free component", "Tax Free Component"},
    {{}, "ETP payment type code", "Payment Type"},
    {{}, "payee ABN", "ABN"},
    {{}, "tax offset amount", "Tax Offset Amount"},
    {{}, "lump sum in arrears, taxed element", "Lump Sum in Arrears Taxable Component - taxed element"},
    {{}, "lump sum in arrears, untaxed element", "Lump Sum in Arrears Taxable Component - untaxed element"},
    {{}, "lump sum in arrears, tax free component", "Lump Sum in Arrears Tax Free Component"},
    {{}, "reversionary indicator", "Reversionary Income Stream"},
    {{}, "death benefit", "Death Benefit"},
};

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Whose field it is and the name the user knows it by.
struct ScreenName {
    QString owner;
    QString label;
};

ScreenName screenName(const FieldLayout& field, const RecordSource& source)
{
    if (source.payee) {
        const std::optional<PayeeType> type = payeeTypeOf(source.payee->payeeType);
        ScreenName name{QStringLiteral("Payee %1 (%2)").arg(source.payee->payeeId).arg(source.payee->payeeType),
                        latin1(field.name)};
        for (const PayeeScreenName& entry : kPayeeScreenNames) {
            if (entry.field == field.name && (!entry.type || entry.type == type)) {
                name.label = latin1(entry.label);
                break;
            }
        }
        return name;
    }
    for (const HeaderScreenName& entry : kHeaderScreenNames) {
        if (entry.field == field.name)
            return {latin1(entry.owner), latin1(entry.label)};
    }
    return {QStringLiteral("Software record"), latin1(field.name)};
}

QString describeCharacter(QChar c)
{
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return QStringLiteral("a control character (such as a tab or line break)");
    return QStringLiteral("the character \"%1\"").arg(c);
}

// The value at fault as the user entered it: a payee's date with its parts
// apart, the report year for the fields made from it.
QString shownValue(const FieldLayout& field, const RecordSource& source, const QString& value)
{
    if (field.rule == FieldRule::ReportEndDate || field.rule == FieldRule::FinancialYear)
        return source.report.reportYear;
    if (field.kind == FieldKind::Date && source.payee && field.text && field.month && field.year) {
        const CCards& p = *source.payee;
        if ((p.*field.text + p.*field.month + p.*field.year).isEmpty())
            return {};
        return p.*field.text + u'/' + p.*field.month + u'/' + p.*field.year;
    }
    return value;
}

// What the file needs of a field refused for its length.
QString lengthNeeded(const FieldLayout& field)
{
    if (field.rule == FieldRule::ReportEndDate || field.rule == FieldRule::FinancialYear)
        return QStringLiteral("a four-digit year");
    if (field.rule == FieldRule::RecordCount)
        return QStringLiteral("at most 99,999,999");
    if (field.kind == FieldKind::Date)
        return QStringLiteral("a two-digit day, a two-digit month and a four-digit year");
    if (field.width == 1)
        return QStringLiteral("one character");
    return QStringLiteral("%1 characters").arg(field.width);
}

// "is empty; it must be ..." or "is "value"; it must be ...".
QString notAsNeeded(const QString& value, bool quoted, const QString& needed)
{
    if (value.isEmpty())
        return QStringLiteral("is empty; it must be %1").arg(needed);
    return QStringLiteral("is %1; it must be %2").arg(quoted ? u'"' + value + u'"' : value, needed);
}

// One sentence about the user's data: whose field, its name on the screen,
// what is wrong with it and what it must be.
QString refusalText(const RecordProblem& problem, const RecordSource& source)
{
    const FieldLayout& field = *problem.field;
    const FieldProblem& p = problem.problem;
    const ScreenName name = screenName(field, source);
    QString why;
    switch (p.fault) {
    case FieldFault::Character:
        why = QStringLiteral("contains %1; the VESK.A01 file takes only plain letters, digits and punctuation")
                  .arg(describeCharacter(p.character));
        break;
    case FieldFault::Length:
        why = notAsNeeded(shownValue(field, source, p.value), field.rule != FieldRule::RecordCount,
                          lengthNeeded(field));
        break;
    case FieldFault::Amount:
        why = notAsNeeded(p.value, false, QStringLiteral("0 to 99,999,999"));
        break;
    case FieldFault::Postcode:
        // A payee's postcode is a number; the supplier's and payer's are text.
        why = notAsNeeded(p.value, field.kind != FieldKind::Postcode, QStringLiteral("four digits"));
        break;
    case FieldFault::None:
        break;
    }
    return QStringLiteral("The VESK.A01 file has not been created.\n\n%1: the %2 %3.\n\nPlease correct this field "
                          "and press VESK.A01 File again.")
        .arg(name.owner, name.label, why);
}

// A four-character year the program has no layouts for, or one other than
// the year the records would be laid out for (a damaged report file): the
// reader lays records out by the year in the file. A year too short for the
// field is left to the report end date's own check.
std::optional<QString> unknownYearRefusal(const Report& report)
{
    if (report.reportYear.size() < 4)
        return std::nullopt;
    const std::optional<YearRow> row = YearByText(report.reportYear);
    QString why;
    if (!row)
        why = notAsNeeded(report.reportYear, true, QStringLiteral("a year from 2012 to 2027"));
    else if (row->number != report.reportYearNumber)
        why = QStringLiteral("is \"%1\", but the report's payees were entered for %2")
                  .arg(report.reportYear)
                  .arg(report.reportYearNumber);
    else
        return std::nullopt;
    return QStringLiteral("The VESK.A01 file has not been created.\n\nReport: the Year ended 30 June %1.\n\nPlease "
                          "correct this field and press VESK.A01 File again.")
        .arg(why);
}

// One line of the supplier or payer section: its label, the header record
// and field it shows, and whether trailing blanks are removed.
struct HeaderLine {
    std::string_view label;
    int record; // 0 to 4: IDENTREGISTER1 .. SOFTWARE
    std::string_view field;
    bool trimmed = false;
};

constexpr HeaderLine kSupplierLines[] = {
    {"\r\nSupplier ABN = \t", 0, "supplier ABN"},
    {"\r\nReport end date = \t", 0, "report end date"},
    {"\r\nSupplier name = \t", 1, "supplier name", true},
    {"\r\nSupplier contact name = \t", 1, "supplier contact name"},
    {"\r\nSupplier contact telephone = \t", 1, "supplier contact telephone"},
    {"\r\nSupplier facsimile = \t", 1, "supplier facsimile"},
    {"\r\nSupplier file reference = \t", 1, "supplier file reference"},
    {"\r\nStreet address line 1 = \t", 2, "street address line 1"},
    {"\r\nStreet address line 2 = \t", 2, "street address line 2"},
    {"\r\nSuburb, town or city = \t", 2, "street suburb, town or city"},
    {"\r\nState or territory = \t", 2, "street state or territory"},
    {"\r\nPostcode = \t", 2, "street postcode"},
    {"\r\nCountry = \t", 2, "street country"},
    {"\r\nPostal address line 1 = \t", 2, "postal address line 1"},
    {"\r\nPostal address line 2 = \t", 2, "postal address line 2"},
    {"\r\nSuburb, town or city = \t", 2, "postal suburb, town or city"},
    {"\r\nState or territory = \t", 2, "postal state or territory"},
    {"\r\nPostcode = \t", 2, "postal postcode"},
    {"\r\nCountry = \t", 2, "postal country"},
    {"\r\nSupplier E-mail = \t", 2, "supplier e-mail address", true},
};

constexpr HeaderLine kPayerLines[] = {
    {"\r\nPayer ABN or WPN = \t", 3, "payer ABN or WPN"},
    {"\r\nBranch Number = \t", 3, "payer branch number"},
    {"\r\nFinancial Year = \t", 3, "financial year"},
    {"\r\nPayer business name = \t", 3, "payer name", true},
    {"\r\nPayer trading name = \t", 3, "payer trading name", true},
    {"\r\nPayer address line 1 = \t", 3, "payer address line 1"},
    {"\r\nPayer address line 2 = \t", 3, "payer address line 2"},
    {"\r\nSuburb, town or city = \t", 3, "payer suburb, town or city"},
    {"\r\nState or territory = \t", 3, "payer state or territory"},
    {"\r\nPostcode = \t", 3, "payer postcode"},
    {"\r\nCountry = \t", 3, "payer country"},
    {"\r\nContact name = \t", 3, "payer contact name"},
    {"\r\nContact telephone = \t", 3, "payer contact telephone"},
    {"\r\nContact facsimile = \t", 3, "payer facsimile"},
};

constexpr std::array<RecordLayout, kHeaderRecordCount> kHeaderLayouts{
    kIdentRegister1Layout, kIdentRegister2Layout, kIdentRegister3Layout, kIdentityLayout, kSoftwareLayout};

constexpr std::string_view kSupplierOpening = "\r\n_____________________________________________________________"
                                              "\r\n\r\nSupplier Details.\r\n";
constexpr std::string_view kPayerOpening = "\r\n\r\n_____________________________________________________________"
                                           "\r\n\r\nPayer Details.\r\n";
constexpr std::string_view kPayeeOpening = "\r\n\r\n_____________________________________________________________"
                                           "\r\n\r\nPayee Details.";

constexpr std::string_view kGroupLabels[7][3] = {
    {"\r\n\r\nNumber of INB Payees = \t", "\r\nINB Gross = \t", "\r\nINB Tax = \t"},
    {"\r\n\r\nNumber of ETP Payees = \t", "\r\nETP Taxable Component = \t", "\r\nETP Tax = \t"},
    {"\r\n\r\nNumber of BUS Payees = \t", "\r\nBUS Gross or Attrib = \t", "\r\nBUS Tax = \t"},
    {"\r\n\r\nNumber of FEI Payees = \t", "\r\nFEI Gross = \t", "\r\nFEI Aust Tax = \t"},
    {"\r\n\r\nNumber of PEN Payees = \t", "\r\nPEN Taxable - Taxed = \t", "\r\nPEN Tax = \t"},
    {"\r\n\r\nNumber of SLS Payees = \t", "\r\nSLS Taxable - Taxed = \t", "\r\nSLS Tax = \t"},
    {"\r\n\r\nNumber of DAS Payees = \t", "\r\nDAS Taxable - Taxed = \t", "\r\nDAS Tax = \t"},
};

// The most bytes of the summary outside the payee blocks.
qsizetype framingSize()
{
    qsizetype size = qsizetype(kSupplierOpening.size() + kPayerOpening.size() + kPayeeOpening.size());
    for (const auto& lines : {std::span<const HeaderLine>(kSupplierLines), std::span<const HeaderLine>(kPayerLines)}) {
        for (const HeaderLine& line : lines)
            size += qsizetype(line.label.size()) + findField(kHeaderLayouts[size_t(line.record)], line.field)->width;
    }
    // The report details, the per-type figures and the totals.
    size += 2 * qsizetype(kSeparator.size()) + 400 + kRecordLength;
    for (const auto& group : kGroupLabels) {
        for (std::string_view label : group)
            size += qsizetype(label.size()) + kNumberWidth;
    }
    return size + 3 * (60 + kNumberWidth);
}

void putHeaderLines(SummaryCursor& s, std::span<const HeaderLine> lines, const char* headers)
{
    for (const HeaderLine& line : lines) {
        const FieldLayout& field = *findField(kHeaderLayouts[size_t(line.record)], line.field);
        const char* record = headers + line.record * kRecordLength;
        s.put(line.label);
        if (line.trimmed)
            s.putTrimmed(record, field);
        else
            s.put(record, field);
    }
}

// Where a build puts its records: the whole file in memory, one reused
// buffer handed to a file writer each time it fills, or a single scratch
// record that only the checks and the summary read.
class RecordOut
{
public:
    enum class Mode { Whole, Stream, Scratch };
    // About a megabyte of records at a time for a writer.
    static constexpr qsizetype kStreamRecords = 1600;

    RecordOut(Mode mode, QByteArray* whole = nullptr, FileWriter* writer = nullptr)
        : m_mode(mode)
        , m_whole(whole)
        , m_writer(writer)
    {
    }

    // Called once the number of records is known, before the first next().
    void start(qsizetype records)
    {
        switch (m_mode) {
        case Mode::Whole:
            *m_whole = uninitializedBytes(kRecordLength * records);
            m_at = m_whole->data();
            return;
        case Mode::Stream:
            m_buffer.resize(size_t(kRecordLength * std::min(records, kStreamRecords)));
            break;
        case Mode::Scratch:
            m_buffer.resize(kRecordLength);
            break;
        }
        m_at = m_buffer.data();
    }

    // Room for the next record; what was written there before is kept
    // (and read by the summary) until the next call.
    char* next()
    {
        m_given += kRecordLength;
        if (m_mode == Mode::Whole) {
            char* at = m_at;
            m_at += kRecordLength;
            return at;
        }
        if (m_mode == Mode::Scratch)
            return m_buffer.data();
        if (m_at == m_buffer.data() + m_buffer.size())
            flush();
        char* at = m_at;
        m_at += kRecordLength;
        return at;
    }

    // Hands the records still in the buffer to the writer.
    void flush()
    {
        if (m_mode == Mode::Stream && m_at != m_buffer.data())
            m_writer->append(m_buffer.data(), m_at - m_buffer.data());
        m_at = m_buffer.data();
    }

    qint64 given() const { return m_given; }

private:
    Mode m_mode;
    QByteArray* m_whole;
    FileWriter* m_writer;
    std::vector<char> m_buffer;
    char* m_at = nullptr;
    qint64 m_given = 0;
};

// Room in front of the summary body for its heading, which names the path
// chosen after the build: a heading that fits is prepended without copying
// the body.
constexpr qsizetype kHeadingRoom = 4096 + 256;

LodgementBuild buildInto(const Report& report, RecordOut& records, bool withSummary)
{
    LodgementBuild build;
    const int year = report.reportYearNumber;

    // One walk sorts the payees by type; each group keeps ascending ID.
    std::array<std::vector<const CCards*>, 7> groups;
    for (const auto& [id, payee] : report.payees) {
        if (const std::optional<PayeeType> type = payeeTypeOf(payee.payeeType))
            groups[size_t(*type)].push_back(&payee);
    }

    struct TypePass {
        RecordLayout layout;
        std::vector<ResolvedLine> lines;
    };
    std::array<std::optional<TypePass>, 7> passes;
    qsizetype payeeTotal = 0;
    qsizetype summarySize = framingSize();
    for (PayeeType type : kPayeeTypes) {
        const auto& group = groups[size_t(type)];
        if (group.empty())
            continue;
        const RecordLayout layout = payeeRecordLayout(type, year);
        passes[size_t(type)] = TypePass{layout, resolve(type, layout)};
        payeeTotal += qsizetype(group.size());
        summarySize += qsizetype(group.size()) * blockSize(passes[size_t(type)]->lines);
    }

    auto refuse = [&build](const RecordProblem& problem, const RecordSource& source) {
        build = LodgementBuild{};
        build.outcome = LodgementBuild::Outcome::Refused;
        build.refusal = refusalText(problem, source);
        return build;
    };

    // A file of a year the reader does not know would never load back.
    if (std::optional<QString> refusal = unknownYearRefusal(report)) {
        build.outcome = LodgementBuild::Outcome::Refused;
        build.refusal = *refusal;
        return build;
    }

    // The header records first: a refused supplier or payer field stops the
    // build before the large buffers are taken.
    std::array<char, kHeaderRecordCount * kRecordLength> headers;
    const RecordSource headerSource{report};
    for (size_t i = 0; i < kHeaderRecordCount; ++i) {
        if (auto problem = writeRecord(kHeaderLayouts[i], headerSource, headers.data() + i * kRecordLength))
            return refuse(*problem, headerSource);
    }
    const char* ir1 = headers.data();
    const char* software = headers.data() + 4 * kRecordLength;

    records.start(payeeTotal + kHeaderRecordCount + 1);
    for (size_t i = 0; i < kHeaderRecordCount; ++i)
        std::memcpy(records.next(), headers.data() + i * kRecordLength, kRecordLength);

    // Without a summary the cursor writes into one block of scratch, rewound for each payee.
    QByteArray& summary = build.summaryBody.bytes;
    std::vector<char> scratch;
    if (withSummary) {
        summary = uninitializedBytes(kHeadingRoom + summarySize);
    } else {
        qsizetype largest = framingSize();
        for (const auto& pass : passes)
            largest = std::max(largest, pass ? blockSize(pass->lines) : 0);
        scratch.resize(size_t(largest));
    }
    char* const summaryStart = withSummary ? summary.data() + kHeadingRoom : scratch.data();
    SummaryCursor s(summaryStart);

    s.put(kSupplierOpening);
    putHeaderLines(s, kSupplierLines, headers.data());
    s.put(kPayerOpening);
    putHeaderLines(s, kPayerLines, headers.data());
    s.put(kPayeeOpening);

    for (PayeeType type : kPayeeTypes) {
        if (!passes[size_t(type)])
            continue;
        if (report.year2012Mode == 1
            && (type == PayeeType::ETP || type == PayeeType::BUS || type == PayeeType::SLS
                || type == PayeeType::DAS)) {
            build = LodgementBuild{};
            build.outcome = LodgementBuild::Outcome::Stopped2012;
            return build;
        }
        const TypePass& pass = *passes[size_t(type)];
        const RecordPlan plan(pass.layout, report);
        TypeTotals& totals = build.totals[size_t(type)];
        for (const CCards* payee : groups[size_t(type)]) {
            if (!withSummary)
                s = SummaryCursor(summaryStart);
            char* const next = records.next();
            if (auto problem = plan.write(*payee, next))
                return refuse(*problem, RecordSource{report, payee});
            ++build.payeeRecords;
            ++totals.count;
            totals.amount += summedAmount(type, *payee);
            totals.tax += payee->taxWithheld;

            s.put(kPayeeNumberLabel);
            s.put(build.payeeRecords);
            for (const ResolvedLine& l : pass.lines) {
                s.put(l.label);
                if (l.field)
                    s.put(next, *l.field);
            }
            s.put(kBlockEnd);
        }
    }

    const RecordSource totalSource { report, nullptr, build.payeeRecords };
    if (auto problem = writeRecord(kFileTotalLayout, totalSource, records.next()))
        return refuse(*problem, totalSource);
    records.flush();
    build.fileBytes = records.given();
    if (!withSummary)
        return build;

    s.put("\r\n");
    s.put(kSeparator);
    s.put("\r\n\r\nReport Details");
    s.put("\r\n\r\nSpecification Version =  \t");
    s.put(ir1, *findField(kIdentRegister1Layout, "file format version"));
    s.put("\r\nSoftware Product =  \t");
    s.put(software, *findField(kSoftwareLayout, "type of software and product name"));
    s.put("\r\nNo. of Records (Payees + 6) =  \t");
    s.put(build.payeeRecords + 6);
    s.put("\r\n");
    s.put(kSeparator);

    qint64 amountTotal = 0;
    qint64 taxTotal = 0;
    for (size_t i = 0; i < 7; ++i) {
        const TypeTotals& t = build.totals[i];
        s.put(kGroupLabels[i][0]);
        s.put(t.count);
        s.put(kGroupLabels[i][1]);
        s.put(t.amount);
        s.put(kGroupLabels[i][2]);
        s.put(t.tax);
        amountTotal += t.amount;
        taxTotal += t.tax;
    }
    s.put("\r\n\r\nTotal Number of Payees = \t");
    s.put(build.payeeRecords);
    s.put("\r\nTotal Gross and Taxable = \t");
    s.put(amountTotal);
    s.put("\r\nTotal Tax = \t");
    s.put(taxTotal);
    summary.truncate(s.at() - summary.constData());
    // The room in front stays free for the heading (see JoinSummary).
    summary.remove(0, kHeadingRoom);
    return build;
}

} // namespace

LodgementBuild BuildLodgement(const Report& report)
{
    QByteArray file;
    RecordOut records(RecordOut::Mode::Whole, &file);
    LodgementBuild build = buildInto(report, records, true);
    if (build.outcome == LodgementBuild::Outcome::Built)
        build.fileText = std::move(file);
    return build;
}

LodgementBuild CheckLodgement(const Report& report)
{
    RecordOut records(RecordOut::Mode::Scratch);
    return buildInto(report, records, true);
}

LodgementBuild WriteLodgement(const Report& report, FileWriter& writer)
{
    RecordOut records(RecordOut::Mode::Stream, nullptr, &writer);
    return buildInto(report, records, false);
}

QString SummaryHeading(const QString& path, const QString& generatedAt)
{
    return QStringLiteral("Contents of VESK.A01 File.\r\n\r\nVESK.A01 File Name = ") + path
        + QStringLiteral("\r\n\r\nFile Generated = ") + generatedAt + QStringLiteral("\r\n\r\n");
}

QByteArray JoinSummary(const QString& heading, AsciiText&& body)
{
    QByteArray bytes = std::move(body.bytes);
    body.clear();
    // Written into the free room in front of the body when it fits there.
    bytes.prepend(heading.toUtf8());
    return bytes;
}
