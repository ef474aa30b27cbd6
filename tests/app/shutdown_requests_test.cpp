#include <signal.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "app/shutdown_requests.h"

namespace hobwatch {
namespace {

TEST(ShutdownRequestsTest, EachSignalIsOneRequestAnsweredInTheEventLoop) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        ShutdownRequests requests;
        int answered = 0;
        QObject::connect(&requests, &ShutdownRequests::Requested, &requests, [&] {
            ++answered;
            QCoreApplication::exit(0);
        });
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(99); });
        guard.start(5000);

        // Without the handler, this would end the test program.
        ASSERT_EQ(::raise(signal), 0);
        EXPECT_EQ(answered, 0);

        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_EQ(answered, 1);
    }
}

}  // namespace
}  // namespace hobwatch

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
