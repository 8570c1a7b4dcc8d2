#include "payers/PayerListFile.h"

#include "report/Archive.h"

QByteArray WritePayerList(const PayerMap& payers)
{
    ArchiveWriter archive;
    archive.writeInt(qint32(payers.size()));
    for (const auto& [key, entry] : payers) {
        archive.writeText(key);
        visitPayerTexts(entry, archive);
        archive.writeTime(entry.date);
    }
    return archive.take();
}

void ReadPayerList(const QByteArray& bytes, const std::function<void(const QString& key, CPayers entry)>& take)
{
    ArchiveReader archive(bytes);
    const qint32 count = archive.readInt();
    if (count < 0)
        throw ArchiveError("the entry count is negative");
    for (qint32 i = 0; i < count; ++i) {
        const QString key = archive.readText();
        CPayers entry;
        visitPayerTexts(entry, archive);
        entry.date = archive.readTime();
        take(key, std::move(entry));
    }
    // Bytes past the last entry mean the count is wrong or the file is not
    // a Payer List: entries there would be lost on the next rewrite.
    if (!archive.atEnd())
        throw ArchiveError("the file holds more than its entries");
}

bool IsWholePayerList(const QByteArray& bytes)
{
    try {
        ReadPayerList(bytes, [](const QString&, CPayers) {});
        return true;
    } catch (const ArchiveError&) {
        return false;
    }
}
