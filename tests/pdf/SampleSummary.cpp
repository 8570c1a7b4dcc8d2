// Not a test: writes the flattened payment summary of an INB payee whose
// summary fills every box, for looking over the form as a payee sees it
// (scripts/screenshots.sh draws it for the README).
// Usage: sample_payment_summary <file.pdf>

#include "pdf/PdfTestKit.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sample_payment_summary <file.pdf>\n");
        return 2;
    }
    try {
        writeFile(QString::fromLocal8Bit(argv[1]), flattenedSummary2018(fullSummaryPayee(QStringLiteral("INB"))));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sample_payment_summary: %s\n", e.what());
        return 1;
    }
    return 0;
}
