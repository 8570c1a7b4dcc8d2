// A Payer List export from anywhere imported into a Payer List file of three
// entries, whole or cut short (first byte), with the questions answered Yes,
// No or Cancel (second byte, two bits a question). The entries go into the
// list as its file holds it (a file cut short: the entries before the cut).
// A damaged file or a Cancel leaves the live file as it was; otherwise the
// Payer List is the merge the answers asked for, the live file reads back
// whole as it, and a live file that was cut short is kept under a new name
// first. No lock file stays behind.
#include "FuzzSupport.h"

#include "payers/PayerListFile.h"
#include "payers/PayerListStore.h"
#include "report/AppContext.h"
#include "report/Archive.h"

#include <QSettings>
#include <QTemporaryDir>

#include <vector>

namespace
{

const QString kImport = QStringLiteral("import.mpl");

class ImportUi : public FuzzUi
{
public:
    quint8 answers = 0;
    int asked = 0;

    std::optional<QString> openFileName(const FileDialogRequest&) override { return kImport; }
    Answer message(const QString& text, MessageButtons buttons, MessageIcon icon) override
    {
        FuzzUi::message(text, buttons, icon);
        if (buttons != MessageButtons::YesNoCancel)
            return Answer::Ok;
        return answerFor(answers, asked++);
    }

    static Answer answerFor(quint8 answers, int question)
    {
        switch ((answers >> (2 * (question % 4))) & 3) {
        case 0:
            return Answer::Cancel;
        case 1:
            return Answer::No;
        default:
            return Answer::Yes;
        }
    }
};

CPayers payer(const QString& name, const QString& abn, const QString& branch)
{
    CPayers p;
    p.name = name;
    p.abn = abn;
    p.branch = branch;
    p.ref = name.left(3);
    return p;
}

bool readWhole(const QByteArray& bytes, std::vector<std::pair<QString, CPayers>>& entries)
{
    try {
        ReadPayerList(
            bytes, [&entries](const QString& key, CPayers entry) { entries.emplace_back(key, std::move(entry)); });
        return true;
    } catch (const ArchiveError&) {
        return false;
    }
}

// The entries a Payer List file holds, those before any damage.
PayerMap readable(const QByteArray& bytes)
{
    std::vector<std::pair<QString, CPayers>> entries;
    readWhole(bytes, entries);
    PayerMap map;
    for (auto& [key, entry] : entries)
        map.insert_or_assign(key, std::move(entry));
    return map;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Saving the Payer List sets a preference: keep it out of the real profile.
    static QTemporaryDir profile;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, profile.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(fuzzBytes(data, size));
    const bool liveCut = in.takeByte() & 1;
    const quint8 answers = in.takeByte();
    const QByteArray bytes = in.rest();

    ImportUi ui;
    ui.answers = answers;
    MemoryFileSystem files;
    AppContext context(ui, files);
    PayerMap held;
    for (const CPayers& p :
        { payer(QStringLiteral("Acme Pty Ltd"), QStringLiteral("53004085616"), QStringLiteral("001")),
            payer(QStringLiteral("Beta Co"), QStringLiteral("53004085616"), QStringLiteral("002")),
            payer(QStringLiteral("Gamma"), QStringLiteral("11111111111"), QStringLiteral("001")) })
        held[p.abn + p.branch] = p;
    context.payers = held;
    const QString live = LivePayerListPath(context);
    const QByteArray liveBytes = liveCut ? WritePayerList(held).left(40) : WritePayerList(held);
    files.files[live] = liveBytes;
    files.files[kImport] = bytes;

    ImportPayerList(context);

    // What the import should come to, from the files read on their own.
    std::vector<std::pair<QString, CPayers>> entries;
    const bool whole = readWhole(bytes, entries);
    const PayerMap base = readable(liveBytes);
    PayerMap expected = base;
    bool cancelled = false;
    int questions = 0;
    for (auto& [key, entry] : entries) {
        if (!whole)
            break;
        const auto found = expected.find(key);
        if (found == expected.end()) {
            expected.emplace(key, entry);
            continue;
        }
        const Answer answer = ImportUi::answerFor(answers, questions++);
        if (answer == Answer::Cancel) {
            cancelled = true;
            break;
        }
        if (answer == Answer::Yes)
            found->second = entry;
    }
    FUZZ_CHECK(
        ui.asked == (whole ? questions : 0), QStringLiteral("%1 questions, %2 expected").arg(ui.asked).arg(questions));

    if (!whole || cancelled) {
        // A damaged file is refused before the live file is read; a Cancel
        // comes after, and the Payer List shows what the file holds.
        FUZZ_CHECK(context.payers == (whole ? base : held),
            QStringLiteral("a damaged file or a Cancel changed the Payer List"));
        FUZZ_CHECK(
            files.files.at(live) == liveBytes, QStringLiteral("a damaged file or a Cancel rewrote the live file"));
        FUZZ_CHECK(files.files.size() == 2, QString::number(files.files.size()));
        if (!whole)
            FUZZ_CHECK(ui.texts.size() == 1
                    && ui.texts.first().contains(QStringLiteral("none of its Payers has been imported")),
                ui.texts.join(u'|'));
        return 0;
    }

    FUZZ_CHECK(context.payers == expected, QStringLiteral("the Payer List is not the merge asked for"));
    std::vector<std::pair<QString, CPayers>> written;
    FUZZ_CHECK(readWhole(files.files.at(live), written), QStringLiteral("the live file does not read whole"));
    PayerMap reread;
    for (auto& [key, entry] : written)
        reread.insert_or_assign(key, std::move(entry));
    FUZZ_CHECK(reread == expected, QStringLiteral("the live file reads back different"));
    // A live file that did not read whole is kept beside the new one.
    FUZZ_CHECK(files.files.size() == (liveCut ? 3u : 2u), QString::number(files.files.size()));
    if (liveCut) {
        bool kept = false;
        for (const auto& [path, contents] : files.files)
            kept = kept || (path != live && path != kImport && contents == liveBytes);
        FUZZ_CHECK(kept, QStringLiteral("the cut live file was not kept"));
    }
    return 0;
}
