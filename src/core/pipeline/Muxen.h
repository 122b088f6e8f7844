#pragma once

#include "base/CommandPlan.h"
#include "base/Outcome.h"
#include "pipeline/RunContext.h"

// Joins every source's video and audio into a DVD program stream (mplex).
// A stop is logged.
Outcome Multiplex(RunContext& ctx);

// The mplex call that joins video and the audio tracks into a DVD program stream.
CommandPlan MplexPlan(const QString& mplex, const QString& output, const QString& video,
                      const QStringList& audio);
