#include "pipeline/WorkFiles.h"

namespace {

QString Stem(const QString& work, int i) {
    return work + QStringLiteral("/svcd-") + QString::number(i);
}

}  // namespace

namespace WorkFiles {

QString DemuxAudio(const QString& work, int i, int j, quint8 tonFormat) {
    if (tonFormat > 1) return QString();
    return Stem(work, i) + QStringLiteral("-%1").arg(j) +
           (tonFormat == 0 ? QStringLiteral(".mp2") : QStringLiteral(".ac3"));
}

QString DemuxVideo(const QString& work, int i, const QString& format) {
    if (format == QLatin1String("MPEG1")) return Stem(work, i) + QStringLiteral("-0.m1v");
    if (format == QLatin1String("MPEG2")) return Stem(work, i) + QStringLiteral("-0.m2v");
    return QString();
}

QString Upmixed(const QString& work, int i, int j) {
    return Stem(work, i) + QStringLiteral("-%1-48.mp2").arg(j);
}

QString Muxed(const QString& work, int i) {
    return work + QStringLiteral("/dvd-%1.mpg").arg(i);
}

QString Script(const QString& work) {
    return work + QStringLiteral("/tavrolin.xml");
}

QString UpmixLog(const QString& work, int i, int j) {
    return work + QStringLiteral("/besweet-%1-%2.log").arg(i).arg(j);
}

}  // namespace WorkFiles

QStringList PlannedFiles(const QString& work, int i, const MPEGInfo& source) {
    if (source.NavPacks) return {};
    const int tracks = qMin(source.trackCount(), 2);
    QStringList files;
    if (!source.Elementar) {
        files << WorkFiles::DemuxVideo(work, i, source.Format);
        for (int j = 0; j < tracks; ++j)
            files << WorkFiles::DemuxAudio(work, i, j, source.TonFormat[j]);
    }
    for (int j = 0; j < tracks; ++j)
        files << WorkFiles::Upmixed(work, i, j) << WorkFiles::UpmixLog(work, i, j);
    files << WorkFiles::Muxed(work, i);
    files.removeAll(QString());
    return files;
}

QString MuxAudioInput(const QString& work, int i, int j, const MPEGInfo& source) {
    if (!TrackUsableAsIs(source, j)) return WorkFiles::Upmixed(work, i, j);
    if (source.Elementar) return source.TonDatei[j];
    return WorkFiles::DemuxAudio(work, i, j, source.TonFormat[j]);
}

QString MuxVideoInput(const QString& work, int i, const MPEGInfo& source) {
    if (source.Elementar) return source.Datei;
    return WorkFiles::DemuxVideo(work, i, source.Format);
}

QString AuthorVideoFile(const QString& work, int i, const MPEGInfo& source) {
    return source.NavPacks ? source.Datei : WorkFiles::Muxed(work, i);
}
