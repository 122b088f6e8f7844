#pragma once

#include <QString>
#include <QStringList>

// Small media files made with ffmpeg at test time, three seconds each. They are
// made once per build folder and shared by all tests (made under a temporary
// name and renamed, so parallel tests never see a half-written file).
namespace TestMedia {

QString Folder();

QString Vcd();            // MPEG-1 PS 352x288, MP2 44.1 kHz 224 kbit/s
QString Svcd();           // MPEG-2 PS 480x576, MP2 44.1 kHz 224 kbit/s
QString SvcdTwoTracks();  // as Svcd with two MP2 tracks
QString SvcdMp2Ac3();     // MPEG-2 PS, track 0 MP2, track 1 AC-3 (48 kHz)
QString Svcd169();        // as Svcd with display aspect 16:9
QString Svcd48kbit();     // as Svcd with a mono MP2 track at 48 kbit/s, a bitrate the DVD table lacks
QString Dvd();            // MPEG-2 PS 720x576 with DVD navigation packets, MP2 48 kHz
QString ElementaryM2v();  // MPEG-2 video elementary stream (companion .mp2 beside it)
QString ElementaryM1v();  // MPEG-1 video elementary stream (companions -0.mp2, -1.mp2)
QString Mp3Audio();       // an MP3 file (unsupported audio)
QString Mp2Low();         // MP2 file, 32 kHz mono 64 kbit/s
QString TextAsMpg();      // a text file of 4000 bytes named "text.mpg"
// AC-3 elementary stream, 48 kHz: index 0 stereo at 192 kbit/s, 1 5.1 at 384 kbit/s.
QString Ac3Track(int index);
// MPEG-2 PS (VOB style): Svcd's video, Ac3Track(0) and Ac3Track(1) copied unchanged.
QString SvcdTwoAc3();
// MPEG-2 PS (VOB style): Svcd's video with one stereo AC-3 track at kbit kbit/s, 48 kHz.
QString SvcdAc3(int kbit);

// Disc images made with vcdimager's tools, each in a folder of its own beside
// its cue sheet (the image name is what the cue names).
QString VcdImage();   // vcd.bin: a VCD 2.0 of Vcd() with entry points at 1.0 s and 2.0 s (vcdxbuild)
QString SvcdImage();  // svcd.bin: an SVCD of Svcd() (vcdimager)
// A DVD-Video folder "DVD Ordner" of Dvd() made with dvdauthor, and its image made with genisoimage.
QString DvdFolder();
QString DvdImage();

// Makes a custom file: ffmpeg input/output arguments without "-y" and the output path.
QString Make(const QString& name, const QStringList& arguments);

}  // namespace TestMedia
