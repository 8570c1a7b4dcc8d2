#include "payees/PayeeListForm.h"

#include "lodgement/PdfServices.h"
#include "payees/EditPayee.h"
#include "payees/PayeeRows.h"
#include "payees/PayeeServices.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "widgets/Scale.h"
#include "widgets/SortListModel.h"

#include <vector>

namespace
{

const QString kV11Warning = QStringLiteral(
    "Take Care. The Payee data has been loaded from an existing v11 VESK.A01 file.\n\r\n\rVESK.A01 files do not "
    "contain certain data. Carefully check and update the following fields:\n\r\n\rBreakdown of any Allowances\n\rOrg "
    "details for any Union/Prof Fees\n\rBreakdown of any Lump Sum E\n\r\n\rSee Help for further information.");

QString fieldsWarning(const char* version, const char* fields)
{
    return QStringLiteral("Take Care. The Payee data has been loaded from an existing %1 VESK.A01 file.\n\r\n\r%1 "
                          "VESK.A01 files did not contain certain data. Carefully check and update the following "
                          "fields:\n\r\n\r%2\n\r\n\rSee Help for further information.")
        .arg(QLatin1String(version), QLatin1String(fields));
}

bool anyTicked(const SortListModel& list)
{
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.isChecked(row))
            return true;
    return false;
}

} // namespace

int ScaledListColumnWidth(int baseWidth, int dotsPerInch)
{
    // Whole numbers throughout, so that 80 x 1.1875 is 95, not 94.
    const qint64 extra = dotsPerInch == 120 ? 95 : 100;
    return int(qint64(baseWidth) * ScalePercent(dotsPerInch) * extra / 10000);
}

int PayeeListColumnWidth(int column, int dotsPerInch)
{
    if (column < 0 || column >= int(kPayeeListColumnTable.size()))
        return 0;
    return ScaledListColumnWidth(kPayeeListColumnTable[column].baseWidth, dotsPerInch);
}

QString ImportWarningText(qint32 importVersion)
{
    switch (importVersion) {
    case 73:
    case 74:
        return fieldsWarning("v7",
            "Breakdown of any Allowances\n\rBreakdown of any Lump Sum E\n\rLump Sum A "
            "Indicator\n\rRESC\n\rWorkplace Giving\n\rUnion-Association Fees\n\rExempt Foreign "
            "Employment Income\n\rUndeducted Purchase Price of Annuity\n\rAmend-Original "
            "Indicator");
    case 80:
        return fieldsWarning("v8",
            "Breakdown of any Allowances\n\rBreakdown of any Lump Sum E\n\rLump Sum A "
            "Indicator\n\rRESC\n\rWorkplace Giving\n\rUnion-Association Fees\n\rExempt Foreign "
            "Employment Income\n\rUndeducted Purchase Price of Annuity");
    case 90:
        return fieldsWarning("v9",
            "Breakdown of any Allowances\n\rOrg details for any Union/Prof Fees\n\rBreakdown "
            "of any Lump Sum E\n\rUndeducted Purchase Price of Annuity\n\rAmend-Original "
            "Indicator");
    case 100:
    case 101:
        return fieldsWarning("v10",
            "Breakdown of any Allowances\n\rOrg details for any Union/Prof Fees\n\rBreakdown "
            "of any Lump Sum E\n\rUndeducted Purchase Price of Annuity");
    case 110:
        return kV11Warning;
    case 120:
        return QString(kV11Warning).replace(QStringLiteral("v11"), QStringLiteral("v12"));
    case 130:
        return QString(kV11Warning).replace(QStringLiteral("v11"), QStringLiteral("v13"));
    default:
        return QStringLiteral(
            "Take Care. The Payee data has been loaded from an existing VESK.A01 file.\n\r\n\rVESK.A01 files do not "
            "contain certain data such as allowance and Lump Sum E details.\n\r\n\rIf the VESK.A01 file was "
            "non-compliant, ensure you add any missing details such as RESC, etc\n\r\n\rSee Help for further "
            "information.");
    }
}

