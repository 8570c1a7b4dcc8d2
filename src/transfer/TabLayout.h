#pragma once

#include "lodgement/LodgementLayouts.h"
#include "report/CCards.h"

#include <QString>
#include <QtGlobal>

#include <span>
#include <string_view>
#include <utility>

// The tab-delimited file layout of each payee type, as data: one table of
// columns per type, read by one import procedure and one export procedure.

// What the import does to a text cell, in this order.
enum TabStep : unsigned {
    kBlankIfEmpty = 1u << 0, // an empty cell becomes one blank
    kUpper = 1u << 1,        // upper-cased as the cell is taken
    kTrim = 1u << 2,         // white space removed at both ends
    kNoBlanks = 1u << 3,     // every blank left inside removed
    kCollapse = 1u << 4,     // every run of blanks becomes one blank
    kPad = 1u << 5,          // a text of one character gets a "0" in front
};
inline constexpr unsigned kTrimCollapse = kTrim | kCollapse;
inline constexpr unsigned kUpperText = kUpper | kTrim | kCollapse;
inline constexpr unsigned kDayOrMonth = kTrim | kCollapse | kPad;
inline constexpr unsigned kTaxFileNumber = kTrim | kNoBlanks | kCollapse;

enum class TabColumnKind {
    PayeeId,   // the ID rule: a non-number becomes the layout's placeholder
    PayeeType, // read and ignored; written as the layout's type code
    Text,
    Number,    // StringToInt of the cell as split; 999999 counts as bad
    TaxNumber, // BUS: the ABN for a voluntary agreement, else the TFN
};

// A one-letter code of the file against the text a payee holds.
struct TabCode {
    std::u16string_view code;
    std::u16string_view text;
};
struct TabCodeMap {
    std::span<const TabCode> codes;
    bool keepUnknown;                 // import: a cell outside the list is kept; else it becomes empty
    std::u16string_view exportOther;  // export: what a text outside the list is written as
};

// A rule that depends on the report year.
enum class TabYearRule {
    None,
    BlankBefore2017,      // FBT exempt: one blank before 2017
    ReversionaryFrom2018, // empty before 2018; from 2018 an empty cell is one blank, written back empty
};

struct TabColumn {
    std::string_view header;
    TabColumnKind kind;
    unsigned steps = 0;
    QString CCards::* text = nullptr;
    qint32 CCards::* number = nullptr;
    // Members that carry another type's field are reached through CCards'
    // named accessors.
    QString& (*textAccess)(CCards&) = nullptr;
    qint32& (*numberAccess)(CCards&) = nullptr;
    const TabCodeMap* codes = nullptr;
    TabYearRule yearRule = TabYearRule::None;

    QString& textOf(CCards& card) const { return textAccess ? textAccess(card) : card.*text; }
    const QString& textOf(const CCards& card) const { return textOf(const_cast<CCards&>(card)); }
    qint32& numberOf(CCards& card) const { return numberAccess ? numberAccess(card) : card.*number; }
    qint32 numberOf(const CCards& card) const { return numberOf(const_cast<CCards&>(card)); }
};

struct TabLayout {
    PayeeType type;
    std::string_view typeCode; // "INB"
    std::span<const TabColumn> columns;
    qint32 idPlaceholder;
    std::string_view fieldCountMessage;
    std::string_view badNumberClosing; // after "Take care with Payee ID '" and the ID
    std::string_view exportFilter;
    std::string_view accessMessage;
    std::string_view createError; // the file cannot be created
    std::string_view writeError;  // anything failed while it was written
    // Members no column feeds that are neither empty nor 0.
    void (*completeImported)(CCards& card, int reportYear) = nullptr;

    int fieldCount() const { return int(columns.size()); }
};

namespace tabcol {

constexpr TabColumn payeeId()
{
    return {"Payee ID", TabColumnKind::PayeeId};
}
constexpr TabColumn payeeType()
{
    return {"Payee Type", TabColumnKind::PayeeType};
}
constexpr TabColumn text(std::string_view header, QString CCards::* member, unsigned steps = kTrimCollapse)
{
    return {header, TabColumnKind::Text, steps, member};
}
constexpr TabColumn text(std::string_view header, QString& (*access)(CCards&), unsigned steps = kTrimCollapse)
{
    return {header, TabColumnKind::Text, steps, nullptr, nullptr, access};
}
constexpr TabColumn number(std::string_view header, qint32 CCards::* member)
{
    return {header, TabColumnKind::Number, 0, nullptr, member};
}
constexpr TabColumn number(std::string_view header, qint32& (*access)(CCards&))
{
    return {header, TabColumnKind::Number, 0, nullptr, nullptr, nullptr, access};
}
constexpr TabColumn coded(std::string_view header, QString CCards::* member, unsigned steps, const TabCodeMap& codes)
{
    return {header, TabColumnKind::Text, steps, member, nullptr, nullptr, nullptr, &codes};
}
constexpr TabColumn coded(std::string_view header, QString& (*access)(CCards&), unsigned steps,
                          const TabCodeMap& codes)
{
    return {header, TabColumnKind::Text, steps, nullptr, nullptr, access, nullptr, &codes};
}
constexpr TabColumn byYear(std::string_view header, QString& (*access)(CCards&), unsigned steps, TabYearRule rule)
{
    return {header, TabColumnKind::Text, steps, nullptr, nullptr, access, nullptr, nullptr, rule};
}
constexpr TabColumn byYear(std::string_view header, QString CCards::* member, unsigned steps, TabYearRule rule)
{
    return {header, TabColumnKind::Text, steps, member, nullptr, nullptr, nullptr, nullptr, rule};
}
constexpr TabColumn taxNumber(std::string_view header)
{
    return {header, TabColumnKind::TaxNumber, kTaxFileNumber};
}

} // namespace tabcol

// A text of a layout table as a QString.
inline QString fromAscii(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The layout of a payee type.
const TabLayout& tabLayout(PayeeType type);

// Lines 1 to 19 of an exported file, each ended by CR LF.
QString TabDelimitedHeader(const TabLayout& layout);

// A cell of the file through the column's import steps.
QString CleanTabCell(QString cell, unsigned steps);

// A text column's value as the import stores it, from its cleaned cell.
QString ImportedTabText(const TabColumn& column, const QString& cleaned, int reportYear);
// A column as a data line writes it (before quoting).
QString ExportedTabCell(const TabLayout& layout, const TabColumn& column, const CCards& card, int reportYear);

// The tax-number rule of BUS payees.
bool IsVoluntaryAgreement(const QString& busPaymentType);

// One table per type.
extern const TabLayout kInbTabLayout;
extern const TabLayout kEtpTabLayout;
extern const TabLayout kBusTabLayout;
extern const TabLayout kFeiTabLayout;
extern const TabLayout kPenTabLayout;
extern const TabLayout kSlsTabLayout;
extern const TabLayout kDasTabLayout;

