// While the core waits for a lock, the program's windows are drawn again
// under the wait cursor.
#include "platform/dialogs/QtUserInterface.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
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

TEST(KeepWindowsDrawn, AWindowAskedToRepaintIsRepaintedUnderTheWaitCursor)
{
    QtUserInterface ui;
    PaintCounter window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    const WaitCursor wait(ui);
    const int before = window.paints;
    window.update();
    ui.keepWindowsDrawn();
    EXPECT_GT(window.paints, before);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

} // namespace
