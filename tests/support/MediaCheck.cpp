#include "support/MediaCheck.h"

#include <QProcess>

namespace MediaCheck {

QString Run(const QString& program, const QStringList& arguments, int* code, const QStringList& environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    const bool ended = process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit;
    if (code) *code = ended ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

bool Runs(const QString& program, const QStringList& arguments) {
    int code = -1;
    const QString output = Run(program, arguments, &code);
    if (code != 0) qWarning("%s failed: %s", qPrintable(program), qPrintable(output));
    return code == 0;
}

QString Probe(const QString& file, const QString& entries) {
    return Run("ffprobe", {"-v", "error", "-show_entries", entries, "-of", "csv=p=0", file})
        .split('\n', Qt::SkipEmptyParts)
        .join('\n');
}

QByteArray VideoBitstream(const QString& file) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-nostdin", "-v", "error", "-i", file, "-map", "0:v:0", "-c", "copy", "-f",
                            "mpeg2video", "-"});
    ffmpeg.waitForFinished(300000);
    return ffmpeg.readAllStandardOutput();
}

QByteArray AfterMultiplexing(const QByteArray& source) {
    if (source.endsWith(QByteArray("\x00\x00\x01\xb7", 4))) return source;
    const int last = source.lastIndexOf(QByteArray("\x00\x00\x01\x00", 4));
    return last > 0 ? source.left(last) : source;
}

QByteArray WithoutAspectInfo(QByteArray video) {
    const QByteArray sequenceHeader("\x00\x00\x01\xb3", 4);
    for (int at = video.indexOf(sequenceHeader); at >= 0 && at + 7 < video.size();
         at = video.indexOf(sequenceHeader, at + 4))
        video[at + 7] = static_cast<char>(video[at + 7] & 0x0f);
    return video;
}

}  // namespace MediaCheck
