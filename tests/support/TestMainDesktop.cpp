#include "support/XDesktop.h"
#include "widgets/ControlGestures.h"

#include <QApplication>
#include <QByteArray>
#include <QSize>

#include <cstdio>
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

namespace
{

// What CTest takes for a skip (SKIP_RETURN_CODE).
constexpr int kSkipped = 77;

// "--screen=1366x768"; an empty size when not given.
QSize screenArgument(int argc, char** argv)
{
    constexpr const char* flag = "--screen=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) != 0)
            continue;
        const QList<QByteArray> parts = QByteArray(argv[i] + std::strlen(flag)).split('x');
        if (parts.size() == 2)
            return { parts[0].toInt(), parts[1].toInt() };
    }
    return {};
}

} // namespace

// Desktop tests run on an X display of their own, one screen of the size
// --screen gives with a window manager on it, through Qt's xcb platform and
// with the program's rules for the wheel and typing over its controls.
// Where that display cannot be had, the tests skip and say why.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const QSize screen = screenArgument(argc, argv);
    if (screen.isEmpty() || ::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    XDesktop desktop(screen);
    XDesktop::setShared(&desktop);
    std::unique_ptr<QApplication> app;
    if (desktop.running()) {
        qputenv("DISPLAY", desktop.display());
        qputenv("DBUS_SESSION_BUS_ADDRESS", desktop.sessionBusAddress());
        qputenv("QT_QPA_PLATFORM", "xcb");
        app = std::make_unique<QApplication>(argc, argv);
        installControlGestures(*app);
    }
    const int result = RUN_ALL_TESTS();
    app.reset();
    XDesktop::setShared(nullptr);
    if (desktop.running() || result != 0)
        return result;
    std::fprintf(stderr, "Skipped: %s\n", qPrintable(desktop.reason()));
    return kSkipped;
}
