#include "sources/MediaInfo.h"

#include <QRegularExpression>

#include "sources/MPEGInfo.h"
#include "sources/Tables.h"

LibrarySession::LibrarySession(MediaLibrary& library, int generation)
    : library_(library), loaded_(library.load(generation)) {}

LibrarySession::~LibrarySession() {
    library_.unload();
}

MediaFile::MediaFile(MediaLibrary& library, const QString& path)
    : library_(library), open_(library.open(path)) {}

MediaFile::~MediaFile() {
    if (open_) library_.close();
}

QString MediaFile::general(const QString& parameter) const {
    return open_ ? library_.get(MediaStream::General, 0, parameter) : QString();
}

QString MediaFile::video(const QString& parameter) const {
    return open_ ? library_.get(MediaStream::Video, 0, parameter) : QString();
}

QString MediaFile::audio(int track, const QString& parameter) const {
    return open_ ? library_.get(MediaStream::Audio, track, parameter) : QString();
}

namespace {

// "MediaInfoLib - v0.7.99", "MediaInfoLib - v23.04": library versions from 0.7 on
// (year-based since 17.10) have the new interface.
bool NamesModernLibrary(const QString& version) {
    static const QRegularExpression pattern(QStringLiteral("MediaInfoLib\\s*-\\s*v(\\d+)\\.(\\d+)"));
    const QRegularExpressionMatch match = pattern.match(version);
    if (!match.hasMatch()) return false;
    const int major = match.captured(1).toInt();
    const int minor = match.captured(2).toInt();
    return major > 0 || minor >= 7;
}

quint8 IndexIn(const QStringList& table, const QString& text) {
    const int index = table.indexOf(text);
    return index < 0 ? kNone : static_cast<quint8>(index);
}

}  // namespace

LibraryProbe ProbeVersion(const QString& version, bool nt5) {
    LibraryProbe probe;
    if (version.isEmpty()) {
        probe.caption = QStringLiteral("Keine MediaInfo.Dll gefunden.");
        probe.red = true;
        return probe;
    }
    probe.caption = version;
    if (version.contains(QLatin1String("0.4."))) probe.generation = 4;
    const bool newGeneration =
        (version.contains(QLatin1String("0.5.")) && !version.contains(QLatin1String("0.5.0.1"))) ||
        (probe.generation == 0 && NamesModernLibrary(version));
    if (newGeneration) {
        if (nt5)
            probe.generation = 5;
        else
            probe.red = true;
    }
    return probe;
}

quint8 BitrateIndex(const QString& text) {
    return IndexIn(BitrateTable(), text.left(3).trimmed().toUpper());
}

quint8 BitrateIndexAbove(const QString& text) {
    bool ok = false;
    const int kbit = text.trimmed().section(QLatin1Char(' '), 0, 0).toInt(&ok);
    const QStringList& table = BitrateTable();
    for (int k = 0; ok && k < table.size(); ++k)
        if (table[k].toInt() > kbit) return static_cast<quint8>(k);
    return kNone;
}

quint8 VideoFormatIndex(const QString& text) {
    return IndexIn(VideoFormatTable(), text);
}

quint8 AudioFormatIndex(const QString& text) {
    return IndexIn(AudioFormatTable(), text);
}

QString TrimDecimals(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("^\\d+\\.\\d*$"));
    if (!decimal.match(text).hasMatch()) return text;
    QString result = text;
    while (result.endsWith(QLatin1Char('0')))
        result.chop(1);
    if (result.endsWith(QLatin1Char('.'))) result.chop(1);
    return result;
}

QString SamplingRateText(const QString& hertz) {
    bool ok = false;
    const double rate = hertz.trimmed().toDouble(&ok);
    if (!ok || rate <= 0) return QString();
    return TrimDecimals(QString::number(rate / 1000.0, 'f', 3)) + QStringLiteral(" KHz");
}
