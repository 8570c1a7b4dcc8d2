#include "payees/dialogs/CPayeeETP.h"

#include "payees/dialogs/PayeeEtpBusParts.h"
#include "widgets/DialogKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{

PayeeFormLook etpLook()
{
    PayeeFormLook look;
    look.windowTitle = QStringLiteral("Quillastrand - ETP Payee Details");
    look.ignoreTipSaysFiled = true;
    return look;
}

} // namespace

CPayeeETP::CPayeeETP(AppContext& context, QWidget* parent)
    : PayeeFormHolder(context)
    , PayeeFormDialog(context, heldForm, etpLook(), parent)
{
    setObjectName(QStringLiteral("CPayeeETP"));

    auto* top = new QGridLayout;
    addFieldRow(top, 0, QStringLiteral("TFN:"), tfnCombo(*this), markers(PayeeField::Tfn, QStringLiteral("tfn")));
    top->setColumnStretch(3, 1);

    MyGroupBox* pay = groupBox(QStringLiteral("Pay Details"), QStringLiteral("payDetailsGroup"));
    auto* payGrid = new QGridLayout(pay);
    addFieldRow(payGrid, 0, QStringLiteral("Taxable Component:"),
        numberEdit(QStringLiteral("taxable"), &CCards::taxable, 0,
            QStringLiteral("Enter Payee's Taxable Component (whole dollars only)")),
        markers(PayeeField::Taxable, QStringLiteral("taxable")));
    addFieldRow(payGrid, 1, QStringLiteral("Tax Free Component:"),
        numberEdit(QStringLiteral("taxFree"), &CCards::taxFree, 0,
            QStringLiteral("Enter Payee's Tax Free Component (whole dollars only)")),
        markers(PayeeField::TaxFree, QStringLiteral("taxFree")));
    addFieldRow(payGrid, 2, QStringLiteral("Tax Withheld:"),
        numberEdit(QStringLiteral("taxWithheld"), &CCards::taxWithheld, 0,
            QStringLiteral("Enter Payee's Tax Withheld (whole dollars only)")),
        markers(PayeeField::TaxWithheld, QStringLiteral("taxWithheld")));
    addFieldRow(payGrid, 3, QStringLiteral("Payment Date:"),
        dateLists(*this, QStringLiteral("payment"), QStringLiteral("Payment Date"), PayeeField::PaymentDate,
            &CCards::paymentDay, &CCards::paymentMonth, &CCards::paymentYear, numberItems(1, 31), numberItems(1, 12),
            numberItems(2011, 2027, 4)),
        markers(PayeeField::PaymentDate, QStringLiteral("paymentDate")));

    MyGroupBox* type = groupBox(QStringLiteral("Payment Type"), QStringLiteral("paymentTypeGroup"));
    auto* typeRow = new QHBoxLayout(type);
    typeRow->addWidget(listBox(QStringLiteral("paymentType"), PayeeField::EtpPaymentType, &CCards::etpPaymentType,
        EtpPaymentTypes(), ListMatch::Text, QStringLiteral("Select Payment Type from available choices")));
    typeRow->addWidget(markers(PayeeField::EtpPaymentType, QStringLiteral("paymentType")));

    MyGroupBox* arrangement = groupBox(QStringLiteral("Arrangement Details"), QStringLiteral("arrangementGroup"));
    auto* arrangementRow = new QHBoxLayout(arrangement);
    arrangementRow->addWidget(payeeIdBlock());

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(payeeNameGroup(*this));
    left->addWidget(postalAddressGroup(*this, false));
    auto* right = new QVBoxLayout;
    right->addWidget(pay);
    right->addWidget(type);
    right->addWidget(arrangement);
    right->addWidget(origAmendedBlock());
    right->addWidget(amountCorner());
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);

    bodyLayout()->addLayout(top);
    bodyLayout()->addLayout(columns);
    load();
}
