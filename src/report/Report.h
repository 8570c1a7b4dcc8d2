#pragma once

#include "report/CCards.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <map>

using PayeeMap = std::map<qint32, CCards>;

// The open report: every value the report file stores, in file order, plus
// the two flags that are reset with it but not stored. Numbered slots that
// carry no meaning are kept as spare values so that a file read and written
// back keeps them byte for byte.
struct Report {
    // Int slots 1 to 172. Slots not named here live in spareInts[slot].
    qint32 payeeMode = 0;              // 7: 4 while a payee is being added
    qint32 currentPayeeId = 0;         // 11
    qint32 editAttempted = 0;          // 14
    qint32 payeeEditOpened = 0;        // 15
    qint32 pdfTemplateFailed = 0;      // 16
    qint32 printPayeeId = 0;           // 21
    qint32 pdfCount = 0;               // 22
    qint32 highestPayeeId = 0;         // 28
    qint32 importFileTotal = 0;        // 30
    qint32 importVersion = 0;          // 31
    qint32 importWarningShown = 0;     // 32
    qint32 payerListHintShown = 0;     // 33
    qint32 payerJustAdded = 0;         // 35
    qint32 year2012Mode = 0;           // 36
    qint32 importedCount = 0;          // 37
    qint32 payeesChanged = 0;          // 99
    qint32 payeeCount = 0;             // 101
    qint32 latestVersion = 0;          // 103
    qint32 reviewCount = 0;            // 105
    qint32 payeesChecked = 0;          // 106
    qint32 payerNotInList = 0;         // 108: 2 when the payer is missing from the Payer List
    qint32 scalePercent = 0;           // 109
    qint32 noInternet = 0;             // 115
    qint32 a01FileOnly = 0;            // 116
    qint32 yearChanged = 0;            // 117
    std::array<qint32, 173> spareInts{}; // indexed by slot number

    // String slots 1 to 40. Slots not named here live in spareTexts[slot].
    QString importSource;        // 1
    QString importFolder;        // 2
    QString importPathName;      // 3
    QString importFileName;      // 8
    QString newPayeeDataSource;  // 9
    QString payerKey;            // 10
    QString pdfConfirmed;        // 12
    QString declarationDate;     // 13
    QString payerJustAddedKey;   // 14
    QString fileReference;       // 15
    QString pdfFilePerPayee;     // 16
    QString versionText;         // 18
    QString productVersion;      // 19
    QString versionReply;        // 20
    QString pdfOutputPath;       // 28
    QString payerListExportPath; // 31
    QString payeeCountText;      // 32
    QByteArray summaryText;      // 33: UTF-8, the bytes of the summary file
    QString pdfTemplatePath;     // 35
    QString pdfLastOutputFile;   // 36
    QString importRecord;        // 38
    std::array<QString, 41> spareTexts{}; // indexed by slot number

    std::array<QString, 27> payerFieldsSaved{};
    std::array<QString, 27> supplierFieldsSaved{};

    // String slots 20C to 60C. Slots not named here live in spareTextsC[n].
    QString supplierName;            // 20C
    QString supplierAbn;             // 21C
    QString supplierAddress1;        // 22C
    QString supplierAddress2;        // 23C
    QString supplierSuburb;          // 24C
    QString supplierState;           // 25C
    QString supplierPostcode;        // 26C
    QString supplierCountry;         // 27C
    QString supplierPostalAddress1;  // 28C
    QString supplierPostalAddress2;  // 29C
    QString supplierPostalSuburb;    // 30C
    QString supplierPostalState;     // 31C
    QString supplierPostalPostcode;  // 32C
    QString supplierPostalCountry;   // 33C
    QString supplierContact;         // 34C
    QString supplierPhone;           // 35C
    QString supplierFax;             // 36C
    QString supplierEmail;           // 37C
    QString supplierGatewayId;       // 38C
    QString payerName;               // 40C
    QString payerAbn;                // 41C
    QString payerTradingName;        // 42C
    QString payerBranch;             // 43C
    QString payerAddress1;           // 44C
    QString payerAddress2;           // 45C
    QString payerSuburb;             // 46C
    QString payerState;              // 47C
    QString payerPostcode;           // 48C
    QString payerCountry;            // 49C
    QString payerContact;            // 50C
    QString payerPhone;              // 51C
    QString payerFax;                // 52C
    QString payerRef;                // 60C
    std::array<QString, 61> spareTextsC{}; // indexed by the number before "C"

