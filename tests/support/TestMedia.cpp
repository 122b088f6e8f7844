#include "support/TestMedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "support/MediaCheck.h"

namespace {

QStringList Picture(const QString& size) {
    return {"-f", "lavfi", "-i", "testsrc=size=" + size + ":rate=25", "-t", "3"};
}

QStringList Tone(int rate, int frequency = 440) {
    return {"-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:sample_rate=%2").arg(frequency).arg(rate),
            "-t", "3"};
}

// Runs a tool; false (with its output as a warning) when it fails.
bool RunTool(const QString& program, const QStringList& arguments) {
    int code = -1;
    const QString output = MediaCheck::Run(program, arguments, &code);
    if (code != 0) qWarning("%s failed: %s", qPrintable(program), qPrintable(output));
    return code == 0;
}

// Folder()/name, made once: produce writes a file or folder at the temporary
// path it is given, which is then renamed into place, so parallel tests never
// see a half-made one.
QString Once(const QString& name, const std::function<bool(const QString& temporary)>& produce) {
    const QString path = TestMedia::Folder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) return path;
    const QString temporary =
        TestMedia::Folder() + QStringLiteral("/.tmp-%1-").arg(QCoreApplication::applicationPid()) + name;
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

// A program stream of the given picture size and ffmpeg output options, with a 44.1 kHz tone.
QString Stream(const QString& name, const QString& size, const QStringList& options) {
    return TestMedia::Make(name, Picture(size) + Tone(44100) + options);
}

QStringList Svcd(const QStringList& more = {}) {
    return QStringList{"-target", "pal-svcd"} + more;
}

}  // namespace