PayeeListForm::PayeeListForm(
    AppContext& context, SortListModel& list, PayeeServices& services, PdfServices& pdf, PayeeEditor editPayee)
    : m_context(context)
    , m_list(list)
    , m_services(services)
    , m_pdf(pdf)
    , m_editPayee(editPayee ? std::move(editPayee) : PayeeEditor(&EditPayee))
{
    m_list.setColumnCount(kPayeeListColumns);
}

void PayeeListForm::open()
{
    m_allBox = false;
    m_context.sortColumn = 0;
    m_context.sortAscending = 1;
    RefreshPayeeList();
    showImportWarningOnce();
}

void PayeeListForm::showImportWarningOnce()
{
    Report& report = m_context.report();
    if (report.fromLodgementFile != QLatin1String("Yes") || report.importWarningShown != 0)
        return;
    m_context.ui.message(ImportWarningText(report.importVersion), MessageButtons::Ok, MessageIcon::None);
    report.importWarningShown = 1;
}

void PayeeListForm::RefreshPayeeList()
{
    Report& report = m_context.report();
    ::RefreshPayeeList(m_context, m_list);
    m_allBox = false;
    m_a01Box = report.a01FileOnly == 1;
    // Adding shows the rows in ascending ID and sorts by ID afterwards.
    if (report.payeeMode == 4) {
        m_context.sortColumn = 0;
        m_list.setFilledOrder(kPayeeIdColumn, true); // the refill's order, the payee map's
    }
    m_list.SortColumn(m_context.sortColumn, m_context.sortAscending != 0);
    report.payeeMode = 0;
    report.payeesChanged = 0;
}

std::optional<qint32> PayeeListForm::rowId(int row)
{
    const std::optional<qint32> id = TryStringToInt(m_list.rowText(row, kPayeeIdColumn));
    if (!id)
        m_context.ui.message(kBadPayeeId);
    return id;
}

void PayeeListForm::OnBnClickedAdd()
{
    // No wait cursor over a dialog the user works in.
    m_context.ui.runDialog(QStringLiteral("CAddPayee1"));
    WaitCursor wait(m_context.ui);
    m_context.sortColumn = 1;
    m_context.sortAscending = 1;
    if (m_context.report().payeesChanged == 1)
        m_context.document.SetModifiedFlag();
    RefreshPayeeList();
}

void PayeeListForm::OnBnClickedEdit()
{
    Report& report = m_context.report();
    report.editAttempted = 1;
    report.payeeEditOpened = 1;
    report.payeeMode = 0;
    if (m_list.rowCount() == 0) {
        m_context.ui.message(QStringLiteral("There are no Payees to Edit."));
        return;
    }
    // Ticked rows, else the highlighted ones.
    std::vector<int> rows = m_list.checkedRows();
    const bool ticked = !rows.empty();
    if (!ticked)
        rows = m_list.selectedRows();
    if (rows.empty()) {
        m_context.ui.message(QStringLiteral("Please select or highlight Payee(s) you want to edit. "));
        if (report.payeesChanged == 1)
            m_context.document.SetModifiedFlag();
        return;
    }
    for (const int row : rows) {
        const std::optional<qint32> id = rowId(row);
        if (!id)
            return; // payees edited before stay edited
        if (m_context.report().payees.count(*id))
            m_editPayee(m_context, *id);
    }
    const int keep = ticked ? rows.back() : rows.front();
    WaitCursor wait(m_context.ui);
    RefreshPayeeList();
    m_list.ensureVisible(keep);
}

void PayeeListForm::OnBnClickedDelete()
{
    WaitCursor wait(m_context.ui);
    if (m_list.rowCount() == 0) {
        m_context.ui.message(QStringLiteral("There are no Payees to Delete."));
        return;
    }
    if (!anyTicked(m_list)) {
        m_context.ui.message(QStringLiteral("Please place a tick next to the \nPayee you want to Delete."));
        return;
    }
    const Answer answer
        = m_context.ui.message(QStringLiteral("Are you sure you want to permanently delete the selected Payee(s) "
                                              "from this Report?"),
            MessageButtons::YesNoCancel);
    if (answer != Answer::Yes)
        return;
    PayeeMap& payees = m_context.report().payees;
    for (const int row : m_list.checkedRows()) {
        // A text that is no number erases nothing; the highest ID stays, so
        // a new payee never takes a deleted payee's ID.
        if (const std::optional<qint32> id = TryStringToInt(m_list.rowText(row, kPayeeIdColumn)))
            payees.erase(*id);
    }
    m_context.document.SetModifiedFlag();
    RefreshPayeeList();
}

