#include "payers/dialogs/PayerLayout.h"

#include "widgets/DialogKit.h"

#include <QGridLayout>
#include <QLabel>

QLabel* rightLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

MyGroupBox* payerAddressGroup(const QString& title, QWidget* parent, QWidget* address1, QWidget* address2,
    QWidget* suburb, QWidget* state, QWidget* country, QWidget* postcode)
{
    auto* address = new MyGroupBox(title, parent);
    address->setCaptionColor(kCaptionBlue);
    auto* grid = new QGridLayout(address);
    int row = 0;
    grid->addWidget(rightLabel(QStringLiteral("Address Line 1:")), row, 0);
    grid->addWidget(address1, row++, 1, 1, 3);
    grid->addWidget(rightLabel(QStringLiteral("Address Line 2:")), row, 0);
    grid->addWidget(address2, row++, 1, 1, 3);
    grid->addWidget(rightLabel(QStringLiteral("Suburb:")), row, 0);
    grid->addWidget(suburb, row, 1);
    grid->addWidget(rightLabel(QStringLiteral("State:")), row, 2);
    grid->addWidget(state, row++, 3);
    grid->addWidget(rightLabel(QStringLiteral("Country:")), row, 0);
    grid->addWidget(country, row, 1);
    grid->addWidget(rightLabel(QStringLiteral("PCode:")), row, 2);
    grid->addWidget(postcode, row++, 3);
    return address;
}

QGridLayout* payerContactGrid(QWidget* parent, QWidget* contact, QWidget* phone, QWidget* fax)
{
    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(rightLabel(QStringLiteral("Contact Name:")), row, 0);
    grid->addWidget(contact, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("(Authorised Signatory)"), parent), row++, 2);
    grid->addWidget(rightLabel(QStringLiteral("Contact Telephone:")), row, 0);
    grid->addWidget(phone, row++, 1);
    grid->addWidget(rightLabel(QStringLiteral("Fax No:")), row, 0);
    grid->addWidget(fax, row++, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}
