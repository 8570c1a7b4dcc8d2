#pragma once

#include "report/PayeeIds.h"

#include <QByteArrayView>
#include <QString>

class AppContext;
class UserInterface;
struct Report;

inline const QString kLodgementFileFilter
    = QStringLiteral("VESK or EMPDUPE Files (*.A01)|*.A01|VESK or EMPDUPE Files (*.A02)|*.A02|VESK or EMPDUPE Files "
                     "(*.A03)|*.A03|All Files (*.*)|*.*||");

inline const QString kCannotOpenFile = QStringLiteral("ERROR: Cannot open file");
inline const QString kNotALodgementFile = QStringLiteral(
    "This does not appear to be a valid VESK.A01 file.\n\r\n\rQuillastrand will not be able to load this "
    "file.\n\r\n\rConsult Help regarding invalid VESK.A01 files.");
inline const QString kLodgementFileProblem = QStringLiteral(
    "There is a problem with this VESK.A01 file - Quillastrand will not be able to load this file.\n\r\n\rTry "
    "removing CR's and LF's - see Tools menu item.\r\n\r\nConsult Help regarding invalid VESK.A01 files.");
inline const QString kYearBefore2012 = QStringLiteral(
    "This VESK.A01 file is for a year prior to 2012.\n\r\n\rQuillastrand will not be able to load this file.");
inline const QString kYearAfter2027 = QStringLiteral(
    "This VESK.A01 file is for a year after 2027.\n\r\n\rQuillastrand will not be able to load this file.");
inline const QString kUnknownRecordType
    = QStringLiteral("Unknown Payment Summary Type. Failed to add Payee of Type = ");
inline const QString kFileTotalTooLarge = QStringLiteral(
    "The FILE-TOTAL count of this VESK.A01 file is larger than the number of records it holds.\n\r\n\rOnly the "
    "records present have been loaded.");
inline const QString kFileTotalTooSmall = QStringLiteral(
    "The FILE-TOTAL count of this VESK.A01 file is smaller than the number of records it holds.\n\r\n\rAll payee "
    "records present have been loaded.");
static_assert(kMaxPayeesInAReport == 1'000'000, "kTooManyPayeeRecords names the limit");
inline const QString kTooManyPayeeRecords = QStringLiteral(
    "This VESK.A01 file holds more than 1,000,000 payee records, more than a report can hold.\n\r\n\rQuillastrand "
    "will not be able to load this file.");
// %1: the payee IDs.
inline const QString kControlCharactersBlanked = QStringLiteral(
    "The records of these payees held control characters (such as NUL or a carriage return), which have been "
    "loaded as blanks.\n\r\n\rPayee IDs: %1. Check these payees' details.");
inline const QString kLodgementFileLoaded = QStringLiteral(
    "All available data has been extracted from this VESK.A01 file.\n\r\n\rYou will now need to select a Payer, a "
    "Supplier as well as Update all Payees.\n\r\n\rSee Help for more information.");
inline const QString kFeiPayeesLoaded = QStringLiteral(
    "There were one or more Foreign Employment Income (FEI) type payees loaded from this VESK.A01 or EMPDUPE file. "
    "Note that details of Allowances, Workplace Giving and Union/Professional fees are not stored in the VESK.A01 "
    "or EMPDUPE file and these should be manually added where required - no warnings will be generated!!");

// Reads a lodgement file's bytes into the report: the file's year, one new
// payee per payee record (beside any payees already there) and the header
// details of the file. The text ends at the first line feed. A file that is
// refused leaves the year, the payees and the imported-file details as they
// were, and so does a file whose payees would take the report past
// payeeLimit. True when the file was loaded.
bool LoadLodgementFile(
    Report& report, UserInterface& ui, QByteArrayView bytes, qint64 payeeLimit = kMaxPayeesInAReport);

// "Load Data from existing VESK.A01 File": asks for the file and loads it.
void OnBnClickedLoadA01(AppContext& context);
