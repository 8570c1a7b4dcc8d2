#include <QCoreApplication>

#include <gtest/gtest.h>

// Tests of the core run under a QCoreApplication; widget tests provide
// their own main with a QApplication.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
