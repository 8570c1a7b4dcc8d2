#pragma once

#include "payers/PayerValidation.h"

#include <QtGlobal>

#include <array>

class AppContext;
struct Report;

// What the report's Payer Details dialog decides. It shows the report's
// payer (a copy of one Payer List entry) read-only; the payer is chosen in
// the Payer List.
class ReportPayerForm
{
public:
    // now stands for the current time when the report's payer has no date.
    ReportPayerForm(AppContext& context, qint64 now);
    explicit ReportPayerForm(AppContext& context);

    // What the controls show (the ABN/WPN in its display form).
    PayerFields fields;
    qint64 shownDate = 0;

    // Shows the report's payer values again.
    void fill();
    // Keeps what is shown for the report; the dialog closes.
    void update();
    // True when the dialog closes; asks first when the shown details differ
    // from those last kept.
    bool close();
    // Opens the Payer List, then shows the report's payer again.
    void selectFromPayerList();

private:
    void readBack();
    void takeSavedCopies();

    AppContext& m_context;
    qint64 m_now;
};

// The report's payer values in the order of its saved copies and of
// PayerFieldValues.
std::array<QString*, 14> ReportPayerValues(Report& r);
// Makes the report's payer a copy of the Payer List entry of that key, and
// marks the report modified.
void SetReportPayer(AppContext& context, const QString& key, const CPayers& entry);

inline const QString kPayerDetailsNotUpdated = QStringLiteral(
    "Change of Payer Details have not been updated for this Report. \r\n\r\nDo you want update the Payer Details in "
    "this Report before closing this screen?");
