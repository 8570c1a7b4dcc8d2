#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

// The files of a run of payment summaries. Each summary claims the first
// free name of its stem ("<stem>.pdf", then "<stem>00.pdf", "<stem>01.pdf",
// ...) by creating it empty, and is written whole to a temporary file of its
// own; commit() then flushes them all to disk at once and renames each over
// its claimed name. A run so pays for one flush rather than one per file,
// and a name never holds part of a summary: until its rename it holds
// nothing, and a summary that is not committed gives its name back.
class PaymentSummaryBatch
{
public:
    enum class Flush { WithBatch, Now };

    PaymentSummaryBatch(FileSystem& files, QString folder);
    // Drops every summary not committed and the names they claimed.
    ~PaymentSummaryBatch();
    PaymentSummaryBatch(const PaymentSummaryBatch&) = delete;
    PaymentSummaryBatch& operator=(const PaymentSummaryBatch&) = delete;

    // Claims a name for stem in the folder and writes document for it; the
    // claimed path is given in `path` (the last name tried on failure).
    // Flush::Now flushes and renames this file at once. A failure that ends
    // the run for every payee (see EndsTheRun) is kept as stopped().
    FileResult add(const QString& stem, const QByteArray& document, QString& path, Flush flush = Flush::WithBatch);
    // Flushes every pending summary to disk and renames each into place.
    // When the flush fails none of them is renamed. The first failure.
    FileResult commit();

    // Summaries renamed into place, whole.
    int committed() const { return m_committed; }
    // The failure that ended the run, if any.
    const FileResult& stopped() const { return m_stopped; }

private:
    struct Pending {
        QString path;
        std::unique_ptr<FileWriter> writer;
    };
    void giveBack(Pending& pending);
    FileResult failed(const FileResult& failure);

    FileSystem& m_files;
    QString m_folder;
    std::vector<Pending> m_pending;
    int m_committed = 0;
    FileResult m_stopped;
};

// A failure no payee's file escapes: a full disk or quota, a folder that is
// gone or that refuses writing.
bool EndsTheRun(const FileResult& failure);

// The name "<stem><number>.pdf", the stem shortened at a character boundary
// when needed so that the whole name takes at most 255 bytes in UTF-8.
// number < 0 gives no number, otherwise two digits at least ("00").
QString PaymentSummaryFileName(const QString& stem, int number);
