#include "support/TestMedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <functional>

namespace {

QStringList Picture(const QString& size, int seconds = 3) {
    return {"-f", "lavfi",
            "-i", QStringLiteral("testsrc=size=%1:rate=25").arg(size),
            "-t", QString::number(seconds)};
}

QStringList Tone(int rate, int frequency = 440, int seconds = 3) {
    return {"-f", "lavfi",
            "-i", QStringLiteral("sine=frequency=%1:sample_rate=%2").arg(frequency).arg(rate),
            "-t", QString::number(seconds)};
}

// Runs a tool; false (with its output as a warning) when it fails.
bool RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return true;
    qWarning("%s failed: %s", qPrintable(program), process.readAll().constData());
    return false;
}

// vcdxbuild's description of a VCD 2.0 of mpeg with two entry points inside the track.
QByteArray VcdDescription(const QString& mpeg) {
    return QStringLiteral(
               "<?xml version=\"1.0\"?>\n"
               "<!DOCTYPE videocd PUBLIC \"-//GNU//DTD VideoCD//EN\" "
               "\"http://www.gnu.org/software/vcdimager/videocd.dtd\">\n"
               "<videocd xmlns=\"http://www.gnu.org/software/vcdimager/1.0/\" class=\"vcd\" "
               "version=\"2.0\">\n"
               " <info><album-id/><volume-count>1</volume-count><volume-number>1</volume-number>"
               "<restriction>0</restriction></info>\n"
               " <pvd><volume-id>VIDEOCD</volume-id><system-id>CD-RTOS CD-BRIDGE</system-id></pvd>\n"
               " <sequence-items><sequence-item src=\"%1\" id=\"sequence-00\">\n"
               "  <default-entry id=\"entry-000\"/>\n"
               "  <entry id=\"entry-001\">1.0</entry>\n  <entry id=\"entry-002\">2.0</entry>\n"
               " </sequence-item></sequence-items>\n"
               "</videocd>\n")
        .arg(mpeg)
        .toUtf8();
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

}  // namespace

namespace TestMedia {

QString VcdImage() {
    return Once(QStringLiteral("vcd-image"),
                [](const QString& folder) {
                    QFile xml(folder + QStringLiteral("/vcd.xml"));
                    if (!QDir().mkpath(folder) || !xml.open(QIODevice::WriteOnly)) return false;
                    xml.write(VcdDescription(Vcd()));
                    xml.close();
                    return RunTool(QStringLiteral("vcdxbuild"), {"-c", folder + "/vcd.cue", "-b",
                                                                 folder + "/vcd.bin", folder + "/vcd.xml"});
                }) +
           QStringLiteral("/vcd.bin");
}

QString SvcdImage() {
    return Once(QStringLiteral("svcd-image"),
                [](const QString& folder) {
                    return QDir().mkpath(folder) &&
                           RunTool(QStringLiteral("vcdimager"), {"-t", "svcd", "-c", folder + "/svcd.cue",
                                                                 "-b", folder + "/svcd.bin", Svcd()});
                }) +
           QStringLiteral("/svcd.bin");
}

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
    return Make(QStringLiteral("vcd.mpg"),
                Picture("352x288") + Tone(44100) + QStringList{"-target", "pal-vcd"});
}

QString Svcd() {
    return Make(QStringLiteral("svcd.mpg"),
                Picture("480x576") + Tone(44100) + QStringList{"-target", "pal-svcd"});
}

QString SvcdTwoTracks() {
    return Make(QStringLiteral("svcd-2mp2.mpg"),
                Picture("480x576") + Tone(44100) + Tone(44100, 880) +
                    QStringList{"-map", "0:v", "-map", "1:a", "-map", "2:a", "-target", "pal-svcd"});
}

QString SvcdMp2Ac3() {
    return Make(QStringLiteral("svcd-mp2-ac3.mpg"),
                Picture("480x576") + Tone(44100) + Tone(48000, 880) +
                    QStringList{"-map",       "0:v",  "-map",   "1:a",    "-map", "2:a",    "-c:v",
                                "mpeg2video", "-b:v", "2000k",  "-c:a:0", "mp2",  "-b:a:0", "224k",
                                "-c:a:1",     "ac3",  "-b:a:1", "192k",   "-f",   "vob"});
}

QString Svcd48k() {
    return Make(QStringLiteral("svcd-48k.mpg"),
                Picture("480x576") + Tone(48000) + QStringList{"-target", "pal-svcd", "-ar", "48000"});
}

QString Svcd169() {
    return Make(QStringLiteral("svcd-169.mpg"),
                Picture("480x576") + Tone(44100) + QStringList{"-target", "pal-svcd", "-aspect", "16:9"});
}

