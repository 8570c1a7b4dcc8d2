#include "payers/FileRefDetails.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace
{

class FileRef : public ::testing::Test
{
protected:
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context { ui, files };
    FileRefDetails details { context };
};

TEST_F(FileRef, OpeningShowsTheReportsReference)
{
    context.report().fileReference = QStringLiteral("REF 7");
    details.OnInitDialog();
    EXPECT_EQ(details.reference, QStringLiteral("REF 7"));
}

struct StoredCase {
    const char* typed;
    const char* stored;
};

TEST_F(FileRef, OkStoresTheCleanedReferenceAndMarksTheReport)
{
    const StoredCase cases[] = {
        { "  a   b  ", "a b" },
        { "   ", "" },
        { "", "" },
        { "Job#12 (A&B)/'x'-\"y\"", "Job#12 (A&B)/'x'-\"y\"" },
        { "a reference longer than sixteen characters", "a reference longer than sixteen characters" },
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.typed);
        context.report().fileReference = QStringLiteral("old");
        context.document.SetModifiedFlag(false);
        details.OnInitDialog();
        details.reference = QString::fromUtf8(c.typed);
        EXPECT_TRUE(details.OnBnClickedOk());
        EXPECT_EQ(context.report().fileReference, QString::fromUtf8(c.stored));
        EXPECT_TRUE(context.document.IsModified());
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileRef, OkWithoutAChangeStillMarksTheReport)
{
    context.report().fileReference = QStringLiteral("ABC");
    details.OnInitDialog();
    EXPECT_TRUE(details.OnBnClickedOk());
    EXPECT_EQ(context.report().fileReference, QStringLiteral("ABC"));
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(FileRef, RefusedCharacterKeepsTheOldReference)
{
    for (const char* typed : { "a.b", "ref_1", "50%", "caf\u00e9" }) {
        SCOPED_TRACE(typed);
        ui.messages.clear();
        context.report().fileReference = QStringLiteral("old");
        details.OnInitDialog();
        details.reference = QString::fromUtf8(typed);
        EXPECT_FALSE(details.OnBnClickedOk());
        EXPECT_EQ(ui.texts(),
            QStringList {
                QStringLiteral("The File Ref contains invalid characters, please use alpha numerics only.") });
        EXPECT_EQ(context.report().fileReference, QStringLiteral("old"));
        EXPECT_FALSE(context.document.IsModified());
        EXPECT_EQ(details.reference, QString::fromUtf8(typed)); // the entry stays for correction
    }
}

} // namespace
