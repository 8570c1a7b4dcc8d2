#include "checks/DataReviewForm.h"

#include "checks/CheckAll.h"
#include "payees/PayeeListForm.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ListColumn.h"
#include "support/ScriptedUi.h"
#include "widgets/SortListModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class DataReview : public ::testing::Test
{
protected:
    DataReview()
        : context(ui, files)
        , list(context)
        , form(context, list, [this](AppContext& c, qint32 id) {
            edited.push_back(id);
            if (onEdit)
                onEdit(c, id);
        })
    {
    }

    void add(qint32 id, const char* type, const char* checked)
    {
        CCards c;
        c.payeeId = id;
        c.payeeType = QString::fromLatin1(type);
        c.surname = QStringLiteral("S%1").arg(id);
        c.checked = QString::fromLatin1(checked);
        context.report().payees[id] = c;
    }

    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
    SortListModel list;
    std::vector<qint32> edited;
    std::function<void(AppContext&, qint32)> onEdit;
    DataReviewForm form;
};

// A scripted Save of the payee's form: Checked "Yes", as the form frame stores it.
void saveAsChecked(AppContext& c, qint32 id)
{
    c.report().payees[id].checked = QStringLiteral("Yes");
    c.report().payeesChanged = 1;
    c.document.SetModifiedFlag();
}

} // namespace

TEST_F(DataReview, ListsThePayeesWithTheirCountsLeavingTheAddingModeAlone)
{
    add(30, "INB", "Yes");
    add(10, "ETP", "Error");
    add(20, "XYZ", "");
    context.report().payeeMode = 4;
    context.report().payeesChanged = 1;
    form.open();
    EXPECT_EQ(columnTexts(list, 0), (QStringList{"10", "20", "30"}));
    EXPECT_EQ(columnTexts(list, 6), (QStringList{"Error", "", "Yes"}));
    EXPECT_EQ(context.report().payeeCount, 3);
    EXPECT_EQ(context.report().reviewCount, 3);
    EXPECT_EQ(context.report().payeesChecked, 1);
    EXPECT_EQ(context.report().payeeCountText, QStringLiteral("3"));
    EXPECT_EQ(context.report().payeeMode, 4);
    EXPECT_EQ(context.report().payeesChanged, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataReview, CheckPayeeNeedsExactlyOneTick)
{
    form.open();
    form.OnBnClickedCheckPayee();
    EXPECT_EQ(ui.texts(), QStringList{kNoPayeesToCheckMessage});

    add(1, "INB", "No");
    add(2, "INB", "No");
    form.FillReviewList();
    ui.messages.clear();
    form.OnBnClickedCheckPayee();
    list.setChecked(0, true);
    list.setChecked(1, true);
    form.OnBnClickedCheckPayee();
    EXPECT_EQ(ui.texts(), (QStringList{kTickOnePayeeToCheck, kOnlyOnePayeeAtATime}));
    EXPECT_TRUE(edited.empty());
}

TEST_F(DataReview, CheckPayeeOpensTheTickedPayeeAndItsSaveRaisesTheCheckedCount)
{
    add(999999, "INB", "Error"); // a valid ID, though it reads as not-a-number
    add(5, "INB", "Yes");
    form.open();
    ASSERT_EQ(context.report().payeesChecked, 1);
    onEdit = saveAsChecked;
    list.setChecked(1, true); // ascending ID: 5, then 999999
    form.OnBnClickedCheckPayee();
    EXPECT_EQ(edited, std::vector<qint32>{999999});
    EXPECT_EQ(context.report().payeesChecked, 2);
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_TRUE(list.checkedRows().empty());
    EXPECT_EQ(list.rowText(form.rowToShow(), 0), QStringLiteral("999999"));
}

TEST_F(DataReview, CheckPayeeCancelledChangesNothing)
{
    add(7, "INB", "Error");
    form.open();
    list.setChecked(0, true);
    form.OnBnClickedCheckPayee(); // the form closed without a Save
    EXPECT_EQ(edited, std::vector<qint32>{7});
    EXPECT_EQ(context.report().payees[7].checked, QStringLiteral("Error"));
    EXPECT_FALSE(context.document.IsModified());
    EXPECT_EQ(form.rowToShow(), -1);
}

TEST_F(DataReview, CheckAllSortsTheErrorsFirst)
{
    add(1, "XYZ", "No");
    add(2, "XYZ", "Yes"); // no check passes an unknown type
    form.open();
    form.OnBnClickedCheckAll();
    EXPECT_EQ(context.sortColumn, 6);
    EXPECT_EQ(context.sortAscending, 1);
    EXPECT_EQ(columnTexts(list, 6), (QStringList{"Error", "Error"}));
    EXPECT_EQ(context.report().payeesChecked, 0);
}

TEST_F(DataReview, TheA01OnlyBoxShowsTheReportsSetting)
{
    form.open();
    EXPECT_FALSE(form.a01FileOnlyBox());
    context.report().a01FileOnly = 1;
    EXPECT_TRUE(form.a01FileOnlyBox());
}

// The versions with a text of their own show it once, as the Payee List
// does; any other shows the Data Review's own text at every opening until
// the Payee List has shown its warning.
TEST_F(DataReview, LodgementFileWarning)
{
    context.report().fromLodgementFile = QStringLiteral("Yes");
    context.report().importVersion = 120;
    form.open();
    form.open();
    EXPECT_EQ(ui.texts(), (QStringList{kDataReviewImportWarning, kDataReviewImportWarning}));
    EXPECT_EQ(context.report().importWarningShown, 0);
    EXPECT_NE(kDataReviewImportWarning, ImportWarningText(120)); // the Payee List's generic text differs

    context.report().importWarningShown = 1; // the Payee List has shown its own
    ui.messages.clear();
    form.open();
    EXPECT_TRUE(ui.messages.empty());

    for (const qint32 version : {73, 74, 80, 90, 100, 101, 110}) {
        context.report().importWarningShown = 0;
        context.report().importVersion = version;
        ui.messages.clear();
        form.open();
        form.open();
        EXPECT_EQ(ui.texts(), QStringList{ImportWarningText(version)}) << version;
        EXPECT_EQ(context.report().importWarningShown, 1) << version;
    }
}
