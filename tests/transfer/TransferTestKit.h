#pragma once

#include "lodgement/LodgementLayouts.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "transfer/TabDelimitedExport.h"
#include "transfer/TabDelimitedImport.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace transfer_test {

// One data line of n cells, empty except those given (by column, from 1),
// ended as asked.
inline QByteArray dataLine(int n, const std::map<int, QByteArray>& cells, const QByteArray& end = "\r\n")
{
    QList<QByteArray> all(n);
    for (const auto& [column, value] : cells)
        all[column - 1] = value;
    return all.join('\t') + end;
}

// Nineteen lines the import never looks at, then the data lines.
inline QByteArray fileOf(const QList<QByteArray>& lines, const QByteArray& end = "\r\n")
{
    QByteArray bytes = "any heading" + end;
    for (int i = 2; i <= 19; ++i)
        bytes += end;
    for (const QByteArray& line : lines)
        bytes += line;
    return bytes;
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


// A file system whose writes throw, as a failing conversion or write would.
class ThrowingFileSystem : public LocalFileSystem {
public:
    std::unique_ptr<FileWriter> startWrite(const QString&) override { throw std::runtime_error("disk gone"); }
};

// A report of a year, a temporary folder for the files, the scripted user.
class TransferTest : public ::testing::Test {
protected:
    TransferTest() : context(ui, files)
    {
        context.prefs.defaultFolder = dir.path();
        setYear(2018);
    }

    void setYear(int year)
    {
        report().reportYear = QString::number(year);
        report().priorYear = QString::number(year - 1);
        report().reportYearNumber = year;
    }

    Report& report() { return context.report(); }

    QString path(const QString& name) const { return dir.path() + u'/' + name; }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString target = path(name);
        QFile file(target);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return target;
    }

    // Imports the bytes as a file of the type chosen in the file dialog.
    void importBytes(PayeeType type, const QByteArray& bytes)
    {
        ui.answerFile(writeFile(QStringLiteral("import.txt"), bytes));
        ImportTabDelimited(context, type);
    }

    // Exports the type into a file and returns its bytes.
    QByteArray exportBytes(PayeeType type, const QString& name = QStringLiteral("export.txt"))
    {
        const QString target = path(name);
        ui.answerFile(target);
        ExportTabDelimited(context, type);
        return readBytes(target);
    }

    // The messages that begin with the text.
    QStringList messagesStartingWith(const QString& start) const
    {
        QStringList found;
        for (const QString& text : ui.texts())
            if (text.startsWith(start))
                found << text;
        return found;
    }

    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context;
};

inline const QString kImportedClosing = QStringLiteral(
    " payees. \n\nIf this is greater than the number you intended to import, you may have imported some blank "
    "lines, which you will need to delete. \n\nYou should now click Check All to perform required edit checks.");

inline QString importedMessage(int count)
{
    return QStringLiteral("Imported data for ") + QString::number(count) + kImportedClosing;
}

inline const QString kNothingImported = QStringLiteral("No Payee data imported. See Help for assistance.");

inline QString refusedLine(const QString& firstField)
{
    return QStringLiteral("Payee with ID '") + firstField
        + QStringLiteral("' could not be imported as there was a problem with one or more fields.");
}

inline const QString kOneLineClosing
    = QStringLiteral("'. One or more numerical fields where changed to 999999 as the import field was invalid.");
inline const QString kTwoLineClosing
    = QStringLiteral("'. One or more numerical \nfields where changed to 999999 as the import field was invalid.");

} // namespace transfer_test
