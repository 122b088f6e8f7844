#include "sources/SourceFiles.h"

#include "platform/Paths.h"

QStringList CompanionCandidates(const QString& path) {
    const QString stem = ChangeFileExt(path, QString());
    return {stem + QStringLiteral(".mp2"), stem + QStringLiteral(".mpa"), stem + QStringLiteral("-0.mp2"),
            stem + QStringLiteral("-1.mp2")};
}
