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

bool SameVideo(const QByteArray& source, const QByteArray& result) {
    if (source.isEmpty() || result.isEmpty()) return false;
    if (source == result) return true;
    // The result may lack exactly the source's last picture.
    const QByteArray pictureStart("\x00\x00\x01\x00", 4);
    const QByteArray tail = source.mid(result.size());
    return source.startsWith(result) && tail.startsWith(pictureStart) && tail.count(pictureStart) == 1;
}

}  // namespace MediaCheck
