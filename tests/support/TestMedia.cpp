#include "support/TestMedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/MediaCheck.h"

QStringList TestMedia::Picture(const QString& size) {
    return {"-f", "lavfi", "-i", "testsrc=size=" + size + ":rate=25", "-t", "3"};
}

QStringList TestMedia::Tone(int rate, int frequency) {
    return {"-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:sample_rate=%2").arg(frequency).arg(rate),
            "-t", "3"};
}

QString TestMedia::Stream(const QString& name, const QString& size, const QStringList& options) {
    return Make(name, Picture(size) + Tone(44100) + options);
}

QString TestMedia::Once(const QString& name, const std::function<bool(const QString& temporary)>& produce) {
    const QString path = Folder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) return path;
    const QString temporary =
        Folder() + QStringLiteral("/.tmp-%1-").arg(QCoreApplication::applicationPid()) + name;
    const auto clear = [&] {
        QDir(temporary).removeRecursively();
        QFile::remove(temporary);
    };
    clear();
    if (produce(temporary) && QDir().rename(temporary, path)) return path;
    clear();
    if (QFileInfo::exists(path)) return path;  // made by another test meanwhile
    qWarning("cannot make %s", qPrintable(name));
    return QString();
}

QString TestMedia::Folder() {
    const QString folder = QStringLiteral(TAV_PROGRAM_DIR) + QStringLiteral("/testmedia");
    QDir().mkpath(folder);
    return folder;
}

QString TestMedia::Shell(const QString& name, const QString& script, const QStringList& arguments) {
    return Once(name, [&](const QString& temporary) {
        return MediaCheck::Runs("sh", QStringList{"-c", script, temporary} + arguments);
    });
}

QString TestMedia::Make(const QString& name, const QStringList& arguments) {
    return Shell(name, "exec ffmpeg -nostdin -y -loglevel error \"$@\" \"$0\"", arguments);
}

QString TestMedia::SvcdTwoTracks() {
    return Make("svcd-2mp2.mpg",
                Picture("480x576") + Tone(44100) + Tone(44100, 880) +
                    QStringList{"-map", "0:v", "-map", "1:a", "-map", "2:a", "-target", "pal-svcd"});
}

QString TestMedia::SvcdMp2Ac3() {
    return Make("svcd-mp2-ac3.mpg",
                Picture("480x576") + Tone(44100) + Tone(48000, 880) +
                    QStringList{"-map",       "0:v",  "-map",   "1:a",    "-map", "2:a",    "-c:v",
                                "mpeg2video", "-b:v", "2000k",  "-c:a:0", "mp2",  "-b:a:0", "224k",
                                "-c:a:1",     "ac3",  "-b:a:1", "192k",   "-f",   "vob"});
}

QString TestMedia::Dvd() {
    return Make("dvd.mpg", Picture("720x576") + Tone(48000) +
                               QStringList{"-target", "pal-dvd", "-c:a", "mp2", "-b:a", "224k"});
}

QString TestMedia::ElementaryM2v() {
    Make("elementary.mp2", Tone(44100) + QStringList{"-c:a", "mp2", "-b:a", "224k"});
    return Make("elementary.m2v", Picture("480x576") + QStringList{"-c:v", "mpeg2video", "-b:v", "2000k"});
}

QString TestMedia::ElementaryM1v() {
    Make("elem1-0.mp2", Tone(44100) + QStringList{"-c:a", "mp2", "-b:a", "224k"});
    Make("elem1-1.mp2", Tone(44100, 880) + QStringList{"-c:a", "mp2", "-b:a", "192k"});
    return Make("elem1.m1v", Picture("352x288") + QStringList{"-c:v", "mpeg1video", "-b:v", "1150k"});
}

QString TestMedia::TextAsMpg() {
    return Shell("text.mpg", "yes 'Dies ist kein Film.' | head -n 200 > \"$0\"");
}

QString TestMedia::Ac3Track(int index) {
    const bool surround = index == 1;
    return Make(QStringLiteral("track%1.ac3").arg(index),
                Tone(48000, surround ? 660 : 880) + QStringList{"-ac", surround ? "6" : "2", "-c:a", "ac3",
                                                                "-b:a", surround ? "384k" : "192k"});
}

QString TestMedia::SvcdTwoAc3() {
    return Make("svcd-2ac3.mpg", {"-i", Svcd(), "-i", Ac3Track(0), "-i", Ac3Track(1), "-map", "0:v", "-map",
                                  "1:a", "-map", "2:a", "-c", "copy", "-f", "vob"});
}

QString TestMedia::SvcdAc3(int kbit) {
    const QString track = Make(QStringLiteral("track-%1.ac3").arg(kbit),
                               Tone(48000) + QStringList{"-c:a", "ac3", "-b:a", QString::number(kbit) + "k"});
    return Make(QStringLiteral("svcd-ac3-%1.mpg").arg(kbit),
                {"-i", Svcd(), "-i", track, "-map", "0:v", "-map", "1:a", "-c", "copy", "-f", "vob"});
}

QString TestMedia::VcdImage() {
    // vcdxgen's description of the track, with two entry points inside it.
    const QString entries = "<entry id=\"entry-001\">1.0</entry><entry id=\"entry-002\">2.0</entry>";
    return Shell("vcd-image",
                 "mkdir \"$0\" && cd \"$0\" && vcdxgen -o vcd.xml \"$1\" && sed -i "
                 "\"s|id=\\\"sequence-00\\\"/>|id=\\\"sequence-00\\\">$2</sequence-item>|\" vcd.xml && "
                 "vcdxbuild -c vcd.cue -b vcd.bin vcd.xml",
                 {Vcd(), entries}) +
           "/vcd.bin";
}

QString TestMedia::SvcdImage() {
    return Shell("svcd-image",
                 "mkdir \"$0\" && cd \"$0\" && vcdimager -t svcd -c svcd.cue -b svcd.bin \"$1\"", {Svcd()}) +
           "/svcd.bin";
}

QString TestMedia::DvdFolder() {
    return Shell("DVD Ordner",
                 "export VIDEO_FORMAT=PAL; dvdauthor -o \"$0\" -t \"$1\" && dvdauthor -o \"$0\" -T", {Dvd()});
}

QString TestMedia::DvdImage() {
    return Shell("dvd.iso", "genisoimage -quiet -dvd-video -V TEST -o \"$0\" \"$1\"", {DvdFolder()});
}
