#include "pipeline/RunSupport.h"

#include <QFile>
#include <QFileInfo>

#include "base/FileHelpers.h"
#include "base/Format.h"
#include "base/FreeSpace.h"
#include "base/Volume.h"
#include "persistence/ProcessingState.h"
#include "pipeline/RunLogFile.h"
#include "pipeline/SourceGuard.h"
#include "pipeline/StepConfirm.h"
#include "platform/Paths.h"
#include "sources/SourceTable.h"

namespace {

// Less room than this on a result's disk after a tool ran: it ran out of space.
constexpr qint64 kFullDiskBytes = 64 * 1024;

}  // namespace

Outcome ConfirmStep(RunContext& ctx, const QString& stepName) {
    return ConfirmStep(ctx.log(), ctx.dialogs(), ctx.settings().singleStep, stepName);
}

Outcome SpaceFor(RunContext& ctx, const QString& folder, qint64 neededKB) {
    return SpaceFor(ctx.log(), ctx.dialogs(), folder, neededKB);
}

void LogFreeSpace(RunContext& ctx, const QString& folder) {
    LogFreeSpace(ctx.log(), folder);
}

bool SaveLogFile(RunContext& ctx) {
    if (SaveRunLog(ctx.log().lines(), ctx.folders().stateDir)) return true;
    Log(ctx, lmAdd,
        QStringLiteral("Fehler:    Die Logdatei ") + RunLogPath(ctx.folders().stateDir) +
            QStringLiteral(" konnte nicht gespeichert werden."));
    return false;
}

void LogRunEnd(RunContext& ctx) {
    Log(ctx, lmAdd, QStringLiteral("-----------------------------"));
    Log(ctx, lmAdd, QStringLiteral("Ende:      ") + NowText());
    LogFreeSpace(ctx, ctx.settings().work);
    Log(ctx, lmAdd, QString());
    ctx.backToIdle();
    SaveLogFile(ctx);
}

namespace {

Outcome ToolEnd(RunContext& ctx, bool ok) {
    return ctx.runner().lastRunKilled() ? Outcome::Aborted : DoneIf(ok);
}

}  // namespace

Outcome RunPiped(RunContext& ctx, const ToolCall& call) {
    return ToolEnd(ctx, ctx.runner().RunToolPiped(call));
}

Outcome RunHidden(RunContext& ctx, const ToolCall& call) {
    return ToolEnd(ctx, ctx.runner().RunTool(call));
}

ToolCall Guarded(ToolCall call, const QStringList& outputs, qint64 estimateKB) {
    call.outputs = outputs;
    call.limitKB = 3 * qMax<qint64>(estimateKB, 0) + 1024;
    return call;
}

qint64 MinimumResultKB(qint64 estimateKB) {
    return qMax<qint64>(0, (estimateKB - 1024) * 3 / 4);
}

bool ResultComplete(RunContext& ctx, const QStringList& files, qint64 minimumKB) {
    for (const QString& file : files) {
        if (QFileInfo(file).size() > 0) continue;
        Add(ctx, QStringLiteral("Fehler:    Die Datei ") + file + QStringLiteral(" fehlt oder ist leer."));
        return false;
    }
    const qint64 actualKB = OutputSizeKB(files);
    if (actualKB < minimumKB) {
        Add(ctx, QStringLiteral("Fehler:    Das Ergebnis ist unvollständig (") +
                     FormatWhole(actualKB / 1024.0) + QStringLiteral(" MB, mindestens ") +
                     FormatWhole(minimumKB / 1024.0) + QStringLiteral(" MB erwartet)."));
        return false;
    }
    const VolumeInfo volume = QueryVolume(files.value(0));
    if (volume.valid && volume.availableBytes < kFullDiskBytes) {
        Add(ctx, QStringLiteral("Fehler:    Der Datenträger ") + volume.root +
                     QStringLiteral(" ist voll, das Ergebnis ist unvollständig."));
        return false;
    }
    return true;
}

