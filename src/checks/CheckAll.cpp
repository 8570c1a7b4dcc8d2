#include "checks/CheckAll.h"

#include "checks/CheckPayeeBus.h"
#include "checks/CheckPayeeDas.h"
#include "checks/CheckPayeeEtp.h"
#include "checks/CheckPayeeFei.h"
#include "checks/CheckPayeeInb.h"
#include "checks/CheckPayeePen.h"
#include "checks/CheckPayeeSls.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"

#include <QLatin1StringView>

#include <vector>

namespace {

struct TypeCheck {
    QLatin1StringView type;
    PayeeCheck check;
};

// In the order the types are compared.
const TypeCheck kTypeChecks[] = {
    {QLatin1StringView("INB"), &CheckPayeeINB},
    {QLatin1StringView("ETP"), &CheckPayeeETP},
    {QLatin1StringView("BUS"), &CheckPayeeBUS},
    {QLatin1StringView("FEI"), &CheckPayeeFEI},
    {QLatin1StringView("PEN"), &CheckPayeePEN},
    {QLatin1StringView("SLS"), &CheckPayeeSLS},
    {QLatin1StringView("DAS"), &CheckPayeeDAS},
};

const TypeCheck* checkOf(const QString& type)
{
    for (const TypeCheck& t : kTypeChecks) {
        if (type == t.type)
            return &t;
    }
    return nullptr;
}

} // namespace

void CheckAllPayees(AppContext& context)
{
    context.checkErrorCount = 0;
    WaitCursor wait(context.ui);
    bool anyChecked = false;

    // The checks write the map while we walk it: walk a copy of the keys.
    std::vector<qint32> ids;
    ids.reserve(context.report().payees.size());
    for (const auto& entry : context.report().payees)
        ids.push_back(entry.first);

    for (const qint32 id : ids) {
        const auto it = context.report().payees.find(id);
        if (it == context.report().payees.end())
            continue;
        if (const TypeCheck* t = checkOf(it->second.payeeType)) {
            anyChecked = true;
            t->check(context, id);
            continue;
        }
        // A payee no check can pass must not stay "Yes": the lodgement file
        // would leave it out while generation is enabled.
        ++context.checkErrorCount;
        it->second.checked = QStringLiteral("Error");
        context.document.SetModifiedFlag();
        context.ui.message(kInvalidPayeeTypeMessage);
    }

    if (!anyChecked)
        context.ui.message(kNoPayeesToCheckMessage);
    else if (context.checkErrorCount != 0)
        context.ui.message(kCheckErrorsMessage);
    else
        context.ui.message(kCheckNoErrorsMessage);
}
