#include "support/MediaCheck.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

namespace MediaCheck {

QString Run(const QString& program, const QStringList& arguments, int* code) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(300000);
    if (code) *code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

QString Probe(const QString& file, const QString& stream, const QString& entry) {
    return Run(QStringLiteral("ffprobe"), {"-v", "error", "-select_streams", stream, "-show_entries",
                                           "stream=" + entry, "-of", "default=nw=1:nk=1", file})
        .trimmed()
        .split('\n')
        .first()
        .trimmed();
}

int StreamCount(const QString& file, const QString& kind) {
    const QString out =
        Run(QStringLiteral("ffprobe"),
            {"-v", "error", "-select_streams", kind, "-show_entries", "stream=index", "-of", "csv=p=0", file})
            .trimmed();
    return out.isEmpty() ? 0 : out.split('\n').size();
}

QByteArray VideoBitstream(const QString& file) {
    QTemporaryFile out(QStringLiteral("/tmp/tavvideo-XXXXXX.m2v"));
    if (!out.open()) return {};
    out.close();
    Run(QStringLiteral("ffmpeg"), {"-nostdin", "-y", "-v", "error", "-i", file, "-map", "0:v:0", "-c", "copy",
                                   "-f", "mpeg2video", out.fileName()});
    QFile result(out.fileName());
    return result.open(QIODevice::ReadOnly) ? result.readAll() : QByteArray();
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
