// The CR/LF tool end to end: a file from anywhere, chosen as input and as
// output (the same file or another, as the first byte says), is copied with
// every CR and LF gone and nothing else changed, the input left as it was
// when it is another file; the copy is then loaded as a lodgement file, which
// never adds more payees than it has records.
#include "FuzzSupport.h"

#include "lodgement_import/CrLfTool.h"
#include "lodgement_import/LodgementReader.h"
#include "report/AppContext.h"
#include "report/Report.h"

namespace
{

const QString kInput = QStringLiteral("input.A01");

class ToolUi : public FuzzUi
{
public:
    QString output;
    std::optional<QString> openFileName(const FileDialogRequest&) override { return kInput; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return output; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(fuzzBytes(data, size));
    const bool sameFile = in.takeByte() & 1;
    const QByteArray bytes = in.rest();

    ToolUi ui;
    ui.output = sameFile ? kInput : QStringLiteral("output.A01");
    MemoryFileSystem files;
    files.files[kInput] = bytes;
    AppContext context(ui, files);
    OnFixA01LineBreaks(context);

    FUZZ_CHECK(ui.texts == QStringList { kFileSaved }, ui.texts.join(u'|'));
    QByteArray expected;
    for (const char c : bytes) {
        if (c != '\r' && c != '\n')
            expected += c;
    }
    FUZZ_CHECK(files.files.at(ui.output) == expected, QStringLiteral("the copy is not the input without CR and LF"));
    if (!sameFile)
        FUZZ_CHECK(files.files.at(kInput) == bytes, QStringLiteral("the input changed"));

    FuzzUi loadUi;
    Report report;
    if (LoadLodgementFile(report, loadUi, files.files.at(ui.output)))
        FUZZ_CHECK(qint64(report.payees.size()) <= expected.size() / 628, QString::number(report.payees.size()));
    return 0;
}
