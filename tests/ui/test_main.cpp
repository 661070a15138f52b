// Runs the shared window helpers' tests in one QApplication on the offscreen platform, under a
// system locale that is not Spanish.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv)
{
    // Test discovery runs the binary without the test's environment, so default the platform here too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("LC_ALL", "C");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
