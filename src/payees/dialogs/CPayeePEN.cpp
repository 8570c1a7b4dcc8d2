#include "payees/dialogs/CPayeePEN.h"

#include "widgets/DialogKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{

PayeeFormLook penLook()
{
    PayeeFormLook look;
    look.windowTitle = QStringLiteral("Quillastrand - PEN Payee Details");
    look.payrollLabel = QStringLiteral("Payee/Payroll No:");
    look.tall = true;
    return look;
}

} // namespace

CPayeePEN::CPayeePEN(AppContext& context, QWidget* parent)
    : PenFormHolder(context)
    , PayeeFormDialog(context, penForm, penLook(), parent)
{
    build();
    load();
    // The record has the indicator from 2018 only.
    m_reversionaryLabel->setVisible(penForm.reversionaryVisible);
    m_reversionaryList->setVisible(penForm.reversionaryVisible);
}

void CPayeePEN::build()
{
    using F = PayeeField;
    auto row = [](QGridLayout* grid, int r, const QString& label, QWidget* field, QWidget* marks) {
        grid->addWidget(new QLabel(label), r, 0);
        grid->addWidget(field, r, 1);
        if (marks)
            grid->addWidget(marks, r, 2);
    };

    auto* top = new QGridLayout;
    row(top, 0, QStringLiteral("TFN:"),
        comboEdit(QStringLiteral("tfn"), &CCards::tfn,
            { QStringLiteral(" "), QStringLiteral("000 000 000"), QStringLiteral("111 111 111"),
                QStringLiteral("333 333 333"), QStringLiteral("444 444 444") },
            QStringLiteral("Enter Payee's TFN as XXX XXX XXX or choose from dropdown list")),
        markers(F::Tfn, QStringLiteral("tfn")));
    row(top, 1, QStringLiteral("Income Type:"),
        listBox(QStringLiteral("incomeType"), F::IncomeType, &CCards::incomeType, { kPenIncomeType }, ListMatch::Text,
            QStringLiteral("Select Income Type from available choices")),
        markers(F::IncomeType, QStringLiteral("incomeType")));
    bodyLayout()->addLayout(top);

    MyGroupBox* name = groupBox(QStringLiteral("Payee Name"), QStringLiteral("payeeNameGroup"));
    auto* nameGrid = new QGridLayout(name);
    row(nameGrid, 0, QStringLiteral("Surname:"),
        textEdit(QStringLiteral("surname"), &CCards::surname, QStringLiteral("Enter the Surname of the Payee")),
        markers(F::Surname, QStringLiteral("surname")));
    row(nameGrid, 1, QStringLiteral("First Given Name:"),
        textEdit(
            QStringLiteral("firstName"), &CCards::firstName, QStringLiteral("Enter the First Given Name of the Payee")),
        markers(F::FirstName, QStringLiteral("firstName")));
    row(nameGrid, 2, QStringLiteral("2nd Given Name:"),
        textEdit(QStringLiteral("secName"), &CCards::secName,
            QStringLiteral("Enter the Second Given Name of the Payee - if any")),
        markers(F::SecName, QStringLiteral("secName")));
    auto* dob = new QHBoxLayout;
    dob->addWidget(listBox(QStringLiteral("dobDay"), F::DateOfBirth, &CCards::dobDay, numberItems(0, 31, 2),
        ListMatch::Day, QStringLiteral("For Date of Birth, choose Day number from dropdown list")));
    dob->addWidget(listBox(QStringLiteral("dobMonth"), F::DateOfBirth, &CCards::dobMonth, numberItems(0, 12, 2),
        ListMatch::Month, QStringLiteral("For Date of Birth, choose Month number from dropdown list")));
    dob->addWidget(listBox(QStringLiteral("dobYear"), F::DateOfBirth, &CCards::dobYear, birthYearItems(),
        ListMatch::Year, QStringLiteral("For Date of Birth, choose Year number from dropdown list")));
    dob->addWidget(markers(F::DateOfBirth, QStringLiteral("dateOfBirth")));
    nameGrid->addWidget(new QLabel(QStringLiteral("Date of Birth:")), 3, 0);
    nameGrid->addLayout(dob, 3, 1);
    bodyLayout()->addWidget(name);

    MyGroupBox* address = groupBox(QStringLiteral("Postal Address"), QStringLiteral("postalAddressGroup"));
    auto* addressGrid = new QGridLayout(address);
    row(addressGrid, 0, QStringLiteral("Address Line 1:"),
        textEdit(QStringLiteral("addLine1"), &CCards::addLine1, QStringLiteral("Enter Payee's address Line 1")),
        markers(F::AddLine1, QStringLiteral("addLine1")));
    row(addressGrid, 1, QStringLiteral("Address Line 2:"),
        textEdit(QStringLiteral("addLine2"), &CCards::addLine2,
            QStringLiteral("Enter Payee's address Line 2 - leave empty if none")),
        markers(F::AddLine2, QStringLiteral("addLine2")));
    row(addressGrid, 2, QStringLiteral("Suburb:"),
        textEdit(
            QStringLiteral("suburb"), &CCards::suburb, QStringLiteral("Enter suburb, town or city of Payee's address")),
        markers(F::Suburb, QStringLiteral("suburb")));
    row(addressGrid, 3, QStringLiteral("PCode:"),
        numberEdit(QStringLiteral("pCode"), &CCards::pCode, 4,
            QStringLiteral("Enter 4 digit postcode for the address of the Payee")),
        markers(F::PCode, QStringLiteral("pCode")));
    row(addressGrid, 4, QStringLiteral("State:"),
        listBox(QStringLiteral("state"), F::State, &CCards::state,
            { QStringLiteral("ACT"), QStringLiteral("NSW"), QStringLiteral("NT"), QStringLiteral("OTH"),
                QStringLiteral("QLD"), QStringLiteral("SA"), QStringLiteral("TAS"), QStringLiteral("VIC"),
                QStringLiteral("WA") },
            ListMatch::Text,
            QStringLiteral("Choose from dropdown list, the state or territory for the address of the Payee")),
        markers(F::State, QStringLiteral("state")));
    row(addressGrid, 5, QStringLiteral("Country:"),
        textEdit(QStringLiteral("country"), &CCards::country,
            QStringLiteral("Enter Payee's Country - leave blank if Australia")),
        markers(F::Country, QStringLiteral("country")));
    bodyLayout()->addWidget(address);

    MyGroupBox* details = groupBox(QStringLiteral("Superannuation Details"), QStringLiteral("superDetailsGroup"));
    auto* detailsGrid = new QGridLayout(details);
    const auto dateRow = [&](int r, const QString& label, const QString& name, QString CCards::*day,
                             QString CCards::*month, QString CCards::*year, F field, int lastYear,
                             const QString& what) {
        auto* parts = new QHBoxLayout;
        parts->addWidget(listBox(name + QStringLiteral("Day"), field, day, numberItems(1, 31, 2), ListMatch::Day,
            QStringLiteral("For Payment %1 Date, choose Day number from dropdown list").arg(what)));
        parts->addWidget(listBox(name + QStringLiteral("Month"), field, month, numberItems(1, 12, 2), ListMatch::Month,
            QStringLiteral("For Payment %1 Date, choose Month number from dropdown list").arg(what)));
        parts->addWidget(listBox(name + QStringLiteral("Year"), field, year, numberItems(2011, lastYear, 4),
            ListMatch::Year, QStringLiteral("For Payment %1 Date, choose Year number from dropdown list").arg(what)));
        parts->addWidget(markers(field, name + QStringLiteral("Date")));
        detailsGrid->addWidget(new QLabel(label), r, 0);
        detailsGrid->addLayout(parts, r, 1);
    };
    dateRow(0, QStringLiteral("Start Date:"), QStringLiteral("start"), &CCards::startDay, &CCards::startMonth,
        &CCards::startYear, F::StartDate, 2027, QStringLiteral("Start"));
    dateRow(1, QStringLiteral("End Date:"), QStringLiteral("end"), &CCards::endDay, &CCards::endMonth, &CCards::endYear,
        F::EndDate, 2028, QStringLiteral("End"));
    detailsGrid->addWidget(payeeIdBlock(), 2, 0, 1, 3);
    bodyLayout()->addWidget(details);

    MyGroupBox* income = groupBox(QStringLiteral("Superannuation Income Details"), QStringLiteral("superIncomeGroup"));
    auto* incomeGrid = new QGridLayout(income);
    const auto amount
        = [&](QGridLayout* grid, int r, const QString& label, const QString& name, qint32 CCards::*member, F field,
              const QString& tip) { row(grid, r, label, numberEdit(name, member, 8, tip), markers(field, name)); };
    amount(incomeGrid, 0, QStringLiteral("Taxable Component - taxed element:"), QStringLiteral("taxedElement"),
        &CCards::gross, F::Gross,
        QStringLiteral("Enter Payee's Taxable Component - Taxed Element (whole dollars only)"));
    amount(incomeGrid, 1, QStringLiteral("Taxable Component - untaxed element:"), QStringLiteral("untaxedElement"),
        &CCards::cdep, F::Cdep,
        QStringLiteral("Enter Payee's Taxable Component - Untaxed Element (whole dollars only)"));
    amount(incomeGrid, 2, QStringLiteral("Tax Withheld:"), QStringLiteral("taxWithheld"), &CCards::taxWithheld,
        F::TaxWithheld, QStringLiteral("Enter Payee's Tax Withheld (whole dollars only)"));
    amount(incomeGrid, 3, QStringLiteral("Tax Free Component:"), QStringLiteral("taxFreeComponent"), &CCards::allow1,
        F::Allow1, QStringLiteral("Enter Tax Free Component (whole dollars only)"));
    amount(incomeGrid, 4, QStringLiteral("Tax Offset Amount:"), QStringLiteral("taxOffset"), &CCards::allow2, F::Allow2,
        QStringLiteral("Enter Tax Offset Amount. Must be zero is Payee > 59 yo or RIS = Y (whole dollars only)"));
    auto* revLabel = new QLabel(QStringLiteral("Reversionary Income Stream:"));
    revLabel->setObjectName(QStringLiteral("reversionaryLabel"));
    QComboBox* rev = listBox(QStringLiteral("reversionary"), F::LumpAType, &CCards::lumpAType,
        { QStringLiteral(" "), QStringLiteral("Y"), QStringLiteral("N") }, ListMatch::Text,
        QStringLiteral("Use N unless for Reversionary capped defined benefit income stream where deceased > 60 years "
                       "and payee < 60, use Y"));
    incomeGrid->addWidget(revLabel, 5, 0);
    incomeGrid->addWidget(rev, 5, 1);
    incomeGrid->addWidget(markers(F::LumpAType, QStringLiteral("reversionary")), 5, 2);
    bodyLayout()->addWidget(income);

    MyGroupBox* arrears = groupBox(QStringLiteral("Lump Sum in Arrears"), QStringLiteral("arrearsGroup"));
    auto* arrearsGrid = new QGridLayout(arrears);
    amount(arrearsGrid, 0, QStringLiteral("Taxable Component - taxed element:"), QStringLiteral("arrearsTaxed"),
        &CCards::lumpA, F::LumpA,
        QStringLiteral("Enter Payee's Lump Sum Arrears - Taxable Component - Taxed Element (whole dollars only)"));
    amount(arrearsGrid, 1, QStringLiteral("Taxable Component - untaxed element:"), QStringLiteral("arrearsUntaxed"),
        &CCards::lumpB, F::LumpB,
        QStringLiteral("Enter Payee's Lump Sum Arrears - Taxable Component - Untaxed Element (whole dollars only)"));
    amount(arrearsGrid, 2, QStringLiteral("Tax Free Component:"), QStringLiteral("arrearsTaxFree"), &CCards::lumpD,
        F::LumpD, QStringLiteral("Enter Payee's Lump Sum Arrears - Tax Free Component (whole dollars only)"));
    bodyLayout()->addWidget(arrears);

    bodyLayout()->addWidget(origAmendedBlock());
    bodyLayout()->addWidget(amountCorner());

    m_reversionaryLabel = revLabel;
    m_reversionaryList = rev;
}
