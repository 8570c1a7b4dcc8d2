#include "payees/PayeeListForm.h"
#include "payees/PayeeRows.h"
#include "payees/PayeeServices.h"

#include "lodgement/PdfServices.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "support/ListColumn.h"
#include "support/ScriptedUi.h"
#include "widgets/SortListModel.h"

#include <gtest/gtest.h>

namespace
{

class RecordingPdf : public PdfServices
{
public:
    void paymentSummary(AppContext& context, qint32 payeeId) override
    {
        ids.push_back(payeeId);
        modes.push_back(context.report().payeeMode);
    }
    std::vector<qint32> ids;
    std::vector<qint32> modes;
};

class RecordingServices : public PayeeServices
{
public:
    void checkAllPayees(AppContext& context) override
    {
        ++checks;
        for (auto& [id, payee] : context.report().payees)
            payee.checked = id == 3 ? QStringLiteral("Error") : QStringLiteral("Yes");
    }
    int checks = 0;
};

CCards payeeOf(const QString& type, const QString& surname, const QString& tfn)
{
    CCards c;
    c.payeeType = type;
    c.surname = surname;
    c.firstName = QStringLiteral("Given");
    c.tfn = tfn;
    c.checked = QStringLiteral("Yes");
    return c;
}

class PayeeList : public ::testing::Test
{
protected:
    PayeeList()
        : context(ui, files)
        , list(context)
        , form(context, list, services, pdf, [this](AppContext& c, qint32 id) {
            edited.push_back(id);
            if (onEdit)
                onEdit(c, id);
        })
    {
    }

    void add(qint32 id, CCards c)
    {
        c.payeeId = id;
        context.report().payees[id] = c;
        context.report().highestPayeeId = std::max(context.report().highestPayeeId, id);
    }

    // Three payees, shown in ascending ID once the list opens.
    void threePayees()
    {
        add(3, payeeOf(QStringLiteral("INB"), QStringLiteral("Brown"), QStringLiteral("123456782")));
        add(1, payeeOf(QStringLiteral("ETP"), QStringLiteral("Chen"), QStringLiteral("876543210")));
        add(999999, payeeOf(QStringLiteral("INB"), QStringLiteral("Adams"), QStringLiteral("111111111")));
        form.open();
    }

