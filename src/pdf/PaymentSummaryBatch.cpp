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
        giveBack(pending);
}

void PaymentSummaryBatch::giveBack(Pending& pending)
{
    pending.writer->cancel();
    m_files.remove(pending.path);
}

FileResult PaymentSummaryBatch::failed(const FileResult& failure)
{
    if (EndsTheRun(failure) && m_stopped.ok())
        m_stopped = failure;
    return failure;
}

FileResult PaymentSummaryBatch::add(const QString& stem, const QByteArray& document, QString& path, Flush flush)
{
    // No folder is no folder: never the root or the working directory.
    if (m_folder.isEmpty())
        return { FileError::NotFound, QStringLiteral("No folder was given.") };
    for (int n = -1; n < kNumberedNames; ++n) {
        path = joinPath(m_folder, PaymentSummaryFileName(stem, n));
        const FileResult claimed = m_files.createExclusive(path, QByteArray());
        if (claimed.error == FileError::AlreadyExists)
            continue;
        if (!claimed.ok())
            return failed(claimed);

        Pending pending { path, m_files.startWrite(path) };
        pending.writer->append(document);
        FileResult written = pending.writer->finish(flush == Flush::Now);
        if (written.ok() && flush == Flush::Now)
            written = pending.writer->commit();
        if (!written.ok()) {
            giveBack(pending);
            return failed(written);
        }
        if (flush == Flush::Now)
            ++m_committed;
        else
            m_pending.push_back(std::move(pending));
        return {};
    }
    return failed({ FileError::AlreadyExists, QStringLiteral("Every numbered name of this file is taken.") });
}

FileResult PaymentSummaryBatch::commit()
{
    if (m_pending.empty())
        return {};
    const FileResult flushed = m_files.flushFolder(m_folder);
    FileResult first = flushed;
    for (Pending& pending : m_pending) {
        // Unflushed, no summary is known to be whole: none takes its name.
        if (!flushed.ok()) {
            giveBack(pending);
            continue;
        }
        const FileResult renamed = pending.writer->commit();
        if (renamed.ok()) {
            ++m_committed;
            continue;
        }
        giveBack(pending);
        if (first.ok())
            first = renamed;
    }
    m_pending.clear();
    if (!first.ok() && m_stopped.ok())
        m_stopped = first;
    return first;
}
