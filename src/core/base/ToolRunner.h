#pragma once

#include <QString>
#include <QStringList>

class ToolPool;

// One run of an external tool. The program and its arguments reach the tool as
// they are: no shell, no re-splitting, standard input closed.
struct ToolCall {
    QString program;
    QStringList arguments;
    QString paramsText;       // the argument string as the log shows it
    QString watchFile;        // the gauge follows its size in KiB; may be empty
    QStringList environment;  // extra "NAME=value" entries for the child
    // Output guard: while the tool runs and when it ends, the size of its
    // outputs (OutputSizeKB) may not pass limitKB; a tool whose output does is
    // stopped and fails with a "Fehler:" line. 0: no guard.
    QStringList outputs = {};
    qint64 limitKB = 0;
    QString workFolder = {};  // empty: the program's own
};

class ToolRunner {
  public:
    virtual ~ToolRunner() = default;
    // Copies the tool's output into the log. True only for exit code 0.
    virtual bool RunToolPiped(const ToolCall& call) = 0;
    // Logs "Befehl:    " + the quoted program + " " + paramsText; output discarded.
    virtual bool RunTool(const ToolCall& call) = 0;
    // Ends the running tool at once; the runner then reports success.
    virtual bool KillTool() = 0;
    virtual bool isRunning() const = 0;
    // Whether the last run was ended by KillTool.
    virtual bool lastRunKilled() const = 0;
    // While a step runs tools side by side, KillTool ends them too and isRunning
    // counts them (null: no pool).
    virtual void attachPool(ToolPool* pool) { (void)pool; }
    // A tool of the attached pool is about to start.
    virtual void poolToolStarting(const ToolCall& call) { (void)call; }
};

// The log text for a tool's exit code; empty for 0.
QString ExitCodeText(qint64 code);