namespace TestMedia {

QString Folder() {
    const QString folder = QStringLiteral(TAV_PROGRAM_DIR) + QStringLiteral("/testmedia");
    QDir().mkpath(folder);
    return folder;
}

QString Make(const QString& name, const QStringList& arguments) {
    return Once(name, [&](const QString& temporary) {
        return RunTool(QStringLiteral("ffmpeg"), QStringList{"-nostdin", "-y", "-loglevel", "error"} +
                                                     arguments + QStringList{temporary});
    });
}

QString Vcd() {
    return Stream("vcd.mpg", "352x288", {"-target", "pal-vcd"});
}

QString Svcd() {
    return Stream("svcd.mpg", "480x576", ::Svcd());
}

QString SvcdTwoTracks() {
    return Make("svcd-2mp2.mpg", Picture("480x576") + Tone(44100) + Tone(44100, 880) +
                                     ::Svcd({"-map", "0:v", "-map", "1:a", "-map", "2:a"}));
}

QString SvcdMp2Ac3() {
    return Make("svcd-mp2-ac3.mpg",
                Picture("480x576") + Tone(44100) + Tone(48000, 880) +
                    QStringList{"-map",       "0:v",  "-map",   "1:a",    "-map", "2:a",    "-c:v",
                                "mpeg2video", "-b:v", "2000k",  "-c:a:0", "mp2",  "-b:a:0", "224k",
                                "-c:a:1",     "ac3",  "-b:a:1", "192k",   "-f",   "vob"});
}

QString Svcd169() {
    return Stream("svcd-169.mpg", "480x576", ::Svcd({"-aspect", "16:9"}));
}

QString Svcd48kbit() {
    return Stream("svcd-48kbit.mpg", "480x576", ::Svcd({"-ac", "1", "-b:a", "48k"}));
}

QString Dvd() {
    return Make("dvd.mpg", Picture("720x576") + Tone(48000) +
                               QStringList{"-target", "pal-dvd", "-c:a", "mp2", "-b:a", "224k"});
}

QString ElementaryM2v() {
    Make("elementary.mp2", Tone(44100) + QStringList{"-c:a", "mp2", "-b:a", "224k", "-f", "mp2"});
    return Make("elementary.m2v",
                Picture("480x576") + QStringList{"-c:v", "mpeg2video", "-b:v", "2000k", "-f", "mpeg2video"});
}

QString ElementaryM1v() {
    Make("elem1-0.mp2", Tone(44100) + QStringList{"-c:a", "mp2", "-b:a", "224k", "-f", "mp2"});
    Make("elem1-1.mp2", Tone(44100, 880) + QStringList{"-c:a", "mp2", "-b:a", "192k", "-f", "mp2"});
    return Make("elem1.m1v",
                Picture("352x288") + QStringList{"-c:v", "mpeg1video", "-b:v", "1150k", "-f", "mpeg1video"});
}

QString Mp3Audio() {
    return Make("tone.mp3", Tone(44100) + QStringList{"-c:a", "libmp3lame", "-b:a", "128k"});
}

QString Mp2Low() {
    return Make("low.mp2", Tone(32000) + QStringList{"-ac", "1", "-c:a", "mp2", "-b:a", "64k", "-f", "mp2"});
}

QString TextAsMpg() {
    return Once("text.mpg", [](const QString& temporary) {
        QFile file(temporary);
        return file.open(QIODevice::WriteOnly) &&
               file.write(QByteArray("Dies ist kein Film.\n").repeated(200));
    });
}

QString Ac3Track(int index) {
    const bool surround = index == 1;
    return Make(
        QStringLiteral("track%1.ac3").arg(index),
        Tone(48000, surround ? 660 : 880) + QStringList{"-ac", surround ? "6" : "2", "-c:a", "ac3", "-b:a",
                                                        surround ? "384k" : "192k", "-f", "ac3"});
}

QString SvcdTwoAc3() {
    return Make("svcd-2ac3.mpg", {"-i", Svcd(), "-i", Ac3Track(0), "-i", Ac3Track(1), "-map", "0:v", "-map",
                                  "1:a", "-map", "2:a", "-c", "copy", "-f", "vob"});
}

QString SvcdAc3(int kbit) {
    const QString track =
        Make(QStringLiteral("track-%1.ac3").arg(kbit),
             Tone(48000) + QStringList{"-c:a", "ac3", "-b:a", QString::number(kbit) + "k", "-f", "ac3"});
    return Make(QStringLiteral("svcd-ac3-%1.mpg").arg(kbit),
                {"-i", Svcd(), "-i", track, "-map", "0:v", "-map", "1:a", "-c", "copy", "-f", "vob"});
}

QString VcdImage() {
    return Once("vcd-image",
                [](const QString& folder) {
                    QFile xml(folder + "/vcd.xml");
                    if (!QDir().mkpath(folder) || !xml.open(QIODevice::WriteOnly)) return false;
                    xml.write(
                        QStringLiteral(
                            "<?xml version=\"1.0\"?>\n<!DOCTYPE videocd PUBLIC \"-//GNU//DTD VideoCD//EN\" "
                            "\"http://www.gnu.org/software/vcdimager/videocd.dtd\">\n"
                            "<videocd xmlns=\"http://www.gnu.org/software/vcdimager/1.0/\" class=\"vcd\" "
                            "version=\"2.0\">\n <info><album-id/><volume-count>1</volume-count>"
                            "<volume-number>1</volume-number><restriction>0</restriction></info>\n"
                            " <pvd><volume-id>VIDEOCD</volume-id><system-id>CD-RTOS CD-BRIDGE</system-id>"
                            "</pvd>\n <sequence-items><sequence-item src=\"%1\" id=\"sequence-00\">\n"
                            "  <default-entry id=\"entry-000\"/>\n  <entry id=\"entry-001\">1.0</entry>\n"
                            "  <entry id=\"entry-002\">2.0</entry>\n </sequence-item></sequence-items>\n"
                            "</videocd>\n")
                            .arg(Vcd())
                            .toUtf8());
                    xml.close();
                    return RunTool("vcdxbuild",
                                   {"-c", folder + "/vcd.cue", "-b", folder + "/vcd.bin", xml.fileName()});
                }) +
           "/vcd.bin";
}

QString SvcdImage() {
    return Once("svcd-image",
                [](const QString& folder) {
                    return QDir().mkpath(folder) &&
                           RunTool("vcdimager", {"-t", "svcd", "-c", folder + "/svcd.cue", "-b",
                                                 folder + "/svcd.bin", Svcd()});
                }) +
           "/svcd.bin";
}

QString DvdFolder() {
    return Once("DVD Ordner", [](const QString& folder) {
        return RunTool(
            "sh", {"-c", "export VIDEO_FORMAT=PAL; dvdauthor -o \"$0\" -t \"$1\" && dvdauthor -o \"$0\" -T",
                   folder, Dvd()});
    });
}

QString DvdImage() {
    return Once("dvd.iso", [](const QString& image) {
        return RunTool("genisoimage", {"-quiet", "-dvd-video", "-V", "TEST", "-o", image, DvdFolder()});
    });
}

}  // namespace TestMedia
