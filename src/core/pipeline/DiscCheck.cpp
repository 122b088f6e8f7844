#include "pipeline/DiscCheck.h"

#include "base/Format.h"
#include "pipeline/SizeEstimate.h"
#include "sources/Compliance.h"

namespace {

QString Megabytes(qint64 bytes) {
    return FormatWhole(bytes / 1048576.0) + QStringLiteral(" MB");
}

}  // namespace

QString CapacityText(qint64 estimateKB) {
    const qint64 bytes = estimateKB * 1024;
    const QString dvd5 = QStringLiteral("DVD-5 (") + Megabytes(kDvd5Bytes) + QLatin1Char(')');
    const QString dvd9 = QStringLiteral("DVD-9 (") + Megabytes(kDvd9Bytes) + QLatin1Char(')');
    const QString size = QStringLiteral("Voraussichtlich ") + Megabytes(bytes) + QStringLiteral(": ");
    if (bytes <= kDvd5Bytes) return size + QStringLiteral("passt auf eine ") + dvd5 + QLatin1Char('.');
    if (bytes <= kDvd9Bytes)
        return size + QStringLiteral("zu groß für eine ") + dvd5 + QStringLiteral(", passt auf eine ") +
               dvd9 + QLatin1Char('.');
    return size + QStringLiteral("zu groß auch für eine ") + dvd9 + QLatin1Char('.');
}

QStringList StartWarnings(const SourceTable& sources, const ProgramSettings& s) {
    QStringList warnings;
    const qint64 bytes = DvdEstimateKB(sources, s) * 1024;
    if (s.burn && bytes > kDvd5Bytes)
        warnings << QStringLiteral("Das Ergebnis passt voraussichtlich nicht auf eine DVD-5 (etwa ") +
                        Megabytes(bytes) + QStringLiteral(", eine DVD-5 fasst ") + Megabytes(kDvd5Bytes) +
                        QStringLiteral(").");
    if (MixesSystems(sources)) warnings << MixedSystemsWarning();
    return warnings;
}

bool ConfirmStart(RunContext& ctx) {
    const QStringList warnings = StartWarnings(ctx.sources(), ctx.settings());
    if (warnings.isEmpty()) return true;
    const QString question = warnings.join(QStringLiteral("\r\n")) + QStringLiteral("\r\nTrotzdem starten?");
    return ctx.dialogs().ask(Dialogs::Kind::Warning, question) == Dialogs::Answer::Yes;
}
