#pragma once

#include "pipeline/RunContext.h"

// One conversion run, as started by the Start button: run header and project
// backup, then the steps from the chosen stage, until the end block. True when
// the run went through to its normal end (not on an error or abort).
bool RunConversion(RunContext& ctx);

// The chapter lines of one source in the run header ("  02:      <mark>" ...).
void LogChapterList(RunContext& ctx, const QString& kapitel);
