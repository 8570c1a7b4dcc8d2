#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QString>

class AppContext;

// Creates a new file of a unique name in the folder of `path`, named after
// it ("tempps.pdf" gives "tempps-<id>.pdf"), holding contents, and gives its
// path in `created`. Never touches an existing file.
FileResult CreateFileBeside(FileSystem& files, const QString& path, const QByteArray& contents, QString& created);

// Writes the blank form for a payee type and original/amended indicator as
// a private template in the folder of the report's pdfTemplatePath. Returns
// the template's path: empty when no form fits (nothing is reported then)
// or when it could not be written (reported, and pdfTemplateFailed set).
QString CreateTempPDF(AppContext& context, const QString& payeeType, const QString& origAmended);

inline const QString kTempPdfNotSaved
    = QStringLiteral("Temp PDF not Saved. \nCheck that you have write permission.\n\nTry a different location.");
inline const QString kTempPdfError
    = QStringLiteral("An unknown error has occurred while creating a temp PDF file - Ref #1033.");
