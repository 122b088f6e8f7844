#include "sources/SourceFiles.h"

namespace {

QString WithoutExtension(const QString& path) {
    const int point = path.lastIndexOf(QLatin1Char('.'));
    const int separator = path.lastIndexOf(QLatin1Char('/'));
    return point > separator ? path.left(point) : path;
}

}  // namespace

QString ReplaceExtension(const QString& path, const QString& extension) {
    return WithoutExtension(path) + extension;
}

QStringList CompanionCandidates(const QString& path) {
    const QString stem = WithoutExtension(path);
    return {stem + QStringLiteral(".mp2"), stem + QStringLiteral(".mpa"), stem + QStringLiteral("-0.mp2"),
            stem + QStringLiteral("-1.mp2")};
}
