#include "lodgement_import/CrLfTool.h"

#include "lodgement_import/LodgementReader.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <cstring>
#include <optional>
#include <utility>

QByteArray WithoutLineBreaks(QByteArray bytes)
{
    // In place: a lodgement file may be tens of megabytes.
    char* out = bytes.data();
    const char* in = out;
    const char* const end = in + bytes.size();
    while (in < end) {
        const char* run = in;
        while (in < end && *in != '\r' && *in != '\n')
            ++in;
        if (out != run)
            std::memmove(out, run, size_t(in - run));
        out += in - run;
        while (in < end && (*in == '\r' || *in == '\n'))
            ++in;
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

void OnFixA01LineBreaks(AppContext& context)
{
    UserInterface& ui = context.ui;
    WaitCursor wait(ui);

    FileDialogRequest open;
    open.filter = kLodgementFileFilter;
    open.overwritePrompt = false;
    const std::optional<QString> input = ui.openFileName(open);
    if (!input)
        return;

    FileDialogRequest save;
    save.filter = kLodgementFileFilter;
    save.defaultExtension = QStringLiteral("*.A01");
    const std::optional<QString> output = ui.saveFileName(save);
    if (!output)
        return;

    QByteArray bytes;
    if (const FileResult read = context.files.readAll(*input, bytes); !read.ok()) {
        ui.message(WithReason(kCannotOpenFile, read));
        return;
    }
    const FileResult written = context.files.writeWhole(*output, WithoutLineBreaks(std::move(bytes)));
    if (!written.ok()) {
        ui.message(WithReason(kCrLfSaveFailed, written));
        return;
    }
    TellSaved(ui, *output, written, kFileSaved);
}
