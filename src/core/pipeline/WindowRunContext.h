#pragma once

#include <functional>

#include "pipeline/RunContext.h"
#include "sources/SourceTable.h"

// The program's services a run uses.
struct RunServices {
    LogSink& log;
    Dialogs& dialogs;
    ToolRunner& runner;
    const ProgramFolders& folders;
    // Asks the system to shut down; false when refused.
    std::function<bool()> shutdown;
};

// What a run converts: copies of the source table, the settings and the
// controls' states taken when it was started, so that nothing changed in the
// window during the run reaches it.
struct RunInputs {
    SourceTable sources;
    ProgramSettings settings;
    ControlState controls;
};

// What a run tells the window, or asks of it.
class RunWindow {
  public:
    virtual ~RunWindow() = default;
    virtual ProgressView& gauge() = 0;
    virtual void enterRunning() = 0;
    virtual void backToIdle() = 0;
    virtual void editScript(QStringList& lines) = 0;
    // The window's own settings into the settings file.
    virtual bool saveSettingsFile(const QString& file) = 0;
    // Pfade.Projekte, when the user names the run's project file.
    virtual void setProjectFolder(const QString& folder) = 0;
};

// The run context of a conversion run or a rip started in the window: the
// services, the run's inputs, the window's callbacks and the shared run state.
class WindowRunContext : public RunContext {
  public:
    WindowRunContext(RunServices services, RunInputs inputs, RunWindow& window, RunState& state)
        : services_(std::move(services)), inputs_(std::move(inputs)), window_(window), state_(state) {}

    LogSink& log() override { return services_.log; }
    Dialogs& dialogs() override { return services_.dialogs; }
    ToolRunner& runner() override { return services_.runner; }
    ProgressView& progress() override { return window_.gauge(); }
    SourceTable& sources() override { return inputs_.sources; }
    RunState& state() override { return state_; }
    ProgramSettings settings() override { return inputs_.settings; }
    ControlState controls() override { return inputs_.controls; }
    const ProgramFolders& folders() override { return services_.folders; }
    void setProjectFolder(const QString& folder) override;
    // A project file gets the run's settings; the settings file the window's.
    bool saveSettings(const QString& file, bool full) override;
    // The run's sources.
    bool saveProject(const QString& file) override;
    void editScript(QStringList& lines) override { window_.editScript(lines); }
    void enterRunning() override { window_.enterRunning(); }
    void backToIdle() override { window_.backToIdle(); }
    bool shutdown() override { return services_.shutdown(); }

  private:
    RunServices services_;
    RunInputs inputs_;
    RunWindow& window_;
    RunState& state_;
};
