#pragma once

#include <QByteArray>
#include <functional>

#include "base/LineSplitter.h"
#include "base/Log.h"
#include "base/Progress.h"
#include "base/ToolRunner.h"

class QProcess;

// Runs one external tool at a time with QProcess (KillTool also ends the tools
// of an attached pool). While it runs, a local event loop keeps the window
// responsive; the gauge follows the watch file. A tool runs in its own process
// group and dies with the program (parent-death signal).
class ProcessRunner : public ToolRunner {
  public:
    // priorityIndex: the CoProcess index at the moment a tool starts.
    ProcessRunner(LogSink& log, ProgressView& progress, std::function<int()> priorityIndex);
    ~ProcessRunner() override;

    bool RunToolPiped(const ToolCall& call) override;
    bool RunTool(const ToolCall& call) override;
    bool KillTool() override;
    bool isRunning() const override;
    bool lastRunKilled() const override { return killed_; }
    void attachPool(ToolPool* pool) override { pool_ = pool; }

    // The nice value for a CoProcess index (0 when none or out of range).
    static int NiceValue(int priorityIndex);

  private:
    bool run(const ToolCall& call, bool piped);
    // Stops the tool when its output has grown past the call's limit.
    void guard(const ToolCall& call);

    LogSink& log_;
    ProgressView& progress_;
    std::function<int()> priorityIndex_;
    QProcess* process_ = nullptr;
    bool killed_ = false;
    bool overrun_ = false;
    ToolPool* pool_ = nullptr;
};
