#pragma once

#include "pdf/FormFiller.h"
#include "pdf/PdfValues.h"
#include "report/Report.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

// What a test reads back from a PDF.
struct FormField {
    QString type; // "/Tx", "/Btn", ...
    QString value; // the field's value as text; empty when it has none
    int flags = 0; // /Ff
    int quadding = 0; // /Q: 0 left, 1 centred, 2 right
    // The left and right edges of its first widget, in points from the page's left.
    double left = 0;
    double right = 0;
};

// A word of the page as pdftotext -bbox places it, in points from the top
// left corner of the page.
struct PdfWord {
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

// Every terminal form field by its full name; throws when QPDF cannot read
// the document. warnings counts what QPDF found wrong with it.
std::map<QString, FormField> readFormFields(const QByteArray& pdf, int* warnings = nullptr);
// The page text as pdftotext extracts it.
QString pdfText(const QByteArray& pdf);
// Why the page cannot be read as text or drawn (pdftotext or pdftoppm is not
// installed); empty when it can.
QString popplerMissing();
// The words of the first page, in the order pdftotext finds them.
std::vector<PdfWord> pdfWords(const QByteArray& pdf);
// One line of the page: its words left to right, joined by single blanks,
// and the bottom of its words' boxes.
struct PdfLine {
    QString text;
    double bottom = 0;
};
// The words grouped into lines, top to bottom: the page as a reader reads it.
std::vector<PdfLine> pdfReadingLines(const QByteArray& pdf);
// Whether pdftoppm renders the first page with at least one dark pixel.
bool pageHasInk(const QByteArray& pdf);
// A classic cross-reference table at the end and no object or xref streams.
bool hasClassicXrefOnly(const QByteArray& pdf);

// A value drawn on the first page of a flattened form, read from the page's
// content and the appearance it draws: the text (the font's bytes read as
// Latin-1), the font and size it is drawn at, where it starts inside its
// box and how wide it is by the font's widths (its /Widths, or the standard
// metrics of Helvetica), and the width of its box, which clips it. In points.
struct DrawnText {
    QString text;
    QString font; // the base font
    double size = 0;
    double x = 0;
    double width = 0;
    double boxWidth = 0;
};
// Every value the page draws through an appearance, in the page's order;
// throws when one cannot be read or measured.
std::vector<DrawnText> drawnTexts(const QByteArray& pdf);

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

// An INB or FEI payee whose summary fills every box: all amounts, four
// allowances, a union fee, workplace giving, exempt foreign income, an
// annuity and a Lump Sum E with its three accrual lines.
CCards fullSummaryPayee(const QString& type);
// The flattened 2018 original payment summary of an INB or FEI payee of
// setSummaryPayer2018's payer, as the program writes it (Print Zero "No").
QByteArray flattenedSummary2018(const CCards& card);
// The same, finished as asked.
QByteArray filledSummary2018(const CCards& card, FormFinish finish);
