#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>

class AppContext;
class SortListModel;

// One column of the Data Review: caption and width in pixels at 96 dpi.
struct DataReviewColumn {
    const char* caption;
    int baseWidth;
};
inline constexpr std::array<DataReviewColumn, 7> kDataReviewColumns{{{"Payee ID", 95},
                                                                      {"Emp No", 85},
                                                                      {"Type", 45},
                                                                      {"Surname", 145},
                                                                      {"Given", 145},
                                                                      {"TFN/ABN", 90},
                                                                      {"Checked", 80}}};

// The warning of a report loaded from a lodgement file whose version has no
// text of its own: shown at every opening until the Payee List has shown its
// own warning.
inline const QString kDataReviewImportWarning = QStringLiteral(
    "Take Care. The Payee data has been loaded from an existing VESK.A01 file.\n\r\n\rVESK.A01 files do not contain "
    "certain data such as allowance and Lump Sum E details.\n\r\n\rIf the VESK.A01 file was non-compliant, ensure you "
    "add any missing details such as RESC\n\r\n\rSee Help for further information.");
inline const QString kTickOnePayeeToCheck = QStringLiteral("Please place a tick next to the Payee you want to Check.");
inline const QString kOnlyOnePayeeAtATime
    = QStringLiteral("You can only Check one Payee at a time. Please remove multiple ticks.");

// What the Data Review decides: the payees listed as the Payee List lists
// them, Check Payee (the one ticked payee's form) and Check All. It never
// validates by itself.
class DataReviewForm
{
public:
    // Opens a payee's form: EditPayee, unless a test watches the calls.
    using PayeeEditor = std::function<void(AppContext&, qint32)>;

    DataReviewForm(AppContext& context, SortListModel& list, PayeeEditor editPayee = {});

    // Opening: sorts by payee ID, fills the rows, and shows the lodgement
    // file warning.
    void open();
    // Rows and counts from the payee map, sorted by the remembered sort.
    void FillReviewList();
    void OnBnClickedCheckPayee();
    void OnBnClickedCheckAll();

    // The disabled A01-only box shows the Payee List's setting.
    bool a01FileOnlyBox() const;
    // The row of the payee a Check Payee stored, to bring into view; -1
    // when none was stored.
    int rowToShow() const { return m_rowToShow; }

private:
    void showImportWarning();

    AppContext& m_context;
    SortListModel& m_list;
    PayeeEditor m_editPayee;
    int m_rowToShow = -1;
};
