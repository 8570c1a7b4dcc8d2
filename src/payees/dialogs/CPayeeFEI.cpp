#include "payees/dialogs/CPayeeFEI.h"

namespace
{

PayeeFormLook feiLook()
{
    PayeeFormLook look;
    look.windowTitle = QStringLiteral("Quillastrand - FEI Payee Details");
    look.tall = true;
    return look;
}

} // namespace

CPayeeFEI::CPayeeFEI(AppContext& context, QWidget* parent)
    : PayeeInbFeiDialog(context, m_fei, feiLook(), parent)
    , m_fei(context)
{
    // The lists follow the report year and preferences the set-up settles.
    m_fei.OnInitDialog();
    InbFeiLayout layout;
    layout.incomeTypes = m_fei.incomeTypes;
    layout.allowanceNames = m_fei.allowanceNames;
    layout.organisationNames = m_fei.organisationNames;
    layout.s57AVisible = m_fei.s57AVisible;
    layout.accruedYearMinus2 = m_fei.accruedYearMinus2;
    layout.accruedYearMinus3 = m_fei.accruedYearMinus3;
    layout.accruedPriorTo = m_fei.accruedYearMinus3;
    layout.pay = { {
        { QStringLiteral("Gross:"), QStringLiteral("gross"), &CCards::gross,
            QStringLiteral("Enter Payee's Gross (whole dollars only)") },
        { QStringLiteral("Aust Tax Withheld:"), QStringLiteral("taxWithheld"), &CCards::taxWithheld,
            QStringLiteral("Enter Payee's Aust Tax Withheld (whole dollars only)") },
        { QStringLiteral("Foreign Tax Paid:"), QStringLiteral("foreignTaxPaid"), &CCards::cdep,
            QStringLiteral("Enter Payee's Foreign Tax Paid  (whole dollars only)") },
    } };
    layout.allowancesCaption = QStringLiteral("Name(s) of Allowances only - Amt should be included in Gross");
    layout.allowanceAmountsEnabled = false;
    layout.inbOnlyAmountsHidden = true;
    buildLayout(layout, [this] { m_fei.OnBnClickedAllZero(); });
    load();
}