void PayeeListForm::OnBnClickedCopy()
{
    WaitCursor wait(m_context.ui);
    if (m_list.rowCount() == 0) {
        m_context.ui.message(QStringLiteral("There are no Payees to Copy."));
        return;
    }
    QString text = kCopyHeader;
    text.reserve(text.size() + qsizetype(m_list.rowCount()) * 64);
    for (const QStringList& row : m_list.rows()) {
        for (int column = 0; column < kPayeeListColumns; ++column) {
            text += row.at(column);
            text += column + 1 < kPayeeListColumns ? QStringLiteral("\t") : QStringLiteral("\r\n");
        }
    }
    if (!m_context.ui.setClipboardText(text))
        m_context.ui.message(QStringLiteral("The clipboard is temporarily unavailable"));
}

void PayeeListForm::OnBnClickedAll(bool ticked)
{
    WaitCursor wait(m_context.ui);
    m_allBox = ticked;
    m_list.setAllChecked(ticked);
}

void PayeeListForm::OnBnClickedSinglePaymentSummary()
{
    WaitCursor wait(m_context.ui);
    m_context.report().payeeMode = 0;
    if (m_list.rowCount() == 0) {
        m_context.ui.message(QStringLiteral("There are no Payees in the List."));
        return;
    }
    const std::vector<int> ticked = m_list.checkedRows();
    if (ticked.empty()) {
        m_context.ui.message(
            QStringLiteral("Please place a tick next to the Payee for \nwhom you want to generate a Payment Summary."));
        return;
    }
    if (ticked.size() > 1) {
        m_context.ui.message(QStringLiteral("From this screen, you can generate a Payment Summary \nfor one Payee at a "
                                            "time only. Please remove multiple ticks."));
        return;
    }
    const int row = ticked.front();
    const std::optional<qint32> id = rowId(row);
    if (!id)
        return;
    if (m_context.report().payees.count(*id))
        m_pdf.paymentSummary(m_context, *id);
    m_allBox = false;
    m_list.setAllChecked(false);
    m_list.ensureVisible(row);
}

void PayeeListForm::OnBnClickedTotals()
{
    WaitCursor wait(m_context.ui);
    m_context.ui.runDialog(QStringLiteral("Totals"));
}

void PayeeListForm::OnBnClickedCheckAll()
{
    m_services.checkAllPayees(m_context);
    // Errors first: "Error" sorts above "No" above "Yes".
    m_context.sortColumn = kPayeeCheckedColumn;
    m_context.sortAscending = 1;
    RefreshPayeeList();
}

void PayeeListForm::OnBnClickedExport()
{
    m_context.ui.runDialog(QStringLiteral("Export"));
}

void PayeeListForm::OnBnClickedUnCheckAll()
{
    WaitCursor wait(m_context.ui);
    bool changed = false;
    for (auto& [id, payee] : m_context.report().payees) {
        if (payee.checked != QLatin1String("No")) {
            payee.checked = QStringLiteral("No");
            changed = true;
        }
    }
    // Every payee must be checked again: a report saved now must say so.
    if (changed)
        m_context.document.SetModifiedFlag();
    RefreshPayeeList();
}

void PayeeListForm::OnBnClickedA01FileOnly()
{
    Report& report = m_context.report();
    const bool was = report.a01FileOnly == 1;
    if (m_context.ui.message(kA01OnlyQuestion, MessageButtons::YesNoCancel) != Answer::Yes) {
        m_a01Box = was;
        return;
    }
    m_a01Box = !was;
    m_context.document.SetModifiedFlag();
    if (m_a01Box) {
        report.a01FileOnly = 1;
        return;
    }
    report.a01FileOnly = 0;
    OnBnClickedUnCheckAll();
}

bool PayeeListForm::OnNMDblclkList(int row)
{
    if (row < 0 || row >= m_list.rowCount())
        return false;
    const std::optional<qint32> id = rowId(row);
    if (!id)
        return false;
    if (m_context.report().payees.count(*id))
        m_editPayee(m_context, *id);
    RefreshPayeeList();
    return true;
}
