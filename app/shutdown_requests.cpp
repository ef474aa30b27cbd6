#include "app/shutdown_requests.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <QGuiApplication>
#include <QSocketNotifier>

namespace hobwatch {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Read and write ends, open for the program's whole life once the signals are caught.
int signalPipe[2] = {-1, -1};

void OnSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void CatchShutdownSignals() {
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    // Without SA_RESETHAND: a second signal must not end the program as if uncaught.
    action.sa_flags = SA_RESTART;
    ::sigemptyset(&action.sa_mask);
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

ShutdownRequests::ShutdownRequests(QObject* parent) : QObject(parent) {
    CatchShutdownSignals();
    if (signalPipe[0] >= 0) {
        auto* const notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &ShutdownRequests::Drain);
    }
    if (qGuiApp != nullptr) {
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &ShutdownRequests::Requested);
    }
}

void ShutdownRequests::Drain() {
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    emit Requested();
}

}  // namespace hobwatch
