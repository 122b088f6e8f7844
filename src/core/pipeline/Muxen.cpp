#include "pipeline/Muxen.h"

#include <cmath>

#include "base/FileHelpers.h"
#include "pipeline/RunSupport.h"
#include "pipeline/SizeEstimate.h"
#include "pipeline/SourceGuard.h"
#include "pipeline/WorkFiles.h"
#include "platform/Paths.h"
#include "sources/SourceTable.h"

namespace {

// Under "Sofort löschen": the inputs go once the program stream exists; the
// user's own files (those of an elementary source) stay.
void DeleteInputs(RunContext& ctx, const QString& video, const QStringList& audio) {
    for (const QString& track : audio) {
        Wait(1000);
        if (DeleteRunFile(ctx, track) == Removal::SourceKept) continue;
        Wait(1000);
        ReportDeletion(ctx, track);
    }
    if (DeleteRunFile(ctx, video) != Removal::SourceKept) ReportDeletion(ctx, video);
}

Outcome MuxSource(RunContext& ctx, int i) {
    const MPEGInfo& source = ctx.sources()[i];
    const QString work = ctx.settings().work;
    const QString video = MuxVideoInput(work, i, source);
    Add(ctx, QStringLiteral("Von:       ") + video);
    if (!FileExists(video)) return SourceMissing(ctx, video), Outcome::Failed;
    Indented(ctx, QStringLiteral("... gefunden."));
    QStringList audio;
    const int tracks = qMin(source.trackCount(), 2);
    for (int j = 0; j < tracks; ++j) {
        audio << MuxAudioInput(work, i, j, source);
        Indented(ctx, audio.last());
        if (!FileExists(audio.last())) return SourceMissing(ctx, audio.last()), Outcome::Failed;
        Indented(ctx, QStringLiteral("... gefunden."));
    }
    const QString output = WorkFiles::Muxed(work, i);
    Add(ctx, QStringLiteral("Nach:      ") + output);
    if (!DeleteOldOutput(ctx, output)) return Outcome::Failed;
    const QString mplex = ctx.settings().tools[Tool::MPlex];
    if (!FileExists(mplex)) {
        Add(ctx, QStringLiteral("Fehler:    Die mplex.exe wurde nicht gefunden."));
        return Outcome::Failed;
    }
    qint64 inputs = FileSizeKB(video);
    for (const QString& track : audio)
        inputs += FileSizeKB(track);
    const qint64 estimate = MuxEstimateKB(inputs);
    SizeLine(ctx, lmIndent, QStringLiteral("Voraussichtliche Größe %1.0n MB"), estimate);
    if (const Outcome room = SpaceFor(ctx, work, estimate); room != Outcome::Done) return room;
    ctx.progress().showGauge(estimate);
    const CommandPlan plan = MplexPlan(mplex, output, video, audio);
    Add(ctx, QStringLiteral("Befehl:    ") + plan.commandLine());
    Add(ctx, QString());
    StartBanner(ctx, QStringLiteral("MPlex"));
    const Outcome outcome = RunPiped(ctx, Guarded(plan.call(output), {output}, estimate));
    ctx.progress().hideGauge();
    EndBanner(ctx, EndLine(QStringLiteral("MPlex")));
    Add(ctx, QString());
    if (outcome == Outcome::Aborted) Add(ctx, AbortLine());
    if (outcome != Outcome::Done) return outcome;
    SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Tatsächlich %1.0n MB"), FileSizeKB(output));
    if (!ResultComplete(ctx, {output}, MinimumResultKB(estimate))) return Outcome::Failed;
    if (ctx.settings().tempPolicy == kDeleteAtOnce) DeleteInputs(ctx, video, audio);
    StateWrite(ctx, ctx.state().processingState);
    return Outcome::Done;
}

}  // namespace

CommandPlan MplexPlan(const QString& mplex, const QString& output, const QString& video,
                      const QStringList& audio) {
    CommandPlan plan{mplex};
    plan.arg(QStringLiteral("-v"))
        .arg(QStringLiteral("1"))
        .arg(QStringLiteral("-f"))
        .arg(QStringLiteral("8"));
    plan.arg(QStringLiteral("-o")).quoted(output).quoted(video);
    for (const QString& track : audio)
        plan.quoted(track);
    return plan;
}

Outcome Multiplex(RunContext& ctx) {
    if (const Outcome go = ConfirmStep(ctx, QStringLiteral("DVD MPEG muxen")); go != Outcome::Done) return go;
    if (const Outcome outcome = ForEachSource(ctx, 300, MuxSource); outcome != Outcome::Done) return outcome;
    return DoneIf(SaveLogFile(ctx));
}
