#include "pipeline/SourceGuard.h"

#include <QFileInfo>

#include "base/FileHelpers.h"
#include "pipeline/RunSupport.h"
#include "sources/SourceTable.h"

namespace {

QString Canonical(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

}  // namespace

QString SourceFileAt(const SourceTable& table, const QString& path) {
    const QString target = Canonical(path);
    if (target.isEmpty()) return QString();
    const QString inside = target + QLatin1Char('/');
    for (int i = 1; i <= table.count(); ++i) {
        const MPEGInfo& source = table[i];
        for (const QString& own : {source.Datei, source.TonDatei[0], source.TonDatei[1]}) {
            const QString file = Canonical(own);
            if (!file.isEmpty() && (file == target || file.startsWith(inside))) return own;
        }
    }
    return QString();
}

Removal DeleteRunFile(RunContext& ctx, const QString& path, int tries, int waitMs) {
    const QString source = SourceFileAt(ctx.sources(), path);
    if (!source.isEmpty()) {
        Add(ctx,
            QStringLiteral("Hinweis:   Originaldatei ") + source + QStringLiteral(" wird nicht gelöscht."));
        return Removal::SourceKept;
    }
    for (int attempt = 1; !DeleteTree(path); ++attempt) {
        if (attempt >= tries) return Removal::Stuck;
        Wait(waitMs);
    }
    return Removal::Gone;
}
