#include "payees/AddPayeeForm.h"
#include "payees/PayeeFrameTestKit.h"
#include "payees/PayeeServices.h"
#include "report/PayeeIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

const QString kChooseType = QStringLiteral("Please selection a Payment Summary Type before continuing.");

// Records which importer was called and with which data source.
struct RecordingServices : PayeeServices {
    std::vector<std::pair<PayeeType, QString>> imports;
    void importTabDelimited(AppContext& context, PayeeType type) override
    {
        imports.emplace_back(type, context.report().newPayeeDataSource);
    }
};

struct AddPayeeFixture : ::testing::Test {
    PayeeWorld w;
    RecordingServices services;
    AddPayeeForm form { w.context, services };
};

TEST_F(AddPayeeFixture, OpensWithInbChosenInAddingMode)
{
    form.OnInitDialog();
    EXPECT_EQ(w.report().payeeMode, 4);
    EXPECT_EQ(w.context.addPayeeType, 1);
    EXPECT_EQ(form.chosen(), PayeeType::INB);
}

TEST_F(AddPayeeFixture, ManuallyAddOneAtOnceOpensTheInbFormAsManuallyAdded)
{
    QString sourceSeen;
    w.ui.onDialog(QStringLiteral("CPayeeINB"), [&] {
        sourceSeen = w.report().newPayeeDataSource;
        EXPECT_EQ(w.report().payeeMode, 4);
        EXPECT_EQ(w.context.addPayeeType, 0);
        return 0;
    });
    form.OnInitDialog();
    EXPECT_EQ(form.OnBnClickedOk(), AddPayeeOutcome::Close);
    EXPECT_EQ(w.ui.dialogsRun, QStringList { QStringLiteral("CPayeeINB") });
    EXPECT_EQ(sourceSeen, QStringLiteral("Manually Added"));
    EXPECT_TRUE(w.ui.messages.empty());
}

// A report that holds the most payees it can says so at "Manually Add One",
// before the user types a payee, and opens no form; with room left the
// form opens as ever.
TEST_F(AddPayeeFixture, ManuallyAddOneOnAFullReportRefusesBeforeAnyFormOpens)
{
    for (const qint32 id : { 1, 2 })
        w.report().payees[id].payeeId = id;
    w.report().highestPayeeId = 2;
    const struct {
        qint64 limit;
        QStringList messages;
        QStringList forms;
    } cases[] = {
        { 2, { TooManyPayeesMessage(2, 1, 2) }, {} },
        { 1, { TooManyPayeesMessage(2, 1, 1) }, {} },
        { 3, {}, { QStringLiteral("CPayeeDAS") } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        w.ui.messages.clear();
        w.ui.dialogsRun.clear();
        w.report().newPayeeDataSource.clear();
        form.OnInitDialog();
        form.choose(PayeeType::DAS);
        EXPECT_EQ(form.OnBnClickedOk(c.limit), AddPayeeOutcome::Close);
        EXPECT_EQ(w.ui.texts(), c.messages);
        EXPECT_EQ(w.ui.dialogsRun, c.forms);
        EXPECT_EQ(w.context.addPayeeType, 0);
        EXPECT_EQ(w.report().payees.size(), 2u);
        EXPECT_FALSE(w.context.document.IsModified());
    }
}

TEST_F(AddPayeeFixture, TheLastChoiceCountsAndOpensItsForm)
{
    form.OnInitDialog();
    form.choose(PayeeType::FEI);
    form.choose(PayeeType::PEN);
    EXPECT_EQ(w.context.addPayeeType, 5);
    form.OnBnClickedOk();
    EXPECT_EQ(w.ui.dialogsRun, QStringList { QStringLiteral("CPayeePEN") });
}

TEST_F(AddPayeeFixture, EachTypeOpensItsOwnForm)
{
    const std::pair<PayeeType, const char*> forms[] = {
        { PayeeType::INB, "CPayeeINB" },
        { PayeeType::ETP, "CPayeeETP" },
        { PayeeType::BUS, "CPayeeBus1" },
        { PayeeType::FEI, "CPayeeFEI" },
        { PayeeType::PEN, "CPayeePEN" },
        { PayeeType::SLS, "CPayeeSLS" },
        { PayeeType::DAS, "CPayeeDAS" },
    };
    for (const auto& [type, name] : forms) {
        w.ui.dialogsRun.clear();
        form.choose(type);
        form.OnBnClickedOk();
        EXPECT_EQ(w.ui.dialogsRun, QStringList { QString::fromLatin1(name) });
    }
}

TEST_F(AddPayeeFixture, TabDelimitedImportRunsTheChosenTypesImporter)
{
    form.OnInitDialog();
    form.choose(PayeeType::SLS);
    EXPECT_EQ(form.OnBnClickedTabDelimitedImport(), AddPayeeOutcome::Close);
    ASSERT_EQ(services.imports.size(), 1u);
    EXPECT_EQ(services.imports[0].first, PayeeType::SLS);
    EXPECT_EQ(services.imports[0].second, QStringLiteral("Tab Delimited Import"));
    EXPECT_EQ(w.context.addPayeeType, 0);
    EXPECT_TRUE(w.ui.dialogsRun.isEmpty());
}

TEST_F(AddPayeeFixture, WithoutAChoiceBothButtonsAskForOneAndStayOpen)
{
    w.context.addPayeeType = 0;
    EXPECT_EQ(form.OnBnClickedOk(), AddPayeeOutcome::StayOpen);
    EXPECT_EQ(form.OnBnClickedTabDelimitedImport(), AddPayeeOutcome::StayOpen);
    EXPECT_EQ(w.ui.texts(), (QStringList { kChooseType, kChooseType }));
    EXPECT_TRUE(w.ui.dialogsRun.isEmpty());
    EXPECT_TRUE(services.imports.empty());
    EXPECT_TRUE(w.report().newPayeeDataSource.isEmpty());
}

TEST_F(AddPayeeFixture, ATypeNumberOutsideTheSevenImportsNothing)
{
    w.context.addPayeeType = 8;
    EXPECT_EQ(form.OnBnClickedTabDelimitedImport(), AddPayeeOutcome::Close);
    EXPECT_EQ(w.ui.texts(), QStringList { QStringLiteral("should not come here #Ref102") });
    EXPECT_TRUE(services.imports.empty());
}

} // namespace
