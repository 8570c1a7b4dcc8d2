#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

class AppContext;
class PayeeServices;
class PdfServices;
class SortListModel;

// A payee list column's width on a screen of `dotsPerInch`: the base width
// (pixels at 96 dpi) by the display scale, by a further 95% at exactly 120
// dpi, truncated.
int ScaledListColumnWidth(int baseWidth, int dotsPerInch);

// One column of the Payee List: caption and width in pixels at 96 dpi.
struct PayeeListColumn {
    const char* caption;
    int baseWidth;
};
inline constexpr std::array<PayeeListColumn, 7> kPayeeListColumnTable { { { "Payee ID", 85 }, { "Emp No", 75 },
    { "Type", 45 }, { "Surname", 145 }, { "Given Name", 145 }, { "TFN/ABN", 90 }, { "Checked", 80 } } };
// A column's width on a screen of `dotsPerInch`.
int PayeeListColumnWidth(int column, int dotsPerInch);

// The warning shown once per report whose payees came from a lodgement file
// of that version (times ten).
QString ImportWarningText(qint32 importVersion);

// What the Payee List dialog decides: every button works on the report's
// payees and on the rows of the list (ticks, selection, the order shown),
// then rebuilds the rows from the payee map.
class PayeeListForm
{
public:
    // Opens a payee's form: EditPayee, unless a test watches the calls.
    using PayeeEditor = std::function<void(AppContext&, qint32)>;

    PayeeListForm(AppContext& context, SortListModel& list, PayeeServices& services, PdfServices& pdf,
        PayeeEditor editPayee = {});

    // Opening: sorts by payee ID, fills the rows, and shows the lodgement
    // file warning once per report.
    void open();
    // Rows and counts from the payee map, sorted by the remembered sort
    // (not while a payee is being added); leaves the adding mode.
    void RefreshPayeeList();

    void OnBnClickedAdd();
    void OnBnClickedEdit();
    void OnBnClickedDelete();
    void OnBnClickedCopy();
    // The "All" box was clicked: every row takes its tick.
    void OnBnClickedAll(bool ticked);
    void OnBnClickedSinglePaymentSummary();
    void OnBnClickedTotals();
    void OnBnClickedCheckAll();
    void OnBnClickedExport();
    void OnBnClickedUnCheckAll();
    // The A01-only box was clicked; see a01FileOnlyBox() for what it shows.
    void OnBnClickedA01FileOnly();
    // A double-click on a row (-1 below the last row). True when the rows
    // were rebuilt.
    bool OnNMDblclkList(int row);

    // What the "All" and A01-only boxes show.
    bool allBox() const { return m_allBox; }
    bool a01FileOnlyBox() const { return m_a01Box; }

private:
    // Converts a row's ID; says so when it does not convert.
    std::optional<qint32> rowId(int row);
    void showImportWarningOnce();

    AppContext& m_context;
    SortListModel& m_list;
    PayeeServices& m_services;
    PdfServices& m_pdf;
    PayeeEditor m_editPayee;
    bool m_allBox = false;
    bool m_a01Box = false;
};

inline const QString kA01OnlyQuestion = QStringLiteral(
    "Use this box when loading data from an existing VESK.A01 file.\n\r\n\rTicking this box will skip Allowance, "
    "Union/Prof Assoc name, and Lump Sum E edit checks.\r\n\r\nUnticking this box will reset the Checked indicator to "
    "No. You will need to click Check All. \r\n\r\nAre you sure you want to proceed?");
inline const QString kCopyHeader
    = QStringLiteral("Payee_ID\tEmp_No\tType\tSurname\tGiven_Name\tTFN_ABN\tChecked\r\n\r\n");
inline const QString kBadPayeeId = QStringLiteral("ID does not convert to a valid integer.");
