#include "support/TestScreens.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests run under a QApplication on the offscreen platform, with the
// test screens beside its usual one.
int main(int argc, char** argv)
{
    const auto screens = useOffscreenTestScreens();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
