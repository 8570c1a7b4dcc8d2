#include "report/Report.h"

namespace {

using IntMember = qint32 Report::*;
using TextMember = QString Report::*;

constexpr std::array<IntMember, kIntSlotCount + 1> makeIntMembers()
{
    std::array<IntMember, kIntSlotCount + 1> t{};
    t[7] = &Report::payeeMode;
    t[11] = &Report::currentPayeeId;
    t[14] = &Report::editAttempted;
    t[15] = &Report::payeeEditOpened;
    t[16] = &Report::pdfTemplateFailed;
    t[21] = &Report::printPayeeId;
    t[22] = &Report::pdfCount;
    t[28] = &Report::highestPayeeId;
    t[30] = &Report::importFileTotal;
    t[31] = &Report::importVersion;
    t[32] = &Report::importWarningShown;
    t[33] = &Report::payerListHintShown;
    t[35] = &Report::payerJustAdded;
    t[36] = &Report::year2012Mode;
    t[37] = &Report::importedCount;
    t[99] = &Report::payeesChanged;
    t[101] = &Report::payeeCount;
    t[103] = &Report::latestVersion;
    t[105] = &Report::reviewCount;
    t[106] = &Report::payeesChecked;
    t[108] = &Report::payerNotInList;
    t[109] = &Report::scalePercent;
    t[115] = &Report::noInternet;
    t[116] = &Report::a01FileOnly;
    t[117] = &Report::yearChanged;
    return t;
}

constexpr std::array<TextMember, kTextSlotCount + 1> makeTextMembers()
{
    std::array<TextMember, kTextSlotCount + 1> t{};
    t[1] = &Report::importSource;
    t[2] = &Report::importFolder;
    t[3] = &Report::importPathName;
    t[8] = &Report::importFileName;
    t[9] = &Report::newPayeeDataSource;
    t[10] = &Report::payerKey;
    t[12] = &Report::pdfConfirmed;
    t[13] = &Report::declarationDate;
    t[14] = &Report::payerJustAddedKey;
    t[15] = &Report::fileReference;
    t[16] = &Report::pdfFilePerPayee;
    t[18] = &Report::versionText;
    t[19] = &Report::productVersion;
    t[20] = &Report::versionReply;
    t[28] = &Report::pdfOutputPath;
    t[31] = &Report::payerListExportPath;
    t[32] = &Report::payeeCountText;
    t[35] = &Report::pdfTemplatePath;
    t[36] = &Report::pdfLastOutputFile;
    t[38] = &Report::importRecord;
    return t;
}

constexpr std::array<TextMember, kLastTextSlotC + 1> makeTextMembersC()
{
    std::array<TextMember, kLastTextSlotC + 1> t{};
    t[20] = &Report::supplierName;
    t[21] = &Report::supplierAbn;
    t[22] = &Report::supplierAddress1;
    t[23] = &Report::supplierAddress2;
    t[24] = &Report::supplierSuburb;
    t[25] = &Report::supplierState;
    t[26] = &Report::supplierPostcode;
    t[27] = &Report::supplierCountry;
    t[28] = &Report::supplierPostalAddress1;
    t[29] = &Report::supplierPostalAddress2;
    t[30] = &Report::supplierPostalSuburb;
    t[31] = &Report::supplierPostalState;
    t[32] = &Report::supplierPostalPostcode;
    t[33] = &Report::supplierPostalCountry;
    t[34] = &Report::supplierContact;
    t[35] = &Report::supplierPhone;
    t[36] = &Report::supplierFax;
    t[37] = &Report::supplierEmail;
    t[38] = &Report::supplierGatewayId;
    t[40] = &Report::payerName;
    t[41] = &Report::payerAbn;
    t[42] = &Report::payerTradingName;
    t[43] = &Report::payerBranch;
    t[44] = &Report::payerAddress1;
    t[45] = &Report::payerAddress2;
    t[46] = &Report::payerSuburb;
    t[47] = &Report::payerState;
    t[48] = &Report::payerPostcode;
    t[49] = &Report::payerCountry;
    t[50] = &Report::payerContact;
    t[51] = &Report::payerPhone;
    t[52] = &Report::payerFax;
    t[60] = &Report::payerRef;
    return t;
}

constexpr std::array<TextMember, kImportedTextCount + 1> makeImportedMembers()
{
    std::array<TextMember, kImportedTextCount + 1> t{};
    t[1] = &Report::fromLodgementFile;
    t[2] = &Report::origYear;
    t[3] = &Report::origVersion;
    t[4] = &Report::origSoftware;
    t[5] = &Report::origSupplierName;
    t[6] = &Report::origSupplierAbn;
    t[7] = &Report::origSupplierAddress1;
    t[8] = &Report::origSupplierAddress2;
    t[9] = &Report::origSupplierSuburb;
    t[10] = &Report::origSupplierState;
    t[11] = &Report::origSupplierPostcode;
    t[12] = &Report::origSupplierCountry;
    t[13] = &Report::origSupplierPostalAddress1;
    t[14] = &Report::origSupplierPostalAddress2;
    t[15] = &Report::origSupplierPostalSuburb;
    t[16] = &Report::origSupplierPostalState;
    t[17] = &Report::origSupplierPostalPostcode;
    t[18] = &Report::origSupplierPostalCountry;
    t[19] = &Report::origSupplierContact;
    t[20] = &Report::origSupplierPhone;
    t[21] = &Report::origSupplierFax;
    t[22] = &Report::origSupplierEmail;
    // place 23 is spare
    t[24] = &Report::origFileReference;
    t[25] = &Report::origPayerName;
    t[26] = &Report::origPayerAbn;
    t[27] = &Report::origPayerTradingName;
    t[28] = &Report::origPayerBranch;
    t[29] = &Report::origPayerAddress1;
    t[30] = &Report::origPayerAddress2;
    t[31] = &Report::origPayerSuburb;
    t[32] = &Report::origPayerState;
    t[33] = &Report::origPayerPostcode;
    t[34] = &Report::origPayerCountry;
    t[35] = &Report::origPayerContact;
    t[36] = &Report::origPayerPhone;
    t[37] = &Report::origPayerFax;
    // places 38 to 45 are spare
    return t;
}

constexpr auto kIntMembers = makeIntMembers();
constexpr auto kTextMembers = makeTextMembers();
constexpr auto kTextMembersC = makeTextMembersC();
constexpr auto kImportedMembers = makeImportedMembers();

} // namespace

