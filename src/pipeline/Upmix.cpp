#include "pipeline/Upmix.h"

#include <QFile>
#include <QTextStream>
#include <cmath>

#include "pipeline/FileHelpers.h"
#include "pipeline/RunSupport.h"
#include "pipeline/SizeEstimate.h"
#include "pipeline/SourceGuard.h"
#include "pipeline/WorkFiles.h"
#include "platform/Paths.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"

QString UpmixArguments(const QString& input, const QString& output, const QString& work,
                       const QString& bitrate) {
    return QStringLiteral("-core( -input \"") + input + QStringLiteral("\" -output \"") + output +
           QStringLiteral("\" -logfile \"") + work +
           QStringLiteral("/besweet.log\" ) -shibatch( --rate 48000 ) -2lame( -m s -b ") + bitrate +
           QStringLiteral(" -e )");
}

QStringList UpmixArgumentList(const QString& input, const QString& output, const QString& work,
                              const QString& bitrate) {
    return {QStringLiteral("-core("),
            QStringLiteral("-input"),
            input,
            QStringLiteral("-output"),
            output,
            QStringLiteral("-logfile"),
            WorkFiles::UpmixLog(work),
            QStringLiteral(")"),
            QStringLiteral("-shibatch("),
            QStringLiteral("--rate"),
            QStringLiteral("48000"),
            QStringLiteral(")"),
            QStringLiteral("-2lame("),
            QStringLiteral("-m"),
            QStringLiteral("s"),
            QStringLiteral("-b"),
            bitrate,
            QStringLiteral("-e"),
            QStringLiteral(")")};
}

namespace {

// Copies the tool's own log into the run log and deletes it.
void CopyToolLog(RunContext& ctx, const QString& work, bool success) {
    QFile file(WorkFiles::UpmixLog(work));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    QStringList lines;
    QTextStream stream(&file);
    while (!stream.atEnd())
        lines << stream.readLine();
    file.close();
    Add(ctx, QString());
    StartBanner(ctx, QStringLiteral("BeSweet - Log"));
    for (const QString& line : lines)
        Add(ctx, line);
    EndBanner(ctx, EndLine(QStringLiteral("BeSweet - Log")));
    DeleteRunFile(ctx, file.fileName());
    if (success) Add(ctx, QString());
}

enum class TrackResult { Next, Stop };

TrackResult UpmixTrack(RunContext& ctx, int i, int j) {
    const MPEGInfo& source = ctx.sources()[i];
    const QString work = ctx.settings().work;
    if (StopForAbort(ctx)) return TrackResult::Stop;
    const QString extension = source.TonFormat[j] == 1 ? QStringLiteral(".ac3") : QStringLiteral(".mp2");
    const QString input = source.Elementar ? source.TonDatei[j]
                                           : work + QStringLiteral("/svcd-%1-%2").arg(i).arg(j) + extension;
    Add(ctx, QStringLiteral("Von:       ") + input);
    if (!FileExists(input)) return SourceMissing(ctx, input), TrackResult::Stop;
    Indented(ctx, QStringLiteral("... gefunden."));
    if (TrackUsableAsIs(source, j)) {
        Indented(ctx, QStringLiteral("... Upmix nicht notwendig."));
        return TrackResult::Next;
    }
    Indented(ctx, QStringLiteral("... Upmix notwendig."));
    const QString output = WorkFiles::Upmixed(work, i, j);
    Add(ctx, QStringLiteral("Nach:      ") + output);
    if (!DeleteOldOutput(ctx, output)) return TrackResult::Stop;
    const QString besweet = ctx.settings().tools[Tool::BeSweet];
    if (!FileExists(besweet)) {
        Add(ctx, QStringLiteral("Fehler:    Die BeSweet.exe wurde nicht gefunden."));
        return TrackResult::Stop;
    }
    const QString bitrate = TableText(BitrateTable(), source.DVDBitrate[j], QString());
    if (bitrate.isEmpty()) {
        Add(ctx, QStringLiteral("Fehler:    Für die Tonspur %1 ist keine DVD-Bitrate eingestellt.").arg(j));
        return TrackResult::Stop;
    }
    const QString arguments = UpmixArguments(input, output, work, bitrate);
    const qint64 estimate = UpmixEstimateKB(FileSizeKB(input), source, j);
    SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Voraussichtlich %1.0n MB"), estimate);
    if (CheckFreeSpace(ctx, work, estimate)) return TrackResult::Stop;
    Add(ctx, QString());
    StartBanner(ctx, QStringLiteral("BeSweet"));
    ctx.progress().showGauge(estimate);
    const ToolCall call =
        Guarded({besweet, UpmixArgumentList(input, output, work, bitrate), arguments, output, {}}, {output},
                estimate);
    const ToolOutcome outcome = RunHidden(ctx, call);
    ctx.progress().hideGauge();
    EndBanner(ctx, EndLine(QStringLiteral("BeSweet")));
    Add(ctx, QString());
    const bool success = outcome == ToolOutcome::Done;
    if (success) SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Tatsächlich %1.0n MB"), FileSizeKB(output));
    CopyToolLog(ctx, work, success);
    if (outcome == ToolOutcome::Aborted) Add(ctx, AbortLine());
    if (!success || !ResultComplete(ctx, {output}, MinimumResultKB(estimate))) return TrackResult::Stop;

    if (ctx.settings().tempPolicy == kDeleteAtOnce) {
        if (source.Elementar) {
            Add(ctx, QStringLiteral("Löschen:   Originaldateien werden nicht gelöscht."));
        } else if (DeleteRunFile(ctx, input, 10, 200) != Removal::SourceKept) {
            ReportDeletion(ctx, input);
        }
    }
    return TrackResult::Next;
}

bool UpmixSource(RunContext& ctx, int i) {
    const UnitStart start = BeginSourceUnit(ctx, i, 200);
    if (start != UnitStart::Run) return start == UnitStart::Skip;
    const MPEGInfo& source = ctx.sources()[i];
    const int tracks = qMin(source.trackCount(), 2);
    for (int j = 0; j < tracks; ++j)
        if (UpmixTrack(ctx, i, j) == TrackResult::Stop) return false;
    // Recorded once every track is done: a resume skips only whole sources.
    StateWrite(ctx, ctx.state().processingState);
    return true;
}

}  // namespace

bool Upmix(RunContext& ctx) {
    if (!ConfirmStep(ctx, QStringLiteral("Audio Upmix"))) return false;
    for (int i = 1; i <= ctx.sources().count(); ++i)
        if (!UpmixSource(ctx, i)) return false;
    return SaveLogFile(ctx);
}
