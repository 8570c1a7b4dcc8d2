#pragma once

#include <QString>

class MyGroupBox;
class QGridLayout;
class QLabel;
class QWidget;

// A caption, right-aligned against the field it names.
QLabel* rightLabel(const QString& text, QWidget* parent = nullptr);

// A payer's postal address: both lines across, suburb beside state, country
// beside postcode, in a group box with a blue caption.
MyGroupBox* payerAddressGroup(const QString& title, QWidget* parent, QWidget* address1, QWidget* address2,
    QWidget* suburb, QWidget* state, QWidget* country, QWidget* postcode);

// A payer's contact name (the Authorised Signatory), telephone and fax.
QGridLayout* payerContactGrid(QWidget* parent, QWidget* contact, QWidget* phone, QWidget* fax);
