#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery runs without the test environment, so without a platform to open.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    // The program ends only when the window asks for it; the tests see that request.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
