#include "payees/dialogs/PayeeEtpBusParts.h"

#include "report/FieldRules.h"
#include "widgets/DialogKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{

// The last report year the forms know.
constexpr int kLatestReportYear = 2027;

} // namespace

void addFieldRow(QGridLayout* grid, int row, const QString& caption, QWidget* control, QWidget* markers)
{
    auto* label = new QLabel(caption, control->parentWidget());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
    grid->addWidget(markers, row, 2);
}

QWidget* dateLists(PayeeFormDialog& dialog, const QString& name, const QString& what, PayeeField field,
    QString CCards::*day, QString CCards::*month, QString CCards::*year, const QStringList& days,
    const QStringList& months, const QStringList& years)
{
    auto* row = new QWidget(dialog.body());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto tip = [&what](const char* part) {
        return QStringLiteral("For %1, choose %2 number from dropdown list").arg(what, QLatin1String(part));
    };
    layout->addWidget(dialog.listBox(name + QStringLiteral("Day"), field, day, days, ListMatch::Day, tip("Day")));
    layout->addWidget(
        dialog.listBox(name + QStringLiteral("Month"), field, month, months, ListMatch::Month, tip("Month")));
    layout->addWidget(dialog.listBox(name + QStringLiteral("Year"), field, year, years, ListMatch::Year, tip("Year")));
    return row;
}

QComboBox* tfnCombo(PayeeFormDialog& dialog)
{
    return dialog.comboEdit(QStringLiteral("tfn"), &CCards::tfn,
        { QStringLiteral(" "), QStringLiteral("000 000 000"), QStringLiteral("111 111 111"),
            QStringLiteral("333 333 333"), QStringLiteral("444 444 444") },
        QStringLiteral("Enter Payee's TFN as XXX XXX XXX or choose from dropdown list"));
}

MyGroupBox* payeeNameGroup(PayeeFormDialog& dialog)
{
    MyGroupBox* group = dialog.groupBox(QStringLiteral("Payee Name"), QStringLiteral("payeeNameGroup"));
    auto* grid = new QGridLayout(group);
    addFieldRow(grid, 0, QStringLiteral("Surname:"),
        dialog.textEdit(QStringLiteral("surname"), &CCards::surname, QStringLiteral("Enter the Surname of the Payee")),
        dialog.markers(PayeeField::Surname, QStringLiteral("surname")));
    addFieldRow(grid, 1, QStringLiteral("First Given Name:"),
        dialog.textEdit(
            QStringLiteral("firstName"), &CCards::firstName, QStringLiteral("Enter the First Given Name of the Payee")),
        dialog.markers(PayeeField::FirstName, QStringLiteral("firstName")));
    addFieldRow(grid, 2, QStringLiteral("2nd Given Name:"),
        dialog.textEdit(QStringLiteral("secName"), &CCards::secName,
            QStringLiteral("Enter the Second Given Name of the Payee - if any")),
        dialog.markers(PayeeField::SecName, QStringLiteral("secName")));
    // Every year a payee of a supported report year may have been born in.
    QStringList years { QStringLiteral("0000") };
    years << numberItems(kLatestReportYear, 1900, 4);
    addFieldRow(grid, 3, QStringLiteral("Date of Birth:"),
        dateLists(dialog, QStringLiteral("dob"), QStringLiteral("Date of Birth"), PayeeField::DateOfBirth,
            &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear, numberItems(0, 31), numberItems(0, 12), years),
        dialog.markers(PayeeField::DateOfBirth, QStringLiteral("dob")));
    return group;
}

MyGroupBox* postalAddressGroup(PayeeFormDialog& dialog, bool sortedStates)
{
    MyGroupBox* group = dialog.groupBox(QStringLiteral("Postal Address"), QStringLiteral("postalAddressGroup"));
    auto* grid = new QGridLayout(group);
    addFieldRow(grid, 0, QStringLiteral("Address Line 1:"),
        dialog.textEdit(QStringLiteral("addLine1"), &CCards::addLine1, QStringLiteral("Enter Payee's address Line 1")),
        dialog.markers(PayeeField::AddLine1, QStringLiteral("addLine1")));
    addFieldRow(grid, 1, QStringLiteral("Address Line 2:"),
        dialog.textEdit(QStringLiteral("addLine2"), &CCards::addLine2,
            QStringLiteral("Enter Payee's address Line 2 - leave empty if none")),
        dialog.markers(PayeeField::AddLine2, QStringLiteral("addLine2")));
    addFieldRow(grid, 2, QStringLiteral("Suburb:"),
        dialog.textEdit(
            QStringLiteral("suburb"), &CCards::suburb, QStringLiteral("Enter suburb, town or city of Payee's address")),
        dialog.markers(PayeeField::Suburb, QStringLiteral("suburb")));
    addFieldRow(grid, 3, QStringLiteral("PCode:"),
        dialog.numberEdit(QStringLiteral("pCode"), &CCards::pCode, 0,
            QStringLiteral("Enter 4 digit postcode for the address of the Payee")),
        dialog.markers(PayeeField::PCode, QStringLiteral("pCode")));
    addFieldRow(grid, 4, QStringLiteral("Country:"),
        dialog.textEdit(QStringLiteral("country"), &CCards::country,
            QStringLiteral("Enter Payee's Country - leave blank if Australia")),
        dialog.markers(PayeeField::Country, QStringLiteral("country")));
    QStringList states = StateChoices();
    if (sortedStates)
        states.sort();
    addFieldRow(grid, 5, QStringLiteral("State:"),
        dialog.listBox(QStringLiteral("state"), PayeeField::State, &CCards::state, states, ListMatch::Text,
            QStringLiteral("Choose from dropdown list, the state or territory for the address of the Payee")),
        dialog.markers(PayeeField::State, QStringLiteral("state")));
    return group;
}
