#include "pdf/PdfNamePattern.h"

const QStringList& PdfNamePattern::fieldItems()
{
    static const QStringList items = { QStringLiteral(" "), QStringLiteral("Payee_Type"), QStringLiteral("TFN"),
        QStringLiteral("Payee_Name"), QStringLiteral("Employee_No"), QStringLiteral("Year") };
    return items;
}

PdfNamePattern PdfNamePattern::defaults()
{
    const QStringList& items = fieldItems();
    PdfNamePattern pattern;
    pattern.field1 = items.at(3);
    pattern.field2 = items.at(0);
    pattern.field3 = items.at(0);
    pattern.field4 = items.at(5);
    pattern.text2 = QStringLiteral("Payment_Summary");
    return pattern;
}
