#include "checks/CheckAll.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

struct CheckAll : ::testing::Test {
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context{ui, files};

    void add(qint32 id, const char* type, const char* checked = "Yes")
    {
        CCards p;
        p.payeeId = id;
        p.payeeType = QString::fromLatin1(type);
        p.checked = QString::fromLatin1(checked);
        context.report().payees[id] = p;
    }
};

} // namespace

TEST_F(CheckAll, EmptyReportHasNothingToCheck)
{
    CheckAllPayees(context);
    EXPECT_EQ(ui.texts(), QStringList{kNoPayeesToCheckMessage});
    EXPECT_EQ(context.checkErrorCount, 0);
    EXPECT_FALSE(context.document.IsModified());
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_GE(ui.waitCursorsShown, 1);
}

// A payee no check can pass is marked "Error", so it cannot leave generation
// enabled while the lodgement file leaves it out.
TEST_F(CheckAll, UnknownTypeIsReportedCountedAndMarkedError)
{
    add(4, "inb"); // types compare exactly
    const CCards before = context.report().payees[4];
    CheckAllPayees(context);
    EXPECT_EQ(ui.texts(), (QStringList{kInvalidPayeeTypeMessage, kNoPayeesToCheckMessage}));
    EXPECT_EQ(context.checkErrorCount, 1);
    CCards expected = before;
    expected.checked = QStringLiteral("Error");
    EXPECT_EQ(context.report().payees[4], expected);
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(CheckAll, OneMessagePerUnknownPayeeThenTheErrorsMessage)
{
    add(1, "XYZ");
    add(2, "INB");
    add(3, "");
    CheckAllPayees(context);
    EXPECT_EQ(ui.texts(), (QStringList{kInvalidPayeeTypeMessage, kInvalidPayeeTypeMessage, kCheckErrorsMessage}));
    EXPECT_EQ(context.checkErrorCount, 3); // the two unknown and the empty INB payee

    // A second run without changes says the same.
    ui.messages.clear();
    CheckAllPayees(context);
    EXPECT_EQ(ui.texts(), (QStringList{kInvalidPayeeTypeMessage, kInvalidPayeeTypeMessage, kCheckErrorsMessage}));
    EXPECT_EQ(context.checkErrorCount, 3); // the two unknown and the empty INB payee
}
