#include "shell/YearChoice.h"

#include "lodgement/LodgementWriter.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

class YearChoice : public ::testing::Test {
protected:
    YearChoice() : context(ui, files) {}

    CCards payee(qint32 id, const char* type, const char* start, const char* end)
    {
        CCards card;
        card.payeeId = id;
        card.payeeType = QString::fromLatin1(type);
        card.checked = QStringLiteral("Yes");
        card.surname = QStringLiteral("Payee %1").arg(id);
        card.gross = 1234;
        const QStringList s = QString::fromLatin1(start).split(QLatin1Char('/'));
        const QStringList e = QString::fromLatin1(end).split(QLatin1Char('/'));
        card.startDay = s[0], card.startMonth = s[1], card.startYear = s[2];
        card.endDay = e[0], card.endMonth = e[1], card.endYear = e[2];
        return card;
    }

    void chooseYear(const char* year)
    {
        CDateSet1Logic dialog(context);
        ASSERT_TRUE(dialog.OnBnClickedOk(QString::fromLatin1(year)));
    }

    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
};

TEST_F(YearChoice, TableCoversReportYears)
{
    EXPECT_EQ(YearByText(QStringLiteral("2012"))->prior, QStringLiteral("2011"));
    EXPECT_EQ(YearByNumber(2027)->prior, QStringLiteral("2026"));
    EXPECT_FALSE(YearByText(QStringLiteral("2011")));
    EXPECT_FALSE(YearByText(QStringLiteral("2028")));
    EXPECT_FALSE(YearByText(QStringLiteral("19")));
    EXPECT_EQ(YearListItems().first(), QStringLiteral("2012"));
    EXPECT_EQ(YearListItems().last(), QStringLiteral("2027"));
    EXPECT_EQ(YearListItems().size(), 16);
}

// In December 2026 the report for the year just ended must be possible: the
// list offers it and the lodgement file is made in the 2018 and later form.
TEST_F(YearChoice, TheYearJustEndedGivesALodgementFileOfTheLatestForm)
{
    Report& r = context.report();
    r.supplierAbn = r.payerAbn = QStringLiteral("53004085616");
    r.supplierName = QStringLiteral("Acme Payroll Services Pty Ltd");
    r.supplierContact = QStringLiteral("Jane Citizen");
    r.supplierPhone = QStringLiteral("02 9999 1234");
    r.supplierAddress1 = QStringLiteral("1 George Street");
    r.supplierSuburb = QStringLiteral("Sydney");
    r.supplierState = QStringLiteral("NSW");
    r.supplierPostcode = QStringLiteral("2000");
    r.supplierPostalAddress1 = QStringLiteral("PO Box 1");
    r.supplierPostalSuburb = QStringLiteral("Sydney");
    r.supplierPostalState = QStringLiteral("NSW");
    r.supplierPostalPostcode = QStringLiteral("2001");
    r.payerBranch = QStringLiteral("1");
    r.payerName = QStringLiteral("Acme Pty Ltd");
    r.payerAddress1 = QStringLiteral("2 Smith St");
    r.payerSuburb = QStringLiteral("Darwin");
    r.payerState = QStringLiteral("NT");
    r.payerPostcode = QStringLiteral("0812");
    r.payerContact = QStringLiteral("John Smith");
    r.payerPhone = QStringLiteral("08 8999 0000");

    ASSERT_TRUE(YearListItems().contains(QStringLiteral("2026")));
    chooseYear("2026");
    EXPECT_EQ(r.reportYearNumber, 2026);
    EXPECT_EQ(r.priorYear, QStringLiteral("2025"));

    const LodgementBuild build = BuildLodgement(r);
    ASSERT_EQ(build.outcome, LodgementBuild::Outcome::Built) << build.refusal.toStdString();
    // The register record: the period end date and the FEMPA version.
    const QByteArray first = build.fileText.left(628);
    EXPECT_EQ(first.mid(28, 22), QByteArray("P30062026EAPFEMPA013.0"));
}

TEST_F(YearChoice, ChoosingAYearSetsTheReportYear)
{
    CDateSet1Logic dialog(context);
    EXPECT_TRUE(dialog.listEnabled());
    EXPECT_TRUE(dialog.initialSelection().isEmpty());
    chooseYear("2019");
    const Report& r = context.report();
    EXPECT_EQ(r.reportYear, QStringLiteral("2019"));
    EXPECT_EQ(r.priorYear, QStringLiteral("2018"));
    EXPECT_EQ(r.reportYearNumber, 2019);
    EXPECT_EQ(r.year2012Mode, 0);
    EXPECT_TRUE(context.document.IsModified());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(dialog.listEnabled());
    EXPECT_EQ(dialog.initialSelection(), QStringLiteral("2019"));
}

TEST_F(YearChoice, Year2012HasItsNoteAndMode)
{
    chooseYear("2012");
    EXPECT_EQ(ui.texts(), QStringList{kYear2012Note});
    EXPECT_EQ(context.report().year2012Mode, 1);
    chooseYear("2013");
    EXPECT_EQ(context.report().year2012Mode, 0);
}

