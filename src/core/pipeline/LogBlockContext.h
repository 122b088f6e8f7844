#pragma once

#include "pipeline/RunContext.h"

// The run's context with a log of its own: work done ahead of its turn writes
// its lines here, and the step writes them into the run log when the turn comes.
class LogBlockContext : public RunContext {
  public:
    explicit LogBlockContext(RunContext& run) : run_(run) {}

    // Writes the lines kept so far into the run log.
    void flush() {
        for (const QString& line : block_.lines())
            run_.log().addLine(line);
        block_.clear();
    }

    LogSink& log() override { return block_; }
    Dialogs& dialogs() override { return run_.dialogs(); }
    ToolRunner& runner() override { return run_.runner(); }
    ProgressView& progress() override { return run_.progress(); }
    SourceTable& sources() override { return run_.sources(); }
    RunState& state() override { return run_.state(); }
    ProgramSettings settings() override { return run_.settings(); }
    ControlState controls() override { return run_.controls(); }
    const ProgramFolders& folders() override { return run_.folders(); }
    void setProjectFolder(const QString& folder) override { run_.setProjectFolder(folder); }
    bool saveSettings(const QString& file, bool full) override { return run_.saveSettings(file, full); }
    bool saveProject(const QString& file) override { return run_.saveProject(file); }
    void editScript(QStringList& lines) override { run_.editScript(lines); }
    void enterRunning() override { run_.enterRunning(); }
    void backToIdle() override { run_.backToIdle(); }
    bool shutdown() override { return run_.shutdown(); }

  private:
    RunContext& run_;
    MemoryLog block_;
};
