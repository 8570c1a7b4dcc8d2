#include "checks/DataReviewForm.h"

#include "checks/CheckAll.h"
#include "payees/EditPayee.h"
#include "payees/PayeeListForm.h"
#include "payees/PayeeRows.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "widgets/SortListModel.h"

#include <optional>

DataReviewForm::DataReviewForm(AppContext& context, SortListModel& list, PayeeEditor editPayee)
    : m_context(context)
    , m_list(list)
    , m_editPayee(editPayee ? std::move(editPayee) : PayeeEditor(&EditPayee))
{
}

void DataReviewForm::open()
{
    m_context.sortColumn = 0;
    m_context.sortAscending = 1;
    FillReviewList();
    showImportWarning();
}

void DataReviewForm::showImportWarning()
{
    Report& report = m_context.report();
    if (report.fromLodgementFile != QLatin1String("Yes") || report.importWarningShown != 0)
        return;
    switch (report.importVersion) {
    case 73:
    case 74:
    case 80:
    case 90:
    case 100:
    case 101:
    case 110:
        m_context.ui.message(ImportWarningText(report.importVersion), MessageButtons::Ok, MessageIcon::None);
        report.importWarningShown = 1;
        return;
    default:
        // Shown again at every opening, until the Payee List shows its own.
        m_context.ui.message(kDataReviewImportWarning, MessageButtons::Ok, MessageIcon::None);
    }
}

void DataReviewForm::FillReviewList()
{
    // The Payee List's rows and counts; the adding mode and the changed flag
    // stay as they are.
    RefreshPayeeList(m_context, m_list);
    m_context.report().reviewCount = m_context.report().payeeCount;
    m_list.SortColumn(m_context.sortColumn, m_context.sortAscending != 0);
}

bool DataReviewForm::a01FileOnlyBox() const
{
    return m_context.report().a01FileOnly == 1;
}

void DataReviewForm::OnBnClickedCheckPayee()
{
    WaitCursor wait(m_context.ui);
    m_rowToShow = -1;
    if (m_list.rowCount() == 0) {
        m_context.ui.message(kNoPayeesToCheckMessage);
        return;
    }
    const std::vector<int> ticked = m_list.checkedRows();
    if (ticked.empty()) {
        m_context.ui.message(kTickOnePayeeToCheck);
        return;
    }
    if (ticked.size() > 1) {
        m_context.ui.message(kOnlyOnePayeeAtATime);
        return;
    }
    const int row = ticked.front();
    // 999999 is a payee ID like any other: only a text that does not
    // convert is refused.
    const std::optional<qint32> id = TryStringToInt(m_list.rowText(row, kPayeeIdColumn));
    if (!id) {
        m_context.ui.message(kBadPayeeId);
        return;
    }
    m_editPayee(m_context, *id);
    m_list.setAllChecked(false);
    const bool stored = m_context.report().payeesChanged == 1;
    if (stored)
        m_context.document.SetModifiedFlag();
    FillReviewList();
    // The payee just stored stays in view where the refill sorted it.
    if (stored) {
        const QString key = IntToString(*id);
        for (int r = 0; r < m_list.rowCount(); ++r) {
            if (m_list.rowText(r, kPayeeIdColumn) == key) {
                m_rowToShow = r;
                break;
            }
        }
    }
}

void DataReviewForm::OnBnClickedCheckAll()
{
    CheckAllPayees(m_context);
    // Errors first: "Error" sorts above "No" above "Yes".
    m_context.sortColumn = kPayeeCheckedColumn;
    m_context.sortAscending = 1;
    FillReviewList();
}
