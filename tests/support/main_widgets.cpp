#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // Widget tests run off screen. The build also runs the binary to list its
    // tests, without the test environment, so the default is set here too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
