#include "pipeline/ConversionRun.h"

#include "pipeline/RunSupport.h"
#include "sources/SourceTable.h"

void RunConversion(RunContext& ctx) {
    ctx.enterRunning();
    if (ctx.sources().isEmpty()) {
        Log(ctx, lmAdd, QStringLiteral("Fehler:     Keine Dateien zum Bearbeiten gefunden."));
        LogRunEnd(ctx);
        return;
    }
    LogRunEnd(ctx);
}