    qint64 spareTime1 = 0; // never set: kept as loaded
    qint64 payerDate = 0;
    qint64 spareTime2 = 0; // never set: kept as loaded

    QString reportYear;         // "2012" to "2027"; empty while none is chosen
    QString priorYear;          // the year before reportYear
    qint32 reportYearNumber = 0; // not emptied by the reset

    PayeeMap payees;

    // Header details of an imported lodgement file.
    QString fromLodgementFile; // "Yes" when the payees came from a lodgement file
    QString origYear;
    QString origVersion;
    QString origSoftware;
    QString origSupplierName;
    QString origSupplierAbn;
    QString origSupplierAddress1;
    QString origSupplierAddress2;
    QString origSupplierSuburb;
    QString origSupplierState;
    QString origSupplierPostcode;
    QString origSupplierCountry;
    QString origSupplierPostalAddress1;
    QString origSupplierPostalAddress2;
    QString origSupplierPostalSuburb;
    QString origSupplierPostalState;
    QString origSupplierPostalPostcode;
    QString origSupplierPostalCountry;
    QString origSupplierContact;
    QString origSupplierPhone;
    QString origSupplierFax;
    QString origSupplierEmail;
    QString origFileReference;
    QString origPayerName;
    QString origPayerAbn;
    QString origPayerTradingName;
    QString origPayerBranch;
    QString origPayerAddress1;
    QString origPayerAddress2;
    QString origPayerSuburb;
    QString origPayerState;
    QString origPayerPostcode;
    QString origPayerCountry;
    QString origPayerContact;
    QString origPayerPhone;
    QString origPayerFax;
    std::array<QString, 46> spareImported{}; // indexed by place 1..45 among the 45 texts

    // Reset with the report but not stored in its file.
    qint32 openState = 0;     // 1 after a load met a wrong signature
    qint32 fileGenerated = 0; // 1 once a lodgement file was generated

    bool operator==(const Report&) const = default;
};

// Empties the report: every slot 0 or empty, no payees. The spare
// timestamps and reportYearNumber are kept.
void ResetReportGlobals(Report& report);

// The report's slots by number, as the report file orders them (the
// summary's slot excepted: see kSummaryTextSlot).
qint32& intSlot(Report& report, int slot);
const qint32& intSlot(const Report& report, int slot);
QString& textSlot(Report& report, int slot);
const QString& textSlot(const Report& report, int slot);
QString& textSlotC(Report& report, int slot);
const QString& textSlotC(const Report& report, int slot);
QString& importedText(Report& report, int place);
const QString& importedText(const Report& report, int place);

inline constexpr int kIntSlotCount = 172;
inline constexpr int kTextSlotCount = 40;
// The text slot of the summary, which is held as bytes, not in textSlot.
inline constexpr int kSummaryTextSlot = 33;
inline constexpr int kFirstTextSlotC = 20;
inline constexpr int kLastTextSlotC = 60;
inline constexpr int kImportedTextCount = 45;

// Walks the values stored before the payee count (after the signature),
// in file order: ints, texts, timestamps (qint64), repdate, repdateless13,
// repdateint.
template <class R, class Visitor>
void visitReportHead(R& r, Visitor&& v)
{
    for (int slot = 1; slot <= kIntSlotCount; ++slot)
        v(intSlot(r, slot));
    for (int slot = 1; slot <= kTextSlotCount; ++slot) {
        if (slot == kSummaryTextSlot)
            v(r.summaryText);
        else
            v(textSlot(r, slot));
    }
    for (auto& text : r.payerFieldsSaved)
        v(text);
    for (auto& text : r.supplierFieldsSaved)
        v(text);
    for (int slot = kFirstTextSlotC; slot <= kLastTextSlotC; ++slot)
        v(textSlotC(r, slot));
    v(r.spareTime1);
    v(r.payerDate);
    v(r.spareTime2);
    v(r.reportYear);
    v(r.priorYear);
    v(r.reportYearNumber);
}

// Walks the 45 texts stored after the payees.
template <class R, class Visitor>
void visitReportTail(R& r, Visitor&& v)
{
    for (int place = 1; place <= kImportedTextCount; ++place)
        v(importedText(r, place));
}
