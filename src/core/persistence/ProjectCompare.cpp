#include "persistence/ProjectCompare.h"

#include <algorithm>

#include "platform/Paths.h"
#include "sources/Analysis.h"
#include "sources/MediaInfo.h"
#include "sources/NavPack.h"
#include "sources/SourceFiles.h"
#include "sources/SourceTable.h"

namespace {

constexpr int kOldGeneration = 4;
constexpr quint8 kMpegAudio = 0;
constexpr quint8 kAc3 = 1;

QString SourceText(int i, const char* text) {
    return QString::asprintf("Quelle %.2d: ", i) + QString::fromUtf8(text);
}

QString TrackText(int i, int t, const char* text) {
    return QString::asprintf("Quelle %.2d: Tonspur %.1d ", i, t) + QString::fromUtf8(text);
}

int StoredTracks(const MPEGInfo& record) {
    return std::clamp(record.trackCount(), 0, 2);
}

// The companion files of an elementary stream that exist, when no library can
// tell their formats.
std::array<QString, 2> ExistingCompanions(const MPEGInfo& record) {
    std::array<QString, 2> files;
    const int wanted = StoredTracks(record);
    int taken = 0;
    for (const QString& candidate : CompanionCandidates(record.Datei))
        if (taken < wanted && FileExists(candidate)) files[taken++] = candidate;
    return files;
}

void CompareTrack(int i, int t, const MPEGInfo& stored, const MPEGInfo& found, int generation,
                  QStringList& errors) {
    if (stored.TonFormat[t] != found.TonFormat[t]) errors << TrackText(i, t, "Format verschieden.");
    if (stored.TonFormatStr[t] != found.TonFormatStr[t])
        errors << TrackText(i, t, "FormatString verschieden.");
    if (stored.TonBitrate[t] != found.TonBitrate[t]) errors << TrackText(i, t, "Bitrate verschieden.");
    if (generation == kOldGeneration) {
        if (stored.TonAbtastrate[t] != found.TonAbtastrate[t])
            errors << TrackText(i, t, "Samplerate verschieden.");
        return;
    }
    // The new library's rate is compared only for the formats whose rate the analysis stores.
    const quint8 format = stored.TonFormat[t];
    if ((format == kMpegAudio || format == kAc3) && stored.TonAbtastrate[t] != found.TonAbtastrate[t])
        errors << TrackText(i, t, "Abtastrate verschieden.");
}

}  // namespace

QStringList SourceDifferences(int i, const MPEGInfo& stored, const MPEGInfo& found, int generation) {
    QStringList errors;
    if (stored.Format != found.Format) errors << SourceText(i, "Format verschieden.");
    if (stored.FormatStr != found.FormatStr) errors << SourceText(i, "FormatString verschieden.");
    if (!found.Spieldauer.isEmpty() && stored.Spieldauer != found.Spieldauer)
        errors << SourceText(i, "Spieldauer verschieden.");
    if (stored.Bildgroesse != found.Bildgroesse)
        errors << SourceText(
            i, generation == kOldGeneration ? "Bildgröße verschieden." : "Bildformat verschieden.");
    if (stored.Bildwiederholrate != found.Bildwiederholrate)
        errors << SourceText(i, "Bildwiederholrate verschieden.");
    if (stored.AspectRatio != found.AspectRatio) errors << SourceText(i, "Aspect Ratio verschieden.");
    if (stored.Tonspuren != found.Tonspuren) errors << SourceText(i, "Anzahl Tonspuren verschieden.");
    for (int t = 0; t < StoredTracks(stored); ++t)
        CompareTrack(i, t, stored, found, generation, errors);
    return errors;
}

void DeriveFileFields(MPEGInfo& record, const MPEGInfo* found) {
    record.Elementar = false;
    record.NavPacks = false;
    record.TonDatei = {};
    if (!FileExists(record.Datei)) return;
    const quint8 format = VideoFormatIndex(record.Format);
    record.Elementar = format != kNone && format >= 2;
    record.NavPacks = found ? found->NavPacks : HasNavPacks(record.Datei);
    if (!record.Elementar) return;
    const bool analysed = found && !found->TonDatei[0].isEmpty();
    record.TonDatei = analysed ? found->TonDatei : ExistingCompanions(record);
}

QStringList CheckSource(int i, MPEGInfo& record, int generation, MediaLibrary& library) {
    if (!FileExists(record.Datei)) {
        DeriveFileFields(record, nullptr);
        return {QString::asprintf("Quelle %.2d: ", i) + record.Datei + QStringLiteral(" nicht verfügbar.")};
    }
    // The file is analysed as if it were added now; its record is what the
    // stored one must equal.
    SourceTable fresh;
    if (AnalyseSource(record.Datei, generation, library, fresh) == 0) {
        DeriveFileFields(record, nullptr);
        return {generation == kOldGeneration ? QStringLiteral("Fehler beim Laden MediaInfo.DLL ")
                                             : QStringLiteral("Fehler beim Laden der MediaInfo.DLL")};
    }
    DeriveFileFields(record, &fresh[1]);
    return SourceDifferences(i, record, fresh[1], generation);
}
