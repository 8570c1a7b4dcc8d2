#include "payees/dialogs/PayeeSlsDasDialog.h"

#include "payees/PayeeTypeSls.h"
#include "widgets/DialogKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{

PayeeFormLook lookOf(PayeeType type)
{
    PayeeFormLook look;
    look.windowTitle = QStringLiteral("Quillastrand - %1 Payee Details").arg(payeeTypeCode(type));
    look.payrollLabel = QStringLiteral("Payee/Payroll No:");
    look.closeText = QStringLiteral("Close");
    look.ignoreTipSaysFiled = true;
    look.check999999Text = QStringLiteral("Check $99999");
    return look;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

PayeeSlsDasDialog::PayeeSlsDasDialog(
    AppContext& context, std::unique_ptr<PayeeFormFrame> form, PayeeType type, QWidget* parent)
    : PayeeFormDialog(context, *form, lookOf(type), parent)
    , m_owned(std::move(form))
{
    const bool sls = type == PayeeType::SLS;
    buildNames(sls);
    buildAddress();
    buildPay(sls);

    MyGroupBox* arrangement = groupBox(QStringLiteral("Arrangement Details"), QStringLiteral("arrangementGroup"));
    auto* arrangementRow = new QVBoxLayout(arrangement);
    payeeIdBlock()->setParent(arrangement);
    arrangementRow->addWidget(payeeIdBlock());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(arrangement);
    bottom->addWidget(origAmendedBlock());
    bottom->addWidget(amountCorner());
    bodyLayout()->addLayout(bottom);
    load();
}

void PayeeSlsDasDialog::addRow(
    QGridLayout* grid, int row, const QString& text, QWidget* field, PayeeField marker, const QString& markerName)
{
    grid->addWidget(caption(text, field->parentWidget()), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(markers(marker, markerName), row, 2);
}

void PayeeSlsDasDialog::buildNames(bool withBirthDate)
{
    MyGroupBox* group = groupBox(QStringLiteral("Payee Name"), QStringLiteral("payeeNameGroup"));
    auto* grid = new QGridLayout(group);
    QComboBox* tfn = comboEdit(QStringLiteral("tfn"), &CCards::tfn,
        { QStringLiteral(" "), QStringLiteral("000 000 000"), QStringLiteral("111 111 111"),
            QStringLiteral("333 333 333"), QStringLiteral("444 444 444") },
        QStringLiteral("Enter Payee's TFN as XXX XXX XXX or choose from dropdown list"));
    addRow(grid, 0, QStringLiteral("TFN:"), tfn, PayeeField::Tfn, QStringLiteral("tfn"));
    addRow(grid, 1, QStringLiteral("Surname:"),
        textEdit(QStringLiteral("surname"), &CCards::surname, QStringLiteral("Enter the Surname of the Payee")),
        PayeeField::Surname, QStringLiteral("surname"));
    addRow(grid, 2, QStringLiteral("First Given Name:"),
        textEdit(
            QStringLiteral("firstName"), &CCards::firstName, QStringLiteral("Enter the First Given Name of the Payee")),
        PayeeField::FirstName, QStringLiteral("firstName"));
    addRow(grid, 3, QStringLiteral("2nd Given Name:"),
        textEdit(QStringLiteral("secName"), &CCards::secName,
            QStringLiteral("Enter the Second Given Name of the Payee - if any")),
        PayeeField::SecName, QStringLiteral("secName"));
    if (withBirthDate) {
        auto* date = new QWidget(group);
        auto* row = new QHBoxLayout(date);
        row->setContentsMargins(0, 0, 0, 0);
        QStringList days = numberItems(0, 31, 2);
        QStringList months = numberItems(0, 12, 2);
        for (QWidget* list : std::initializer_list<QWidget*> {
                 listBox(QStringLiteral("dobDay"), PayeeField::DateOfBirth, &CCards::dobDay, days, ListMatch::Day,
                     QStringLiteral("For Date of Birth, choose Day number from dropdown list")),
                 listBox(QStringLiteral("dobMonth"), PayeeField::DateOfBirth, &CCards::dobMonth, months,
                     ListMatch::Month, QStringLiteral("For Date of Birth, choose Month number from dropdown list")),
                 listBox(QStringLiteral("dobYear"), PayeeField::DateOfBirth, &CCards::dobYear, birthYearItems(),
                     ListMatch::Year, QStringLiteral("For Date of Birth, choose Year number from dropdown list")) }) {
            list->setParent(date);
            row->addWidget(list);
        }
        addRow(
            grid, 4, QStringLiteral("Date of Birth: DD MM YYYY"), date, PayeeField::DateOfBirth, QStringLiteral("dob"));
    }
    bodyLayout()->addWidget(group);
}

void PayeeSlsDasDialog::buildAddress()
{
    MyGroupBox* group = groupBox(QStringLiteral("Postal Address"), QStringLiteral("postalAddressGroup"));
    auto* grid = new QGridLayout(group);
    addRow(grid, 0, QStringLiteral("Address Line 1:"),
        textEdit(QStringLiteral("addLine1"), &CCards::addLine1, QStringLiteral("Enter Payee's address Line 1")),
        PayeeField::AddLine1, QStringLiteral("addLine1"));
    addRow(grid, 1, QStringLiteral("Address Line 2:"),
        textEdit(QStringLiteral("addLine2"), &CCards::addLine2,
            QStringLiteral("Enter Payee's address Line 2 - leave empty if none")),
        PayeeField::AddLine2, QStringLiteral("addLine2"));
    addRow(grid, 2, QStringLiteral("Suburb:"),
        textEdit(
            QStringLiteral("suburb"), &CCards::suburb, QStringLiteral("Enter suburb, town or city of Payee's address")),
        PayeeField::Suburb, QStringLiteral("suburb"));
    addRow(grid, 3, QStringLiteral("PCode:"),
        numberEdit(QStringLiteral("pCode"), &CCards::pCode, 0,
            QStringLiteral("Enter 4 digit postcode for the address of the Payee")),
        PayeeField::PCode, QStringLiteral("pCode"));
    addRow(grid, 4, QStringLiteral("Country:"),
        textEdit(QStringLiteral("country"), &CCards::country,
            QStringLiteral("Enter Payee's Country - leave blank if Australia")),
        PayeeField::Country, QStringLiteral("country"));
    addRow(grid, 5, QStringLiteral("State:"),
        listBox(QStringLiteral("state"), PayeeField::State, &CCards::state,
            { QStringLiteral("ACT"), QStringLiteral("NSW"), QStringLiteral("NT"), QStringLiteral("QLD"),
                QStringLiteral("SA"), QStringLiteral("TAS"), QStringLiteral("VIC"), QStringLiteral("WA"),
                QStringLiteral("OTH") },
            ListMatch::Text,
            QStringLiteral("Choose from dropdown list, the state or territory for the address of the Payee")),
        PayeeField::State, QStringLiteral("state"));
    bodyLayout()->addWidget(group);
}

void PayeeSlsDasDialog::buildPay(bool withDeathBenefit)
{
    MyGroupBox* group = groupBox(QStringLiteral("Pay Details"), QStringLiteral("payDetailsGroup"));
    auto* grid = new QGridLayout(group);
    // The form limits no length: Save refuses a text of more than 8 digits.
    addRow(grid, 0, QStringLiteral("Taxable Component - Taxed:"),
        numberEdit(QStringLiteral("taxable"), &CCards::taxable, 0,
            QStringLiteral("Enter Taxable Component - Taxed Element (whole dollars only)")),
        PayeeField::Taxable, QStringLiteral("taxable"));
    addRow(grid, 1, QStringLiteral("Taxable Component - Untaxed:"),
        numberEdit(QStringLiteral("other1"), &CCards::other1, 0,
            QStringLiteral("Enter Taxable Component - Untaxed Element (whole dollars only)")),
        PayeeField::Other1, QStringLiteral("other1"));
    addRow(grid, 2, QStringLiteral("Tax Free Component:"),
        numberEdit(QStringLiteral("taxFree"), &CCards::taxFree, 0,
            QStringLiteral("Enter Tax Free Component (whole dollars only)")),
        PayeeField::TaxFree, QStringLiteral("taxFree"));
    addRow(grid, 3, QStringLiteral("Tax Withheld:"),
        numberEdit(QStringLiteral("taxWithheld"), &CCards::taxWithheld, 0,
            QStringLiteral("Enter Tax Withheld (whole dollars only)")),
        PayeeField::TaxWithheld, QStringLiteral("taxWithheld"));

    auto* date = new QWidget(group);
    auto* row = new QHBoxLayout(date);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* list : std::initializer_list<QWidget*> {
             listBox(QStringLiteral("paymentDay"), PayeeField::PaymentDate, &CCards::paymentDay, numberItems(1, 31, 2),
                 ListMatch::Day, QStringLiteral("For Payment Date, choose Day number from dropdown list")),
             listBox(QStringLiteral("paymentMonth"), PayeeField::PaymentDate, &CCards::paymentMonth,
                 numberItems(1, 12, 2), ListMatch::Month,
                 QStringLiteral("For Payment Date, choose Month number from dropdown list")),
             listBox(QStringLiteral("paymentYear"), PayeeField::PaymentDate, &CCards::paymentYear,
                 numberItems(2011, 2028, 4), ListMatch::Year,
                 QStringLiteral("For Payment Date, choose Year number from dropdown list")) }) {
        list->setParent(date);
        row->addWidget(list);
    }
    addRow(grid, 4, QStringLiteral("Payment Date: DD MM YYYY"), date, PayeeField::PaymentDate,
        QStringLiteral("paymentDate"));

    if (!withDeathBenefit) {
        bodyLayout()->addWidget(group);
        return;
    }
    MyGroupBox* benefit = groupBox(QStringLiteral("Death Benefit?"), QStringLiteral("deathBenefitGroup"));
    auto* benefitGrid = new QGridLayout(benefit);
    QComboBox* answer = listBox(QStringLiteral("deathBenefit"), PayeeField::EtpPaymentType, &CCards::etpPaymentType,
        SlsDeathBenefitAnswers(), ListMatch::Text, QStringLiteral("If payment a Death Benefit, select Y or N"));
    answer->setParent(benefit);
    QComboBox* recipient
        = listBox(QStringLiteral("recipient"), PayeeField::Spare1, &CCards::spare1, SlsRecipients(), ListMatch::Text,
            QStringLiteral("If payment was a Death Benefit, select whether paid to Trustee of deceased estate or "
                           "directly to a Non-Dependent"));
    recipient->setParent(benefit);
    benefitGrid->addWidget(answer, 0, 1);
    benefitGrid->addWidget(markers(PayeeField::EtpPaymentType, QStringLiteral("deathBenefit")), 0, 2);
    addRow(
        benefitGrid, 1, QStringLiteral("If Yes, paid to:"), recipient, PayeeField::Spare1, QStringLiteral("recipient"));

    auto* pair = new QHBoxLayout;
    pair->addWidget(group);
    pair->addWidget(benefit);
    bodyLayout()->addLayout(pair);
}
