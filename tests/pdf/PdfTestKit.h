#pragma once

#include "pdf/PdfValues.h"
#include "report/Report.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

// What a test reads back from a PDF.
struct FormField {
    QString type; // "/Tx", "/Btn", ...
    QString value; // the field's value as text; empty when it has none
    int flags = 0; // /Ff
};

// Every terminal form field by its full name; throws when QPDF cannot read
// the document. warnings counts what QPDF found wrong with it.
std::map<QString, FormField> readFormFields(const QByteArray& pdf, int* warnings = nullptr);
// The page text as pdftotext extracts it.
QString pdfText(const QByteArray& pdf);
// Whether pdftoppm renders the first page with at least one dark pixel.
bool pageHasInk(const QByteArray& pdf);
// A classic cross-reference table at the end and no object or xref streams.
bool hasClassicXrefOnly(const QByteArray& pdf);

// A 2018 report of the payer "Acme Pty Ltd" (ABN 53004085616, branch 001,
// signed by "J Smith"), as the payment summaries print it.
void setSummaryPayer2018(Report& report);

// A payee of the type with a name, an address and a TFN, nothing else.
CCards samplePayee(const QString& type);

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// A payee's values as the payment summaries prepare them, kept simple:
// amount texts are the plain numbers, dates day/month/year.
PdfValues plainValues(const CCards& card);
