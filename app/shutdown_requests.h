#pragma once

#include <QObject>

namespace hobwatch {

// Makes SIGTERM (sent at logout and shutdown), SIGHUP and SIGINT requests to end, for the rest
// of the program's life and however often they come (a terminal that hangs up sends SIGHUP
// more than once): the handler only writes to a pipe that a ShutdownRequests watches, since no
// Qt call is safe inside a handler. Called first thing in main, so that a request that comes
// while the program is still starting is kept until the event loop runs. Calling it again
// changes nothing.
void CatchShutdownSignals();

// Turns the requests to end the program that come from outside into one Qt signal on the main
// thread: the signals that CatchShutdownSignals catches (called here if it was not yet) and the
// session manager's request to save at logout. A signal that came before the event loop runs is
// answered once it does. One instance at a time.
class ShutdownRequests final : public QObject {
    Q_OBJECT

public:
    explicit ShutdownRequests(QObject* parent = nullptr);

signals:
    void Requested();

private:
    void Drain();
};

}  // namespace hobwatch
