#pragma once

#include "payees/PayeeFormFrame.h"
#include "payees/PayeeRules.h"

#include <QDate>
#include <QString>

#include <optional>

class AppContext;

// The PEN payee (superannuation income stream). It keeps its amounts in
// members other types use for other things; the rules reach them through
// CCards' named accessors only.

inline const QString kPenIncomeType = QStringLiteral("Superannuation Income Stream");
// The first report year whose record carries the reversionary indicator.
inline constexpr int kReversionaryFromYear = 2018;

// Whole years from the birth date to the End Date (whole days / 365.24,
// truncated); 0 when the End Date is not a calendar date. A birth date that
// is not a complete calendar date counts as older than 59 (nullopt).
std::optional<int> PenPayeeAge(const CCards& card);
// The age rule of the Tax Offset and the reversionary warning: 60 or more,
// or a birth date too incomplete to tell.
bool PenPayeeOlderThan59(const CCards& card);

// PEN's rule list: the form's Save stores with `kPenRules`, its check
// writes back with `kPenCheckRules` (the same rules, more members kept).
extern const PayeeTypeRules kPenRules;
extern const PayeeTypeRules kPenCheckRules;

// The logic of the PEN form.
class PayeePenForm : public PayeeFormFrame
{
public:
    explicit PayeePenForm(AppContext& context);

    // The reversionary label and list show from report year 2018.
    bool reversionaryVisible = false;

    void OnInitDialog() override;

protected:
    bool listHidden(QString CCards::*member) const override;
};
