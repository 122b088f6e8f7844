#pragma once

#include <QStringList>

#include "pipeline/RunContext.h"

// What the user is told about the finished DVD before a run: whether it fits
// on a disc and whether players will take it. Warnings only.

// The size line of the Struktur page: the estimate against a DVD-5 and, when
// bigger, a DVD-9.
QString CapacityText(qint64 estimateKB);

// The warnings for a Start: too big for a DVD-5 when burning, PAL and NTSC on
// one disc.
QStringList StartWarnings(const SourceTable& sources, const ProgramSettings& s);

// With warnings, asks once whether to start anyway; true = start.
bool ConfirmStart(RunContext& ctx);
