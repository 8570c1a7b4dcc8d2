#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <set>
#include <vector>

// The files of a run of payment summaries. Each summary takes the first free
// name of its stem ("<stem>.pdf", then "<stem>00.pdf", "<stem>01.pdf", ...)
// that no file has and no other summary of the run holds, and is written
// whole to a temporary file of its own; commit() then flushes them all to
// disk at once, gives each its name, only while no file has it (a file
// that took the name meanwhile moves the summary on to the next one), and
// flushes the folder once so that the names survive a power cut. A run so
// pays for two flushes rather than two per file, and no name holds part of
// a summary, nor an empty file, when the run ends.
class PaymentSummaryBatch
{
public:
    enum class Flush { WithBatch, Now };

    PaymentSummaryBatch(FileSystem& files, QString folder);
    // Drops every summary not committed.
    ~PaymentSummaryBatch();
    PaymentSummaryBatch(const PaymentSummaryBatch&) = delete;
    PaymentSummaryBatch& operator=(const PaymentSummaryBatch&) = delete;

    // Takes a name for stem in the folder and writes document for it; the
    // path is given in `path` (the last name tried on failure).
    // Flush::Now flushes and renames this file at once, and gives what went
    // wrong after it took its name, if anything. A failure that ends the run
    // for every payee (see EndsTheRun) is kept as stopped().
    FileResult add(const QString& stem, const QByteArray& document, QString& path, Flush flush = Flush::WithBatch);
    // Flushes every pending summary to disk and renames each into place.
    // When the flush fails none of them is renamed. The first failure, or
    // else warned().
    FileResult commit();

    // Summaries renamed into place, whole, counted whatever went wrong after.
    int committed() const { return m_committed; }
    // The failure that ended the run, if any.
    const FileResult& stopped() const { return m_stopped; }
    // What went wrong after summaries took their names (a success that
    // carries it): the folder's flush of the names failed, temporary files
    // stayed.
    const FileResult& warned() const { return m_warned; }

    // What the run says of its summaries when it ends, beside its count:
    // one line per payee whose summary has values cut by their boxes.
    void noteCutValues(const QString& payeeLine) { m_cutValues.append(payeeLine); }
    const QStringList& cutValues() const { return m_cutValues; }

private:
    struct Pending {
        QString stem;
        QString path;
        std::unique_ptr<FileWriter> writer;
    };
    // The next name of stem after `after` (from the first when empty) that
    // no file has and no summary of the run holds; empty when none is left.
    QString freeName(const QString& stem, const QString& after) const;
    FileResult name(Pending& pending);
    FileResult failed(const FileResult& failure);
    void noteWarning(const FileResult& saved);

    FileSystem& m_files;
    QString m_folder;
    std::vector<Pending> m_pending;
    std::set<QString> m_held; // the names the run's summaries hold
    int m_committed = 0;
    FileResult m_stopped;
    FileResult m_warned;
    QStringList m_cutValues;
};

// A failure no payee's file escapes: a full disk or quota, a folder that is
// gone or that refuses writing.
bool EndsTheRun(const FileResult& failure);

// The name "<stem><number>.pdf", the stem shortened at a character boundary
// when needed so that the whole name takes at most 255 bytes in UTF-8.
// number < 0 gives no number, otherwise two digits at least ("00").
QString PaymentSummaryFileName(const QString& stem, int number);
