#pragma once

#include <QString>
#include <QStringList>

// The only messages reading a report file may show.
inline const QString kWrongFormat = QStringLiteral("Wrong Format, cannot open this file.");
inline const QString kYear2012Note
    = QStringLiteral("Note: This Version supports the 2012 year for INB type payment summaries only.");
inline const QString kCautionTail = QStringLiteral(
    ", an error occurred on loading the data.\r\n\r\nProceed with caution.\r\n\r\nTorvek recommends you check the "
    "Payer and Supplier Details and run the Check All function from the Payee List before Generating any files.");
inline const QStringList kDamagedReport = {
    QStringLiteral("Although this is an Quillastrand Release 1 file") + kCautionTail,
    QStringLiteral("Although this is an Quillastrand Release 1 or an Ledgerwright Release 4 file") + kCautionTail,
    QStringLiteral("An unknown error occurred on loading the data from this file.\r\n\r\nProceed with caution.\r\n\r\n"
                   "Torvek recommends you check the Payer and Supplier Details and run the Check All function from "
                   "the Payee List before Generating any files."),
};

// A damaged read: one of those messages, then what was read of the payees.
inline bool isDamagedReportMessage(const QString& text)
{
    for (const QString& damaged : kDamagedReport) {
        if (text.startsWith(damaged + QStringLiteral("\r\n\r\n")))
            return true;
    }
    return false;
}
