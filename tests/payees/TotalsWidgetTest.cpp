#include "payees/dialogs/Totals.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

TEST(TotalsDialog, ShowsTheSumsReadOnlyAndSigned)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    CCards inb;
    inb.payeeType = QStringLiteral("INB");
    inb.gross = 2'000'000'000;
    inb.taxWithheld = -15;
    context.report().payees[1] = inb;
    context.report().payees[2] = inb;
    CCards pen;
    pen.payeeType = QStringLiteral("PEN");
    pen.gross = 700;
    context.report().payees[3] = pen;

    Totals dialog(context);
    auto text = [&](const char* name) {
        auto* e = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(e, nullptr) << name;
        if (e) {
            EXPECT_TRUE(e->isReadOnly()) << name;
        }
        return e ? e->text() : QString();
    };
    EXPECT_EQ(text("inbCount"), QStringLiteral("2"));
    EXPECT_EQ(text("inbGross"), QStringLiteral("4000000000"));
    EXPECT_EQ(text("inbTax"), QStringLiteral("-30"));
    EXPECT_EQ(text("penTaxedElement"), QStringLiteral("700"));
    EXPECT_EQ(text("dasCount"), QStringLiteral("0"));
    EXPECT_EQ(text("totalTax"), QStringLiteral("-30"));
    EXPECT_EQ(dialog.findChildren<QLineEdit*>().size(), 29);
    auto* note = dialog.findChild<QLabel*>(QStringLiteral("note"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), QStringLiteral("Note: Some fields are not shown here, eg  CDEP, Lump Sums etc"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Totals"));
}
