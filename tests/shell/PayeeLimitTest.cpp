// A report holding the most payees a report holds, 1,000,000: a
// tab-delimited import, a lodgement file, "Manually Add One" and a payee
// typed into a form each refuse one more and leave the report as it was, and
// the report saves and opens whole. The smaller limits of each importer's own
// tests stand in for this one everywhere else; this test holds the real one.
#include "lodgement_import/LodgementFixtures.h"
#include "lodgement_import/LodgementReader.h"
#include "payees/AddPayeeForm.h"
#include "payees/PayeeServices.h"
#include "payees/PayeeTypeDas.h"
#include "report/AppContext.h"
#include "report/CSumbridge1Doc.h"
#include "report/PayeeIds.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "transfer/TransferTestKit.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ReportAtThePayeeLimit : public ::testing::Test {
protected:
    ReportAtThePayeeLimit()
    {
        Report& r = report();
        r.reportYear = QStringLiteral("2018");
        r.priorYear = QStringLiteral("2017");
        r.reportYearNumber = 2018;
        // Every payee shares the one surname's text, so the report takes
        // only the memory of its records.
        const QString surname = QStringLiteral("Citizen");
        for (qint32 id = 1; id <= kMaxPayeesInAReport; ++id) {
            CCards card;
            card.payeeId = id;
            card.payeeType = QStringLiteral("INB");
            card.surname = surname;
            r.payees.emplace_hint(r.payees.end(), id, std::move(card));
        }
        r.highestPayeeId = qint32(kMaxPayeesInAReport);
    }

    Report& report() { return context.report(); }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // The report still holds its own payees and nothing else, and only the
    // refusal was shown.
    void expectRefusedAndUnchanged()
    {
        EXPECT_EQ(ui.texts(), QStringList { TooManyPayeesMessage(kMaxPayeesInAReport, 1) });
        ui.messages.clear();
        const Report& r = report();
        EXPECT_EQ(qint64(r.payees.size()), kMaxPayeesInAReport);
        EXPECT_EQ(r.payees.begin()->first, 1);
        EXPECT_EQ(r.payees.rbegin()->first, kMaxPayeesInAReport);
        EXPECT_EQ(r.highestPayeeId, kMaxPayeesInAReport);
        EXPECT_EQ(r.payeesChanged, 0);
        EXPECT_FALSE(context.document.IsModified());
    }

    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context { ui, files };
};

TEST_F(ReportAtThePayeeLimit, RefusesOneMorePayeeFromEveryWayIn)
{
    ASSERT_TRUE(dir.isValid());

    {
        SCOPED_TRACE("tab-delimited import");
        ui.answerFile(writeFile(QStringLiteral("one.txt"),
            transfer_test::fileOf({ transfer_test::dataLine(52, { { 1, "7" }, { 13, "One" } }) })));
        ImportTabDelimited(context, PayeeType::INB);
        expectRefusedAndUnchanged();
    }
    {
        SCOPED_TRACE("lodgement file");
        ui.answerFile(writeFile(QStringLiteral("one.A01"),
            fixture::file({ fixture::payeeRecord("DINB", { { 7, "S" }, { 8, "123456782" }, { 25, "One" } }) })));
        OnBnClickedLoadA01(context);
        expectRefusedAndUnchanged();
    }
    {
        SCOPED_TRACE("Manually Add One, before any form opens");
        AddPayeeForm chooser(context, noPayeeServices());
        chooser.OnInitDialog();
        EXPECT_EQ(chooser.OnBnClickedOk(), AddPayeeOutcome::Close);
        EXPECT_TRUE(ui.dialogsRun.isEmpty());
        expectRefusedAndUnchanged();
    }
    {
        SCOPED_TRACE("a payee typed into a form");
        report().payeeMode = 4;
        PayeeDasForm form(context);
        form.OnInitDialog();
        ASSERT_TRUE(form.adding());
        EXPECT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::StayOpen);
        expectRefusedAndUnchanged();
    }
}

TEST_F(ReportAtThePayeeLimit, SavesAndOpensWhole)
{
    const QByteArray saved = StoreReport(report());
    // The first report goes before the second is read, to halve the memory.
    report() = Report {};

    Report opened;
    EXPECT_EQ(LoadReport(saved, opened, ui), ReportRead::Whole);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(qint64(opened.payees.size()), kMaxPayeesInAReport);
    EXPECT_EQ(opened.payees.rbegin()->second.surname, QStringLiteral("Citizen"));
    EXPECT_TRUE(StoreReport(opened) == saved);
}

} // namespace
