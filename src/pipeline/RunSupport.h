#pragma once

#include <QString>

#include "pipeline/RunContext.h"

// The shared helpers of the run and its steps, bound to a run context.

bool ConfirmStep(RunContext& ctx, const QString& stepName);
// True = stop (see CheckFreeSpace in FreeSpace.h).
bool CheckFreeSpace(RunContext& ctx, const QString& folder, qint64 neededKB);
// Saves the run log file; a failure is logged and returns false.
bool SaveLogFile(RunContext& ctx);
// The end-of-run block: rule, end time, free space of the working folder, blank
// line, back to idle, log file saved.
void LogRunEnd(RunContext& ctx);

// How a tool run ended for the step that started it. A tool ended through Abort
// reports success to the runner; here it is Aborted, so the step neither records
// the unit as done nor deletes anything. A tool that finished after Abort was
// answered "Nein" counts as done; the step stops at its next abort test.
enum class ToolOutcome { Done, Failed, Aborted };
ToolOutcome RunPiped(RunContext& ctx, const ToolCall& call);
ToolOutcome RunHidden(RunContext& ctx, const ToolCall& call);

// The log line of a user abort.
inline QString AbortLine() {
    return QStringLiteral("Abbruch:   Abbruch durch den Anwender.");
}
