// While the core waits for a lock, the program's windows are drawn again
// under the wait cursor.
#include "platform/dialogs/QtUserInterface.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{

class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// A window of the program on screen while the core waits.
class KeepWindowsDrawn : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }

    QtUserInterface ui;
    PaintCounter window;
};

TEST_F(KeepWindowsDrawn, AWindowAskedToRepaintIsRepaintedUnderTheWaitCursor)
{

    const WaitCursor wait(ui);
    const int before = window.paints;
    window.update();
    ui.keepWindowsDrawn();
    EXPECT_GT(window.paints, before);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

// A reply or a timer that arrives during the wait runs only after it: it
// could open a dialog, or change where the shared file is, under the lock.
TEST_F(KeepWindowsDrawn, NothingQueuedRunsWhileTheCoreWaits)
{
    bool ran = false;
    QMetaObject::invokeMethod(qApp, [&ran] { ran = true; }, Qt::QueuedConnection);
    QTimer::singleShot(0, qApp, [&ran] { ran = true; });
    ui.keepWindowsDrawn();
    EXPECT_FALSE(ran);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
}

} // namespace
