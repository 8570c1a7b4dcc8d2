#include "shell/MainFormModel.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"
#include "widgets/Scale.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct FormCase {
    const char* name;
    std::function<void(AppContext&)> setUp;
    std::function<void(const MainFormState&)> check;
};

// A report with its three steps done and two payees, both checked.
void complete(AppContext& c)
{
    Report& r = c.report();
    r.payerName = QStringLiteral("Acme Pty Ltd");
    r.supplierName = QStringLiteral("Acme Payroll");
    r.reportYear = QStringLiteral("2019");
    r.payeeCount = 2;
    r.payeesChecked = 2;
    r.payeeCountText = QStringLiteral("2");
    c.document.title = QStringLiteral("acme.vkrd");
}

class MainForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(MainForm, ShowsTheReport)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    GetParam().setUp(context);
    GetParam().check(RefreshView(context, 96));
}

const FormCase kCases[] = {
    {"NewReport",
     [](AppContext&) {},
     [](const MainFormState& s) {
         EXPECT_EQ(s.payerText, kMustUpdateThis);
         EXPECT_EQ(s.supplierText, kMustUpdateThis);
         EXPECT_TRUE(s.payerShortShown);
         EXPECT_FALSE(s.payerLongShown);
         EXPECT_TRUE(s.supplierShortShown);
         EXPECT_EQ(s.stepsComplete, 0);
         EXPECT_FALSE(s.generateEnabled);
         EXPECT_TRUE(s.disabledNoteShown);
         // A new report has no year: "2. Year" is enabled.
         EXPECT_TRUE(s.yearEnabled);
         EXPECT_TRUE(s.loadA01Shown);
         EXPECT_TRUE(s.loadA01Enabled);
         EXPECT_FALSE(s.originalA01Shown);
         EXPECT_EQ(s.yearText, QString());
         EXPECT_EQ(s.payeesToBeCheckedText, QString());
     }},
    {"AbnOfElevenIsGrouped",
     [](AppContext& c) {
         c.report().payerName = QStringLiteral("Acme");
         c.report().payerAbn = QStringLiteral("53004085616");
         c.report().supplierAbn = QStringLiteral("5300408561"); // ten: unchanged
     },
     [](const MainFormState& s) {
         EXPECT_EQ(s.payerText, QStringLiteral("Acme\r\nABN: 53 004 085 616"));
         EXPECT_EQ(s.payerAbnText, QStringLiteral("53 004 085 616"));
         EXPECT_EQ(s.supplierText, kMustUpdateThis + QStringLiteral("\r\nABN: 5300408561"));
     }},
    {"AbnOfTwelveUnchangedEmptyAddsNoLine",
     [](AppContext& c) {
         c.report().payerName = QStringLiteral("Acme");
         c.report().payerAbn = QStringLiteral("530040856161");
     },
     [](const MainFormState& s) {
         EXPECT_EQ(s.payerText, QStringLiteral("Acme\r\nABN: 530040856161"));
         EXPECT_EQ(s.supplierText, kMustUpdateThis);
     }},
    {"SeventyCharactersStayShort",
     [](AppContext& c) {
         // 50 + "\r\nABN: " (7) + 13 = 70.
         c.report().payerName = QString(50, QLatin1Char('P'));
         c.report().payerAbn = QStringLiteral("1234567890123");
         c.report().supplierName = QString(70, QLatin1Char('S'));
     },
     [](const MainFormState& s) {
         EXPECT_EQ(s.payerText.size(), 70);
         EXPECT_TRUE(s.payerShortShown);
         EXPECT_FALSE(s.payerLongShown);
         EXPECT_TRUE(s.supplierShortShown);
         EXPECT_FALSE(s.supplierLongShown);
     }},
    {"SeventyOneCharactersGoLong",
     [](AppContext& c) {
         c.report().payerName = QString(51, QLatin1Char('P'));
         c.report().payerAbn = QStringLiteral("1234567890123");
         c.report().supplierName = QString(71, QLatin1Char('S'));
     },
     [](const MainFormState& s) {
         EXPECT_TRUE(s.payerLongShown);
         EXPECT_FALSE(s.payerShortShown);
         EXPECT_TRUE(s.supplierLongShown);
         EXPECT_FALSE(s.supplierShortShown);
     }},
    {"AmpersandCountsTwiceAgainstSeventy",
     [](AppContext& c) {
         // 49 + "&" + "\r\nABN: " (7) + 13 = 70 shown, 71 counted.
         c.report().payerName = QString(49, QLatin1Char('P')) + QLatin1Char('&');
         c.report().payerAbn = QStringLiteral("1234567890123");
         c.report().supplierName = QString(69, QLatin1Char('S')) + QLatin1Char('&');
     },
     [](const MainFormState& s) {
         EXPECT_EQ(s.payerText.size(), 70);
         EXPECT_TRUE(s.payerLongShown);
         EXPECT_FALSE(s.payerShortShown);
         EXPECT_EQ(s.supplierText.size(), 70);
         EXPECT_TRUE(s.supplierLongShown);
         EXPECT_FALSE(s.supplierShortShown);
     }},
    {"AmpersandShownAsItself",
     [](AppContext& c) { c.report().payerName = QStringLiteral("Smith & Sons"); },
     [](const MainFormState& s) { EXPECT_EQ(s.payerText, QStringLiteral("Smith & Sons")); }},
    {"OneCharacterNameIsNotAStep",
     [](AppContext& c) {
         complete(c);
         c.report().payerName = QStringLiteral("A");
     },
     [](const MainFormState& s) {
         EXPECT_EQ(s.payerText, kMustUpdateThis);
         EXPECT_EQ(s.stepsComplete, 2);
         EXPECT_FALSE(s.generateEnabled);
     }},
    {"GenerateEnabledWhenAllDone",
     complete,
     [](const MainFormState& s) {
         EXPECT_TRUE(s.generateEnabled);
         EXPECT_FALSE(s.disabledNoteShown);
         EXPECT_EQ(s.payeesToBeCheckedText, QStringLiteral("0"));
         EXPECT_EQ(s.payeesIncludedText, QStringLiteral("2"));
         EXPECT_FALSE(s.yearEnabled);
         EXPECT_TRUE(s.loadA01Shown);
         EXPECT_FALSE(s.loadA01Enabled);
     }},
    {"GenerateDisabledWithOneUnchecked",
     [](AppContext& c) {
         complete(c);
         c.report().payeesChecked = 1;
     },
     [](const MainFormState& s) {
         EXPECT_FALSE(s.generateEnabled);
         EXPECT_TRUE(s.disabledNoteShown);
         EXPECT_EQ(s.payeesToBeCheckedText, QStringLiteral("1"));
     }},
    {"GenerateDisabledWithoutPayees",
     [](AppContext& c) {
         complete(c);
         c.report().payeeCount = 0;
         c.report().payeesChecked = 0;
         c.report().payeeCountText = QStringLiteral("0");
     },
     [](const MainFormState& s) {
         EXPECT_FALSE(s.generateEnabled);
         // No payees: the same text as "Payees included".
         EXPECT_EQ(s.payeesToBeCheckedText, QStringLiteral("0"));
     }},
    {"GenerateDisabledWithoutYear",
     [](AppContext& c) {
         complete(c);
         c.report().reportYear.clear();
     },
     [](const MainFormState& s) {
         EXPECT_FALSE(s.generateEnabled);
         EXPECT_TRUE(s.yearEnabled);
     }},
    {"GenerateDisabledWithoutSupplier",
     [](AppContext& c) {
         complete(c);
         c.report().supplierName = QStringLiteral("S");
     },
     [](const MainFormState& s) { EXPECT_FALSE(s.generateEnabled); }},
    {"GenerateDisabledWithoutPayer",
     [](AppContext& c) {
         complete(c);
         c.report().payerName.clear();
     },
     [](const MainFormState& s) { EXPECT_FALSE(s.generateEnabled); }},
    {"UntitledWithAStepDoneDisablesLoad",
     [](AppContext& c) { c.report().supplierName = QStringLiteral("Acme Payroll"); },
     [](const MainFormState& s) {
         EXPECT_TRUE(s.loadA01Shown);
         EXPECT_FALSE(s.loadA01Enabled);
         EXPECT_TRUE(s.yearEnabled);
     }},
    {"FromLodgementFile",
     [](AppContext& c) {
         complete(c);
         c.report().fromLodgementFile = QStringLiteral("Yes");
         c.report().fileReference = QStringLiteral("REF1");
     },
     [](const MainFormState& s) {
         EXPECT_TRUE(s.originalA01Shown);
         EXPECT_FALSE(s.loadA01Shown);
         EXPECT_EQ(s.fileReferenceText, QStringLiteral("REF1"));
         EXPECT_EQ(s.yearText, QStringLiteral("2019"));
     }},
};

