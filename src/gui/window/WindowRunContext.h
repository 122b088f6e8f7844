#pragma once

#include "pipeline/RunContext.h"

class THaupt;

// The run context of a conversion run or a rip started in the window.
class WindowRunContext : public RunContext {
  public:
    explicit WindowRunContext(THaupt& window) : w(window) {}

    LogSink& log() override;
    Dialogs& dialogs() override;
    ToolRunner& runner() override;
    ProgressView& progress() override;
    SourceTable& sources() override;
    RunState& state() override;
    ProgramSettings settings() override;
    ControlState controls() override;
    const ProgramFolders& folders() override;
    void setProjectFolder(const QString& folder) override;
    bool saveSettings(const QString& file, bool full) override;
    bool saveProject(const QString& file) override;
    void editScript(QStringList& lines) override;
    void enterRunning() override;
    void backToIdle() override;
    bool shutdown() override;

  private:
    THaupt& w;
};
