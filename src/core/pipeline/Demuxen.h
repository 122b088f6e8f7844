#pragma once

#include <QList>
#include <array>

#include "base/CommandPlan.h"
#include "base/Outcome.h"
#include "pipeline/RunContext.h"

struct MPEGInfo;

// Splits every source program stream into its elementary streams in the working
// folder (mpgtx, or jrdmux for AC-3 and files over 2 GiB); a stop is logged.
Outcome Demultiplex(RunContext& ctx);

// The mpgtx call that splits path into files named stem-*.
CommandPlan MpgtxPlan(const QString& mpgtx, const QString& path, const QString& stem);
// The jrdmux calls of one source: one per audio output given (MPEG audio 0xc0,
// 0xc1; AC-3 0xbd with the sub-stream 0x80, 0x81), then the video (0xe0) when given.
QList<CommandPlan> JrdmuxPlans(const QString& jrdmux, const QString& path, const MPEGInfo& source,
                               const std::array<QString, 2>& audio, const QString& video);