void SourceMissing(RunContext& ctx, const QString& path) {
    Add(ctx, QStringLiteral("Fehler:    Die Quelle ") + path + QStringLiteral(" wurde nicht gefunden."));
}

void SectionHeader(RunContext& ctx, const QString& title, bool doubleRule) {
    Add(ctx, QString());
    Add(ctx, NowText() + title);
    Add(ctx, doubleRule ? QStringLiteral("=============================")
                        : QStringLiteral("-----------------------------"));
}

void StartBanner(RunContext& ctx, const QString& tool) {
    Add(ctx, QStringLiteral("  //======================="));
    Add(ctx, QStringLiteral(" //  ") + tool + QStringLiteral(" - Start"));
    Add(ctx, QStringLiteral("//========================="));
}

QString EndLine(const QString& tool) {
    return QStringLiteral(" \\\\  ") + tool + QStringLiteral(" - Ende");
}

void EndBanner(RunContext& ctx, const QString& middleLine) {
    Add(ctx, QStringLiteral("\\\\========================="));
    Add(ctx, middleLine);
    Add(ctx, QStringLiteral("  \\\\======================="));
}

void SizeLine(RunContext& ctx, LogMode mode, const QString& pattern, qint64 kb) {
    Log(ctx, mode, FormatSize(pattern, kb / 1024.0));
}

void StateWrite(RunContext& ctx, int number) {
    StateWrite(ctx.log(), ctx.state().runProjectFile, number);
}

UnitStart BeginSourceUnit(RunContext& ctx, int i, int base) {
    const MPEGInfo& source = ctx.sources()[i];
    if (source.NavPacks) {
        Add(ctx, QStringLiteral("Datei:     ") + source.Datei);
        if (!FileExists(source.Datei)) {
            SourceMissing(ctx, source.Datei);
            return UnitStart::Stop;
        }
        Indented(ctx, QStringLiteral("... gefunden."));
        Indented(ctx, QStringLiteral("Bearbeitung nicht notwendig."));
        Add(ctx, QString());
        return UnitStart::Skip;
    }
    RunState& run = ctx.state();
    run.processingState = base + i;
    if (UnitDone(run, run.processingState)) {
        Indented(ctx, QString::asprintf("[%.3d] bereits abgearbeitet.", run.processingState));
        return UnitStart::Skip;
    }
    run.resumePoint = 0;
    return UnitStart::Run;
}

bool StoppedForAbort(RunContext& ctx) {
    RunState& run = ctx.state();
    if (!run.abortRequested) return false;
    Add(ctx, AbortLine());
    run.resumePoint = run.processingState - 1;
    return true;
}

Outcome ForEachSource(RunContext& ctx, int base, const std::function<Outcome(RunContext&, int)>& unit) {
    for (int i = 1; i <= ctx.sources().count(); ++i) {
        const UnitStart start = BeginSourceUnit(ctx, i, base);
        if (start == UnitStart::Skip) continue;
        if (start == UnitStart::Stop) return Outcome::Failed;
        if (StoppedForAbort(ctx)) return Outcome::Aborted;
        if (const Outcome outcome = unit(ctx, i); outcome != Outcome::Done) return outcome;
    }
    return Outcome::Done;
}

bool DeleteOldOutput(RunContext& ctx, const QString& path, int waitMs) {
    if (!FileExists(path)) return true;
    Indented(ctx, QStringLiteral("... bereits vorhanden."));
    const Removal removal = DeleteRunFile(ctx, path);
    if (waitMs > 0) Wait(waitMs);
    if (removal != Removal::Gone || FileExists(path)) {
        Add(ctx, QStringLiteral("Fehler:    Die Datei konnte nicht gelöscht werden."));
        return false;
    }
    Indented(ctx, QStringLiteral("... gelöscht."));
    return true;
}

void ReportDeletion(RunContext& ctx, const QString& path) {
    if (FileExists(path))
        Add(ctx, QStringLiteral("Fehler:    ") + path + QStringLiteral(" konnte nicht gelöscht werden"));
    else
        Add(ctx, QStringLiteral("Gelöscht:  ") + path);
}
