#pragma once

#include "report/CCards.h"
#include "report/Report.h"

#include <QString>

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

// The record layouts of the lodgement file, as data. The writer builds every
// record from these tables and the lodgement-file import reads the same
// positions back from them, so a position is stated in one place only.

inline constexpr int kRecordLength = 628;
inline constexpr int kHeaderRecordCount = 5;

// How a field's characters are formed from its source.
enum class FieldKind {
    Constant,       // the literal of the table
    Text,           // cut to the width, then blanks on the right
    Telephone,      // cut to 12, then blanks up to the width (15)
    ZeroPaddedCode, // right-aligned, "0" in front (branch number, record count)
    Amount,         // whole dollars, 8 digits with "0" in front
    Date,           // day, month and year joined as stored (DDMMYYYY)
    Indicator,      // the first character, or a blank when empty
    AmendIndicator, // the one character as stored
    Tfn,            // the TFN rule
    Postcode,       // the int postcode, 4 digits with "0" in front
    Code,           // mapped from a text by the field's rule
    AsStored,       // written as stored, neither cut nor filled (ABNs)
    Filler,         // blanks
};

// The rule a field applies beyond its kind.
enum class FieldRule {
    None,
    EmptyAsZeros,         // an empty ABN is written as eleven zeros
    ReportEndDate,        // "3006" and the last four characters of the report year
    FormatVersion,        // FEMPA010.0 / 011.0 / 012.0 / 013.0 by 2012 mode and year
    FinancialYear,        // the last four characters of the report year
    BranchNumber,         // "000" with a WPN; else the last three characters, "0" in front
    ProductName,          // the software's name, blank-padded
    SoftwareIndicator,    // "Y" before 2018, a blank from 2018
    RecordCount,          // payee records written plus 6
    FourDigitPostcode,    // a three-digit postcode gets its leading "0"
    IncomeTypeCode,       // DINB: S, P or H
    FromYear2017,         // an indicator written from 2017, a blank before
    BusPaymentTypeCode,   // DLVP: 000 to 004
    BusTfn,               // DLVP: nine zeros for a voluntary agreement
    BusAbn,               // DLVP: eleven zeros except for a voluntary agreement or an unknown type
    GrossPaymentsType,    // DFEI: J or F
    DeathBenefitType,     // DSLS: T, O or a blank
};

// One field of a record: where it stands, how it is formed and from what.
// A field reads either a report text (header records) or payee members.
struct FieldLayout {
    int position; // 1-based
    int width;
    FieldKind kind;
    std::string_view name; // unique within its record; names the field in messages
    FieldRule rule = FieldRule::None;
    std::string_view constant = {};
    QString Report::* reportText = nullptr;
    QString CCards::* text = nullptr; // a date's day
    qint32 CCards::* number = nullptr;
    QString CCards::* month = nullptr;
    QString CCards::* year = nullptr;
};

namespace layout {

constexpr FieldLayout constant(int position, int width, std::string_view name, std::string_view literal)
{
    return {position, width, FieldKind::Constant, name, FieldRule::None, literal};
}
constexpr FieldLayout filler(int position, int width)
{
    return {position, width, FieldKind::Filler, "filler"};
}
constexpr FieldLayout reportField(int position, int width, FieldKind kind, std::string_view name,
                                  QString Report::* source, FieldRule rule = FieldRule::None)
{
    return {position, width, kind, name, rule, {}, source};
}
constexpr FieldLayout derived(int position, int width, FieldKind kind, std::string_view name, FieldRule rule)
{
    return {position, width, kind, name, rule};
}
constexpr FieldLayout cardText(int position, int width, FieldKind kind, std::string_view name,
                               QString CCards::* source, FieldRule rule = FieldRule::None)
{
    return {position, width, kind, name, rule, {}, nullptr, source};
}
constexpr FieldLayout amount(int position, std::string_view name, qint32 CCards::* source)
{
    return {position, 8, FieldKind::Amount, name, FieldRule::None, {}, nullptr, nullptr, source};
}
constexpr FieldLayout postcode(int position)
{
    return {position, 4, FieldKind::Postcode, "postcode", FieldRule::None, {}, nullptr, nullptr, &CCards::pCode};
}
constexpr FieldLayout date(int position, std::string_view name, QString CCards::* day, QString CCards::* month,
                           QString CCards::* year)
{
    return {position, 8, FieldKind::Date, name, FieldRule::None, {}, nullptr, day, nullptr, month, year};
}
constexpr FieldLayout dateOfBirth(int position)
{
    return date(position, "date of birth", &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear);
}
constexpr FieldLayout startDate(int position, std::string_view name = "payment start date")
{
    return date(position, name, &CCards::startDay, &CCards::startMonth, &CCards::startYear);
}
constexpr FieldLayout endDate(int position, std::string_view name = "payment end date")
{
    return date(position, name, &CCards::endDay, &CCards::endMonth, &CCards::endYear);
}
constexpr FieldLayout paymentDate(int position)
{
    return date(position, "payment date", &CCards::paymentDay, &CCards::paymentMonth, &CCards::paymentYear);
}
constexpr FieldLayout tfn(int position, FieldRule rule = FieldRule::None)
{
    return cardText(position, 9, FieldKind::Tfn, "TFN", &CCards::tfn, rule);
}
constexpr FieldLayout amendIndicator(int position)
{
    return cardText(position, 1, FieldKind::AmendIndicator, "amend indicator", &CCards::origAmended);
}

} // namespace layout

