#pragma once

#include <QStringList>
#include <functional>

#include "base/ProcessRunner.h"
#include "pipeline/RunContext.h"
#include "sources/SourceTable.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

// Remembers what the gauge was asked to show.
class RecordingProgress : public ProgressView {
  public:
    void showGauge(qint64 maximumKB) override { maximum = maximumKB; }
    void setGaugePosition(qint64 kb) override { position = kb; }
    void hideGauge() override {}

    qint64 maximum = 0, position = 0;
};

// A run context without a window: log in memory, scripted dialogs, the real
// tool runner, settings and control states as the test sets them.
class FakeRunContext : public RunContext {
  public:
    explicit FakeRunContext(const QString& programDir);

    LogSink& log() override { return memory; }
    Dialogs& dialogs() override { return scripted; }
    ToolRunner& runner() override { return *toolRunner; }
    ProgressView& progress() override { return gauge; }
    SourceTable& sources() override { return table; }
    RunState& state() override { return run; }
    ProgramSettings settings() override { return values; }
    ControlState controls() override { return controlState; }
    const ProgramFolders& folders() override { return places; }
    void setProjectFolder(const QString& projects) override { values.projects = projects; }
    bool saveSettings(const QString& file, bool full) override { return onSaveSettings(file, full); }
    bool saveProject(const QString&) override { return true; }
    void editScript(QStringList& lines) override { onEditScript(lines); }
    void enterRunning() override {
        running = true;
        run.abortRequested = false;
    }
    void backToIdle() override { running = false; }
    bool shutdown() override {
        ++shutdowns;
        return shutdownAccepted;
    }

    QStringList lines() const { return memory.lines(); }
    // The real tools and the program's helpers and menus; working folder
    // <program>/Arbeit, DVD folder <program>/Dvd, the run's project file beside them.
    void useRealTools();

    QString folder;
    ProgramFolders places;  // everything in folder
    MemoryLog memory;
    ScriptedDialogs scripted;
    RecordingProgress gauge;
    std::unique_ptr<ToolRunner> toolRunner;
    SourceTable table;
    RunState run;
    ProgramSettings values;
    ControlState controlState;
    bool running = false;
    int shutdowns = 0;
    bool shutdownAccepted = true;
    std::function<bool(const QString&, bool)> onSaveSettings = [](const QString&, bool) { return true; };
    std::function<void(QStringList&)> onEditScript = [](QStringList&) {};
};
