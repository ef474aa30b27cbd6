#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery runs without the test environment, so without a platform to open.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    // A countdown reaches for the desktop's services (staying awake, the dock, a notification):
    // whatever session runs the tests, its bus stays out of reach. The notification's own tests
    // bring a bus of their own.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/session-bus");
    QApplication application(argc, argv);
    // The program ends only when the window asks for it; the tests see that request.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
