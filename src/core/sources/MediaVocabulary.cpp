#include "sources/MediaVocabulary.h"

namespace {

// "Version 1" -> "1", "Version 2.5" -> "2.5"; empty for anything else.
QString VersionNumber(const QString& formatVersion) {
    static const QString prefix = QStringLiteral("Version ");
    return formatVersion.startsWith(prefix) ? formatVersion.mid(prefix.size()) : QString();
}

QString GeneralFormat(const RawParameter& raw) {
    const QString format = raw(MediaStream::General, 0, QStringLiteral("Format"));
    if (format == QLatin1String("MPEG-PS")) {
        const QString version = VersionNumber(raw(MediaStream::Video, 0, QStringLiteral("Format_Version")));
        if (version == QLatin1String("1") || version == QLatin1String("2"))
            return QStringLiteral("MPEG") + version;
    } else if (format == QLatin1String("MPEG Video")) {
        const QString version = VersionNumber(raw(MediaStream::General, 0, QStringLiteral("Format_Version")));
        if (version == QLatin1String("1") || version == QLatin1String("2"))
            return QStringLiteral("MPV") + version;
    }
    return format;
}

QString AudioCount(const RawParameter& raw) {
    const QString count = raw(MediaStream::General, 0, QStringLiteral("AudioCount"));
    if (!count.isEmpty()) return count;
    return GeneralFormat(raw).startsWith(QLatin1String("MPV")) ? QStringLiteral("0") : count;
}

QString WholeNumber(const QString& text) {
    const int point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? text : text.left(point);
}

QString AudioCodec(int track, const RawParameter& raw) {
    const QString format = raw(MediaStream::Audio, track, QStringLiteral("Format"));
    if (format == QLatin1String("AC-3")) return QStringLiteral("AC3");
    if (format != QLatin1String("MPEG Audio")) return format;
    const QString layer = raw(MediaStream::Audio, track, QStringLiteral("Format_Profile"));
    if (layer == QLatin1String("Layer 1") || layer == QLatin1String("Layer 2"))
        return QStringLiteral("MPA1/2");
    if (layer == QLatin1String("Layer 3")) return QStringLiteral("MPA1L3");
    return format;
}

QString AudioCodecText(int track, const RawParameter& raw) {
    const QString format = raw(MediaStream::Audio, track, QStringLiteral("Format"));
    if (format != QLatin1String("MPEG Audio")) return format;
    const QString version = VersionNumber(raw(MediaStream::Audio, track, QStringLiteral("Format_Version")));
    const QString layer = raw(MediaStream::Audio, track, QStringLiteral("Format_Profile"));
    QString text =
        version.isEmpty() ? QStringLiteral("MPEG Audio") : QStringLiteral("MPEG-%1 Audio").arg(version);
    if (!layer.isEmpty()) text += QLatin1Char(' ') + layer;
    return text;
}

QString BitrateText(int track, const RawParameter& raw) {
    bool ok = false;
    const double bitsPerSecond = raw(MediaStream::Audio, track, QStringLiteral("BitRate")).toDouble(&ok);
    if (!ok || bitsPerSecond <= 0) return QString();
    return QString::number(static_cast<qint64>(bitsPerSecond) / 1000) + QStringLiteral(" kb/s");
}

}  // namespace

QString OldVocabulary(MediaStream kind, int number, const QString& parameter, const RawParameter& raw) {
    if (kind == MediaStream::General) {
        if (parameter == QLatin1String("Format")) return GeneralFormat(raw);
        if (parameter == QLatin1String("AudioCount")) return AudioCount(raw);
        if (parameter == QLatin1String("PlayTime")) return WholeNumber(raw(kind, number, parameter));
    } else if (kind == MediaStream::Video) {
        if (parameter == QLatin1String("FrameRate")) return TrimDecimals(raw(kind, number, parameter));
    } else if (kind == MediaStream::Audio) {
        if (parameter == QLatin1String("Codec")) return AudioCodec(number, raw);
        if (parameter == QLatin1String("Codec_String")) return AudioCodecText(number, raw);
        if (parameter == QLatin1String("BitRate_String")) return BitrateText(number, raw);
        if (parameter == QLatin1String("SamplingRate_String"))
            return SamplingRateText(raw(kind, number, QStringLiteral("SamplingRate")));
    }
    return raw(kind, number, parameter);
}
