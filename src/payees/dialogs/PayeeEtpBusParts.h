#pragma once

#include "payees/dialogs/PayeeFormDialog.h"

#include <QStringList>

class MyGroupBox;
class QComboBox;
class QGridLayout;

// Holds a form's logic, so it exists before the dialog base that shows it.
template <class Form> struct PayeeFormHolder {
    explicit PayeeFormHolder(AppContext& context)
        : heldForm(context)
    {
    }
    Form heldForm;
};

// The controls the ETP and BUS forms share: the same fields, tooltips and
// lists, built once on the form dialog base.

// A caption, a control and its markers on one row of a grid.
void addFieldRow(QGridLayout* grid, int row, const QString& caption, QWidget* control, QWidget* markers);

// Day, month and year lists of one date, side by side, named
// "<name>Day", "<name>Month", "<name>Year" ("For <what>, choose Day number
// from dropdown list" ...).
QWidget* dateLists(PayeeFormDialog& dialog, const QString& name, const QString& what, PayeeField field,
    QString CCards::*day, QString CCards::*month, QString CCards::*year, const QStringList& days,
    const QStringList& months, const QStringList& years);

// The TFN: typed as "XXX XXX XXX" or one of the numbers that stand for no
// TFN quoted.
QComboBox* tfnCombo(PayeeFormDialog& dialog);

// "Payee Name": surname, given names and date of birth.
MyGroupBox* payeeNameGroup(PayeeFormDialog& dialog);

// "Postal Address": address lines, suburb, postcode, country and state
// (the state list sorted when asked).
MyGroupBox* postalAddressGroup(PayeeFormDialog& dialog, bool sortedStates);