TEST_F(YearChoice, NoYearChosenKeepsTheDialogOpen)
{
    context.report().reportYear = QStringLiteral("2030");
    CDateSet1Logic dialog(context);
    EXPECT_FALSE(dialog.OnBnClickedOk(QString()));
    EXPECT_EQ(ui.texts(), QStringList{kSelectYearMessage});
    EXPECT_EQ(context.report().reportYear, QStringLiteral("2030"));
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(YearChoice, ChangeOfYearRewritesEveryPayee)
{
    chooseYear("2018");
    context.document.SetModifiedFlag(false);
    Report& r = context.report();
    r.payees[1] = payee(1, "INB", "01/07/2017", "30/06/2018");
    r.payees[2] = payee(2, "ETP", "15/03/2018", "15/03/2018");
    r.payees[3] = payee(3, "BUS", "01/09/2017", "31/12/2017");
    r.payees[4] = payee(4, "PEN", "01/07/2017", "30/06/2018");
    r.payees[5] = payee(5, "FEI", "01/07/2017", "30/06/2018");
    r.payees[6] = payee(6, "SLS", "02/02/2018", "02/02/2018");
    r.payees[7] = payee(7, "DAS", "03/03/2018", "03/03/2018");
    r.payeesChecked = 7;
    const PayeeMap before = r.payees;

    ui.onDialog(QStringLiteral("CDateSet1"), [this] {
        CDateSet1Logic dialog(context);
        EXPECT_TRUE(dialog.listEnabled());
        EXPECT_EQ(dialog.initialSelection(), QStringLiteral("2018"));
        EXPECT_TRUE(dialog.OnBnClickedOk(QStringLiteral("2019")));
        return 1;
    });
    ChangeYearLogic change(context);
    change.OnInitDialog();
    change.OnBnClickedOk();

    EXPECT_EQ(r.reportYear, QStringLiteral("2019"));
    EXPECT_EQ(r.priorYear, QStringLiteral("2018"));
    EXPECT_EQ(r.yearChanged, 0);
    EXPECT_EQ(r.payeesChecked, 0);
    EXPECT_TRUE(context.document.IsModified());
    for (const auto& [id, card] : r.payees) {
        EXPECT_EQ(card.checked, QStringLiteral("No")) << id;
        const CCards& old = before.at(id);
        EXPECT_EQ(card.surname, old.surname);
        EXPECT_EQ(card.gross, old.gross);
        const bool period = id == 1 || id == 3 || id == 4 || id == 5;
        const QString start = card.startDay + '/' + card.startMonth + '/' + card.startYear;
        const QString end = card.endDay + '/' + card.endMonth + '/' + card.endYear;
        if (period) {
            EXPECT_EQ(start, QStringLiteral("01/07/2018")) << id;
            EXPECT_EQ(end, QStringLiteral("30/06/2019")) << id;
        } else {
            EXPECT_EQ(start, old.startDay + '/' + old.startMonth + '/' + old.startYear) << id;
            EXPECT_EQ(end, old.endDay + '/' + old.endMonth + '/' + old.endYear) << id;
        }
    }
}

TEST_F(YearChoice, SameYearConfirmedStillRewrites)
{
    chooseYear("2018");
    context.report().payees[1] = payee(1, "INB", "01/09/2017", "31/12/2017");
    ui.onDialog(QStringLiteral("CDateSet1"), [this] {
        return CDateSet1Logic(context).OnBnClickedOk(QStringLiteral("2018")) ? 1 : 0;
    });
    ChangeYearLogic(context).OnBnClickedOk();
    const CCards& card = context.report().payees[1];
    EXPECT_EQ(card.startDay + card.startMonth + card.startYear, QStringLiteral("01072017"));
    EXPECT_EQ(card.checked, QStringLiteral("No"));
}

TEST_F(YearChoice, CancelRestoresTheYearAndTouchesNoPayee)
{
    chooseYear("2012");
    ui.messages.clear();
    context.document.SetModifiedFlag(false);
    Report& r = context.report();
    r.payees[1] = payee(1, "INB", "01/07/2011", "30/06/2012");
    const PayeeMap before = r.payees;
    ui.onDialog(QStringLiteral("CDateSet1"), [] { return 0; }); // Cancel
    ChangeYearLogic(context).OnBnClickedOk();
    EXPECT_EQ(r.reportYear, QStringLiteral("2012"));
    EXPECT_EQ(r.priorYear, QStringLiteral("2011"));
    EXPECT_EQ(r.year2012Mode, 1);
    EXPECT_EQ(r.yearChanged, 0);
    EXPECT_EQ(r.payees.at(1).checked, QStringLiteral("Yes"));
    EXPECT_EQ(r.payees.at(1).startYear, before.at(1).startYear);
    EXPECT_FALSE(context.document.IsModified());
}

TEST_F(YearChoice, CancelKeepsAYearOutsideTheTable)
{
    Report& r = context.report();
    r.reportYear = QStringLiteral("2031");
    r.priorYear = QStringLiteral("2030");
    r.reportYearNumber = 2031;
    ChangeYearLogic(context).OnBnClickedOk(); // no Choose Year dialog: as Cancel
    EXPECT_EQ(r.reportYear, QStringLiteral("2031"));
    EXPECT_EQ(r.priorYear, QStringLiteral("2030"));
}

} // namespace
