#pragma once

#include "pdf/PdfNamePattern.h"

#include <QDate>

class AppContext;

// The logic of the AdviceName dialog, which the payment summaries of all
// payees show first: the date printed on every summary and the file-name
// pattern. The dialog is registered with the program's one pattern as its
// extra reference:
//     registerModalDialog<AdviceName>(ui, "AdviceName", context, pdfOutputs.namePattern());
// and builds this form on the context and that pattern. Its answers go to
// the report (pdfFilePerPayee, declarationDate) and to the pattern.
class AdviceNameForm
{
public:
    AdviceNameForm(AppContext& context, PdfNamePattern& pattern);

    // What the dialog shows when it opens: always the default pattern.
    static PdfNamePattern initialPattern() { return PdfNamePattern::defaults(); }
    // The index of each field's initial item in PdfNamePattern::fieldItems().
    static int initialFieldIndex(int field);

    // "Select Folder": takes the date (as "d/M/yyyy") and the six parts of
    // the name exactly as typed and chosen; the dialog then closes with OK.
    // typed.cancelled is ignored.
    void OnBnClickedSelectFolder(const QDate& date, const PdfNamePattern& typed);
    // "Cancel": marks the pattern cancelled; the dialog then closes.
    void OnBnClickedCancel();

private:
    AppContext& m_context;
    PdfNamePattern& m_pattern;
};