    QStringList column(int c) const { return columnTexts(list, c); }

    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
    SortListModel list;
    RecordingPdf pdf;
    RecordingServices services;
    std::vector<qint32> edited;
    std::function<void(AppContext&, qint32)> onEdit;
    PayeeListForm form;
};

// ---- Rows and counts ----

struct TfnCase {
    const char* type;
    const char* busPaymentType;
    const char* tfn;
    const char* abn;
    const char* shown;
};

class PayeeTfnColumn : public ::testing::TestWithParam<TfnCase>
{
};

TEST_P(PayeeTfnColumn, ShowsTheTfnOrTheAbnOfAVoluntaryAgreement)
{
    const TfnCase& c = GetParam();
    CCards payee;
    payee.payeeType = QString::fromUtf8(c.type);
    payee.busPaymentType = QString::fromUtf8(c.busPaymentType);
    payee.tfn = QString::fromUtf8(c.tfn);
    payee.abn = QString::fromUtf8(c.abn);
    EXPECT_EQ(PayeeTfnAbnText(payee), QString::fromUtf8(c.shown));
    EXPECT_EQ(PayeeRowTexts(7, payee).at(5), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Cases, PayeeTfnColumn,
    ::testing::Values(TfnCase { "BUS", "Voluntary Agreement", "123456782", "51824753556", "51 824 753 556" },
        TfnCase { "BUS", "Voluntary Agreement", "123456782", "123456782", "123 456 782" },
        TfnCase { "BUS", "Voluntary Agreement", "123456782", "5182475", "5182475" },
        TfnCase { "BUS", "Voluntary Agreement", "123456782", "", "" },
        TfnCase { "BUS", "voluntary agreement", "123456782", "51824753556", "123 456 782" },
        TfnCase { "BUS", "Labour Hire", "123456782", "51824753556", "123 456 782" },
        TfnCase { "INB", "", "123456782", "51824753556", "123 456 782" },
        TfnCase { "INB", "", "12345678", "", "12345678" }, TfnCase { "INB", "", "1234567890", "", "1234567890" },
        TfnCase { "PEN", "", "12345678901", "", "12 345 678 901" }, TfnCase { "XYZ", "", "", "", "" }),
    [](const ::testing::TestParamInfo<TfnCase>& info) { return "row" + std::to_string(info.index); });

TEST_F(PayeeList, RefillListsEveryPayeeInIdOrderAndCountsTheCheckedOnes)
{
    const char* statuses[] = { "Yes", "Error", "No", "", "Yes" };
    for (int i = 0; i < 5; ++i) {
        CCards c = payeeOf(QStringLiteral("INB"), QStringLiteral("S%1").arg(i), QStringLiteral("123456782"));
        c.checked = QString::fromUtf8(statuses[i]);
        add(50 - i * 10, c);
    }
    // Stored as it is: an unknown type and a name outside ASCII.
    CCards odd = payeeOf(QStringLiteral("ZZZ"), QString::fromUtf8("Zoë"), QString());
    odd.checked = QString();
    add(7, odd);
    context.report().payeeMode = 0;
    context.report().payeesChanged = 1;
    form.open();
    EXPECT_EQ(column(0), (QStringList { "7", "10", "20", "30", "40", "50" }));
    EXPECT_EQ(list.rows().front(), (QStringList { "7", "", "ZZZ", QString::fromUtf8("Zoë"), "Given", "", "" }));
    EXPECT_EQ(context.report().payeeCount, 6);
    EXPECT_EQ(context.report().payeeCountText, QStringLiteral("6"));
    EXPECT_EQ(context.report().payeesChecked, 2);
    EXPECT_EQ(context.report().payeesChanged, 0);
    EXPECT_EQ(context.sortColumn, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PayeeList, RefillSortsByTheRememberedSortButNotWhileAdding)
{
    threePayees();
    context.sortColumn = 3;
    context.sortAscending = 1;
    form.RefreshPayeeList();
    EXPECT_EQ(column(3), (QStringList { "Adams", "Brown", "Chen" }));

    context.report().payeeMode = 4;
    form.RefreshPayeeList();
    EXPECT_EQ(column(0), (QStringList { "1", "3", "999999" }));
    EXPECT_EQ(context.sortColumn, 0);
    EXPECT_EQ(context.report().payeeMode, 0);
}

TEST_F(PayeeList, EmptyReportCountsNothingAndEveryActionSaysSo)
{
    form.open();
    EXPECT_EQ(context.report().payeeCountText, QStringLiteral("0"));
    EXPECT_EQ(context.report().payeeCount, 0);
    form.OnBnClickedEdit();
    form.OnBnClickedDelete();
    form.OnBnClickedCopy();
    form.OnBnClickedSinglePaymentSummary();
    EXPECT_EQ(ui.texts(),
        (QStringList { "There are no Payees to Edit.", "There are no Payees to Delete.", "There are no Payees to Copy.",
            "There are no Payees in the List." }));
    EXPECT_EQ(ui.messages.front().icon, MessageIcon::Warning);
    EXPECT_TRUE(ui.clipboard.isEmpty());
    EXPECT_TRUE(edited.empty());
}

// ---- Edit ----

TEST_F(PayeeList, EditOpensTheTickedRowsTopToBottom)
{
    threePayees();
    list.setChecked(2, true);
    list.setChecked(0, true);
    list.selectRow(1); // ticks win over the selection
    form.OnBnClickedEdit();
    EXPECT_EQ(edited, (std::vector<qint32> { 1, 999999 })); // 999999 is a payee ID like any other
    EXPECT_EQ(context.report().editAttempted, 1);
    EXPECT_EQ(context.report().payeeEditOpened, 1);
    EXPECT_TRUE(list.checkedRows().empty()); // rebuilt
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PayeeList, EditWithoutTicksOpensTheSelectedRows)
{
    threePayees();
    list.selectRow(2);
    list.selectRow(1);
    form.OnBnClickedEdit();
    EXPECT_EQ(edited, (std::vector<qint32> { 3, 999999 }));
}

TEST_F(PayeeList, EditWithNothingChosenAsksAndKeepsChangesMarked)
{
    threePayees();
    context.report().payeesChanged = 1;
    form.OnBnClickedEdit();
    EXPECT_EQ(ui.texts(), QStringList { "Please select or highlight Payee(s) you want to edit. " });
    EXPECT_TRUE(edited.empty());
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(PayeeList, EditStopsAtAnIdThatDoesNotConvertKeepingEarlierEdits)
{
    threePayees();
    onEdit = [](AppContext& c, qint32 id) { c.report().payees[id].surname = QStringLiteral("Edited"); };
    // A row whose ID is no number, between two good ones.
    list.fillRows({ { "1", "", "ETP", "Chen", "", "", "Yes" }, { "12a", "", "INB", "Bad", "", "", "Yes" },
        { "3", "", "INB", "Brown", "", "", "Yes" } });
    list.setAllChecked(true);
    form.OnBnClickedEdit();
    EXPECT_EQ(edited, std::vector<qint32> { 1 });
    EXPECT_EQ(ui.texts(), QStringList { "ID does not convert to a valid integer." });
    EXPECT_EQ(context.report().payees.at(1).surname, QStringLiteral("Edited"));
    EXPECT_EQ(list.rowText(1, 0), QStringLiteral("12a")); // no refill
}

TEST_F(PayeeList, ActionsOnAnIdMissingFromTheMapOpenAndCreateNothing)
{
    threePayees();
    const std::vector<QStringList> ghost { { "55", "", "INB", "Ghost", "", "", "Yes" } };
    list.fillRows(ghost);
    list.setChecked(0, true);
    form.OnBnClickedEdit();
    list.fillRows(ghost);
    list.setChecked(0, true);
    form.OnBnClickedSinglePaymentSummary();
    EXPECT_FALSE(form.OnNMDblclkList(5));
    EXPECT_TRUE(edited.empty());
    EXPECT_TRUE(pdf.ids.empty());
    EXPECT_EQ(context.report().payees.count(55), 0u);
    EXPECT_EQ(context.report().payees.size(), 3u);
}

TEST_F(PayeeList, DoubleClickEditsThatRowOnly)
{
    threePayees();
    EXPECT_FALSE(form.OnNMDblclkList(-1));
    EXPECT_TRUE(form.OnNMDblclkList(2));
    EXPECT_EQ(edited, std::vector<qint32> { 999999 });
    EXPECT_TRUE(ui.messages.empty());
}

// ---- Delete ----

TEST_F(PayeeList, DeleteAsksAndOnlyYesErases)
{
    threePayees();
    form.OnBnClickedDelete();
    EXPECT_EQ(ui.texts(), QStringList { "Please place a tick next to the \nPayee you want to Delete." });
    list.setChecked(2, true); // 999999, the highest ID
    for (const Answer refusal : { Answer::No, Answer::Cancel }) {
        ui.answer(refusal);
        form.OnBnClickedDelete();
        EXPECT_EQ(context.report().payees.size(), 3u);
        EXPECT_FALSE(context.document.IsModified());
    }
    ui.answer(Answer::Yes);
    form.OnBnClickedDelete();
    EXPECT_EQ(ui.messages.back().text,
        QStringLiteral("Are you sure you want to permanently delete the selected Payee(s) from this Report?"));
    EXPECT_EQ(ui.messages.back().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(context.report().payees.count(999999), 0u);
    EXPECT_EQ(column(0), (QStringList { "1", "3" }));
    EXPECT_EQ(context.report().payeeCount, 2);
    EXPECT_EQ(context.report().highestPayeeId, 999999);
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(PayeeList, DeleteOfARowWhoseIdDoesNotConvertErasesNothing)
{
    threePayees();
    // Read as the "not a number" value, it would have erased payee 999999.
    list.fillRows({ { "12a", "", "INB", "Bad", "", "", "Yes" } });
    list.setChecked(0, true);
    ui.answer(Answer::Yes);
    form.OnBnClickedDelete();
    EXPECT_EQ(context.report().payees.size(), 3u);
    EXPECT_EQ(column(0), (QStringList { "1", "3", "999999" }));
}

// ---- Copy ----

TEST_F(PayeeList, CopyTakesEveryRowAsShownInTheListOrder)
{
    add(2, payeeOf(QStringLiteral("INB"), QString::fromUtf8("Zoë"), QStringLiteral("123456782")));
    CCards bus = payeeOf(QStringLiteral("BUS"), QStringLiteral("Adams"), QStringLiteral("123456782"));
    bus.busPaymentType = QStringLiteral("Voluntary Agreement");
    bus.abn = QStringLiteral("51824753556");
    bus.payrollNo = QStringLiteral("E7");
    bus.checked = QStringLiteral("Error");
    add(10, bus);
    form.open();
    list.setChecked(0, true); // ticks play no part
    form.OnBnClickedCopy();
    const QString zoe = QString::fromUtf8("2\t\tINB\tZoë\tGiven\t123 456 782\tYes\r\n");
    const QString adams = QStringLiteral("10\tE7\tBUS\tAdams\tGiven\t51 824 753 556\tError\r\n");
    EXPECT_EQ(ui.clipboard,
        QStringLiteral("Payee_ID\tEmp_No\tType\tSurname\tGiven_Name\tTFN_ABN\tChecked\r\n\r\n") + zoe + adams);
    EXPECT_TRUE(UTF16toUTF8(ui.clipboard).contains("Zo\xC3\xAB\t"));

    list.OnColumnClick(3); // Surname
    form.OnBnClickedCopy();
    EXPECT_TRUE(ui.clipboard.endsWith(adams + zoe));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PayeeList, CopyToARefusingClipboardSaysSo)
{
    threePayees();
    ui.clipboardUnavailable = true;
    form.OnBnClickedCopy();
    EXPECT_EQ(ui.texts(), QStringList { "The clipboard is temporarily unavailable" });
    EXPECT_TRUE(ui.clipboard.isEmpty());
}

// ---- Ticks and the one-payee payment summary ----

TEST_F(PayeeList, SinglePaymentSummaryNeedsExactlyOneTick)
{
    threePayees();
    form.OnBnClickedSinglePaymentSummary();
    list.setChecked(0, true);
    list.setChecked(1, true);
    form.OnBnClickedSinglePaymentSummary();
    EXPECT_EQ(ui.texts(),
        (QStringList { "Please place a tick next to the Payee for \nwhom you want to generate a Payment Summary.",
            "From this screen, you can generate a Payment Summary \nfor one Payee at a time only. "
            "Please remove multiple ticks." }));
    EXPECT_TRUE(pdf.ids.empty());

    form.OnBnClickedAll(true);
    form.OnBnClickedAll(false);
    list.setChecked(2, true);
    context.report().payeeMode = 4;
    form.OnBnClickedSinglePaymentSummary();
    EXPECT_EQ(pdf.ids, std::vector<qint32> { 999999 });
    EXPECT_EQ(pdf.modes, std::vector<qint32> { 0 });
    EXPECT_TRUE(list.checkedRows().empty());
    EXPECT_FALSE(form.allBox());
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(PayeeList, AllTicksAndUnticksEveryRow)
{
    threePayees();
    form.OnBnClickedAll(true);
    EXPECT_EQ(list.checkedRows(), (std::vector<int> { 0, 1, 2 }));
    EXPECT_TRUE(form.allBox());
    form.OnBnClickedAll(false);
    EXPECT_TRUE(list.checkedRows().empty());
}

// ---- Check All, Un-Check All, the A01-only box ----

TEST_F(PayeeList, CheckAllSortsErrorsFirst)
{
    threePayees();
    form.OnBnClickedCheckAll();
    EXPECT_EQ(services.checks, 1);
    EXPECT_EQ(column(6), (QStringList { "Error", "Yes", "Yes" }));
    EXPECT_EQ(context.sortColumn, 6);
    EXPECT_EQ(context.report().payeesChecked, 2);
}

TEST_F(PayeeList, UnCheckAllMarksTheReportModified)
{
    threePayees();
    form.OnBnClickedUnCheckAll();
    EXPECT_EQ(column(6), (QStringList { "No", "No", "No" }));
    EXPECT_EQ(context.report().payeesChecked, 0);
    EXPECT_TRUE(context.document.IsModified());
}

struct A01Case {
    qint32 before;
    Answer answer;
    bool box;
    qint32 after;
    bool unchecked;
};

class PayeeListA01 : public PayeeList, public ::testing::WithParamInterface<A01Case>
{
};

TEST_P(PayeeListA01, OnlyYesChangesTheFlag)
{
    const A01Case& c = GetParam();
    context.report().a01FileOnly = c.before;
    threePayees();
    EXPECT_EQ(form.a01FileOnlyBox(), c.before == 1);
    ui.answer(c.answer);
    form.OnBnClickedA01FileOnly();
    EXPECT_EQ(ui.texts(),
        QStringList { "Use this box when loading data from an existing VESK.A01 file.\n\r\n\rTicking this box will "
                      "skip Allowance, Union/Prof Assoc name, and Lump Sum E edit checks.\r\n\r\nUnticking this "
                      "box will reset the Checked indicator to No. You will need to click Check All. \r\n\r\nAre "
                      "you sure you want to proceed?" });
    EXPECT_EQ(ui.messages.front().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(form.a01FileOnlyBox(), c.box);
    EXPECT_EQ(context.report().a01FileOnly, c.after);
    EXPECT_EQ(column(6), c.unchecked ? (QStringList { "No", "No", "No" }) : (QStringList { "Yes", "Yes", "Yes" }));
    EXPECT_EQ(context.document.IsModified(), c.answer == Answer::Yes);
}

INSTANTIATE_TEST_SUITE_P(Cases, PayeeListA01,
    ::testing::Values(A01Case { 0, Answer::No, false, 0, false }, A01Case { 0, Answer::Cancel, false, 0, false },
        A01Case { 1, Answer::No, true, 1, false }, A01Case { 1, Answer::Cancel, true, 1, false },
        A01Case { 0, Answer::Yes, true, 1, false }, A01Case { 1, Answer::Yes, false, 0, true }));

// ---- Dialogs of other parts ----

TEST_F(PayeeList, AddShowsNewPayeesInIdOrder)
{
    threePayees();
    context.sortColumn = 3;
    form.RefreshPayeeList();
    ui.onDialog(QStringLiteral("CAddPayee1"), [this] {
        context.report().payeeMode = 4;
        add(2, payeeOf(QStringLiteral("INB"), QStringLiteral("Aaron"), QStringLiteral("123456782")));
        context.report().payeesChanged = 1;
        return 1;
    });
    form.OnBnClickedAdd();
    EXPECT_EQ(column(0), (QStringList { "1", "2", "3", "999999" }));
    EXPECT_EQ(context.sortColumn, 0);
    // The list says so too: its heading follows.
    EXPECT_EQ(list.sortColumn(), 0);
    EXPECT_TRUE(list.isAscending());
    EXPECT_EQ(context.report().payeeMode, 0);
    EXPECT_TRUE(context.document.IsModified());
    form.OnBnClickedTotals();
    form.OnBnClickedExport();
    EXPECT_EQ(ui.dialogsRun, (QStringList { "CAddPayee1", "Totals", "Export" }));
}

// ---- The warning about payees loaded from a lodgement file ----

struct WarningCase {
    qint32 version;
    const char* begins;
};

class ImportWarning : public ::testing::TestWithParam<WarningCase>
{
};

TEST_P(ImportWarning, ChosenByTheFileVersion)
{
    EXPECT_TRUE(ImportWarningText(GetParam().version).startsWith(QString::fromUtf8(GetParam().begins)))
        << GetParam().version;
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportWarning,
    ::testing::Values(WarningCase { 73,
                          "Take Care. The Payee data has been loaded from an existing v7 VESK.A01 file.\n\r\n\rv7 "
                          "VESK.A01 files did not" },
        WarningCase { 74, "Take Care. The Payee data has been loaded from an existing v7 VESK.A01 file." },
        WarningCase { 80, "Take Care. The Payee data has been loaded from an existing v8 VESK.A01 file.\n\r\n\rv8 " },
        WarningCase { 90, "Take Care. The Payee data has been loaded from an existing v9 VESK.A01 file." },
        WarningCase { 100, "Take Care. The Payee data has been loaded from an existing v10 VESK.A01 file." },
        WarningCase { 101, "Take Care. The Payee data has been loaded from an existing v10 VESK.A01 file." },
        WarningCase { 110, "Take Care. The Payee data has been loaded from an existing v11 VESK.A01 file." },
        WarningCase { 120, "Take Care. The Payee data has been loaded from an existing v12 VESK.A01 file." },
        WarningCase { 130, "Take Care. The Payee data has been loaded from an existing v13 VESK.A01 file." },
        WarningCase { 0, "Take Care. The Payee data has been loaded from an existing VESK.A01 file." },
        WarningCase { 140, "Take Care. The Payee data has been loaded from an existing VESK.A01 file." }));

TEST(ImportWarningTexts, WholeTexts)
{
    EXPECT_EQ(ImportWarningText(73),
        QStringLiteral("Take Care. The Payee data has been loaded from an existing v7 VESK.A01 file.\n\r\n\rv7 "
                       "VESK.A01 files did not contain certain data. Carefully check and update the following "
                       "fields:\n\r\n\rBreakdown of any Allowances\n\rBreakdown of any Lump Sum E\n\rLump Sum A "
                       "Indicator\n\rRESC\n\rWorkplace Giving\n\rUnion-Association Fees\n\rExempt Foreign "
                       "Employment Income\n\rUndeducted Purchase Price of Annuity\n\rAmend-Original "
                       "Indicator\n\r\n\rSee Help for further information."));
    EXPECT_EQ(ImportWarningText(80),
        QStringLiteral("Take Care. The Payee data has been loaded from an existing v8 VESK.A01 file.\n\r\n\rv8 "
                       "VESK.A01 files did not contain certain data. Carefully check and update the following "
                       "fields:\n\r\n\rBreakdown of any Allowances\n\rBreakdown of any Lump Sum E\n\rLump Sum A "
                       "Indicator\n\rRESC\n\rWorkplace Giving\n\rUnion-Association Fees\n\rExempt Foreign "
                       "Employment Income\n\rUndeducted Purchase Price of Annuity\n\r\n\rSee Help for further "
                       "information."));
    EXPECT_EQ(ImportWarningText(90),
        QStringLiteral("Take Care. The Payee data has been loaded from an existing v9 VESK.A01 file.\n\r\n\rv9 "
                       "VESK.A01 files did not contain certain data. Carefully check and update the following "
                       "fields:\n\r\n\rBreakdown of any Allowances\n\rOrg details for any Union/Prof "
                       "Fees\n\rBreakdown of any Lump Sum E\n\rUndeducted Purchase Price of "
                       "Annuity\n\rAmend-Original Indicator\n\r\n\rSee Help for further information."));
    EXPECT_EQ(ImportWarningText(100),
        QStringLiteral("Take Care. The Payee data has been loaded from an existing v10 VESK.A01 file.\n\r\n\rv10 "
                       "VESK.A01 files did not contain certain data. Carefully check and update the following "
                       "fields:\n\r\n\rBreakdown of any Allowances\n\rOrg details for any Union/Prof "
                       "Fees\n\rBreakdown of any Lump Sum E\n\rUndeducted Purchase Price of Annuity\n\r\n\rSee "
                       "Help for further information."));
    EXPECT_EQ(ImportWarningText(110),
        QStringLiteral("Take Care. The Payee data has been loaded from an existing v11 VESK.A01 file.\n\r\n\rVESK."
                       "A01 files do not contain certain data. Carefully check and update the following "
                       "fields:\n\r\n\rBreakdown of any Allowances\n\rOrg details for any Union/Prof "
                       "Fees\n\rBreakdown of any Lump Sum E\n\r\n\rSee Help for further information."));
    EXPECT_EQ(ImportWarningText(130),
        QStringLiteral("Take Care. The Payee data has been loaded from an existing v13 VESK.A01 file.\n\r\n\rVESK."
                       "A01 files do not contain certain data. Carefully check and update the following "
                       "fields:\n\r\n\rBreakdown of any Allowances\n\rOrg details for any Union/Prof "
                       "Fees\n\rBreakdown of any Lump Sum E\n\r\n\rSee Help for further information."));
    EXPECT_EQ(ImportWarningText(55),
        QStringLiteral("Take Care. The Payee data has been loaded from an existing VESK.A01 file.\n\r\n\rVESK.A01 "
                       "files do not contain certain data such as allowance and Lump Sum E details.\n\r\n\rIf the "
                       "VESK.A01 file was non-compliant, ensure you add any missing details such as RESC, "
                       "etc\n\r\n\rSee Help for further information."));
}

TEST_F(PayeeList, ImportWarningShowsOncePerReport)
{
    context.report().fromLodgementFile = QStringLiteral("Yes");
    context.report().importVersion = 110;
    form.open();
    form.open();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.front().text, ImportWarningText(110));
    EXPECT_EQ(ui.messages.front().icon, MessageIcon::None);
    EXPECT_EQ(context.report().importWarningShown, 1);
}

TEST_F(PayeeList, NoWarningForPayeesTypedIn)
{
    context.report().importVersion = 110;
    form.open();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(context.report().importWarningShown, 0);
}

// ---- Column widths ----

TEST(PayeeListColumns, WidthsFollowTheScreen)
{
    const std::vector<int> at96 { 85, 75, 45, 145, 145, 90, 80 };
    const std::vector<int> at120 { 100, 89, 53, 172, 172, 106, 95 };
    const std::vector<int> at144 { 127, 112, 67, 217, 217, 135, 120 };
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(PayeeListColumnWidth(c, 96), at96[c]) << c;
        EXPECT_EQ(PayeeListColumnWidth(c, 120), at120[c]) << c;
        EXPECT_EQ(PayeeListColumnWidth(c, 144), at144[c]) << c;
    }
}

} // namespace
