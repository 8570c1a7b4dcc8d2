// A Payer List file from anywhere (LivePayerList.mpl or an export): it is
// read whole or refused at the damage with the entries before it kept, and
// what was read writes and reads back as the same list, byte for byte.
#include "FuzzSupport.h"

#include "payers/PayerListFile.h"
#include "payers/PayerListStore.h"
#include "report/AppContext.h"
#include "report/Archive.h"

namespace
{

PayerMap readEntries(const QByteArray& bytes, bool& whole)
{
    PayerMap payers;
    whole = true;
    try {
        ReadPayerList(
            bytes, [&payers](const QString& key, CPayers entry) { payers.insert_or_assign(key, std::move(entry)); });
    } catch (const ArchiveError&) {
        whole = false;
    }
    return payers;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    bool whole = false;
    const PayerMap payers = readEntries(bytes, whole);
    FUZZ_CHECK(IsWholePayerList(bytes) == whole, QString());

    // What was read, whole or in part, writes and reads back unchanged.
    const QByteArray written = WritePayerList(payers);
    bool rereadWhole = false;
    const PayerMap reread = readEntries(written, rereadWhole);
    FUZZ_CHECK(rereadWhole, QStringLiteral("a written Payer List does not read whole"));
    FUZZ_CHECK(reread == payers, QStringLiteral("the written Payer List reads back different"));
    FUZZ_CHECK(WritePayerList(reread) == written, QStringLiteral("the second write differs from the first"));

    // The Payer List dialog's reader: the same entries, and only its messages.
    FuzzUi ui;
    MemoryFileSystem files;
    AppContext context(ui, files);
    context.payers[QStringLiteral("held before")] = CPayers();
    files.files[LivePayerListPath(context)] = bytes;
    const QString standardFailure = QStringLiteral("standard failure");
    const PayerListLoad load = LoadLivePayerList(context, standardFailure);
    FUZZ_CHECK(context.payers == payers, QStringLiteral("the dialog's reader holds other entries"));
    if (whole) {
        FUZZ_CHECK(load == PayerListLoad::Loaded && ui.texts.isEmpty(), ui.texts.join(u'|'));
    } else {
        FUZZ_CHECK(load == PayerListLoad::Damaged, QString());
        FUZZ_CHECK(
            ui.texts == QStringList { QStringLiteral("Unable to load Payer data from file") }, ui.texts.join(u'|'));
    }
    return 0;
}
