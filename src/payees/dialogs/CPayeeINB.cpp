#include "payees/dialogs/CPayeeINB.h"

namespace
{

PayeeFormLook inbLook()
{
    PayeeFormLook look;
    look.windowTitle = QStringLiteral("Quillastrand - INB Payee Details");
    look.tall = true;
    return look;
}

} // namespace

CPayeeINB::CPayeeINB(AppContext& context, QWidget* parent)
    : PayeeInbFeiDialog(context, m_inb, inbLook(), parent)
    , m_inb(context)
{
    // The lists follow the report year and preferences the set-up settles.
    m_inb.OnInitDialog();
    InbFeiLayout layout;
    layout.incomeTypes = m_inb.incomeTypes;
    layout.allowanceNames = m_inb.allowanceNames;
    layout.organisationNames = m_inb.organisationNames;
    layout.s57AVisible = m_inb.s57AVisible;
    layout.accruedYearMinus2 = m_inb.accruedYearMinus2;
    layout.accruedYearMinus3 = m_inb.accruedYearMinus3;
    layout.accruedPriorTo = m_inb.accruedPriorTo;
    layout.pay = { {
        { QStringLiteral("Gross:"), QStringLiteral("gross"), &CCards::gross,
            QStringLiteral("Enter Payee's Gross (whole dollars only)") },
        { QStringLiteral("CDEP:"), QStringLiteral("cdep"), &CCards::cdep,
            QStringLiteral("Enter Payee's CDEP (whole dollars only)") },
        { QStringLiteral("Tax Withheld:"), QStringLiteral("taxWithheld"), &CCards::taxWithheld,
            QStringLiteral("Enter Payee's Tax Withheld (whole dollars only)") },
    } };
    layout.exemptForeignTip = QStringLiteral("Enter Payee's Exempt Foreign Employment Income (whole dollars only)");
    layout.annuityTip = QStringLiteral("Enter Payee's Deductible UPP of Annuity amount (whole dollars only)");
    buildLayout(layout, [this] { m_inb.OnBnClickedAllZero(); });
    load();
}
