#pragma once

#include "base/CommandPlan.h"
#include "base/Outcome.h"
#include "pipeline/RunContext.h"

// Resamples every audio track that is not 48 kHz at its DVD bitrate to 48 kHz
// MPEG audio (BeSweet); a stop is logged.
Outcome Upmix(RunContext& ctx);
// The same with up to tools BeSweet runs side by side (Upmix: one per processor
// core, one with single-step confirmation). The log is the one of a run one
// track after another.
Outcome UpmixWithTools(RunContext& ctx, int tools);

// The BeSweet call for one track: 48 kHz, stereo MPEG audio at bitrate.
CommandPlan BeSweetPlan(const QString& besweet, const QString& input, const QString& output,
                        const QString& logFile, const QString& bitrate);
