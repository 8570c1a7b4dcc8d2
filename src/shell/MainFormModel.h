#pragma once

#include <QSize>
#include <QString>

class AppContext;

// Everything the main form shows, computed from the report alone: the form
// holds no data of its own.
struct MainFormState {
    int scalePercent = 100;
    int fontHeight24 = 24;
    int fontHeight14 = 14;
    int fontHeight20 = 20;

    // Payer and supplier: the text goes to the two-line label when it is
    // longer than 70 characters (each "&" counting twice), else to the
    // one-line label.
    QString payerText;
    bool payerLongShown = false;
    bool payerShortShown = false;
    QString supplierText;
    bool supplierLongShown = false;
    bool supplierShortShown = false;
    QString payerAbnText; // the hidden holders
    QString supplierAbnText;

    QString yearText;
    QString payeesIncludedText;
    QString payeesToBeCheckedText;
    QString fileReferenceText;

    int stepsComplete = 0; // payer, supplier, year
    bool generateEnabled = false;
    bool disabledNoteShown = true;
    bool yearEnabled = false;
    bool loadA01Shown = true;
    bool loadA01Enabled = false;
    bool originalA01Shown = false;
};

inline const QString kMustUpdateThis = QStringLiteral("You must update this");

// The main window's minimum size by the screen's dots per inch.
QSize MinimumFrameSize(int dotsPerInch);

// Recomputes the whole form from the report, and stores the display scale
// in the report.
MainFormState RefreshView(AppContext& context, int dotsPerInch);

// The form's two edits, read back into the report.
struct FormEdits {
    QString year;
    QString fileReference;
};
// Copies the edits into the report and marks it modified when either differs.
void SyncEditsToDoc(AppContext& context, const FormEdits& edits);
