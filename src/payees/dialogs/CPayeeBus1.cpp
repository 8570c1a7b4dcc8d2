#include "payees/dialogs/CPayeeBus1.h"

#include "payees/dialogs/PayeeEtpBusParts.h"
#include "widgets/DialogKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{

PayeeFormLook busLook()
{
    PayeeFormLook look;
    look.windowTitle = QStringLiteral("Quillastrand - BUS Payee Details");
    look.payeeIdAnyCharacters = true;
    return look;
}

} // namespace

CPayeeBus1::CPayeeBus1(AppContext& context, QWidget* parent)
    : PayeeFormHolder(context)
    , PayeeFormDialog(context, heldForm, busLook(), parent)
{
    setObjectName(QStringLiteral("CPayeeBus1"));

    auto* top = new QGridLayout;
    QComboBox* paymentType = listBox(QStringLiteral("paymentType"), PayeeField::BusPaymentType, &CCards::busPaymentType,
        BusPaymentTypes(), ListMatch::Text, QStringLiteral("Select Payment Type from available choices"));
    addFieldRow(top, 0, QStringLiteral("Payment Type:"), paymentType,
        markers(PayeeField::BusPaymentType, QStringLiteral("paymentType")));
    m_tfn = tfnCombo(*this);
    addFieldRow(top, 1, QStringLiteral("TFN:"), m_tfn, markers(PayeeField::Tfn, QStringLiteral("tfn")));
    m_abn = textEdit(QStringLiteral("abn"), &CCards::abn,
        QStringLiteral("Enter Payee's ABN as XX XXX XXX XXX or use 00 000 000 000 if ABN not available"));
    addFieldRow(top, 2, QStringLiteral("ABN:"), m_abn, markers(PayeeField::Abn, QStringLiteral("abn")));
    top->setColumnStretch(3, 1);
    connect(paymentType, &QComboBox::activated, this, [this, paymentType] {
        heldForm.OnCbnSelendokPaymentType(paymentType->currentText());
        showNumberBoxes();
    });

    MyGroupBox* arrangement = groupBox(QStringLiteral("Arrangement Details"), QStringLiteral("arrangementGroup"));
    auto* arrangementGrid = new QGridLayout(arrangement);
    const QStringList days = numberItems(1, 31);
    const QStringList months = numberItems(1, 12);
    addFieldRow(arrangementGrid, 0, QStringLiteral("Start Date:"),
        dateLists(*this, QStringLiteral("start"), QStringLiteral("Payment Start Date"), PayeeField::StartDate,
            &CCards::startDay, &CCards::startMonth, &CCards::startYear, days, months, numberItems(2011, 2027, 4)),
        markers(PayeeField::StartDate, QStringLiteral("startDate")));
    addFieldRow(arrangementGrid, 1, QStringLiteral("End Date:"),
        dateLists(*this, QStringLiteral("end"), QStringLiteral("Payment End Date"), PayeeField::EndDate,
            &CCards::endDay, &CCards::endMonth, &CCards::endYear, days, months, numberItems(2011, 2028, 4)),
        markers(PayeeField::EndDate, QStringLiteral("endDate")));
    arrangementGrid->addWidget(payeeIdBlock(), 2, 0, 1, 3);

    MyGroupBox* pay = groupBox(QStringLiteral("Pay Details"), QStringLiteral("payDetailsGroup"));
    auto* payGrid = new QGridLayout(pay);
    addFieldRow(payGrid, 0, QStringLiteral("Gross or Attrib:"),
        numberEdit(QStringLiteral("gross"), &CCards::gross, 0,
            QStringLiteral("Enter Payee's Gross or Attributed Income (whole dollars only)")),
        markers(PayeeField::Gross, QStringLiteral("gross")));
    addFieldRow(payGrid, 1, QStringLiteral("Tax Withheld:"),
        numberEdit(QStringLiteral("taxWithheld"), &CCards::taxWithheld, 0,
            QStringLiteral("Enter Payee's Tax Withheld (whole dollars only)")),
        markers(PayeeField::TaxWithheld, QStringLiteral("taxWithheld")));

    MyGroupBox* other = groupBox(QStringLiteral("Other - If 'nil' enter 0"), QStringLiteral("otherGroup"));
    auto* otherGrid = new QGridLayout(other);
    addFieldRow(otherGrid, 0, QStringLiteral("Reportable Employer Super (RESC):"),
        numberEdit(QStringLiteral("resc"), &CCards::resc, 0,
            QStringLiteral("Enter Payee's Reportable Employer Super Contribution Amount (whole dollars only)")),
        markers(PayeeField::Resc, QStringLiteral("resc")));

    if (auto* label = amountCorner()->findChild<QLabel*>(QStringLiteral("amountValidationLabel")))
        CToolTipCtrlExt::AddToolForControl(
            QStringLiteral("Indicates one or more amounts are not valid - as per pop up message"), label);
    if (auto* label = amountCorner()->findChild<QLabel*>(QStringLiteral("check999999Label")))
        CToolTipCtrlExt::AddToolForControl(QStringLiteral("Indicates one of the amount fields is 999999, which may "
                                                          "indicate an error on import. Fix amount or choose Ignore "
                                                          "Warnings."),
            label);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(payeeNameGroup(*this));
    left->addWidget(postalAddressGroup(*this, true));
    auto* right = new QVBoxLayout;
    right->addWidget(arrangement);
    right->addWidget(pay);
    right->addWidget(other);
    right->addWidget(origAmendedBlock());
    right->addWidget(amountCorner());
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);

    bodyLayout()->addLayout(top);
    bodyLayout()->addLayout(columns);
    load();
    showNumberBoxes();
}

void CPayeeBus1::showNumberBoxes()
{
    m_tfn->setEnabled(heldForm.tfnEnabled);
    m_abn->setEnabled(heldForm.abnEnabled);
}