// The header records and the file total.

inline constexpr std::array kIdentRegister1Layout{
    layout::constant(1, 3, "record length", "628"),
    layout::constant(4, 14, "record identifier", "IDENTREGISTER1"),
    layout::reportField(18, 11, FieldKind::AsStored, "supplier ABN", &Report::supplierAbn, FieldRule::EmptyAsZeros),
    layout::constant(29, 1, "run type", "P"),
    layout::derived(30, 8, FieldKind::Date, "report end date", FieldRule::ReportEndDate),
    layout::constant(38, 1, "data type", "E"),
    layout::constant(39, 1, "type of report", "A"),
    layout::constant(40, 1, "format of return media", "P"),
    layout::derived(41, 10, FieldKind::Code, "file format version", FieldRule::FormatVersion),
    layout::filler(51, 578),
};

inline constexpr std::array kIdentRegister2Layout{
    layout::constant(1, 3, "record length", "628"),
    layout::constant(4, 14, "record identifier", "IDENTREGISTER2"),
    layout::reportField(18, 200, FieldKind::Text, "supplier name", &Report::supplierName),
    layout::reportField(218, 38, FieldKind::Text, "supplier contact name", &Report::supplierContact),
    layout::reportField(256, 15, FieldKind::Telephone, "supplier contact telephone", &Report::supplierPhone),
    layout::reportField(271, 15, FieldKind::Telephone, "supplier facsimile", &Report::supplierFax),
    layout::reportField(286, 16, FieldKind::Text, "supplier file reference", &Report::fileReference),
    layout::filler(302, 327),
};

inline constexpr std::array kIdentRegister3Layout{
    layout::constant(1, 3, "record length", "628"),
    layout::constant(4, 14, "record identifier", "IDENTREGISTER3"),
    layout::reportField(18, 38, FieldKind::Text, "street address line 1", &Report::supplierAddress1),
    layout::reportField(56, 38, FieldKind::Text, "street address line 2", &Report::supplierAddress2),
    layout::reportField(94, 27, FieldKind::Text, "street suburb, town or city", &Report::supplierSuburb),
    layout::reportField(121, 3, FieldKind::Text, "street state or territory", &Report::supplierState),
    layout::reportField(124, 4, FieldKind::Text, "street postcode", &Report::supplierPostcode,
                        FieldRule::FourDigitPostcode),
    layout::reportField(128, 20, FieldKind::Text, "street country", &Report::supplierCountry),
    layout::reportField(148, 38, FieldKind::Text, "postal address line 1", &Report::supplierPostalAddress1),
    layout::reportField(186, 38, FieldKind::Text, "postal address line 2", &Report::supplierPostalAddress2),
    layout::reportField(224, 27, FieldKind::Text, "postal suburb, town or city", &Report::supplierPostalSuburb),
    layout::reportField(251, 3, FieldKind::Text, "postal state or territory", &Report::supplierPostalState),
    layout::reportField(254, 4, FieldKind::Text, "postal postcode", &Report::supplierPostalPostcode,
                        FieldRule::FourDigitPostcode),
    layout::reportField(258, 20, FieldKind::Text, "postal country", &Report::supplierPostalCountry),
    layout::reportField(278, 76, FieldKind::Text, "supplier e-mail address", &Report::supplierEmail),
    layout::filler(354, 275),
};

