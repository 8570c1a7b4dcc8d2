#pragma once

#include <QString>

#include <optional>
#include <vector>

class AppContext;

// One row of the Payer List dialog's list.
struct PayerListRow {
    QString key;
    QString ref;
    QString name;
    QString tradingName;
    QString abn; // display form
    bool checked = false;

    bool operator==(const PayerListRow&) const = default;
};

// What the Payer List dialog decides: its rows and ticks, and its buttons.
// Every action works on the one ticked row.
class PayerListForm
{
public:
    explicit PayerListForm(AppContext& context);

    // The list sorts by this column ("Legal Name"), ascending.
    static constexpr int kSortColumn = 2;

    // Rereads LivePayerList.mpl (the dialog does so each time it opens).
    void load();
    // Shows, once per report, the hint about adding the payer of an
    // imported lodgement file.
    void showHintOnce();

    // Rows in ascending key order; the dialog shows them sorted by name.
    const std::vector<PayerListRow>& rows() const { return m_rows; }
    // Refills the rows from the Payer List and ticks the wanted one.
    void refresh();
    // The user ticked or unticked a row: ticking one unticks every other.
    void setChecked(int row, bool checked);
    // The same for the row of that key, as the list reports a click. False
    // when the row already had that tick; otherwise the list must show every
    // row's tick again.
    bool tickByKey(const QString& key, bool checked);
    int tickedCount() const;
    // The ticked row, -1 when none is.
    int tickedRow() const;

    // The Payer List folder can be written; says so when it cannot.
    bool probeWritable();

    // Add, Edit, Remove and Import change the Payer List file as it is at
    // that moment, keeping what other copies of the program wrote to it; the
    // rows then show the list as the file holds it.
    void add();
    void edit();
    void remove();
    // True when the ticked entry became the report's payer: the dialog closes.
    bool selectForReport();
    void exportList();
    void importList();

private:
    // The key of the one ticked row; without one, says noTickText or that
    // only one may be ticked.
    std::optional<QString> onlyTickedKey(const QString& noTickText);

    AppContext& m_context;
    std::vector<PayerListRow> m_rows;
};

inline const QString kNoWriteAccessToPayerList = QStringLiteral(
    "You do not currently have WRITE access to this location, so Quillastrand cannot make any changes to the Payer "
    "List.\n\r\n\rYou must have WRITE access to the location where the Payer List is stored. Please select a new "
    "location under File > Preferences > Browse 3.\n\r\n\rOtherwise you may need restart this program and run it as "
    "Administrator, or see your Network Administrator to obtain WRITE permission to this location.");
inline const QString kLoadFromOriginalHint = QStringLiteral(
    "If the Payer in the VESK.A01 File from which the \n\rPayee data was loaded is not currently in the Payer List, "
    "\n\rclick Add, then 'Load from original VESK.A01'.");
inline const QString kRemoveChangedPayer = QStringLiteral(
    "Another copy of Quillastrand has changed the Payer \"%1\" in the Payer List since this list showed it.\n\nDo you "
    "still want to remove this Payer?");
