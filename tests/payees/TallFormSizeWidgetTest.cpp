#include "payees/dialogs/CPayeeFEI.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeePEN.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"
#include "support/TestScreens.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace
{

std::string text(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

struct TallForm {
    const char* name;
    std::function<std::unique_ptr<QDialog>(AppContext&)> make;
};

const TallForm kTallForms[] = {
    { "INB", [](AppContext& c) { return std::make_unique<CPayeeINB>(c); } },
    { "FEI", [](AppContext& c) { return std::make_unique<CPayeeFEI>(c); } },
    { "PEN", [](AppContext& c) { return std::make_unique<CPayeePEN>(c); } },
};

void PrintTo(const TallForm& form, std::ostream* out)
{
    *out << form.name;
}

struct TallFormSize : ::testing::TestWithParam<TallForm> {
    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context { ui, files };

    TallFormSize()
    {
        context.report().reportYear = QStringLiteral("2019");
        context.report().reportYearNumber = 2019;
        context.report().payeeMode = 4;
    }

    // Opened as the program opens it, on the given screen.
    std::unique_ptr<QDialog> open(QScreen* screen)
    {
        std::unique_ptr<QDialog> dialog = GetParam().make(context);
        // Where the desktop would put it: on that screen.
        dialog->setScreen(screen);
        dialog->move(screen->availableGeometry().topLeft());
        fitWidthToTitle(dialog.get());
        dialog->show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
        return dialog;
    }

    static QScrollArea* scrollArea(QDialog& dialog)
    {
        return dialog.findChild<QScrollArea*>(QStringLiteral("formScrollArea"));
    }
};

TEST_P(TallFormSize, OnAWideScreenTheWholeFormIsInViewWithoutScrollingSideways)
{
    QScreen* screen = testScreen(QSize(1600, 1000));
    if (!screen)
        GTEST_SKIP() << "the offscreen platform has no 1600 x 1000 test screen";
    const std::unique_ptr<QDialog> dialog = open(screen);
    QScrollArea* scroll = scrollArea(*dialog);
    ASSERT_NE(scroll, nullptr);

    EXPECT_TRUE(screen->availableGeometry().contains(dialog->frameGeometry())) << text(dialog->frameGeometry());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    // Far more than the scroll area's own small size: the form fills what the screen gives it.
    EXPECT_GT(dialog->height(), 800);
    const QWidget* body = scroll->widget();
    EXPECT_GE(scroll->viewport()->width(), body->minimumSizeHint().width());
}

TEST_P(TallFormSize, OnASmallScreenTheFormStaysOnTheScreenAndScrolls)
{
    QScreen* screen = testScreen(QSize(1024, 700));
    if (!screen)
        GTEST_SKIP() << "the offscreen platform has no 1024 x 700 test screen";
    const std::unique_ptr<QDialog> dialog = open(screen);
    QScrollArea* scroll = scrollArea(*dialog);
    ASSERT_NE(scroll, nullptr);

    EXPECT_TRUE(screen->availableGeometry().contains(dialog->frameGeometry())) << text(dialog->frameGeometry());
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    // The bottom of the form can be reached.
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    QApplication::processEvents();
    const QWidget* body = scroll->widget();
    EXPECT_LE(body->mapTo(scroll->viewport(), QPoint(0, body->height())).y(), scroll->viewport()->height());
}

INSTANTIATE_TEST_SUITE_P(EveryTallForm, TallFormSize, ::testing::ValuesIn(kTallForms),
    [](const ::testing::TestParamInfo<TallForm>& info) { return std::string(info.param.name); });

} // namespace
