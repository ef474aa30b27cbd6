#pragma once

#include <QObject>

class QSocketNotifier;

namespace hobwatch {

// Turns the requests to end the program that come from outside into one Qt signal on the main
// thread: SIGTERM (sent at logout and shutdown), SIGHUP and SIGINT, and the session manager's
// request to save at logout. A signal handler only writes to a pipe that the event loop
// watches, since no Qt call is safe inside a handler; a second signal of the same kind ends the
// program as it would have without this. One instance at a time; a signal that comes before the
// event loop runs is answered once it does.
class ShutdownRequests final : public QObject {
    Q_OBJECT

public:
    explicit ShutdownRequests(QObject* parent = nullptr);
    ~ShutdownRequests() override;

signals:
    void Requested();

private:
    void Drain();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace hobwatch
