#include "shell/MainCommands.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

class FakeForm : public MainFormHost {
public:
    FormEdits edits;
    int refreshes = 0;
    int closes = 0;
    FormEdits formEdits() const override { return edits; }
    void refreshView() override { ++refreshes; }
    void closeMainWindow() override { ++closes; }
};

class StepHandlers : public ::testing::Test {
protected:
    StepHandlers() : context(ui, files), commands(context, form) {}
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
    FakeForm form;
    MainCommands commands;
};

struct StepCase {
    void (MainCommands::*handler)();
    const char* dialog;
};

TEST_F(StepHandlers, EachStepOpensItsDialogAndRefreshes)
{
    context.report().payerName = QStringLiteral("P"); // one character is enough to open
    context.report().reportYear = QStringLiteral("2019");
    form.edits.year = QStringLiteral("2019");
    const StepCase cases[] = {
        {&MainCommands::OnBnClickedPayer, "CPayer"},
        {&MainCommands::OnBnClickedYear, "CDateSet1"},
        {&MainCommands::OnBnClickedPayees, "CPayeeList"},
        {&MainCommands::OnBnClickedSupplier, "CSupplier"},
        {&MainCommands::OnBnClickedRefNo, "CFileRef1"},
        {&MainCommands::OnBnClickedDataReview, "CDataReview1"},
        {&MainCommands::OnBnClickedGenerateFiles, "CGenerate1"},
        {&MainCommands::OnBnClickedChangeYear, "ChangeYear"},
        {&MainCommands::OnBnClickedHowToUse, "CSummary"},
        {&MainCommands::OnBnClickedOriginalA01Details, "COrigEmp"},
        {&MainCommands::OnSetUserPreferences, "CSettings"},
        {&MainCommands::OnAppAbout, "CAboutDlg"},
    };
    int n = 0;
    for (const StepCase& c : cases) {
        (commands.*c.handler)();
        ++n;
        ASSERT_EQ(ui.dialogsRun.size(), n);
        EXPECT_EQ(ui.dialogsRun.last(), QString::fromLatin1(c.dialog));
        EXPECT_EQ(form.refreshes, n);
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_GE(ui.waitCursorsShown, n);
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(StepHandlers, PreconditionsRefuseWithTheirMessage)
{
    commands.OnBnClickedYear();
    commands.OnBnClickedChangeYear();
    commands.OnBnClickedPayees();
    EXPECT_EQ(ui.texts(), (QStringList{kSelectPayerFirst, kSelectPayerFirst, kSetYearFirst}));
    EXPECT_TRUE(ui.dialogsRun.isEmpty());
    EXPECT_EQ(form.refreshes, 3);
}

TEST_F(StepHandlers, StepsCopyTheFormEditsFirst)
{
    form.edits.fileReference = QStringLiteral("REF9");
    ui.onDialog(QStringLiteral("CSupplier"), [this] {
        EXPECT_EQ(context.report().fileReference, QStringLiteral("REF9"));
        return 1;
    });
    commands.OnBnClickedSupplier();
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(StepHandlers, HelpOpensThePageWithoutCopyingEdits)
{
    form.edits.fileReference = QStringLiteral("REF9");
    commands.OnBnClickedHelp();
    commands.OnHelpFinder();
    EXPECT_EQ(ui.urlsOpened, (QStringList{context.helpUrl(), context.helpUrl()}));
    EXPECT_TRUE(context.report().fileReference.isEmpty());
    EXPECT_EQ(form.refreshes, 1);
    commands.OnBnClickedClose();
    EXPECT_EQ(form.closes, 1);
}

} // namespace
