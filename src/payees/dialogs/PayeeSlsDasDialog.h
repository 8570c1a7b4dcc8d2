#pragma once

#include "payees/dialogs/PayeeFormDialog.h"

#include <memory>

class QGridLayout;

// The forms of the two superannuation payments, SLS and DAS, laid out
// alike: Payee Name, Postal Address, Pay Details, then Arrangement Details
// and Original/Amended. SLS adds the date of birth and the death benefit.
class PayeeSlsDasDialog : public PayeeFormDialog
{
public:
    PayeeSlsDasDialog(AppContext& context, std::unique_ptr<PayeeFormFrame> form, PayeeType type, QWidget* parent);

    PayeeFormFrame& form() const { return *m_owned; }

private:
    void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* field, PayeeField marker,
        const QString& markerName);
    void buildNames(bool withBirthDate);
    void buildAddress();
    void buildPay(bool withDeathBenefit);

    // Made by the caller, so it exists before the base that binds to it.
    std::unique_ptr<PayeeFormFrame> m_owned;
};
