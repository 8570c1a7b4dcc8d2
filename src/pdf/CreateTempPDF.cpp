#include "pdf/CreateTempPDF.h"

#include "pdf/BlankForms.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <QUuid>

#include <exception>
#include <stdexcept>

FileResult CreateFileBeside(FileSystem& files, const QString& path, const QByteArray& contents, QString& created)
{
    created.clear();
    const QString folder = folderOf(path);
    // No folder is no folder: never the working directory.
    if (folder.isEmpty())
        return { FileError::NotFound, QStringLiteral("no folder given") };
    QString stem = fileNameOf(path);
    QString extension;
    if (const qsizetype dot = stem.lastIndexOf(QLatin1Char('.')); dot > 0) {
        extension = stem.mid(dot);
        stem.truncate(dot);
    }
    FileResult result;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString candidate
            = joinPath(folder, stem + QLatin1Char('-') + QUuid::createUuid().toString(QUuid::Id128) + extension);
        result = files.createExclusive(candidate, contents);
        if (result.ok()) {
            created = candidate;
            return result;
        }
        if (result.error != FileError::AlreadyExists)
            break;
    }
    return result;
}

QString CreateTempPDF(AppContext& context, const QString& payeeType, const QString& origAmended)
{
    WaitCursor wait(context.ui);
    Report& report = context.report();
    report.pdfTemplateFailed = 0;
    try {
        const int number = FormNumber(payeeType, report.reportYearNumber, origAmended);
        if (number == 0)
            return {};
        const QByteArray form = BlankForms::bytes(number);
        if (form.isEmpty())
            throw std::runtime_error("blank form missing");
        QString created;
        if (CreateFileBeside(context.files, report.pdfTemplatePath, form, created).ok())
            return created;
        context.ui.message(kTempPdfNotSaved);
    } catch (const std::exception&) {
        context.ui.message(kTempPdfError);
    }
    report.pdfTemplateFailed = 1;
    return {};
}
