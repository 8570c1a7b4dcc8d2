#include "payees/AddPayeeForm.h"

#include "payees/EditPayee.h"
#include "payees/PayeeServices.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"

namespace
{

constexpr qint32 kAddingMode = 4;

const QString kChooseType = QStringLiteral("Please selection a Payment Summary Type before continuing.");
const QString kNoSuchType = QStringLiteral("should not come here #Ref102");

// The type numbers run INB 1 .. DAS 7, in the order of PayeeType.
std::optional<PayeeType> typeOfNumber(qint32 number)
{
    if (number < 1 || number > qint32(kPayeeTypes.size()))
        return std::nullopt;
    return kPayeeTypes[number - 1];
}

} // namespace

QString PayeeFormClassOf(PayeeType type)
{
    return PayeeFormClass(payeeTypeCode(type));
}

AddPayeeForm::AddPayeeForm(AppContext& context, PayeeServices& services)
    : m_context(context)
    , m_services(services)
{
}

void AddPayeeForm::OnInitDialog()
{
    choose(PayeeType::INB);
}

void AddPayeeForm::choose(PayeeType type)
{
    m_context.report().payeeMode = kAddingMode;
    m_context.addPayeeType = qint32(type) + 1;
}

std::optional<PayeeType> AddPayeeForm::chosen() const
{
    return typeOfNumber(m_context.addPayeeType);
}

AddPayeeOutcome AddPayeeForm::OnBnClickedOk(qint64 payeeLimit)
{
    if (m_context.addPayeeType == 0) {
        m_context.ui.message(kChooseType);
        return AddPayeeOutcome::StayOpen;
    }
    const std::optional<PayeeType> type = chosen();
    m_context.addPayeeType = 0;
    // Before the user types a payee the report could not take.
    const Report& report = m_context.report();
    if (PayeeRoomLeft(report, payeeLimit) < 1) {
        m_context.ui.message(TooManyPayeesMessage(qint64(report.payees.size()), 1, payeeLimit));
        return AddPayeeOutcome::Close;
    }
    m_context.report().newPayeeDataSource = QStringLiteral("Manually Added");
    if (type)
        m_context.ui.runDialog(PayeeFormClassOf(*type));
    return AddPayeeOutcome::Close;
}

AddPayeeOutcome AddPayeeForm::OnBnClickedTabDelimitedImport()
{
    if (m_context.addPayeeType == 0) {
        m_context.ui.message(kChooseType);
        return AddPayeeOutcome::StayOpen;
    }
    const std::optional<PayeeType> type = chosen();
    if (!type) {
        m_context.ui.message(kNoSuchType);
        return AddPayeeOutcome::Close;
    }
    m_context.addPayeeType = 0;
    m_context.report().newPayeeDataSource = QStringLiteral("Tab Delimited Import");
    // No wait cursor here: the importer asks for its file first.
    m_services.importTabDelimited(m_context, *type);
    return AddPayeeOutcome::Close;
}
