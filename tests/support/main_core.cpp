#include <gtest/gtest.h>
#include <QCoreApplication>

// Weak so that widget tests can provide a main that starts a QApplication.
__attribute__((weak)) int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
