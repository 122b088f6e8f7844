#include "pipeline/Demuxen.h"

#include <array>

#include "base/FileHelpers.h"
#include "pipeline/RunSupport.h"
#include "pipeline/SizeEstimate.h"
#include "pipeline/WorkFiles.h"
#include "platform/Paths.h"
#include "sources/SourceTable.h"

namespace {

struct Outputs {
    std::array<QString, 2> audio;
    QString video;

    QStringList named() const {
        QStringList names;
        for (const QString& name : {audio[0], audio[1], video})
            if (!name.isEmpty()) names << name;
        return names;
    }
};

Outputs OutputsOf(const QString& work, int i, const MPEGInfo& source) {
    Outputs outputs;
    const int tracks = qMin(source.trackCount(), 2);
    for (int j = 0; j < tracks; ++j)
        outputs.audio[j] = WorkFiles::DemuxAudio(work, i, j, source.TonFormat[j]);
    outputs.video = WorkFiles::DemuxVideo(work, i, source.Format);
    return outputs;
}

// Estimate, its log line and the room for it.
Outcome RoomForEstimate(RunContext& ctx, const QString& path, bool mpgtx, qint64* estimate) {
    *estimate = DemuxEstimateKB(FileSizeKB(path), mpgtx);
    SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Voraussichtlich %1.0n MB"), *estimate);
    return SpaceFor(ctx, ctx.settings().work, *estimate);
}

Outcome RunMpgtx(RunContext& ctx, const QString& path, const QString& stem, qint64* estimate) {
    const QString mpgtx = ctx.settings().tools[Tool::mpgtx];
    if (!FileExists(mpgtx)) {
        Add(ctx, QStringLiteral("Fehler:    Die mpgtx.exe wurde nicht gefunden."));
        return Outcome::Failed;
    }
    if (const Outcome room = RoomForEstimate(ctx, path, true, estimate); room != Outcome::Done) return room;
    const CommandPlan plan = MpgtxPlan(mpgtx, path, stem);
    Add(ctx, QStringLiteral("Befehl:    ") + plan.commandLine());
    Add(ctx, QString());
    StartBanner(ctx, QStringLiteral("MPGTX"));
    // The version query's result does not count, but an abort during it does.
    Outcome outcome = RunPiped(ctx, VersionQuery(mpgtx).call());
    Add(ctx, QString());
    Add(ctx, QString());
    // Whatever mpgtx writes under the stem counts for the guard.
    if (outcome != Outcome::Aborted)
        outcome = RunPiped(ctx, Guarded(plan.call(), {stem + QStringLiteral("-*")}, *estimate));
    EndBanner(ctx, EndLine(QStringLiteral("MPGTX")));
    Add(ctx, QString());
    return outcome;
}

Outcome RunJrdmux(RunContext& ctx, const QString& path, const MPEGInfo& source, const Outputs& outputs,
                  qint64* estimateKB) {
    const QString jrdmux = ctx.settings().tools[Tool::jrDMUX];
    if (!FileExists(jrdmux)) {
        Add(ctx, QStringLiteral("Fehler:    Die jrdmux.exe wurde nicht gefunden."));
        return Outcome::Failed;
    }
    if (const Outcome room = RoomForEstimate(ctx, path, false, estimateKB); room != Outcome::Done)
        return room;
    const qint64 estimate = *estimateKB;
    for (const CommandPlan& plan : JrdmuxPlans(jrdmux, path, source, outputs.audio, outputs.video)) {
        // Each call writes the file that ends its arguments.
        const QString output = plan.arguments[2];
        ctx.progress().showGauge(estimate);
        Add(ctx, QStringLiteral("Befehl:   ") + plan.commandLine());
        Add(ctx, QString());
        StartBanner(ctx, QStringLiteral("jrDMUX"));
        const Outcome outcome = RunPiped(ctx, Guarded(plan.call(output), {output}, estimate));
        ctx.progress().hideGauge();
        EndBanner(ctx, EndLine(QStringLiteral("jrDMUX")));
        Add(ctx, QString());
        if (outcome != Outcome::Done) return outcome;
        if (ctx.state().abortRequested) return Outcome::Aborted;
    }
    return Outcome::Done;
}

Outcome DemuxSource(RunContext& ctx, int i) {
    const MPEGInfo& source = ctx.sources()[i];
    const QString& path = source.Datei;
    Add(ctx, QStringLiteral("Von:       ") + path);
    if (!FileExists(path)) return SourceMissing(ctx, path), Outcome::Failed;
    Indented(ctx, QStringLiteral("... gefunden."));
    if (source.Elementar) {
        Indented(ctx, QStringLiteral("Elementarstream."));
        Indented(ctx, QStringLiteral("Bearbeitung nicht notwendig."));
        Add(ctx, QString());
        return Outcome::Done;
    }

    const QString work = ctx.settings().work;
    const Outputs outputs = OutputsOf(work, i, source);
    for (const QString& name : outputs.named()) {
        Add(ctx, QStringLiteral("Nach:      ") + name);
        if (!DeleteOldOutput(ctx, name, 1000)) return Outcome::Failed;
    }

    const bool mpgtx = DemuxesWithMpgtx(source, FileSizeKB(path), ctx.settings().tools);
    qint64 estimate = 0;
    const Outcome outcome =
        mpgtx ? RunMpgtx(ctx, path, work + QStringLiteral("/svcd-") + QString::number(i), &estimate)
              : RunJrdmux(ctx, path, source, outputs, &estimate);
    if (outcome == Outcome::Aborted && ctx.runner().lastRunKilled()) Add(ctx, AbortLine());
    if (outcome != Outcome::Done) return outcome;
    qint64 actual = 0;
    for (const QString& name : outputs.named())
        actual += FileSizeKB(name);
    SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Tatsächlich %1.0n MB"), actual);
    if (!ResultComplete(ctx, outputs.named(), MinimumResultKB(estimate))) return Outcome::Failed;
    StateWrite(ctx, ctx.state().processingState);
    return DoneIf(SaveLogFile(ctx));
}

}  // namespace

