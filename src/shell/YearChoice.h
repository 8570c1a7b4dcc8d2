#pragma once

#include "report/ReportYears.h"

#include <QString>
#include <QStringList>

class AppContext;

// What the year list offers: the whole table, 2012 to 2027.
QStringList YearListItems();

inline const QString kSelectYearMessage = QStringLiteral("You must select a year from the drop down list.");
inline const QString kChangeYearText = QStringLiteral(
    "If you click OK, you will be able to select a new Year for this Report. The year will be changed, and all From "
    "and To dates with be changed to for each Payee in this Report to 1 July and 30 June of the selected year. "
    "\r\n\r\nYou will then need to update any dates and amounts as required. Be sure to select SaveAs when saving "
    "the file, giving it a new file name.");

// The Choose Year dialog's logic.
class CDateSet1Logic {
public:
    explicit CDateSet1Logic(AppContext& context) : m_context(context) {}

    // The list is enabled only while the report has no year.
    bool listEnabled() const;
    // The year the list shows on opening; empty for no selection.
    QString initialSelection() const;
    // OK with the list's text: false (and the message) when none is chosen.
    bool OnBnClickedOk(const QString& listText);

private:
    AppContext& m_context;
};

// The Change Year dialog's logic.
class ChangeYearLogic {
public:
    explicit ChangeYearLogic(AppContext& context) : m_context(context) {}

    void OnInitDialog();
    // After the dialog closed with OK: runs Choose Year and, when a year
    // was confirmed, moves every payee to it.
    void OnBnClickedOk();

private:
    AppContext& m_context;
};

// Every payee unchecked; the period of INB, BUS, PEN and FEI payees made
// the whole financial year of the report.
void MovePayeesToReportYear(AppContext& context);
