#pragma once

#include <QString>

#include "persistence/ProgramSettings.h"
#include "sources/SourceTable.h"

// The sizes the steps expect before they run a tool, in KiB, and from them
// the size of the finished DVD before a run starts.

// What demultiplexing a program stream of sourceKB writes (mpgtx or jrdmux).
qint64 DemuxEstimateKB(qint64 sourceKB, bool mpgtx);
// Whether the source is demultiplexed with mpgtx (else jrdmux: AC-3 audio, a
// file over 2 GiB, or no mpgtx).
bool DemuxesWithMpgtx(const MPEGInfo& source, qint64 sourceKB, const ToolPaths& tools);
// What the upmix of track j writes from inputKB: the size at the DVD bitrate.
qint64 UpmixEstimateKB(qint64 inputKB, const MPEGInfo& source, int j);
// What multiplexing video and audio of inputsKB together writes.
qint64 MuxEstimateKB(qint64 inputsKB);
// What authoring needs for program streams of programStreamsKB with the menus.
qint64 AuthorEstimateKB(qint64 programStreamsKB, const ProgramSettings& s);

// The DVD folder a run would write from the sources: each source through the
// estimates of the steps it passes (its audio tracks' share of the program
// stream by their play time and bitrate), then authoring with the menus.
qint64 DvdEstimateKB(const SourceTable& sources, const ProgramSettings& s);

// The discs, in bytes.
constexpr qint64 kDvd5Bytes = 4700372992;
constexpr qint64 kDvd9Bytes = 8543666176;
