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

// Where the handler writes; -1 while no instance exists.
int signalPipe = -1;

void OnSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe, &byte, 1);
    errno = savedErrno;
}

void SetHandler(int signal, void (*handler)(int), int flags) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

}  // namespace

ShutdownRequests::ShutdownRequests(QObject* parent) : QObject(parent) {
    if (::pipe2(pipe_, O_NONBLOCK | O_CLOEXEC) == 0) {
        signalPipe = pipe_[1];
        notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &ShutdownRequests::Drain);
        for (const int signal : kSignals) {
            SetHandler(signal, &OnSignal, SA_RESTART | SA_RESETHAND);
        }
    }
    if (qGuiApp != nullptr) {
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &ShutdownRequests::Requested);
    }
}

ShutdownRequests::~ShutdownRequests() {
    if (notifier_ == nullptr) {
        return;
    }
    for (const int signal : kSignals) {
        SetHandler(signal, SIG_DFL, 0);
    }
    signalPipe = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void ShutdownRequests::Drain() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    emit Requested();
}

}  // namespace hobwatch
