#include "payees/dialogs/PayeeInbFeiDialog.h"

#include "payees/PayeeInbForm.h"
#include "widgets/DialogKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{

QLabel* label(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLineEdit* yearEdit(const QString& name, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setMaximumWidth(60);
    return edit;
}

const QString kAmountTip = QStringLiteral("Enter Amount for this Allowance - if any (whole dollars only)");

} // namespace

PayeeInbFeiDialog::PayeeInbFeiDialog(
    AppContext& context, PayeeFormFrame& form, const PayeeFormLook& look, QWidget* parent)
    : PayeeFormDialog(context, form, look, parent)
{
}

void PayeeInbFeiDialog::buildLayout(const InbFeiLayout& layout, std::function<void()> allZeroClicked)
{
    using F = PayeeField;
    QVBoxLayout* outer = bodyLayout();
    MyGroupBox* frame = groupBox(QString(), QStringLiteral("formFrameGroup"));
    auto* columns = new QGridLayout(frame);
    outer->addWidget(frame);

    // The top line: TFN and Income Type.
    auto* top = new QWidget(body());
    auto* topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(0, 0, 0, 0);
    QComboBox* tfn = comboEdit(QStringLiteral("tfn"), &CCards::tfn, InbTfnChoices(),
        QStringLiteral("Enter Payee's TFN as XXX XXX XXX or choose from dropdown list"));
    topRow->addWidget(label(QStringLiteral("TFN:"), top));
    topRow->addWidget(tfn);
    topRow->addWidget(markers(F::Tfn, QStringLiteral("tfn")));
    QComboBox* income = listBox(QStringLiteral("incomeType"), F::IncomeType, &CCards::incomeType, layout.incomeTypes,
        ListMatch::Text, QStringLiteral("Select Income Type from available choices"));
    topRow->addWidget(label(QStringLiteral("Income Type:"), top));
    topRow->addWidget(income);
    topRow->addWidget(markers(F::IncomeType, QStringLiteral("incomeType")));
    topRow->addStretch();
    columns->addWidget(top, 0, 0, 1, 2);

    // Payee Name.
    MyGroupBox* name = groupBox(QStringLiteral("Payee Name"), QStringLiteral("payeeNameGroup"));
    auto* nameGrid = new QGridLayout(name);
    const auto addText = [&](QGridLayout* grid, int row, const QString& caption, const QString& objectName,
                             QString CCards::*m, F field, const QString& tip) {
        grid->addWidget(label(caption, grid->parentWidget()), row, 0);
        grid->addWidget(textEdit(objectName, m, tip), row, 1, 1, 3);
        grid->addWidget(markers(field, objectName), row, 4);
    };
    addText(nameGrid, 0, QStringLiteral("Surname:"), QStringLiteral("surname"), &CCards::surname, F::Surname,
        QStringLiteral("Enter the Surname of the Payee"));
    addText(nameGrid, 1, QStringLiteral("First Given Name:"), QStringLiteral("firstName"), &CCards::firstName,
        F::FirstName, QStringLiteral("Enter the First Given Name of the Payee"));
    addText(nameGrid, 2, QStringLiteral("2nd Given Name:"), QStringLiteral("secName"), &CCards::secName, F::SecName,
        QStringLiteral("Enter the Second Given Name of the Payee - if any"));
    nameGrid->addWidget(label(QStringLiteral("Date of Birth:"), name), 3, 0);
    nameGrid->addWidget(listBox(QStringLiteral("dobDay"), F::DateOfBirth, &CCards::dobDay, numberItems(0, 31, 2),
                            ListMatch::Day, QStringLiteral("For Date of Birth, choose Day number from dropdown list")),
        3, 1);
    nameGrid->addWidget(
        listBox(QStringLiteral("dobMonth"), F::DateOfBirth, &CCards::dobMonth, numberItems(0, 12, 2), ListMatch::Month,
            QStringLiteral("For Date of Birth, choose Month number from dropdown list")),
        3, 2);
    nameGrid->addWidget(
        listBox(QStringLiteral("dobYear"), F::DateOfBirth, &CCards::dobYear, birthYearItems(), ListMatch::Year,
            QStringLiteral("For Date of Birth, choose Year number from dropdown list")),
        3, 3);
    nameGrid->addWidget(markers(F::DateOfBirth, QStringLiteral("dateOfBirth")), 3, 4);
    columns->addWidget(name, 1, 0);

    // Postal Address.
    MyGroupBox* address = groupBox(QStringLiteral("Postal Address"), QStringLiteral("postalAddressGroup"));
    auto* addressGrid = new QGridLayout(address);
    addText(addressGrid, 0, QStringLiteral("Address Line 1:"), QStringLiteral("addLine1"), &CCards::addLine1,
        F::AddLine1, QStringLiteral("Enter Payee's address Line 1"));
    addText(addressGrid, 1, QStringLiteral("Address Line 2:"), QStringLiteral("addLine2"), &CCards::addLine2,
        F::AddLine2, QStringLiteral("Enter Payee's address Line 2 - leave empty if none"));
    addText(addressGrid, 2, QStringLiteral("Suburb:"), QStringLiteral("suburb"), &CCards::suburb, F::Suburb,
        QStringLiteral("Enter suburb, town or city of Payee's address"));
    addressGrid->addWidget(label(QStringLiteral("PCode:"), address), 3, 0);
    addressGrid->addWidget(numberEdit(QStringLiteral("pCode"), &CCards::pCode, 4,
                               QStringLiteral("Enter 4 digit postcode for the address of the Payee")),
        3, 1);
    addressGrid->addWidget(markers(F::PCode, QStringLiteral("pCode")), 3, 2);
    addressGrid->addWidget(label(QStringLiteral("State:"), address), 4, 0);
    addressGrid->addWidget(
        listBox(QStringLiteral("state"), F::State, &CCards::state,
            { QStringLiteral("ACT"), QStringLiteral("NSW"), QStringLiteral("NT"), QStringLiteral("OTH"),
                QStringLiteral("QLD"), QStringLiteral("SA"), QStringLiteral("TAS"), QStringLiteral("VIC"),
                QStringLiteral("WA") },
            ListMatch::Text,
            QStringLiteral("Choose from dropdown list, the state or territory for the address of the Payee")),
        4, 1);
    addressGrid->addWidget(markers(F::State, QStringLiteral("state")), 4, 2);
    addText(addressGrid, 5, QStringLiteral("Country:"), QStringLiteral("country"), &CCards::country, F::Country,
        QStringLiteral("Enter Payee's Country - leave blank if Australia"));
    columns->addWidget(address, 2, 0);

    // Employment Details.
    MyGroupBox* employment = groupBox(QStringLiteral("Employment Details"), QStringLiteral("employmentGroup"));
    auto* employmentGrid = new QGridLayout(employment);
    const auto addDate
        = [&](int row, const QString& caption, const QString& prefix, QString CCards::*day, QString CCards::*month,
              QString CCards::*year, F field, int lastYear, const QString& tipWhat) {
              employmentGrid->addWidget(label(caption, employment), row, 0);
              employmentGrid->addWidget(
                  listBox(prefix + QStringLiteral("Day"), field, day, numberItems(1, 31, 2), ListMatch::Day,
                      QStringLiteral("For %1, choose Day number from dropdown list").arg(tipWhat)),
                  row, 1);
              employmentGrid->addWidget(
                  listBox(prefix + QStringLiteral("Month"), field, month, numberItems(1, 12, 2), ListMatch::Month,
                      QStringLiteral("For %1, choose Month number from dropdown list").arg(tipWhat)),
                  row, 2);
              employmentGrid->addWidget(
                  listBox(prefix + QStringLiteral("Year"), field, year, numberItems(2011, lastYear, 4), ListMatch::Year,
                      QStringLiteral("For %1, choose Year number from dropdown list").arg(tipWhat)),
                  row, 3);
              employmentGrid->addWidget(markers(field, prefix + QStringLiteral("Date")), row, 4);
          };
    addDate(0, QStringLiteral("Start Date:"), QStringLiteral("start"), &CCards::startDay, &CCards::startMonth,
        &CCards::startYear, F::StartDate, 2027, QStringLiteral("Payment Start Date"));
    addDate(1, QStringLiteral("End Date:"), QStringLiteral("end"), &CCards::endDay, &CCards::endMonth, &CCards::endYear,
        F::EndDate, 2028, QStringLiteral("Payment End Date"));
    employmentGrid->addWidget(payeeIdBlock(), 2, 0, 1, 5);
    columns->addWidget(employment, 3, 0);

    // Amount rows go one below the other. A hidden amount stays bound to the
    // form but out of every grid, so the rows close up around it.
    auto* hiddenAmounts = new QWidget(body());
    hiddenAmounts->setObjectName(QStringLiteral("hiddenAmounts"));
    hiddenAmounts->hide();
    const auto addAmount = [&](QGridLayout* grid, int& row, const QString& caption, const QString& objectName,
                               qint32 CCards::*m, const QString& tip, bool hidden = false) {
        QLabel* rowLabel = label(caption, grid->parentWidget());
        QLineEdit* edit = numberEdit(objectName, m, 8, tip);
        QWidget* rowMarkers = markers(fieldOfNumber(m), objectName);
        if (hidden) {
            edit->setEnabled(false);
            for (QWidget* w : { static_cast<QWidget*>(rowLabel), static_cast<QWidget*>(edit), rowMarkers })
                w->setParent(hiddenAmounts);
            return;
        }
        grid->addWidget(rowLabel, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(rowMarkers, row, 2);
        ++row;
    };
    const bool hideInbOnly = layout.inbOnlyAmountsHidden;

    // Pay Details.
    MyGroupBox* pay = groupBox(QStringLiteral("Pay Details"), QStringLiteral("payDetailsGroup"));
    auto* payGrid = new QGridLayout(pay);
    int payRow = 0;
    for (const InbFeiLayout::Amount& amount : layout.pay)
        addAmount(payGrid, payRow, amount.caption, amount.name, amount.member, amount.tip);
    columns->addWidget(pay, 1, 1);

    // Termination Payments, Lump Sum A's type and Lump Sum E's accruals.
    MyGroupBox* termination = groupBox(QStringLiteral("Termination Payments"), QStringLiteral("terminationGroup"));
    auto* terminationGrid = new QGridLayout(termination);
    int terminationRow = 0;
    addAmount(terminationGrid, terminationRow, QStringLiteral("Lump Sum A:"), QStringLiteral("lumpA"), &CCards::lumpA,
        QStringLiteral("Enter Payee's Lump Sum A (whole dollars only)"));
    addAmount(terminationGrid, terminationRow, QStringLiteral("Lump Sum B:"), QStringLiteral("lumpB"), &CCards::lumpB,
        QStringLiteral("Enter Payee's Lump Sum B (whole dollars only)"), hideInbOnly);
    addAmount(terminationGrid, terminationRow, QStringLiteral("Lump Sum D:"), QStringLiteral("lumpD"), &CCards::lumpD,
        QStringLiteral("Enter Payee's Lump Sum D (whole dollars only)"));
    addAmount(terminationGrid, terminationRow, QStringLiteral("Lump Sum E:"), QStringLiteral("lumpE"), &CCards::lumpE,
        QStringLiteral("Enter Payee's Lump Sum E (whole dollars only)"));
    MyGroupBox* lumpAType = groupBox(QStringLiteral(" Lump Sum A - Type R or T"), QStringLiteral("lumpATypeGroup"));
    auto* lumpATypeRow = new QHBoxLayout(lumpAType);
    lumpATypeRow->addWidget(listBox(QStringLiteral("lumpAType"), F::LumpAType, &CCards::lumpAType,
        { QStringLiteral(" "), QStringLiteral("R"), QStringLiteral("T") }, ListMatch::Text,
        QStringLiteral("For Lump Sum A, choose R or T from dropdown list")));
    lumpATypeRow->addWidget(markers(F::LumpAType, QStringLiteral("lumpAType")));
    terminationGrid->addWidget(lumpAType, terminationRow++, 0, 1, 3);
    MyGroupBox* accrual = groupBox(QStringLiteral("Lump Sum E Accrual Period "), QStringLiteral("accrualGroup"));
    auto* accrualGrid = new QGridLayout(accrual);
    const auto addAccrual = [&](int accrualRow, const QString& caption, QLineEdit* year, const QString& objectName,
                                qint32 CCards::*m, const QString& tip) {
        accrualGrid->addWidget(label(caption, accrual), accrualRow, 0);
        accrualGrid->addWidget(year, accrualRow, 1);
        accrualGrid->addWidget(numberEdit(objectName, m, 8, tip), accrualRow, 2);
        accrualGrid->addWidget(markers(fieldOfNumber(m), objectName), accrualRow, 3);
    };
    addAccrual(0, QStringLiteral("Accrued in"),
        yearEdit(QStringLiteral("accruedYearMinus2Edit"), layout.accruedYearMinus2, accrual),
        QStringLiteral("lumpEYrMinus2"), &CCards::lumpEYrMinus2,
        QStringLiteral("For Lump Sum E, show amount accrued in this period (whole dollars only)"));
    addAccrual(1, QStringLiteral("Accrued in"),
        yearEdit(QStringLiteral("accruedYearMinus3Edit"), layout.accruedYearMinus3, accrual),
        QStringLiteral("lumpEYrMinus3"), &CCards::lumpEYrMinus3,
        QStringLiteral("For Lump Sum E, show amount accrued in this period  (whole dollars only)"));
    addAccrual(2, QStringLiteral("Accrued prior to"),
        yearEdit(QStringLiteral("accruedPriorToEdit"), layout.accruedPriorTo, accrual),
        QStringLiteral("lumpEPreYrMinus3"), &CCards::lumpEPreYrMinus3,
        QStringLiteral("For Lump Sum E, show amount accrued prior to this period  (whole dollars only)"));
    terminationGrid->addWidget(accrual, terminationRow, 0, 1, 3);
    columns->addWidget(termination, 2, 1);

    // Allowances.
    MyGroupBox* allowances = groupBox(layout.allowancesCaption, QStringLiteral("allowancesGroup"));
    auto* allowGrid = new QGridLayout(allowances);
    const std::pair<QString CCards::*, qint32 CCards::*> allowancePairs[] = {
        { &CCards::allow1Name, &CCards::allow1 },
        { &CCards::allow2Name, &CCards::allow2 },
        { &CCards::allow3Name, &CCards::allow3 },
        { &CCards::allow4Name, &CCards::allow4 },
    };
    int row = 0;
    for (const auto& [nameMember, amount] : allowancePairs) {
        const QString n = QString::number(row + 1);
        allowGrid->addWidget(comboEdit(QStringLiteral("allow%1Name").arg(n), nameMember, layout.allowanceNames,
                                 QStringLiteral("Select or enter Allowance Name")),
            row, 0);
        QLineEdit* amountEdit = numberEdit(QStringLiteral("allow%1").arg(n), amount, 8, kAmountTip);
        amountEdit->setEnabled(layout.allowanceAmountsEnabled);
        allowGrid->addWidget(amountEdit, row, 1);
        allowGrid->addWidget(markers(fieldOfNumber(amount), QStringLiteral("allow%1").arg(n)), row, 2);
        ++row;
    }
    QLabel* totalLabel = label(QStringLiteral("Total Allowances:"), allowances);
    totalLabel->setEnabled(layout.allowanceAmountsEnabled);
    QLineEdit* total = numberEdit(QStringLiteral("totalAllow"), &CCards::totalAllow, 8,
        QStringLiteral("Enter Total Amount for Allowances - if any (whole dollars only)"));
    total->setEnabled(layout.allowanceAmountsEnabled);
    allowGrid->addWidget(totalLabel, row, 0);
    allowGrid->addWidget(total, row, 1);
    allowGrid->addWidget(markers(F::TotalAllow, QStringLiteral("totalAllow")), row, 2);
    columns->addWidget(allowances, 3, 1);

    // Other - If 'nil' enter 0, with All Zero.
    MyGroupBox* other = groupBox(QStringLiteral("Other - If 'nil' enter 0"), QStringLiteral("otherGroup"));
    auto* otherGrid = new QGridLayout(other);
    int otherRow = 0;
    addAmount(otherGrid, otherRow, QStringLiteral("Reportable Fringe Benefits (RFBT):"), QStringLiteral("rfbt"),
        &CCards::rfbt, QStringLiteral("Enter Payee's Reportable Fringe Benefits Amount (whole dollars only)"));
    addAmount(otherGrid, otherRow, QStringLiteral("Reportable Employer Super (RESC):"), QStringLiteral("resc"),
        &CCards::resc,
        QStringLiteral("Enter Payee's Reportable Employer Super Contribution Amount (whole dollars only)"));
    addAmount(otherGrid, otherRow, QStringLiteral("Exempt Foreign Employment Income:"), QStringLiteral("exemptForeign"),
        &CCards::exemptForeign, layout.exemptForeignTip, hideInbOnly);
    addAmount(otherGrid, otherRow, QStringLiteral("Workplace Giving:"), QStringLiteral("giving"), &CCards::giving,
        QStringLiteral("Enter Payee's Workplace Giving Deduction (whole dollars only)"));
    addAmount(otherGrid, otherRow, QStringLiteral("Deductible UPP of Annuity:"), QStringLiteral("annuity"),
        &CCards::annuity, layout.annuityTip, hideInbOnly);
    auto* allZero = new QPushButton(QStringLiteral("All Zero"), other);
    allZero->setObjectName(QStringLiteral("allZeroButton"));
    allZero->setAutoDefault(false);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to populate all fields to the left with 0"), allZero);
    otherGrid->addWidget(allZero, 0, 3, otherRow, 1, Qt::AlignVCenter);
    connect(allZero, &QPushButton::clicked, this, [this, allZeroClicked = std::move(allZeroClicked)] {
        readControls();
        allZeroClicked();
        showValues();
    });
    columns->addWidget(other, 4, 0);

    // Exempt s57A, shown from 2017.
    MyGroupBox* s57A = groupBox(QStringLiteral("Exempt s57A"), QStringLiteral("s57AGroup"));
    auto* s57ARow = new QHBoxLayout(s57A);
    s57ARow->addWidget(listBox(QStringLiteral("s57A"), F::FbtExempt, &CCards::fbtExempt,
        { QStringLiteral("-"), QStringLiteral("Y"), QStringLiteral("N") }, ListMatch::Text,
        QStringLiteral("If RFBT > 0, is this Payer Exempt from FBT under s57A?")));
    s57ARow->addWidget(markers(F::FbtExempt, QStringLiteral("s57A")));
    s57A->setVisible(layout.s57AVisible);

    // Union/Professional Assoc Fees.
    MyGroupBox* unionGroup = groupBox(QStringLiteral("Union/Professional Assoc Fees"), QStringLiteral("unionGroup"));
    auto* unionRow = new QHBoxLayout(unionGroup);
    unionRow->addWidget(comboEdit(QStringLiteral("unionName"), &CCards::unionName, layout.organisationNames,
                            QStringLiteral("Select or enter Organisation Name")),
        1);
    unionRow->addWidget(markers(F::UnionName, QStringLiteral("unionName")));
    unionRow->addWidget(numberEdit(QStringLiteral("unionFees"), &CCards::unionFees, 8,
        QStringLiteral("Enter Payee's Union or Professional Assoc Deduction (whole dollars only)")));
    unionRow->addWidget(markers(F::UnionFees, QStringLiteral("unionFees")));

    auto* side = new QWidget(body());
    auto* sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(0, 0, 0, 0);
    sideColumn->addWidget(s57A);
    sideColumn->addWidget(unionGroup);
    sideColumn->addWidget(origAmendedBlock());
    sideColumn->addWidget(amountCorner());
    columns->addWidget(side, 4, 1);

    // The legacy Other Income, read-only.
    MyGroupBox* legacy = groupBox(
        QStringLiteral("Where Data was Imported from very old version VESK.A01 File"), QStringLiteral("legacyGroup"));
    auto* legacyRow = new QHBoxLayout(legacy);
    legacyRow->addWidget(new QLabel(
        QStringLiteral("Other Income (ensure any amount shown here is added to the amounts above):"), legacy));
    QLineEdit* other1 = numberEdit(QStringLiteral("other1"), &CCards::other1, 0,
        QStringLiteral("Earlier VESK.A01 versions had an 'Other income' field where certain income was recorded. "
                       "This field is no longer used and any amount shown here should be included in one of the "
                       "above fields."));
    other1->setReadOnly(true);
    legacyRow->addWidget(other1);
    columns->addWidget(legacy, 5, 0, 1, 2);
}
