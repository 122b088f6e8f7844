#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Small media files made at test time, three seconds each, with ffmpeg (disc images with
// vcdimager's tools and dvdauthor). They are made once per build folder and shared by all
// tests (made under a temporary name and renamed, so parallel tests never see a half-made one).
class TestMedia {
  public:
    static QString Folder();
    // Folder()/name, made once by produce, which writes a file or folder at the temporary path it is given.
    static QString Once(const QString& name, const std::function<bool(const QString& temporary)>& produce);
    // Makes Folder()/name once from ffmpeg input and output arguments (without "-y" and the path).
    static QString Make(const QString& name, const QStringList& arguments);

    // (S)VCD streams: MPEG-1 PS 352x288 or MPEG-2 PS 480x576, MP2 44.1 kHz 224 kbit/s.
    static QString Vcd() { return Stream("vcd.mpg", "352x288", {"-target", "pal-vcd"}); }
    static QString Svcd() { return Stream("svcd.mpg", "480x576", {"-target", "pal-svcd"}); }
    static QString Svcd169() {
        return Stream("svcd-169.mpg", "480x576", {"-target", "pal-svcd", "-aspect", "16:9"});
    }
    // A mono MP2 track at 48 kbit/s, a bitrate the DVD table lacks.
    static QString Svcd48kbit() {
        return Stream("svcd-48kbit.mpg", "480x576", {"-target", "pal-svcd", "-ac", "1", "-b:a", "48k"});
    }
    static QString SvcdTwoTracks();  // two MP2 tracks
    static QString SvcdMp2Ac3();     // track 0 MP2, track 1 AC-3 (48 kHz)
    static QString Dvd();            // MPEG-2 PS 720x576 with DVD navigation packets, MP2 48 kHz
    static QString ElementaryM2v();  // MPEG-2 video elementary stream (companion .mp2 beside it)
    static QString ElementaryM1v();  // MPEG-1 video elementary stream (companions -0.mp2, -1.mp2)
    static QString Mp3Audio() { return Make("tone.mp3", Tone(44100) + QStringList{"-c:a", "libmp3lame"}); }
    static QString TextAsMpg();          // a text file of 4000 bytes named "text.mpg"
    static QString Ac3Track(int index);  // AC-3, 48 kHz: 0 stereo at 192 kbit/s, 1 5.1 at 384 kbit/s
    static QString SvcdTwoAc3();         // VOB style: Svcd's video, Ac3Track(0) and (1) unchanged
    static QString SvcdAc3(int kbit);    // VOB style: Svcd's video, stereo AC-3 at kbit kbit/s

    // Disc images, each in a folder of its own beside its cue sheet, which names it.
    static QString VcdImage();   // vcd.bin: a VCD 2.0 of Vcd() with entry points at 1.0 s and 2.0 s
    static QString SvcdImage();  // svcd.bin: an SVCD of Svcd()
    static QString DvdFolder();  // a DVD-Video folder "DVD Ordner" of Dvd()
    static QString DvdImage();   // its image

  private:
    static QStringList Picture(const QString& size);
    static QStringList Tone(int rate, int frequency = 440);
    // A program stream: a picture of the size and a 44.1 kHz tone, with ffmpeg's output options.
    static QString Stream(const QString& name, const QString& size, const QStringList& options);
    // Folder()/name, made once by a shell script given the temporary path as $0, then arguments.
    static QString Shell(const QString& name, const QString& script, const QStringList& arguments = {});
};
