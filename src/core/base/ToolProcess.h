#pragma once

#include <QString>

#include "base/Log.h"
#include "base/ToolRunner.h"

class QProcess;

// What every way of running a tool shares: how its process is set up, how it
// is ended with its children and how its end becomes an exit code.

// Program and arguments as they are, standard input closed, the call's extra
// environment, a process group of its own, the nice value of the CoProcess
// index and death with the program. piped: output and errors merged for reading; otherwise discarded.
void PrepareToolProcess(QProcess& process, const ToolCall& call, bool piped, int priorityIndex);
// The nice value for a CoProcess index (0 when none or out of range).
int ToolNiceValue(int priorityIndex);
// The log line of a tool whose output is discarded: "Befehl:    " + the quoted program + " " + paramsText.
QString HiddenCommandLine(const ToolCall& call);
// Ends a running tool together with its children (its process group).
void KillToolProcess(QProcess& process);
// Whether a tool's outputs have grown past its limit (0: no limit).
bool OutputOverrun(const QStringList& outputs, qint64 limitKB);
// The log lines of a tool stopped for output far past its estimate.
void WriteOverrun(LogSink& log, qint64 limitKB);
// The exit code of an ended tool. Ended by a signal: 0 when it was killed on
// purpose (the runner reports success), else 128 + the signal.
qint64 ToolExitCode(const QProcess& process, bool killed);