qint32& intSlot(Report& report, int slot)
{
    const IntMember m = kIntMembers.at(size_t(slot));
    return m ? report.*m : report.spareInts.at(size_t(slot));
}

const qint32& intSlot(const Report& report, int slot)
{
    return intSlot(const_cast<Report&>(report), slot);
}

QString& textSlot(Report& report, int slot)
{
    const TextMember m = kTextMembers.at(size_t(slot));
    return m ? report.*m : report.spareTexts.at(size_t(slot));
}

const QString& textSlot(const Report& report, int slot)
{
    return textSlot(const_cast<Report&>(report), slot);
}

QString& textSlotC(Report& report, int slot)
{
    const TextMember m = kTextMembersC.at(size_t(slot));
    return m ? report.*m : report.spareTextsC.at(size_t(slot));
}

const QString& textSlotC(const Report& report, int slot)
{
    return textSlotC(const_cast<Report&>(report), slot);
}

QString& importedText(Report& report, int place)
{
    const TextMember m = kImportedMembers.at(size_t(place));
    return m ? report.*m : report.spareImported.at(size_t(place));
}

const QString& importedText(const Report& report, int place)
{
    return importedText(const_cast<Report&>(report), place);
}

void ResetReportGlobals(Report& report)
{
    const qint64 spareTime1 = report.spareTime1;
    const qint64 spareTime2 = report.spareTime2;
    const qint32 reportYearNumber = report.reportYearNumber;
    report = Report{};
    report.spareTime1 = spareTime1;
    report.spareTime2 = spareTime2;
    report.reportYearNumber = reportYearNumber;
}