INSTANTIATE_TEST_SUITE_P(States, MainForm, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FormCase>& info) { return std::string(info.param.name); });

TEST(MainFormScale, FontsAndMinimumSizeFollowTheDpi)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    EXPECT_EQ(context.report().scalePercent, 0); // no window has shown it yet
    RefreshView(context, 96);
    EXPECT_EQ(context.report().scalePercent, 100); // what a saved report then holds
    const MainFormState at120 = RefreshView(context, 120);
    EXPECT_EQ(at120.scalePercent, 125);
    EXPECT_EQ(context.report().scalePercent, 125);
    EXPECT_EQ(at120.fontHeight24, 30);
    EXPECT_EQ(at120.fontHeight14, 17);
    EXPECT_EQ(ScalePercent(144), 150);
    EXPECT_EQ(ScalePercent(100), 104);
    EXPECT_EQ(MinimumFrameSize(96), QSize(345, 685));
    EXPECT_EQ(MinimumFrameSize(120), QSize(360, 800));
    EXPECT_EQ(MinimumFrameSize(144), QSize(370, 975));
    EXPECT_EQ(MinimumFrameSize(-1), QSize(370, 975));
}

TEST(SyncEdits, MarksModifiedOnlyWhenAnEditDiffers)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.report().reportYear = QStringLiteral("2019");
    SyncEditsToDoc(context, {QStringLiteral("2019"), QString()});
    EXPECT_FALSE(context.document.IsModified());
    SyncEditsToDoc(context, {QStringLiteral("2019"), QStringLiteral("R7")});
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_EQ(context.report().fileReference, QStringLiteral("R7"));
    EXPECT_EQ(ui.waitCursorsShown, 2);
}

} // namespace
