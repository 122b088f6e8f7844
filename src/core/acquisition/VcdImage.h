#pragma once

#include <QString>
#include <QStringList>

// Where the main MPEG track of a (S)VCD lands below the rip helper's output
// folder, and what the program reads from disc images to tell their layout.

// The main track's path below the output folder, by disc layout.
inline QString SvcdTrack() {
    return QStringLiteral("/mpeg2/avseq01.mpg");
}
inline QString VcdTrack() {
    return QStringLiteral("/mpegav/avseq01.mpg");
}
inline QString OldVcdTrack() {
    return QStringLiteral("/mpeg/avseq01.dat");
}
inline QString OldVcdDatTrack() {
    return QStringLiteral("/mpegav/avseq01.dat");
}

// The first of the four track paths that exists below folder; empty when none.
QString FoundTrack(const QString& folder);

// Whether a file looks like the image of a (S)VCD: a raw mode-2 first sector,
// or a Nero image with "CD-XA" and "VCD" at their places.
bool IsVcdImage(const QString& path);

// The main track of a .bin or .nrg image, read from its directory area; empty
// for another extension or when no track directory shows up.
QString ImageTrack(const QString& image);
