#pragma once

#include <QString>
#include <QStringList>

// How the payment summaries of all payees name their files: a typed text,
// four fields chosen from fieldItems() and another typed text, joined with
// underscores. It lives only as long as the program runs: it is no report
// value. PdfOutputs owns the one pattern of the program; the AdviceName
// dialog writes it and the run of all payees reads it.
struct PdfNamePattern {
    QString text1;
    QString field1;
    QString field2;
    QString field3;
    QString field4;
    QString text2;
    // Set when the user left the AdviceName dialog with Cancel.
    bool cancelled = false;

    // The items each field list offers, in order: " " (no field),
    // "Payee_Type", "TFN", "Payee_Name", "Employee_No", "Year".
    static const QStringList& fieldItems();

    // The pattern the dialog opens with: no first text, "Payee_Name", " ",
    // " ", "Year", then "Payment_Summary". It is not remembered between runs.
    static PdfNamePattern defaults();

    bool operator==(const PdfNamePattern&) const = default;
};