inline constexpr std::array kIdentityLayout{
    layout::constant(1, 3, "record length", "628"),
    layout::constant(4, 8, "record identifier", "IDENTITY"),
    layout::reportField(12, 11, FieldKind::AsStored, "payer ABN or WPN", &Report::payerAbn, FieldRule::EmptyAsZeros),
    layout::reportField(23, 3, FieldKind::ZeroPaddedCode, "payer branch number", &Report::payerBranch,
                        FieldRule::BranchNumber),
    layout::derived(26, 4, FieldKind::Code, "financial year", FieldRule::FinancialYear),
    layout::reportField(30, 200, FieldKind::Text, "payer name", &Report::payerName),
    layout::reportField(230, 200, FieldKind::Text, "payer trading name", &Report::payerTradingName),
    layout::reportField(430, 38, FieldKind::Text, "payer address line 1", &Report::payerAddress1),
    layout::reportField(468, 38, FieldKind::Text, "payer address line 2", &Report::payerAddress2),
    layout::reportField(506, 27, FieldKind::Text, "payer suburb, town or city", &Report::payerSuburb),
    layout::reportField(533, 3, FieldKind::Text, "payer state or territory", &Report::payerState),
    layout::reportField(536, 4, FieldKind::Text, "payer postcode", &Report::payerPostcode,
                        FieldRule::FourDigitPostcode),
    layout::reportField(540, 20, FieldKind::Text, "payer country", &Report::payerCountry),
    layout::reportField(560, 38, FieldKind::Text, "payer contact name", &Report::payerContact),
    layout::reportField(598, 15, FieldKind::Telephone, "payer contact telephone", &Report::payerPhone),
    layout::reportField(613, 15, FieldKind::Telephone, "payer facsimile", &Report::payerFax),
    layout::filler(628, 1),
};

inline constexpr std::string_view kSoftwareProductName = "COMMERCIAL Torvek Quillastrand";

inline constexpr std::array kSoftwareLayout{
    layout::constant(1, 3, "record length", "628"),
    layout::constant(4, 8, "record identifier", "SOFTWARE"),
    layout::derived(12, 80, FieldKind::Text, "type of software and product name", FieldRule::ProductName),
    layout::derived(92, 1, FieldKind::Indicator, "indicator", FieldRule::SoftwareIndicator),
    layout::filler(93, 536),
};

inline constexpr std::array kFileTotalLayout{
    layout::constant(1, 3, "record length", "628"),
    layout::constant(4, 10, "record identifier", "FILE-TOTAL"),
    layout::derived(14, 8, FieldKind::ZeroPaddedCode, "number of records", FieldRule::RecordCount),
    layout::filler(22, 607),
};

// The payee records. The name-and-address block of every type, from its start.
namespace layout {

template <int Start>
constexpr std::array<FieldLayout, 9> nameAndAddress()
{
    return {{
        cardText(Start, 30, FieldKind::Text, "surname", &CCards::surname),
        cardText(Start + 30, 15, FieldKind::Text, "first given name", &CCards::firstName),
        cardText(Start + 45, 15, FieldKind::Text, "second given name", &CCards::secName),
        cardText(Start + 60, 38, FieldKind::Text, "address line 1", &CCards::addLine1),
        cardText(Start + 98, 38, FieldKind::Text, "address line 2", &CCards::addLine2),
        cardText(Start + 136, 27, FieldKind::Text, "suburb, town or city", &CCards::suburb),
        cardText(Start + 163, 3, FieldKind::Text, "state or territory", &CCards::state),
        postcode(Start + 166),
        cardText(Start + 170, 20, FieldKind::Text, "country", &CCards::country),
    }};
}

template <std::size_t... N>
constexpr auto join(const std::array<FieldLayout, N>&... parts)
{
    std::array<FieldLayout, (N + ...)> result{};
    std::size_t i = 0;
    ((std::copy(parts.begin(), parts.end(), result.begin() + i), i += N), ...);
    return result;
}

template <class... F>
constexpr std::array<FieldLayout, sizeof...(F)> fields(F... f)
{
    return {{f...}};
}

} // namespace layout

