#include "transfer/TabLayout.h"

#include "report/FieldHelpers.h"

#include <QStringList>

namespace {

QString fromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

QString withoutBlanks(const QString& text)
{
    QString result = text;
    result.remove(u' ');
    return result;
}

} // namespace

const TabLayout& tabLayout(PayeeType type)
{
    switch (type) {
    case PayeeType::INB:
        return kInbTabLayout;
    case PayeeType::ETP:
        return kEtpTabLayout;
    case PayeeType::BUS:
        return kBusTabLayout;
    case PayeeType::FEI:
        return kFeiTabLayout;
    case PayeeType::PEN:
        return kPenTabLayout;
    case PayeeType::SLS:
        return kSlsTabLayout;
    case PayeeType::DAS:
        return kDasTabLayout;
    }
    return kInbTabLayout; // every type is handled above
}

QString TabDelimitedHeader(const TabLayout& layout)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString code = fromAscii(layout.typeCode);
    QString text = code + QStringLiteral(" Payee Export - Designed to mirror the Import Template fields") + crlf
        + QStringLiteral("Modify as necessary and paste Payee data only into ") + code
        + QStringLiteral(" Import Template starting from row 20") + crlf;
    for (int line = 3; line <= 14; ++line)
        text += crlf;
    QStringList numbers;
    QStringList names;
    for (int i = 0; i < layout.fieldCount(); ++i) {
        numbers << QString::number(i + 1);
        names << fromAscii(layout.columns[i].header);
    }
    text += numbers.join(u'\t') + crlf; // 15
    text += crlf;                        // 16
    text += names.join(u'\t') + crlf;    // 17
    text += crlf;                        // 18
    text += crlf;                        // 19
    return text;
}

QString CleanTabCell(QString cell, unsigned steps)
{
    if ((steps & kBlankIfEmpty) && cell.isEmpty())
        cell = QStringLiteral(" ");
    if (steps & kUpper)
        cell = cell.toUpper();
    // The blank steps only when they would change something: a large import
    // spends most of its time here otherwise.
    if (steps & kTrim)
        cell = TrimString(cell);
    if ((steps & kNoBlanks) && cell.contains(u' '))
        cell = withoutBlanks(cell);
    if ((steps & kCollapse) && cell.contains(QStringLiteral("  ")))
        cell = CollapseDoubleSpaces(cell);
    if ((steps & kPad) && cell.size() == 1)
        cell.prepend(u'0');
    return cell;
}

QString ImportedTabText(const TabColumn& column, const QString& cleaned, int reportYear)
{
    QString value = cleaned;
    if (column.codes) {
        bool known = false;
        for (const TabCode& code : column.codes->codes) {
            if (value == QStringView(code.code)) {
                value = fromUtf16(code.text);
                known = true;
                break;
            }
        }
        if (!known && !column.codes->keepUnknown)
            value.clear();
    }
    switch (column.yearRule) {
    case TabYearRule::None:
        break;
    case TabYearRule::BlankBefore2017:
        if (reportYear < 2017)
            value = QStringLiteral(" ");
        break;
    case TabYearRule::ReversionaryFrom2018:
        if (reportYear < 2018)
            value.clear();
        else if (value.isEmpty())
            value = QStringLiteral(" ");
        break;
    }
    return value;
}

bool IsVoluntaryAgreement(const QString& busPaymentType)
{
    return busPaymentType == QLatin1String("Voluntary Agreement")
        || busPaymentType == QLatin1String("VOLUNTARY AGREEMENT");
}

QString ExportedTabCell(const TabLayout& layout, const TabColumn& column, const CCards& card, int reportYear)
{
    switch (column.kind) {
    case TabColumnKind::PayeeId:
        return QString::number(card.payeeId);
    case TabColumnKind::PayeeType:
        return fromAscii(layout.typeCode);
    case TabColumnKind::Number:
        return QString::number(column.numberOf(card));
    case TabColumnKind::TaxNumber:
        return IsVoluntaryAgreement(card.busPaymentType) ? card.abn : card.tfn;
    case TabColumnKind::Text:
        break;
    }
    const QString& stored = column.textOf(card);
    if (column.codes) {
        for (const TabCode& code : column.codes->codes) {
            if (stored == QStringView(code.text))
                return fromUtf16(code.code);
        }
        return fromUtf16(column.codes->exportOther);
    }
    if (column.yearRule == TabYearRule::ReversionaryFrom2018
        && (reportYear < 2018 || stored == QLatin1String(" ")))
        return QString();
    return stored;
}