CommandPlan MpgtxPlan(const QString& mpgtx, const QString& path, const QString& stem) {
    return CommandPlan{mpgtx}.arg(QStringLiteral("-d")).quoted(path).arg(QStringLiteral("-b")).quoted(stem);
}

QList<CommandPlan> JrdmuxPlans(const QString& jrdmux, const QString& path, const MPEGInfo& source,
                               const std::array<QString, 2>& audio, const QString& video) {
    const auto plan = [&](const QString& stream, const QString& output) {
        return CommandPlan{jrdmux}.arg(path).arg(stream).arg(output);
    };
    QList<CommandPlan> plans;
    int mpeg = 0;
    int ac3 = 0;
    for (int j = 0; j < 2; ++j) {
        const quint8 format = source.TonFormat[j];
        if (format > 1) continue;
        const int earlier = format == 0 ? mpeg++ : ac3++;  // streams of the same format before it
        if (audio[j].isEmpty()) continue;
        if (format == 0) {
            plans << plan(earlier == 0 ? QStringLiteral("0xc0") : QStringLiteral("0xc1"), audio[j]);
            continue;
        }
        const QString sub = earlier == 0 ? QStringLiteral("0x80") : QStringLiteral("0x81");
        // The sub-stream of the first AC-3 stream ends the line for track 0 but not for track 1.
        const bool blank = j == 1 || earlier > 0;
        plans << plan(QStringLiteral("0xbd"), audio[j]).shownAs(sub, blank ? sub + QLatin1Char(' ') : sub);
    }
    if (!video.isEmpty()) plans << plan(QStringLiteral("0xe0"), video);
    return plans;
}

Outcome Demultiplex(RunContext& ctx) {
    if (const Outcome go = ConfirmStep(ctx, QStringLiteral("SVCD MPEG Demuxen")); go != Outcome::Done)
        return go;
    return ForEachSource(ctx, 100, DemuxSource);
}
