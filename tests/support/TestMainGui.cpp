#include "support/TestScreens.h"
#include "widgets/ControlGestures.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests run under a QApplication on the offscreen platform, with the
// test screens beside its usual one, and with the program's rules for the
// wheel and typing over its controls.
int main(int argc, char** argv)
{
    const auto screens = useOffscreenTestScreens();
    QApplication app(argc, argv);
    installControlGestures(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