QString Dvd() {
    return Make(
        QStringLiteral("dvd.mpg"),
        Picture("720x576") + Tone(48000) + QStringList{"-target", "pal-dvd", "-c:a", "mp2", "-b:a", "224k"});
}

QString ElementaryM2v() {
    const QString video =
        Make(QStringLiteral("elementary.m2v"),
             Picture("480x576") + QStringList{"-c:v", "mpeg2video", "-b:v", "2000k", "-f", "mpeg2video"});
    Make(QStringLiteral("elementary.mp2"),
         Tone(44100) + QStringList{"-c:a", "mp2", "-b:a", "224k", "-f", "mp2"});
    return video;
}

QString ElementaryM1v() {
    const QString video =
        Make(QStringLiteral("elem1.m1v"),
             Picture("352x288") + QStringList{"-c:v", "mpeg1video", "-b:v", "1150k", "-f", "mpeg1video"});
    Make(QStringLiteral("elem1-0.mp2"),
         Tone(44100) + QStringList{"-c:a", "mp2", "-b:a", "224k", "-f", "mp2"});
    Make(QStringLiteral("elem1-1.mp2"),
         Tone(44100, 880) + QStringList{"-c:a", "mp2", "-b:a", "192k", "-f", "mp2"});
    return video;
}

QString Mp3Audio() {
    return Make(QStringLiteral("tone.mp3"), Tone(44100) + QStringList{"-c:a", "libmp3lame", "-b:a", "128k"});
}

QString Ac3Track(int index) {
    const bool surround = index == 1;
    return Make(
        QStringLiteral("track%1.ac3").arg(index),
        Tone(48000, surround ? 660 : 880) + QStringList{"-ac", surround ? "6" : "2", "-c:a", "ac3", "-b:a",
                                                        surround ? "384k" : "192k", "-f", "ac3"});
}

QString SvcdTwoAc3() {
    return Make(QStringLiteral("svcd-2ac3.mpg"),
                QStringList{"-i", Svcd(), "-i", Ac3Track(0), "-i", Ac3Track(1), "-map", "0:v", "-map", "1:a",
                            "-map", "2:a", "-c", "copy", "-f", "vob"});
}

QString SvcdAc3(int kbit) {
    const QString rate = QStringLiteral("%1k").arg(kbit);
    const QString track = Make(QStringLiteral("track-%1.ac3").arg(kbit),
                               Tone(48000) + QStringList{"-c:a", "ac3", "-b:a", rate, "-f", "ac3"});
    return Make(QStringLiteral("svcd-ac3-%1.mpg").arg(kbit),
                {"-i", Svcd(), "-i", track, "-map", "0:v", "-map", "1:a", "-c", "copy", "-f", "vob"});
}

QString Svcd48kbit() {
    return Make(
        QStringLiteral("svcd-48kbit.mpg"),
        Picture("480x576") + Tone(44100) + QStringList{"-target", "pal-svcd", "-ac", "1", "-b:a", "48k"});
}

namespace {

QString Write(const QString& name, const std::function<bool(QFile&)>& fill) {
    return Once(name, [&](const QString& temporary) {
        QFile file(temporary);
        return file.open(QIODevice::WriteOnly) && fill(file);
    });
}

}  // namespace

QString Vcd43() {
    return Make(QStringLiteral("vcd-43.mpg"),
                Picture("352x288") + Tone(44100) + QStringList{"-target", "pal-vcd", "-aspect", "4:3"});
}

QString SvcdMp3() {
    return Make(QStringLiteral("svcd-mp3.mpg"), Picture("480x576") + Tone(44100) +
                                                    QStringList{"-c:v", "mpeg2video", "-b:v", "2000k", "-c:a",
                                                                "libmp3lame", "-b:a", "128k", "-f", "vob"});
}

QString Mp2Low() {
    return Make(QStringLiteral("low.mp2"),
                Tone(32000) + QStringList{"-ac", "1", "-c:a", "mp2", "-b:a", "64k", "-f", "mp2"});
}

QString UmlautCopy() {
    const QString source = Svcd();
    return Write(QStringLiteral("Prüfung mit Lücke.mpg"), [&](QFile& file) {
        QFile in(source);
        return in.open(QIODevice::ReadOnly) && file.write(in.readAll()) == in.size();
    });
}

QString TextAsMpg() {
    return Write(QStringLiteral("text.mpg"), [](QFile& file) {
        return file.write(QByteArray("Dies ist kein Film.\n").repeated(200)) > 0;
    });
}

QString EmptyMpg() {
    return Write(QStringLiteral("leer.mpg"), [](QFile&) { return true; });
}

}  // namespace TestMedia
