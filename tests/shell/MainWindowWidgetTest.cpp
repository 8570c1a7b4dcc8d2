#include "shell/dialogs/CMainFrame.h"
#include "shell/dialogs/CSumbridge1View.h"
#include "shell/dialogs/YearDialogs.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "shell/ReportCommands.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    MainWindow() : context(ui, files), commands(context, [this] { frame->RefreshView(); }) {}

    template <typename T>
    T* find(const char* name)
    {
        T* widget = frame->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context;
    CSumbridge1App commands;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainWindow, NewReportAsksForEveryStep)
{
    frame = std::make_unique<CMainFrame>(context, commands);
    frame->show();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled - Quillastrand"));
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(find<QLabel>("payerShort")->text(), QStringLiteral("You must update this"));
    EXPECT_EQ(find<QLabel>("supplierShort")->text(), QStringLiteral("You must update this"));
    EXPECT_TRUE(find<QLabel>("payerShort")->isVisible());
    EXPECT_FALSE(find<QLabel>("payerLong")->isVisible());
    EXPECT_FALSE(find<QPushButton>("generateButton")->isEnabled());
    EXPECT_TRUE(find<QLabel>("disabledNote")->isVisible());
    EXPECT_TRUE(find<QPushButton>("loadA01Button")->isVisible());
    EXPECT_FALSE(find<QPushButton>("originalA01Button")->isVisible());
    EXPECT_EQ(find<QPushButton>("payerButton")->toolTip(), QStringLiteral("Click to Select/View/Add/Edit a Payer"));
}

TEST_F(MainWindow, StepButtonRunsItsDialogAndShowsTheResult)
{
    frame = std::make_unique<CMainFrame>(context, commands);
    ui.onDialog(QStringLiteral("CPayer"), [this] {
        context.report().payerName = QStringLiteral("Smith & Sons");
        context.report().payerAbn = QStringLiteral("53004085616");
        return 1;
    });
    find<QPushButton>("payerButton")->click();
    EXPECT_EQ(ui.dialogsRun, QStringList{QStringLiteral("CPayer")});
    EXPECT_EQ(find<QLabel>("payerShort")->text(), QStringLiteral("Smith & Sons\nABN: 53 004 085 616"));
    EXPECT_TRUE(find<QPushButton>("yearButton")->isEnabled());
}

TEST_F(MainWindow, ClosingAModifiedReportAsks)
{
    frame = std::make_unique<CMainFrame>(context, commands);
    frame->show();
    context.document.SetModifiedFlag();
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(ui.messages.size(), 1u);
    ui.answer(Answer::No);
    EXPECT_TRUE(frame->close());
}

TEST(YearDialog, ListIsFixedOnceTheReportHasAYear)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    {
        CDateSet1 dialog(context);
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("yearList"));
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(list->isEnabled());
        EXPECT_EQ(list->currentIndex(), -1);
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        EXPECT_EQ(ui.texts(), QStringList{kSelectYearMessage});
        list->setCurrentIndex(list->findText(QStringLiteral("2019")));
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(context.report().reportYear, QStringLiteral("2019"));
    }
    CDateSet1 again(context);
    auto* list = again.findChild<QComboBox*>(QStringLiteral("yearList"));
    EXPECT_FALSE(list->isEnabled());
    EXPECT_EQ(list->currentText(), QStringLiteral("2019"));
}

TEST(YearDialog, OffersEveryYearOfTheTable)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    CDateSet1 dialog(context);
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("yearList"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 16);
    EXPECT_EQ(list->itemText(0), QStringLiteral("2012"));
    EXPECT_EQ(list->itemText(14), QStringLiteral("2026"));
    EXPECT_EQ(list->itemText(15), QStringLiteral("2027"));
    list->setCurrentIndex(14);
    dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(context.report().reportYearNumber, 2026);
    EXPECT_EQ(context.report().priorYear, QStringLiteral("2025"));
}

} // namespace
