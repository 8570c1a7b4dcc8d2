#include "payees/PayeeRows.h"

#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "report/FieldRules.h"
#include "widgets/SortListModel.h"

#include <vector>

QString PayeeTfnAbnText(const CCards& payee)
{
    if (payee.busPaymentType == QLatin1String("Voluntary Agreement"))
        return payee.abn.size() == 11 ? AbnDisplayForm(payee.abn) : TfnDisplayForm(payee.abn);
    return payee.tfn.size() == 11 ? AbnDisplayForm(payee.tfn) : TfnDisplayForm(payee.tfn);
}

QStringList PayeeRowTexts(qint32 id, const CCards& payee)
{
    return { IntToString(id), payee.payrollNo, payee.payeeType, payee.surname, payee.firstName, PayeeTfnAbnText(payee),
        payee.checked };
}

void RefreshPayeeList(AppContext& context, SortListModel& list)
{
    Report& report = context.report();
    std::vector<QStringList> rows;
    rows.reserve(report.payees.size());
    qint32 checked = 0;
    for (const auto& [id, payee] : report.payees) {
        rows.push_back(PayeeRowTexts(id, payee));
        if (payee.checked == QLatin1String("Yes"))
            ++checked;
    }
    const qint32 count = qint32(rows.size());
    list.setColumnCount(kPayeeListColumns);
    list.fillRows(std::move(rows));
    report.payeeCount = count;
    report.payeeCountText = IntToString(count);
    report.payeesChecked = checked;
}
