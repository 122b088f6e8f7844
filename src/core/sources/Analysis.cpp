#include "sources/Analysis.h"

#include <QFileInfo>
#include <algorithm>

#include "sources/MediaInfo.h"
#include "sources/NavPack.h"
#include "sources/SourceFiles.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"

namespace {

constexpr int kOldGeneration = 4;

// Whole seconds of a play time in milliseconds; empty when unknown.
QString PlayTimeSeconds(const QString& milliseconds) {
    bool ok = false;
    const qint64 value = milliseconds.trimmed().toLongLong(&ok);
    return ok ? QString::number(value / 1000) : QString();
}

QString AspectRatioText(const QString& text) {
    if (text == QLatin1String("16/9")) return QStringLiteral("16:9");
    if (text == QLatin1String("4/3")) return QStringLiteral("4:3");
    return text;
}

void ReadVideo(const MediaFile& file, MPEGInfo& r) {
    r.Format = file.general(QStringLiteral("Format"));
    r.FormatStr = file.general(QStringLiteral("Format_String"));
    r.Spieldauer = PlayTimeSeconds(file.general(QStringLiteral("PlayTime")));
    r.Bildgroesse =
        file.video(QStringLiteral("Width")) + QLatin1Char('x') + file.video(QStringLiteral("Height"));
    r.Bildwiederholrate = file.video(QStringLiteral("FrameRate"));
    r.AspectRatio = AspectRatioText(file.video(QStringLiteral("AspectRatio_String")));
}

void ClearTracks(MPEGInfo& r) {
    for (int j = 0; j < 2; ++j) {
        r.TonFormat[j] = kNone;
        r.TonFormatStr[j] = QStringLiteral(" ");
        r.TonBitrate[j] = kNone;
        r.TonAbtastrate[j] = QStringLiteral("---");
    }
}

// The old library names the rate itself; with the new one it is built from the
// rate in Hz, in the same form (the rate alone, whatever the channels).
QString TrackSamplingRate(const MediaFile& file, int track, int generation, quint8 format) {
    if (generation == kOldGeneration) return file.audio(track, QStringLiteral("SamplingRate_String"));
    const QString text =
        format != kNone ? SamplingRateText(file.audio(track, QStringLiteral("SamplingRate"))) : QString();
    return text.isEmpty() ? QStringLiteral("---") : text;
}

// The DVD bitrates of tracks whose known MPEG audio bitrate the table lacks.
using UnlistedBitrates = std::array<quint8, 2>;

// Fills track slot `slot` of r from audio stream `track` of file.
void ReadTrack(const MediaFile& file, int track, int generation, MPEGInfo& r, int slot,
               UnlistedBitrates& unlisted) {
    r.TonFormat[slot] = AudioFormatIndex(file.audio(track, QStringLiteral("Codec")));
    r.TonFormatStr[slot] = file.audio(track, QStringLiteral("Codec_String"));
    QString bitrate = file.audio(track, QStringLiteral("BitRate_String"));
    if (bitrate.isEmpty()) bitrate = file.audio(track, QStringLiteral("BitRate"));
    r.TonBitrate[slot] = BitrateIndex(bitrate);
    r.TonAbtastrate[slot] = TrackSamplingRate(file, track, generation, r.TonFormat[slot]);
    if (r.TonFormat[slot] == 0 && r.TonBitrate[slot] == kNone) unlisted[slot] = BitrateIndexAbove(bitrate);
}

// The usable companion audio files of an elementary stream become its tracks;
// the play time is the first one's.
void ReadCompanions(MediaLibrary& library, int generation, MPEGInfo& r, UnlistedBitrates& unlisted) {
    int accepted = 0;
    for (const QString& candidate : CompanionCandidates(r.Datei)) {
        if (accepted >= kMaxCompanions) break;
        if (!QFileInfo(candidate).isFile()) continue;
        const MediaFile file(library, candidate);
        if (AudioFormatIndex(file.audio(0, QStringLiteral("Codec"))) == kNone) continue;
        r.TonDatei[accepted] = candidate;
        ReadTrack(file, 0, generation, r, accepted, unlisted);
        r.Tonspuren = QString::number(++accepted);
    }
    if (accepted == 0) return;
    const QString playTime =
        PlayTimeSeconds(MediaFile(library, r.TonDatei[0]).general(QStringLiteral("PlayTime")));
    if (!playTime.isEmpty()) r.Spieldauer = playTime;
}

}  // namespace

int AnalyseSource(const QString& path, int generation, MediaLibrary& library, SourceTable& table) {
    const LibrarySession session(library, generation);
    if (!session.loaded() || table.isFull()) return 0;
    const int index = table.append(path);
    MPEGInfo& r = table[index];
    r.NavPacks = HasNavPacks(path);
    UnlistedBitrates unlisted{kNone, kNone};
    {
        const MediaFile file(library, path);
        ReadVideo(file, r);
        ClearTracks(r);
        if (generation == kOldGeneration) {
            r.Tonspuren = file.general(QStringLiteral("AudioCount"));
            r.Elementar = r.Tonspuren == QLatin1String("0");
        } else {
            const quint8 format = VideoFormatIndex(r.Format);
            if (format != kNone) r.Elementar = format >= 2;
            if (!r.Elementar) r.Tonspuren = file.general(QStringLiteral("AudioCount"));
        }
        if (!r.Elementar) {
            const int tracks = std::min(r.trackCount(), 2);
            for (int j = 0; j < tracks; ++j)
                ReadTrack(file, j, generation, r, j, unlisted);
        }
    }
    if (r.Elementar) ReadCompanions(library, generation, r, unlisted);
    SetDvdDefaults(r);
    // A known MPEG audio bitrate outside the table (32, 48, 56 kbit/s) is unknown to
    // the table, but the track is converted at the smallest table bitrate above it.
    for (int j = 0; j < 2; ++j)
        if (r.DVDBitrate[j] == kNone) r.DVDBitrate[j] = unlisted[j];
    return index;
}

void SetDvdDefaults(MPEGInfo& r) {
    r.Hart = false;
    r.VTS = kNone;
    r.DVDSprache = {kNone, kNone};
    r.DVDBitrate = {kNone, kNone};
    const int tracks = std::min(r.trackCount(), 2);
    for (int j = 0; j < tracks; ++j) {
        r.DVDSprache[j] = j == 0 ? kLanguageDE : kLanguageEN;
        if (r.TonAbtastrate[j].toUpper() == QLatin1String("48 KHZ") || r.TonBitrate[j] == kNone ||
            r.TonBitrate[j] == kBitrateTop)
            r.DVDBitrate[j] = r.TonBitrate[j];
        else
            r.DVDBitrate[j] = r.TonBitrate[j] + 1;
    }
}
