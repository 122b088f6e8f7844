#include "sources/Compliance.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

bool Near(double rate, double value) {
    return std::abs(rate - value) < 0.01;
}

bool KnownSize(const QString& size) {
    static const QRegularExpression pattern(QStringLiteral("^\\d+x\\d+$"));
    return pattern.match(size).hasMatch();
}

}  // namespace

VideoSystem SystemOf(const QString& frameRate) {
    bool ok = false;
    const double rate = frameRate.trimmed().toDouble(&ok);
    if (!ok) return VideoSystem::Unknown;
    if (Near(rate, 25)) return VideoSystem::Pal;
    for (double ntsc : {29.97, 30.0, 23.976, 24.0})
        if (Near(rate, ntsc)) return VideoSystem::Ntsc;
    return VideoSystem::Unknown;
}

bool IsPalDvdSize(const QString& size) {
    static const QStringList sizes{QStringLiteral("720x576"), QStringLiteral("704x576"),
                                   QStringLiteral("352x576"), QStringLiteral("352x288")};
    return sizes.contains(size);
}

QString PlayerNote(const MPEGInfo& source) {
    QStringList issues;
    if (KnownSize(source.Bildgroesse) && !IsPalDvdSize(source.Bildgroesse))
        issues << QStringLiteral("Bildgröße ") + source.Bildgroesse;
    bool known = false;
    source.Bildwiederholrate.trimmed().toDouble(&known);
    if (known && SystemOf(source.Bildwiederholrate) != VideoSystem::Pal)
        issues << QStringLiteral("Bildrate ") + source.Bildwiederholrate.trimmed() + QStringLiteral(" fps");
    if (issues.isEmpty()) return QString();
    return issues.join(QStringLiteral(" und ")) +
           (issues.size() == 1 ? QStringLiteral(" ist") : QStringLiteral(" sind")) +
           QStringLiteral(" nicht DVD-gerecht (PAL): viele, aber nicht alle Player spielen das ab.");
}

bool MixesSystems(const SourceTable& sources) {
    bool pal = false, ntsc = false;
    for (int i = 1; i <= sources.count(); ++i) {
        const VideoSystem system = SystemOf(sources[i].Bildwiederholrate);
        pal = pal || system == VideoSystem::Pal;
        ntsc = ntsc || system == VideoSystem::Ntsc;
    }
    return pal && ntsc;
}

QString MixedSystemsWarning() {
    return QStringLiteral(
        "PAL (25 fps) und NTSC (29,97 fps) gemischt: die meisten Player spielen einen Teil nicht ab.");
}
