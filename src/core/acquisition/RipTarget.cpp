#include "acquisition/RipTarget.h"

#include <QFileInfo>

#include "platform/Paths.h"

namespace {

bool NamesItsPart(const QString& base) {
    for (const char* part : {"cd1", "cd2", "cd3"})
        if (base.contains(QLatin1String(part))) return true;
    return false;
}

QString TargetPath(const QString& ripFolder, const QString& base, bool namesItsPart, int index) {
    const QString name =
        namesItsPart ? base + QStringLiteral(".mpg") : base + QStringLiteral("_CD%1.mpg").arg(index + 1);
    return JoinPath(ripFolder, name);
}

}  // namespace

QString DiscTargetPath(const QString& ripFolder, QString base, int index) {
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    return TargetPath(ripFolder, base, NamesItsPart(base), index);
}

QString ImageTargetPath(const QString& ripFolder, const QString& image, int index) {
    const QString base = QFileInfo(image).completeBaseName();
    return TargetPath(ripFolder, base, NamesItsPart(base.toLower()), index);
}
