#include "lodgement/LodgementWriter.h"

#include "report/FieldHelpers.h"

#include <QLatin1StringView>
#include <QStringView>

#include <cstring>
#include <string_view>
#include <vector>

namespace {

const QString kVoluntaryAgreement = QStringLiteral("Voluntary Agreement");

bool printableAscii(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

FieldProblem characterProblem(const QString& value, QChar c)
{
    return {FieldFault::Character, value, c};
}

// Copies the first `limit` characters of text to out and pads with blanks up
// to width. Only characters that reach the file are checked.
FieldProblem copyCut(const QString& text, int limit, int width, char* out)
{
    const qsizetype n = std::min<qsizetype>(text.size(), limit);
    const QChar* chars = text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        if (!printableAscii(chars[i]))
            return characterProblem(text, chars[i]);
        out[i] = char(chars[i].unicode());
    }
    std::memset(out + n, ' ', size_t(width - n));
    return {};
}

// Copies text that must fill the field exactly.
FieldProblem copyWhole(const QString& text, int width, char* out)
{
    if (text.size() != width)
        return {FieldFault::Length, text, {}};
    return copyCut(text, width, width, out);
}

FieldProblem copyLiteral(std::string_view literal, int width, char* out)
{
    const size_t n = std::min(literal.size(), size_t(width));
    std::memcpy(out, literal.data(), n);
    std::memset(out + n, ' ', size_t(width) - n);
    return {};
}

// Right-aligned digits with "0" in front.
void zeroPadded(qint64 value, int width, char* out)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char('0' + value % 10);
        value /= 10;
    }
}

bool allDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// Whether a stored TFN goes into the file as it stands (padded with "0" in
// front) rather than as nine zeros. Only a TFN made wholly of digits counts
// as a number: "-1234" or " 1234" would otherwise pass as digits and be
// padded with zeros. One that reads as the not-a-number value is no TFN
// quoted either.
bool tfnQuoted(const QString& tfn)
{
    return !tfn.isEmpty() && tfn.size() <= 9 && tfn != QLatin1String("987654321") && allDigits(tfn)
        && StringToInt(tfn) != kNotANumber;
}

QString lastFour(const QString& text)
{
    return text.right(4);
}

QString formatVersion(const Report& report)
{
    if (report.year2012Mode == 1)
        return QStringLiteral("FEMPA010.0");
    if (report.reportYearNumber < 2017)
        return QStringLiteral("FEMPA011.0");
    if (report.reportYearNumber < 2018)
        return QStringLiteral("FEMPA012.0");
    return QStringLiteral("FEMPA013.0");
}

QString payerAbnAsWritten(const Report& report)
{
    return report.payerAbn.isEmpty() ? QStringLiteral("00000000000") : report.payerAbn;
}

QString branchNumber(const Report& report)
{
    if (payerAbnAsWritten(report).startsWith(QLatin1String("00")))
        return QStringLiteral("000");
    QString branch = report.payerBranch.right(3);
    return branch.rightJustified(3, u'0');
}

std::string_view incomeTypeCode(const QString& incomeType, int year)
{
    if (incomeType == QLatin1String("Non-Super Pension or Annuity"))
        return "P";
    if (incomeType == QLatin1String("Working Holiday Maker") && year >= 2017)
        return "H";
    return "S";
}

std::string_view busPaymentTypeCode(const QString& paymentType)
{
    if (paymentType == QLatin1String("Labour Hire"))
        return "001";
    if (paymentType == QLatin1String("Other Specified Payments"))
        return "002";
    if (paymentType == kVoluntaryAgreement)
        return "003";
    if (paymentType == QLatin1String("PS Attributed Income"))
        return "004";
    return "000";
}

std::string_view deathBenefitTypeCode(const QString& type)
{
    if (type == QLatin1String("Trustee of Deceased Estate"))
        return "T";
    if (type == QLatin1String("Non-Dependent"))
        return "O";
    return " ";
}

FieldProblem writeText(const FieldLayout& field, const QString& value, char* out)
{
    switch (field.kind) {
    case FieldKind::Text:
        return copyCut(value, field.width, field.width, out);
    case FieldKind::Telephone:
        return copyCut(value, 12, field.width, out);
    case FieldKind::Indicator:
        return copyCut(value, 1, 1, out);
    default:
        return copyWhole(value, field.width, out);
    }
}

} // namespace

QString lodgementTfn(const QString& tfn)
{
    // Only a TFN made wholly of digits counts as a number: "-1234" or
    if (!tfnQuoted(tfn))
        return QStringLiteral("000000000");
    return tfn.rightJustified(9, u'0');
}

