#pragma once

#include "ColdWarm.h"
#include "platform/UserInterface.h"
#include "report/Report.h"

#include <QString>
#include <QStringList>

#include <optional>

// A report as a payroll would hold it: complete supplier and payer details
// for 2018 and `payees` payees of every type (four in ten INB, one each of
// the others) with names, addresses, valid TFNs, amounts and dates, all of
// which the lodgement file accepts.
Report benchReport(int payees);

// The number of payees of benchReport that get a payee record (all of them).
inline qint64 benchRecordCount(int payees)
{
    return payees;
}

// A user interface that answers every question with OK, every save dialog
// with one path, and keeps the messages so a benchmark can see what happened.
class BenchUi : public UserInterface
{
public:
    QString savePath;
    QStringList messages;

    Answer message(const QString& text, MessageButtons, MessageIcon) override
    {
        messages.append(text);
        return Answer::Ok;
    }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return savePath; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    bool setClipboardText(const QString&) override { return true; }
    bool openUrl(const QString&) override { return true; }
    int runDialog(const QString&) override { return 0; }
    void beginWaitCursor() override { }
    void endWaitCursor() override { }
};

// The resident and peak resident memory of this process, in bytes, and a
// reset of the peak to the current figure (false where the system does not
// allow it).
qint64 residentBytes();
qint64 peakResidentBytes();
bool resetPeakResident();
