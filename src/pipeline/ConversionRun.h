#pragma once

#include "pipeline/RunContext.h"

// One conversion run, as started by the Start button: run header and project
// backup, then the steps from the chosen stage, until the end block.
void RunConversion(RunContext& ctx);

// The chapter lines of one source in the run header ("  02:      <mark>" ...).
void LogChapterList(RunContext& ctx, const QString& kapitel);