FieldProblem writeField(const FieldLayout& field, const RecordSource& source, char* out)
{
    const Report& report = source.report;
    const CCards* payee = source.payee;
    const int year = report.reportYearNumber;
    const QString empty;
    const QString& text = field.reportText ? report.*field.reportText
                                           : (field.text && payee ? payee->*field.text : empty);

    switch (field.rule) {
    case FieldRule::None:
        break;
    case FieldRule::EmptyAsZeros:
        return copyWhole(text.isEmpty() ? QStringLiteral("00000000000") : text, field.width, out);
    case FieldRule::ReportEndDate:
        return copyWhole(QStringLiteral("3006") + lastFour(report.reportYear), field.width, out);
    case FieldRule::FormatVersion:
        return copyWhole(formatVersion(report), field.width, out);
    case FieldRule::FinancialYear:
        return copyWhole(lastFour(report.reportYear), field.width, out);
    case FieldRule::BranchNumber:
        return copyWhole(branchNumber(report), field.width, out);
    case FieldRule::ProductName:
        return copyLiteral(kSoftwareProductName, field.width, out);
    case FieldRule::SoftwareIndicator:
        return copyLiteral(year < 2018 ? "Y" : " ", field.width, out);
    case FieldRule::RecordCount:
        if (source.payeeRecords + kHeaderRecordCount + 1 > 99999999)
            return {FieldFault::Length, QString::number(source.payeeRecords + kHeaderRecordCount + 1), {}};
        zeroPadded(source.payeeRecords + kHeaderRecordCount + 1, field.width, out);
        return {};
    case FieldRule::FourDigitPostcode: {
        // A three-digit postcode (the Northern Territory's 0800) keeps its
        // leading zero; anything else that is not four digits would be a
        // wrong address in the file, so it is refused.
        const QString padded = text.size() == 3 && allDigits(text) ? u'0' + text : text;
        if (padded.size() != field.width || !allDigits(padded))
            return {FieldFault::Postcode, text, {}};
        return copyCut(padded, field.width, field.width, out);
    }
    case FieldRule::IncomeTypeCode:
        return copyLiteral(incomeTypeCode(text, year), field.width, out);
    case FieldRule::FromYear2017:
        if (year < 2017)
            return copyLiteral(" ", field.width, out);
        break;
    case FieldRule::BusPaymentTypeCode:
        return copyLiteral(busPaymentTypeCode(text), field.width, out);
    case FieldRule::BusTfn:
        if (payee && payee->busPaymentType == kVoluntaryAgreement)
            return copyLiteral("000000000", field.width, out);
        break;
    case FieldRule::BusAbn: {
        const std::string_view code = busPaymentTypeCode(payee ? payee->busPaymentType : empty);
        if (code != "003" && code != "000")
            return copyLiteral("00000000000", field.width, out);
        break;
    }
    case FieldRule::GrossPaymentsType:
        return copyLiteral(text == QLatin1String("JPDA Income") ? "J" : "F", field.width, out);
    case FieldRule::DeathBenefitType:
        return copyLiteral(deathBenefitTypeCode(text), field.width, out);
    }

    switch (field.kind) {
    case FieldKind::Constant:
        return copyLiteral(field.constant, field.width, out);
    case FieldKind::Filler:
        std::memset(out, ' ', size_t(field.width));
        return {};
    case FieldKind::Amount: {
        const qint32 value = payee ? payee->*field.number : 0;
        if (value < 0 || value > 99999999)
            return {FieldFault::Amount, QString::number(value), {}};
        zeroPadded(value, field.width, out);
        return {};
    }
    case FieldKind::Postcode: {
        const qint32 value = payee ? payee->*field.number : 0;
        if (value < 0 || value > 9999)
            return {FieldFault::Postcode, QString::number(value), {}};
        zeroPadded(value, field.width, out);
        return {};
    }
    case FieldKind::Date: {
        if (!payee)
            return {FieldFault::Length, {}, {}};
        const QString joined = payee->*field.text + payee->*field.month + payee->*field.year;
        return copyWhole(joined, field.width, out);
    }
    case FieldKind::Tfn:
        return copyCut(lodgementTfn(text), field.width, field.width, out);
    case FieldKind::ZeroPaddedCode:
        return copyWhole(text.rightJustified(field.width, u'0'), field.width, out);
    case FieldKind::Text:
    case FieldKind::Telephone:
    case FieldKind::Indicator:
    case FieldKind::AmendIndicator:
    case FieldKind::AsStored:
    case FieldKind::Code:
        return writeText(field, text, out);
    }
    return {};
}

std::optional<RecordProblem> writeRecord(RecordLayout layout, const RecordSource& source, char* out)
{
    for (const FieldLayout& field : layout) {
        FieldProblem problem = writeField(field, source, out + field.position - 1);
        if (problem.fault != FieldFault::None)
            return RecordProblem{&field, std::move(problem)};
    }
    return std::nullopt;
}

QByteArray buildRecord(RecordLayout layout, const RecordSource& source)
{
    QByteArray record(kRecordLength, ' ');
    for (const FieldLayout& field : layout) {
        QByteArray part(field.width, ' ');
        if (writeField(field, source, part.data()).fault == FieldFault::None)
            std::memcpy(record.data() + field.position - 1, part.constData(), size_t(field.width));
    }
    return record;
}

