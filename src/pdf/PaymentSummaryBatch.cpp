#include "pdf/PaymentSummaryBatch.h"

#include <cerrno>

namespace
{

// Names tried for one stem: the stem alone, then numbered 00 to 998.
constexpr int kNumberedNames = 999;
constexpr qsizetype kLongestName = 255;

} // namespace

bool EndsTheRun(const FileResult& failure)
{
    if (failure.ok())
        return false;
    if (failure.error == FileError::AccessDenied || failure.error == FileError::NotFound)
        return true;
    return failure.code == ENOSPC || failure.code == EDQUOT;
}

QString PaymentSummaryFileName(const QString& stem, int number)
{
    const QString suffix
        = (number < 0 ? QString() : QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'))) + QStringLiteral(".pdf");
    const QByteArray bytes = stem.toUtf8();
    const qsizetype room = kLongestName - suffix.size();
    if (bytes.size() <= room)
        return stem + suffix;
    // Cut before the first byte of the character that does not fit whole.
    qsizetype cut = room;
    while (cut > 0 && (uchar(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    return QString::fromUtf8(bytes.constData(), cut) + suffix;
}

PaymentSummaryBatch::PaymentSummaryBatch(FileSystem& files, QString folder)
    : m_files(files)
    , m_folder(std::move(folder))
{
}

PaymentSummaryBatch::~PaymentSummaryBatch()
{
    for (Pending& pending : m_pending)
        pending.writer->cancel();
}

FileResult PaymentSummaryBatch::failed(const FileResult& failure)
{
    if (EndsTheRun(failure) && m_stopped.ok())
        m_stopped = failure;
    return failure;
}

void PaymentSummaryBatch::noteWarning(const FileResult& saved)
{
    if (m_warned.notLasting.isEmpty())
        m_warned.notLasting = saved.notLasting;
    if (!saved.temporariesLeft.isEmpty() && m_warned.temporariesLeft.isEmpty())
        m_warned.temporaryReason = saved.temporaryReason;
    m_warned.temporariesLeft += saved.temporariesLeft;
}

QString PaymentSummaryBatch::freeName(const QString& stem, const QString& after) const
{
    bool past = after.isEmpty();
    for (int n = -1; n < kNumberedNames; ++n) {
        const QString path = joinPath(m_folder, PaymentSummaryFileName(stem, n));
        if (!past) {
            past = path == after;
            continue;
        }
        if (!m_held.count(path) && !m_files.exists(path))
            return path;
    }
    return {};
}

FileResult PaymentSummaryBatch::name(Pending& pending)
{
    for (;;) {
        const FileResult named = pending.writer->commitNew(pending.path);
        if (named.error != FileError::AlreadyExists)
            return named;
        // Another program took the name since the run chose it.
        const QString next = freeName(pending.stem, pending.path);
        if (next.isEmpty()) {
            pending.writer->cancel();
            return { FileError::AlreadyExists, QStringLiteral("Every numbered name of this file is taken.") };
        }
        m_held.insert(next);
        pending.path = next;
    }
}

FileResult PaymentSummaryBatch::add(const QString& stem, const QByteArray& document, QString& path, Flush flush)
{
    // No folder is no folder: never the root or the working directory.
    if (m_folder.isEmpty())
        return { FileError::NotFound, QStringLiteral("No folder was given.") };
    path = freeName(stem, QString());
    if (path.isEmpty()) {
        path = joinPath(m_folder, PaymentSummaryFileName(stem, kNumberedNames - 1));
        return failed({ FileError::AlreadyExists, QStringLiteral("Every numbered name of this file is taken.") });
    }
    m_held.insert(path);

    Pending pending { stem, path, m_files.startWrite(path) };
    pending.writer->append(document);
    FileResult written = pending.writer->finish(flush == Flush::Now);
    if (written.ok() && flush == Flush::Now) {
        written = name(pending);
        path = pending.path;
    }
    if (!written.ok()) {
        pending.writer->cancel();
        return failed(written);
    }
    if (flush == Flush::Now) {
        ++m_committed;
        noteWarning(written);
        return written;
    }
    m_pending.push_back(std::move(pending));
    return {};
}

FileResult PaymentSummaryBatch::commit()
{
    if (m_pending.empty())
        return {};
    const FileResult flushed = m_files.flushFolder(m_folder);
    FileResult first = flushed;
    const int before = m_committed;
    for (Pending& pending : m_pending) {
        // Unflushed, no summary is known to be whole: none takes its name.
        if (!flushed.ok()) {
            pending.writer->cancel();
            continue;
        }
        const FileResult renamed = name(pending);
        if (renamed.ok()) {
            ++m_committed;
            noteWarning(renamed);
            continue;
        }
        pending.writer->cancel();
        if (first.ok())
            first = renamed;
    }
    m_pending.clear();
    // The renames survive a power cut only once the folder is flushed. The
    // summaries have their names by now: a failure here leaves them saved.
    if (m_committed > before) {
        const FileResult named = m_files.flushNames(m_folder);
        if (!named.ok() && m_warned.notLasting.isEmpty())
            m_warned.notLasting = named.detail.isEmpty() ? QStringLiteral("no reason was given") : named.detail;
    }
    if (!first.ok() && m_stopped.ok())
        m_stopped = first;
    return first.ok() ? m_warned : first;
}
