#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop, so that the
// program ends the way closing its window does: a running tool is ended with
// its process group and the run finishes through its end block. The handler
// only writes a byte into a pipe that a socket notifier reads (a signal handler
// may do nothing more). One instance per program.
class TerminationSignals : public QObject {
  public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

  private:
    std::function<void()> onSignal_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};
