#include <signal.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "app/shutdown_requests.h"

namespace hobwatch {
namespace {

// The program catches the signals first thing: one that comes before anything watches for it
// (while the window is still being made) is answered once the event loop runs. One that comes
// again, as a terminal that hangs up sends SIGHUP twice, is a request like the first.
TEST(ShutdownRequestsTest, EverySignalHoweverEarlyOrOftenIsARequestAnsweredInTheEventLoop) {
    CatchShutdownSignals();
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        // Without the handler, each of these would end the test program.
        ASSERT_EQ(::raise(signal), 0);
        ShutdownRequests requests;
        ASSERT_EQ(::raise(signal), 0);
        int answered = 0;
        QObject::connect(&requests, &ShutdownRequests::Requested, &requests, [&] {
            ++answered;
            if (answered == 1) {
                ::raise(signal);
            } else {
                QCoreApplication::exit(0);
            }
        });
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        EXPECT_EQ(answered, 0);

        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_EQ(answered, 2);
    }
}

}  // namespace
}  // namespace hobwatch

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
