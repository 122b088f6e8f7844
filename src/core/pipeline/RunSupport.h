#pragma once

#include <QString>
#include <functional>

#include "base/Outcome.h"
#include "pipeline/RunContext.h"

// The shared helpers of the run and its steps, bound to a run context.

// See StepConfirm.h.
Outcome ConfirmStep(RunContext& ctx, const QString& stepName);
// Room for neededKB in folder, or the user goes on anyway (see FreeSpace.h).
Outcome SpaceFor(RunContext& ctx, const QString& folder, qint64 neededKB);
// The free space of folder's volume into the log.
void LogFreeSpace(RunContext& ctx, const QString& folder);
// Saves the run log file; a failure is logged and returns false.
bool SaveLogFile(RunContext& ctx);
// The end-of-run block: rule, end time, free space of the working folder, blank
// line, back to idle, log file saved.
void LogRunEnd(RunContext& ctx);

// How a tool run ended for the step that started it. A tool ended through Abort
// reports success to the runner; here it is Aborted, so the step neither records
// the unit as done nor deletes anything. A tool that finished after Abort was
// answered "Nein" counts as done; the step stops at its next abort test.
Outcome RunPiped(RunContext& ctx, const ToolCall& call);
Outcome RunHidden(RunContext& ctx, const ToolCall& call);

// A tool's exit code is not the whole truth. A tool run whose output grows past
// three times the step's estimate (plus 1 MiB) is stopped and fails: a broken
// source can make a demultiplexer write without end.
ToolCall Guarded(ToolCall call, const QStringList& outputs, qint64 estimateKB);
// The least a complete result may be: three quarters of the estimate less 1 MiB
// (the estimates run 0.95 to 1.05 of real results; small inputs carry headers).
qint64 MinimumResultKB(qint64 estimateKB);
// After a tool reported success: every file exists and is not empty, together
// they reach minimumKB, and the disk they are on is not full (a tool that ran
// out of space may still exit 0). Otherwise a "Fehler:" line, false.
bool ResultComplete(RunContext& ctx, const QStringList& files, qint64 minimumKB);

// The log line of a user abort.
inline QString AbortLine() {
    return QStringLiteral("Abbruch:   Abbruch durch den Anwender.");
}

// Short forms for the log lines of the run and its steps.
inline void Add(RunContext& ctx, const QString& text) {
    Log(ctx, lmAdd, text);
}
inline void Indented(RunContext& ctx, const QString& text) {
    Log(ctx, lmIndent, text);
}
// "Fehler:    Die Quelle <path> wurde nicht gefunden."
void SourceMissing(RunContext& ctx, const QString& path);
// Blank line, current time + title, rule ("=" under the authoring header).
void SectionHeader(RunContext& ctx, const QString& title, bool doubleRule = false);
// The three lines that open and close a tool's output in the log.
void StartBanner(RunContext& ctx, const QString& tool);
void EndBanner(RunContext& ctx, const QString& middleLine);
// The usual middle line of the closing banner.
QString EndLine(const QString& tool);
// A size line; the pattern holds "%1.0n" for the whole number of MB.
void SizeLine(RunContext& ctx, LogMode mode, const QString& pattern, qint64 kb);
// Records the processing state in the run's project file (and logs it).
void StateWrite(RunContext& ctx, int number);

// The common start of one source in the per-source steps (demultiplex, upmix,
// multiplex), numbered base + i.
enum class UnitStart { Run, Skip, Stop };
// A source with navigation packets needs no work (Skip, or Stop when its file is
// missing); a unit already done on resume is skipped; otherwise the resume point
// is cleared and the unit runs.
UnitStart BeginSourceUnit(RunContext& ctx, int i, int base);
// Whether the resume point covers the unit.
inline bool UnitDone(const RunState& run, int unit) {
    return run.resumePoint > 0 && run.resumePoint >= unit;
}
// Whether the user asked to abort; if so, logs it and sets the resume point
// after the last unit done.
bool StoppedForAbort(RunContext& ctx);
// The per-source loop of a step: each source is a unit (numbered base + i) that
// begins with BeginSourceUnit and an abort test and then runs unit(ctx, i). The
// first outcome that is not Done ends the loop.
Outcome ForEachSource(RunContext& ctx, int base, const std::function<Outcome(RunContext&, int)>& unit);

// Deletes an output left by an earlier run ("... bereits vorhanden.", "... gelöscht.").
// False, with the error logged, when it could not be deleted or is a source's own
// file (see SourceGuard.h). waitMs: pause after deleting.
bool DeleteOldOutput(RunContext& ctx, const QString& path, int waitMs = 0);
// After a deletion under "Sofort löschen": "Gelöscht:  <path>", or
// "Fehler:    <path> konnte nicht gelöscht werden" when it is still there.
void ReportDeletion(RunContext& ctx, const QString& path);
