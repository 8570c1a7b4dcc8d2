#pragma once

#include <QString>
#include <QtGlobal>

class AppContext;

// The check of one payee type: looks payee `id` up and writes its Checked
// status ("Yes" with the normalised fields, or "Error" and one more in
// checkErrorCount), then marks the report modified.
using PayeeCheck = void (*)(AppContext& context, qint32 id);

inline const QString kInvalidPayeeTypeMessage
    = QStringLiteral("Invalid Payee Type - Please contact Torvek about this error.");
inline const QString kNoPayeesToCheckMessage = QStringLiteral("There are no Payees to Check.");
inline const QString kCheckErrorsMessage
    = QStringLiteral("Completed - Errors were detected. \n\nPayee List has been sorted by the Checked column to move "
                     "all Payees that need to be Updated to the top of the List for easy identification.");
inline const QString kCheckNoErrorsMessage = QStringLiteral("Completed - there were no errors.");

// Runs the check of each payee's type over the whole report, in ascending
// payee ID, and ends with one of the three end messages. Re-sorting and
// refilling the list is the caller's.
void CheckAllPayees(AppContext& context);
