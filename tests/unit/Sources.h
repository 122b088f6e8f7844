#pragma once

#include "sources/SourceTable.h"
#include "sources/Tables.h"

// A source as the analysis leaves it: MPEG-2 PS 480x576 at 25 fps, 4:3, 3725 s; track 0
// MP2 at 224 kbit/s and 44.1 kHz (256 kbit/s on the DVD), track 1 AC-3 at 192 kbit/s and
// 48 kHz (kept), German and English; no title set yet.
inline MPEGInfo Source(const QString& path, int tracks = 1) {
    MPEGInfo r{path, false, false, {}, "MPEG2", "MPEG-PS", "3725", "480x576", "25", "4:3"};
    r.Tonspuren = QString::number(tracks);
    r.TonFormatStr = {" ", " "};
    r.TonAbtastrate = {"---", "---"};
    for (int t = 0; t < tracks; ++t) {
        r.TonFormat[t] = static_cast<quint8>(t);
        r.TonFormatStr[t] = t == 0 ? "MPEG-1 Audio Layer 2" : "AC-3";
        r.TonBitrate[t] = static_cast<quint8>(7 - t);
        r.TonAbtastrate[t] = t == 0 ? "44.1 KHz" : "48 KHz";
        r.DVDSprache[t] = t == 0 ? kLanguageDE : kLanguageEN;
        r.DVDBitrate[t] = static_cast<quint8>(8 - t);
    }
    return r;
}

inline SourceTable TableOf(const QList<MPEGInfo>& sources) {
    SourceTable table;
    for (const MPEGInfo& r : sources)
        table[table.append(r.Datei)] = r;
    return table;
}