inline constexpr auto kDinbLayout = layout::join(
    layout::fields(layout::constant(1, 3, "record length", "628"),
                   layout::constant(4, 4, "record identifier", "DINB"),
                   layout::cardText(8, 1, FieldKind::Code, "income type", &CCards::incomeType, FieldRule::IncomeTypeCode),
                   layout::tfn(9), layout::dateOfBirth(18)),
    layout::nameAndAddress<26>(),
    layout::fields(layout::startDate(216), layout::endDate(224), layout::amount(232, "tax withheld", &CCards::taxWithheld),
                   layout::amount(240, "gross payments", &CCards::gross),
                   layout::amount(248, "total allowances", &CCards::totalAllow),
                   layout::amount(256, "lump sum A", &CCards::lumpA), layout::amount(264, "lump sum B", &CCards::lumpB),
                   layout::amount(272, "lump sum D", &CCards::lumpD), layout::amount(280, "lump sum E", &CCards::lumpE),
                   layout::amount(288, "CDEP", &CCards::cdep),
                   layout::constant(296, 8, "former other income", "00000000"),
                   layout::amount(304, "reportable fringe benefits amount", &CCards::rfbt),
                   layout::amendIndicator(312),
                   layout::amount(313, "reportable employer super contribution amount", &CCards::resc),
                   layout::cardText(321, 1, FieldKind::Indicator, "lump sum A type", &CCards::lumpAType),
                   layout::amount(322, "workplace giving deduction", &CCards::giving),
                   layout::amount(330, "union or professional association deduction", &CCards::unionFees),
                   layout::amount(338, "exempt foreign employment income", &CCards::exemptForeign),
                   layout::amount(346, "deductible amount of annuity", &CCards::annuity),
                   layout::cardText(354, 1, FieldKind::Indicator, "FBT exempt indicator", &CCards::fbtExempt,
                                    FieldRule::FromYear2017),
                   layout::filler(355, 274)));

inline constexpr auto kDempLayout = layout::join(
    layout::fields(layout::constant(1, 3, "record length", "628"),
                   layout::constant(4, 4, "record identifier", "DEMP"), layout::tfn(8)),
    layout::nameAndAddress<17>(),
    layout::fields(layout::dateOfBirth(207), layout::paymentDate(215),
                   layout::amount(223, "tax withheld", &CCards::taxWithheld),
                   layout::amount(231, "taxable component", &CCards::taxable),
                   layout::amount(239, "tax-free component", &CCards::taxFree),
                   layout::cardText(247, 1, FieldKind::Indicator, "ETP payment type code", &CCards::etpPaymentType),
                   layout::amendIndicator(248), layout::filler(249, 380)));

inline constexpr auto kDlvpLayout = layout::join(
    layout::fields(layout::constant(1, 3, "record length", "628"),
                   layout::constant(4, 4, "record identifier", "DLVP"),
                   layout::cardText(8, 3, FieldKind::Code, "payment type code", &CCards::busPaymentType,
                                    FieldRule::BusPaymentTypeCode),
                   layout::tfn(11, FieldRule::BusTfn),
                   layout::cardText(20, 11, FieldKind::AsStored, "payee ABN", &CCards::abn, FieldRule::BusAbn),
                   layout::dateOfBirth(31)),
    layout::nameAndAddress<39>(),
    layout::fields(layout::startDate(229), layout::endDate(237),
                   layout::amount(245, "tax withheld", &CCards::taxWithheld),
                   layout::amount(253, "gross or attributed income", &CCards::gross),
                   layout::amount(261, "reportable employer super contribution amount", &CCards::resc),
                   layout::amendIndicator(269), layout::filler(270, 359)));

inline constexpr auto kDfeiLayout = layout::join(
    layout::fields(layout::constant(1, 3, "record length", "628"),
                   layout::constant(4, 4, "record identifier", "DFEI"), layout::tfn(8), layout::dateOfBirth(17)),
    layout::nameAndAddress<25>(),
    layout::fields(layout::startDate(215, "period start date"), layout::endDate(223, "period end date"),
                   layout::amount(231, "Australian tax withheld", &CCards::taxWithheld),
                   layout::amount(239, "foreign tax paid", &CCards::cdep),
                   layout::amount(247, "gross payments", &CCards::gross),
                   layout::cardText(255, 1, FieldKind::Code, "gross payments type", &CCards::incomeType,
                                    FieldRule::GrossPaymentsType),
                   layout::amount(256, "lump sum A", &CCards::lumpA), layout::amount(264, "lump sum D", &CCards::lumpD),
                   layout::amount(272, "lump sum E", &CCards::lumpE),
                   layout::cardText(280, 1, FieldKind::Indicator, "lump sum A type", &CCards::lumpAType),
                   layout::amount(281, "reportable fringe benefits amount", &CCards::rfbt),
                   layout::amount(289, "reportable employer superannuation contributions", &CCards::resc),
                   layout::cardText(297, 1, FieldKind::Indicator, "FBT exempt indicator", &CCards::fbtExempt,
                                    FieldRule::FromYear2017),
                   layout::amendIndicator(298), layout::filler(299, 330)));

