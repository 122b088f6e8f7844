#pragma once

#include <QString>
#include <QStringList>

#include "base/Dialogs.h"
#include "base/Log.h"
#include "base/Progress.h"
#include "base/ToolRunner.h"
#include "persistence/ProgramSettings.h"
#include "platform/ProgramFolders.h"

class SourceTable;

// Run-time state shared between the run, its steps and the Abort button.
struct RunState {
    bool abortRequested = false;
    int processingState = 0;
    int resumePoint = 0;
    QString runProjectFile;
};

// What a run reads from the window besides the settings: enabled states and the
// texts of list selections.
struct ControlState {
    bool imageEnabled = true;   // ChImage
    bool splitEnabled = true;   // ChSplit
    bool ejectEnabled = true;   // ChEject
    bool logEnabled = true;     // ChLog
    bool speedEnabled = true;   // CoSpeed
    bool burnerEnabled = true;  // CoLW
    QString priorityText;       // CoProcess
    QString burnerText;         // CoLW
    QString speedText;          // CoSpeed
    int stageIndex = -1;        // CoRecover
    QString stageText;          // CoRecover
    QString libraryText;        // caption of GBox1
};

// Everything a conversion run and its steps need of the program. The main window
// implements it; tests hand in their own. Values are read at the moment a step
// needs them.
class RunContext {
  public:
    virtual ~RunContext() = default;

    virtual LogSink& log() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual ToolRunner& runner() = 0;
    virtual ProgressView& progress() = 0;
    virtual SourceTable& sources() = 0;
    virtual RunState& state() = 0;

    virtual ProgramSettings settings() = 0;
    virtual ControlState controls() = 0;
    // Where the settings file, the run log and the run's backup project are.
    virtual const ProgramFolders& folders() = 0;

    // Pfade.Projekte, when the user names the run's project file.
    virtual void setProjectFolder(const QString& folder) = 0;
    virtual bool saveSettings(const QString& file, bool full) = 0;
    virtual bool saveProject(const QString& file) = 0;
    // Shows the script editor on lines; returns when it is closed.
    virtual void editScript(QStringList& lines) = 0;

    // Window states of a run: running (log tab shown, Abort instead of Start) and idle.
    virtual void enterRunning() = 0;
    virtual void backToIdle() = 0;
    // Asks the system to shut down; on success the program ends. False when refused.
    virtual bool shutdown() = 0;
};

// Logs a line with the given mode into the context's log.
inline void Log(RunContext& ctx, LogMode mode, const QString& text) {
    WriteLog(ctx.log(), mode, text);
}