namespace {

// The TFN rule written straight into the field.
void writeTfn(const QString& tfn, char* out)
{
    const qsizetype n = tfn.size();
    if (!tfnQuoted(tfn)) {
        std::memset(out, '0', 9);
        return;
    }
    std::memset(out, '0', size_t(9 - n));
    const QChar* chars = tfn.constData();
    for (qsizetype i = 0; i < n; ++i)
        out[9 - n + i] = char(chars[i].unicode());
}

// A date's three members joined straight into the field; refused as
// writeField refuses it, with the joined text in the message.
FieldProblem writeDate(const FieldLayout& field, const CCards& payee, char* out)
{
    const QString* parts[3] = {&(payee.*field.text), &(payee.*field.month), &(payee.*field.year)};
    if (parts[0]->size() + parts[1]->size() + parts[2]->size() != field.width)
        return {FieldFault::Length, *parts[0] + *parts[1] + *parts[2], {}};
    for (const QString* part : parts) {
        for (const QChar c : *part) {
            if (!printableAscii(c))
                return characterProblem(*parts[0] + *parts[1] + *parts[2], c);
            *out++ = char(c.unicode());
        }
    }
    return {};
}

} // namespace

RecordPlan::RecordPlan(RecordLayout layout, const Report& report) : m_report(report)
{
    m_template.fill(' ');
    const int year = report.reportYearNumber;
    for (const FieldLayout& field : layout) {
        char* at = m_template.data() + field.position - 1;
        Step step{Op::Generic, field.position - 1, field.width, field.width, &field};
        const bool fromPayee = field.reportText == nullptr;
        if (field.kind == FieldKind::Constant || field.kind == FieldKind::Filler
            || (field.rule == FieldRule::FromYear2017 && year < 2017)) {
            // Fixed for the whole file: written once into the template.
            writeField(field, RecordSource{report}, at);
            continue;
        }
        const bool plain = field.rule == FieldRule::None || field.rule == FieldRule::FromYear2017;
        switch (field.kind) {
        case FieldKind::Text:
        case FieldKind::Indicator:
        case FieldKind::Telephone:
            if (plain && fromPayee && field.text) {
                step.op = Op::Text;
                step.limit = field.kind == FieldKind::Telephone ? 12 : field.width;
            }
            break;
        case FieldKind::Amount:
        case FieldKind::Postcode:
            if (field.rule == FieldRule::None && field.number)
                step.op = field.kind == FieldKind::Amount ? Op::Amount : Op::Postcode;
            break;
        case FieldKind::Date:
            if (field.rule == FieldRule::None && field.text && field.month && field.year)
                step.op = Op::Date;
            break;
        case FieldKind::Tfn:
            if (!fromPayee || !field.text)
                break;
            if (field.rule == FieldRule::None)
                step.op = Op::Tfn;
            else if (field.rule == FieldRule::BusTfn)
                step.op = Op::BusTfn;
            break;
        default:
            break;
        }
        m_steps.push_back(step);
    }
}

std::optional<RecordProblem> RecordPlan::write(const CCards& payee, char* out) const
{
    std::memcpy(out, m_template.data(), m_template.size());
    for (const Step& step : m_steps) {
        char* at = out + step.offset;
        const FieldLayout& field = *step.field;
        FieldProblem problem;
        switch (step.op) {
        case Op::Text:
            problem = copyCut(payee.*field.text, step.limit, step.width, at);
            break;
        case Op::Amount:
        case Op::Postcode: {
            const qint32 value = payee.*field.number;
            const qint32 most = step.op == Op::Amount ? 99999999 : 9999;
            if (value < 0 || value > most)
                problem = {step.op == Op::Amount ? FieldFault::Amount : FieldFault::Postcode,
                           QString::number(value), {}};
            else
                zeroPadded(value, step.width, at);
            break;
        }
        case Op::Date:
            problem = writeDate(field, payee, at);
            break;
        case Op::BusTfn:
            if (payee.busPaymentType == kVoluntaryAgreement) {
                std::memset(at, '0', 9);
                break;
            }
            [[fallthrough]];
        case Op::Tfn:
            writeTfn(payee.*field.text, at);
            break;
        case Op::Generic:
            problem = writeField(field, RecordSource{m_report, &payee}, at);
            break;
        }
        if (problem.fault != FieldFault::None)
            return RecordProblem{&field, std::move(problem)};
    }
    return std::nullopt;
}

std::optional<PayeeType> payeeTypeOf(const QString& code)
{
    // The codes in the order of PayeeType.
    static constexpr std::u16string_view kCodes[7] = {u"INB", u"ETP", u"BUS", u"FEI", u"PEN", u"SLS", u"DAS"};
    if (code.size() != 3)
        return std::nullopt;
    const QChar* c = code.constData();
    for (size_t i = 0; i < std::size(kCodes); ++i) {
        if (c[0] == kCodes[i][0] && c[1] == kCodes[i][1] && c[2] == kCodes[i][2])
            return PayeeType(i);
    }
    return std::nullopt;
}

bool AsciiText::contains(QStringView text) const
{
    return QString::fromLatin1(bytes).contains(text);
}

bool AsciiText::endsWith(QStringView text) const
{
    return text.size() <= bytes.size()
        && QLatin1StringView(bytes.constData() + bytes.size() - text.size(), text.size()) == text;
}