// The first 294 characters of DPEN, the same in every year. Its amounts live
// in members that hold other amounts for INB payees.
inline constexpr auto kDpenCommon = layout::join(
    layout::fields(layout::constant(1, 3, "record length", "628"),
                   layout::constant(4, 4, "record identifier", "DPEN"), layout::tfn(8), layout::dateOfBirth(17)),
    layout::nameAndAddress<25>(),
    layout::fields(layout::startDate(215, "period start date"), layout::endDate(223, "period end date"),
                   layout::amount(231, "tax withheld", &CCards::taxWithheld),
                   layout::amount(239, "taxable component, taxed element", &CCards::gross),
                   layout::amount(247, "taxable component, untaxed element", &CCards::cdep),
                   layout::amount(255, "tax free component", &CCards::allow1),
                   layout::amount(263, "tax offset amount", &CCards::allow2),
                   layout::amount(271, "lump sum in arrears, taxed element", &CCards::lumpA),
                   layout::amount(279, "lump sum in arrears, untaxed element", &CCards::lumpB),
                   layout::amount(287, "lump sum in arrears, tax free component", &CCards::lumpD)));

// Report years up to 2017.
inline constexpr auto kDpenLayoutTo2017 =
    layout::join(kDpenCommon, layout::fields(layout::amendIndicator(295), layout::filler(296, 333)));

// Report years from 2018: the reversionary indicator comes before the amend indicator.
inline constexpr auto kDpenLayoutFrom2018 = layout::join(
    kDpenCommon,
    layout::fields(layout::cardText(295, 1, FieldKind::Indicator, "reversionary indicator", &CCards::lumpAType),
                   layout::amendIndicator(296), layout::filler(297, 332)));

inline constexpr auto kDslsLayout = layout::join(
    layout::fields(layout::constant(1, 3, "record length", "628"),
                   layout::constant(4, 4, "record identifier", "DSLS"), layout::tfn(8), layout::dateOfBirth(17)),
    layout::nameAndAddress<25>(),
    layout::fields(layout::paymentDate(215), layout::amount(223, "tax withheld", &CCards::taxWithheld),
                   layout::amount(231, "taxable component, taxed element", &CCards::taxable),
                   layout::amount(239, "taxable component, untaxed element", &CCards::other1),
                   layout::amount(247, "tax free component", &CCards::taxFree),
                   layout::cardText(255, 1, FieldKind::Indicator, "death benefit", &CCards::etpPaymentType),
                   layout::cardText(256, 1, FieldKind::Code, "type of death benefit", &CCards::spare1,
                                    FieldRule::DeathBenefitType),
                   layout::amendIndicator(257), layout::filler(258, 371)));

inline constexpr auto kDaspLayout = layout::join(
    layout::fields(layout::constant(1, 3, "record length", "628"),
                   layout::constant(4, 4, "record identifier", "DASP"), layout::tfn(8)),
    layout::nameAndAddress<17>(),
    layout::fields(layout::paymentDate(207), layout::amount(215, "tax withheld", &CCards::taxWithheld),
                   layout::amount(223, "taxable component, taxed element", &CCards::taxable),
                   layout::amount(231, "taxable component, untaxed element", &CCards::other1),
                   layout::amount(239, "tax free component", &CCards::taxFree), layout::amendIndicator(247),
                   layout::filler(248, 381)));

using RecordLayout = std::span<const FieldLayout>;

// The seven payee types in the order the file groups them.
enum class PayeeType { INB, ETP, BUS, FEI, PEN, SLS, DAS };
inline constexpr std::array kPayeeTypes{PayeeType::INB, PayeeType::ETP, PayeeType::BUS, PayeeType::FEI,
                                        PayeeType::PEN, PayeeType::SLS, PayeeType::DAS};

// "INB" .. "DAS".
QString payeeTypeCode(PayeeType type);
// "DINB" .. "DASP".
QString recordIdentifier(PayeeType type);
// The layout of a payee record of a type in a report year (DPEN changes from 2018).
RecordLayout payeeRecordLayout(PayeeType type, int reportYear);

// The field of a layout with that name; nullptr when the layout has none.
const FieldLayout* findField(RecordLayout layout, std::string_view name);
