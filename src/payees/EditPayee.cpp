#include "payees/EditPayee.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <array>
#include <utility>

QString PayeeFormClass(const QString& typeText)
{
    static const std::array<std::pair<QString, QString>, 7> forms { {
        { QStringLiteral("INB"), QStringLiteral("CPayeeINB") },
        { QStringLiteral("BUS"), QStringLiteral("CPayeeBus1") },
        { QStringLiteral("ETP"), QStringLiteral("CPayeeETP") },
        { QStringLiteral("FEI"), QStringLiteral("CPayeeFEI") },
        { QStringLiteral("PEN"), QStringLiteral("CPayeePEN") },
        { QStringLiteral("SLS"), QStringLiteral("CPayeeSLS") },
        { QStringLiteral("DAS"), QStringLiteral("CPayeeDAS") },
    } };
    for (const auto& [type, form] : forms) {
        if (typeText == type)
            return form;
    }
    return {};
}

void EditPayee(AppContext& context, qint32 id)
{
    Report& report = context.report();
    context.currentPayeeKey = id;
    report.currentPayeeId = id;
    context.currentPayee = CCards {};
    if (report.payeeMode == 4)
        return;
    const auto found = report.payees.find(id);
    if (found == report.payees.end())
        return;
    context.currentPayee = found->second;
    const QString form = PayeeFormClass(context.currentPayee.payeeType);
    if (!form.isEmpty())
        context.ui.runDialog(form);
}
