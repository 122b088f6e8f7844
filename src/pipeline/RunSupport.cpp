#include "pipeline/RunSupport.h"

#include "pipeline/Format.h"
#include "pipeline/FreeSpace.h"
#include "pipeline/RunLogFile.h"
#include "pipeline/StepConfirm.h"

bool ConfirmStep(RunContext& ctx, const QString& stepName) {
    return ConfirmStep(ctx.log(), ctx.dialogs(), ctx.settings().singleStep, stepName);
}

bool CheckFreeSpace(RunContext& ctx, const QString& folder, qint64 neededKB) {
    return CheckFreeSpace(ctx.log(), ctx.dialogs(), folder, neededKB);
}

bool SaveLogFile(RunContext& ctx) {
    if (SaveRunLog(ctx.log().lines(), ctx.programDir())) return true;
    Log(ctx, lmAdd,
        QStringLiteral("Fehler:    Die Logdatei ") + RunLogPath(ctx.programDir()) +
            QStringLiteral(" konnte nicht gespeichert werden."));
    return false;
}

void LogRunEnd(RunContext& ctx) {
    Log(ctx, lmAdd, QStringLiteral("-----------------------------"));
    Log(ctx, lmAdd, QStringLiteral("Ende:      ") + NowText());
    CheckFreeSpace(ctx, ctx.settings().work, 0);
    Log(ctx, lmAdd, QString());
    ctx.backToIdle();
    SaveLogFile(ctx);
}

namespace {

ToolOutcome Outcome(RunContext& ctx, bool ok) {
    if (ctx.runner().lastRunKilled()) return ToolOutcome::Aborted;
    return ok ? ToolOutcome::Done : ToolOutcome::Failed;
}

}  // namespace

ToolOutcome RunPiped(RunContext& ctx, const ToolCall& call) {
    return Outcome(ctx, ctx.runner().RunToolPiped(call));
}

ToolOutcome RunHidden(RunContext& ctx, const ToolCall& call) {
    return Outcome(ctx, ctx.runner().RunTool(call));
}
