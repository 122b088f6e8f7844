#pragma once

#include <QStringList>
#include <functional>
#include <list>
#include <memory>

#include "base/Log.h"
#include "base/Progress.h"
#include "base/ToolRunner.h"

class QEventLoop;
class QProcess;

// Runs tools side by side for one step, their output discarded as RunTool does.
// Each tool writes its "Befehl:" line and its exit-code text into a log block of
// its own, so that the step can write the blocks into the run log in its order.
// While the pool lives, the runner's KillTool ends every tool of it; the gauge
// follows the sum of the watch files of all tools started. A tool whose output
// grows past its call's limit is stopped and fails.
class ToolPool {
  public:
    // How a tool ended: ok for exit code 0 only; killed when KillTool ended it.
    using Ended = std::function<void(bool ok, bool killed)>;

    ToolPool(ToolRunner& runner, ProgressView& progress);
    ~ToolPool();  // ends the tools that still run

    // Starts a tool at the priority of the CoProcess index; ended is called from
    // wait(). False, with a "Fehler:" line in block, when it cannot start.
    bool start(const ToolCall& call, int priorityIndex, LogSink& block, Ended ended);
    int running() const { return static_cast<int>(tasks_.size()); }
    // Waits, with the window responsive, until a tool has ended (at once when none runs).
    void wait();
    // Ends every running tool with its children; true when one ran.
    bool killAll();

  private:
    struct Task {
        std::unique_ptr<QProcess> process;
        LogSink* block = nullptr;
        Ended ended;
        QStringList outputs;
        qint64 limitKB = 0;
        bool finished = false;
        bool killed = false;
        bool overrun = false;
    };
    // Gauge and output guard, while the tools run.
    void poll();

    ToolRunner& runner_;
    ProgressView& progress_;
    std::list<Task> tasks_;
    QStringList watched_;
    QEventLoop* loop_ = nullptr;
};
