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

}  // namespace

namespace TestMedia {

QString Folder() {
    const QString folder = QStringLiteral(TAV_PROGRAM_DIR) + QStringLiteral("/testmedia");
    QDir().mkpath(folder);
    return folder;
}

QString Make(const QString& name, const QStringList& arguments) {
    const QString path = Folder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) return path;
    const QString suffix = QFileInfo(name).suffix();
    const QString temporary = Folder() + QStringLiteral("/.tmp-%1-%2.%3")
                                             .arg(QCoreApplication::applicationPid())
                                             .arg(QFileInfo(name).completeBaseName(), suffix);
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-nostdin", "-y", "-loglevel", "error"} + arguments + QStringList{temporary});
    ffmpeg.waitForFinished(120000);
    if (ffmpeg.exitCode() != 0) {
        qWarning("ffmpeg failed for %s: %s", qPrintable(name), ffmpeg.readAll().constData());
        QFile::remove(temporary);
        return QString();
    }
    QFile::rename(temporary, path);
    return path;
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

namespace {

// Writes a file under a temporary name and renames it, like Make.
QString Write(const QString& name, const std::function<bool(QFile&)>& fill) {
    const QString path = Folder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) return path;
    const QString temporary =
        Folder() + QStringLiteral("/.tmp-%1-%2").arg(QCoreApplication::applicationPid()).arg(name);
    QFile file(temporary);
    const bool ok = file.open(QIODevice::WriteOnly) && fill(file);
    file.close();
    if (!ok || !QFile::rename(temporary, path)) {
        qWarning("cannot make %s", qPrintable(name));
        QFile::remove(temporary);
        return QString();
    }
    return path;
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

QString Sparse(const QString& name, qint64 kb) {
    return Write(name, [kb](QFile& file) { return file.resize(kb * 1024); });
}

}  // namespace TestMedia
