#pragma once

#include <QDate>
#include <QString>

class AppContext;

// The logic of the CGenSinglePay dialog, which a single payment summary
// shows first: the date printed on it and the file to write. Registered
// with the context alone:
//     registerModalDialog<CGenSinglePay>(ui, "CGenSinglePay", context);
// The answers go to the report: declarationDate, pdfOutputPath,
// pdfTemplatePath and pdfConfirmed ("Yes" only when a file was chosen).
class SinglePayForm
{
public:
    explicit SinglePayForm(AppContext& context);

    // "OK": takes the date (as "dd/MM/yyyy") and asks for the file. The
    // dialog closes with OK whatever the answer.
    void OnBnClickedOk(const QDate& date);
    // "Cancel": nothing is written; the dialog then closes.
    void OnBnClickedCancel();

private:
    AppContext& m_context;
};

// The temporary blank form of a single payment summary lies beside it.
inline const QString kSingleTemplateName = QStringLiteral("tempps.pdf");
