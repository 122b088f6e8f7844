#include "pipeline/SizeEstimate.h"

#include <array>
#include <cmath>

#include "base/FileHelpers.h"
#include "pipeline/WorkFiles.h"
#include "sources/Tables.h"

namespace {

constexpr qint64 kMpgtxLimitKB = 2097152;  // 2 GiB

bool HasOtherThanMpegAudio(const MPEGInfo& source) {
    for (quint8 format : source.TonFormat)
        if (format != 0 && format != kNone) return true;
    return false;
}

qint64 Kbps(quint8 bitrate) {
    return TableText(BitrateTable(), bitrate, QString()).toLongLong();
}

// Track j's share of a program stream: its play time at its bitrate.
qint64 TrackInStreamKB(const MPEGInfo& source, int j) {
    return std::llround(source.Spieldauer.toLongLong() * Kbps(source.TonBitrate[j]) * 1000 / 8 / 1024.0);
}

// A source's program stream on the DVD.
qint64 ProgramStreamKB(const MPEGInfo& r, const ProgramSettings& s) {
    const qint64 sourceKB = FileSizeKB(r.Datei);
    if (r.NavPacks) return sourceKB;  // authored as it is
    const int tracks = qMin(r.trackCount(), 2);
    std::array<qint64, 2> audio{0, 0};
    qint64 video = sourceKB;
    if (r.Elementar) {
        for (int j = 0; j < tracks; ++j)
            audio[j] = FileSizeKB(r.TonDatei[j]);
    } else {
        video = DemuxEstimateKB(sourceKB, DemuxesWithMpgtx(r, sourceKB, s.tools));
        for (int j = 0; j < tracks; ++j) {
            audio[j] = qMin(TrackInStreamKB(r, j), video);
            video -= audio[j];
        }
    }
    qint64 inputs = video;
    for (int j = 0; j < tracks; ++j)
        inputs += TrackUsableAsIs(r, j) ? audio[j] : UpmixEstimateKB(audio[j], r, j);
    return MuxEstimateKB(inputs);
}

}  // namespace

qint64 DemuxEstimateKB(qint64 sourceKB, bool mpgtx) {
    return static_cast<qint64>(sourceKB * (mpgtx ? 0.976 : 0.986));
}

bool DemuxesWithMpgtx(const MPEGInfo& source, qint64 sourceKB, const ToolPaths& tools) {
    return !tools[Tool::mpgtx].isEmpty() && sourceKB <= kMpgtxLimitKB && !HasOtherThanMpegAudio(source);
}

qint64 UpmixEstimateKB(qint64 inputKB, const MPEGInfo& source, int j) {
    const qint64 target = Kbps(source.DVDBitrate[j]);
    const qint64 current = Kbps(source.TonBitrate[j]);
    if (target <= 0 || current <= 0) return inputKB;
    return std::llround(static_cast<double>(inputKB * target) / current);
}

qint64 MuxEstimateKB(qint64 inputsKB) {
    return std::llround(inputsKB * 1.04);
}

qint64 AuthorEstimateKB(qint64 programStreamsKB, const ProgramSettings& s) {
    qint64 sum = programStreamsKB;
    if (s.variant1) sum += FileSizeKB(s.menu1);
    if (s.variant2) sum += FileSizeKB(s.menu2) + FileSizeKB(s.menu3);
    return sum;
}

qint64 DvdEstimateKB(const SourceTable& sources, const ProgramSettings& s) {
    qint64 streams = 0;
    for (int i = 1; i <= sources.count(); ++i)
        streams += ProgramStreamKB(sources[i], s);
    return AuthorEstimateKB(streams, s);
}
