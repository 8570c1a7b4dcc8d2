#include "transfer/ExportPayees.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "transfer/TabDelimitedExport.h"

ExportPayees::ExportPayees(AppContext& context, int& chosenType) : m_context(context), m_chosenType(chosenType) {}

void ExportPayees::OnBnClickedTabDelimitedExport(const std::function<void()>& endDialog)
{
    const int type = m_chosenType;
    if (type < 1 || type > int(kPayeeTypes.size())) {
        m_context.ui.message(QStringLiteral("Please selection a Payee Type before continuing."));
        return;
    }
    endDialog();
    WaitCursor wait(m_context.ui);
    m_chosenType = 0;
    ExportTabDelimited(m_context, kPayeeTypes[type - 1]);
}
