#include "report/LargeBuffers.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <cstdint>

namespace
{

// Below this a buffer is not worth a system call.
constexpr qsizetype kLargeBuffer = qsizetype(4) << 20;

void adviseLargePages([[maybe_unused]] void* data, [[maybe_unused]] qsizetype bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes < kLargeBuffer)
        return;
    constexpr std::uintptr_t page = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t from = (start + page - 1) & ~(page - 1);
    const std::uintptr_t to = (start + std::uintptr_t(bytes)) & ~(page - 1);
    // Only a hint: where it is refused the buffer works as before.
    if (to > from)
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
}

} // namespace

QByteArray uninitializedBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    adviseLargePages(bytes.data(), size);
    return bytes;
}

QString uninitializedText(qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    adviseLargePages(text.data(), size * qsizetype(sizeof(QChar)));
    return text;
}
