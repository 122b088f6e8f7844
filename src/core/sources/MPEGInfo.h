#pragma once

#include <QString>
#include <array>

// A code of 255 in a byte field means "none" or "not known".
constexpr quint8 kNone = 255;

// One source: the file, what the media library reported about it, the DVD-side
// choices for its audio tracks, its chapter marks and its title set.
struct MPEGInfo {
    QString Datei;
    bool Elementar = false;
    bool NavPacks = false;
    std::array<QString, 2> TonDatei;
    QString Format;
    QString FormatStr;
    QString Spieldauer;         // whole seconds
    QString Bildgroesse;        // "352x288"
    QString Bildwiederholrate;  // "25"
    QString AspectRatio;        // "4:3", "16:9"
    QString Tonspuren;          // number of audio tracks
    std::array<quint8, 2> TonFormat{kNone, kNone};
    std::array<QString, 2> TonFormatStr;
    std::array<quint8, 2> TonBitrate{kNone, kNone};
    std::array<QString, 2> TonAbtastrate;
    std::array<quint8, 2> DVDSprache{kNone, kNone};
    std::array<quint8, 2> DVDBitrate{kNone, kNone};
    QString Kapitel;  // "00:10:00.000,00:20:00.000"
    bool Hart = false;
    bool Weich = false;
    quint8 VTS = kNone;

    // Number of audio tracks as an integer (0 when not a number).
    int trackCount() const;

    bool operator==(const MPEGInfo& other) const;
    bool operator!=(const MPEGInfo& other) const { return !(*this == other); }
};

// Whether track j goes onto the DVD as it is (48 kHz at the DVD bitrate); any
// other track is upmixed.
bool TrackUsableAsIs(const MPEGInfo& source, int j);
// The format code track j has on the disc: an upmixed track is MPEG audio (0),
// whatever it was before.
quint8 DiscAudioFormat(const MPEGInfo& source, int j);
