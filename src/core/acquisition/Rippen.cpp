#include "acquisition/Rippen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "acquisition/DiscDevice.h"
#include "acquisition/DriveList.h"
#include "acquisition/RipChapters.h"
#include "acquisition/RipTarget.h"
#include "acquisition/VcdImage.h"
#include "base/FileHelpers.h"
#include "persistence/Settings.h"
#include "pipeline/RunSupport.h"
#include "platform/Paths.h"

namespace {

// A form-2 sector of a disc carries 2324 bytes of MPEG where the device counts 2048.
constexpr qint64 kDeviceSectorBytes = 2048;
constexpr qint64 kMpegSectorBytes = 2324;

QString RipFolder(RunContext& ctx) {
    return WithoutTrailingSlash(ctx.settings().ripRoot);
}

QString TempFolderOf(const QString& ripFolder) {
    return JoinPath(ripFolder, QStringLiteral("temp"));
}

QString Helper(RunContext& ctx) {
    return ctx.settings().tools[Tool::lkVCDxRip];
}

// The heading of both drivers, the helper's check and its banner in the log.
bool BeginAcquisition(RunContext& ctx) {
    Add(ctx, QStringLiteral("Rippen"));
    Add(ctx, QStringLiteral("========"));
    Add(ctx, QString());
    const QString helper = Helper(ctx);
    if (!FileExists(helper)) {
        Add(ctx, QStringLiteral("Fehler:    Die lkVCDxRip.exe wurde nicht gefunden."));
        return false;
    }
    RunPiped(ctx, VersionQuery(helper).call());
    Add(ctx, QString());
    QCoreApplication::processEvents();
    return true;
}

// The drivers stop between two items when the user asked to abort.
bool AbortBetweenItems(RunContext& ctx) {
    if (!ctx.state().abortRequested) return false;
    Add(ctx, AbortLine());
    return true;
}

// Logs the target; an existing one may be replaced only after the user's Yes. It
// stays until the new track takes its place (MoveToTarget), so a disc that turns
// out to be no (S)VCD, or a failed rip, costs the user nothing.
bool MayReplaceTarget(RunContext& ctx, const QString& target) {
    Add(ctx, QStringLiteral("Ziel:      ") + target);
    if (!QFileInfo::exists(target)) return true;
    Indented(ctx, QStringLiteral("... gefunden."));
    const QString question = QStringLiteral("Die Zieldatei ") + target +
                             QStringLiteral("\r\nist bereits vorhanden. Überschreiben?");
    if (ctx.dialogs().ask(Dialogs::Kind::Confirmation, question) == Dialogs::Answer::Yes) return true;
    Add(ctx, AbortLine());
    return false;
}

// Moves the track to the target; an old target is replaced in the same step.
bool MoveToTarget(const QString& track, const QString& target) {
    if (!QFileInfo::exists(target)) return QFile::rename(track, target);
    return std::rename(QFile::encodeName(track).constData(), QFile::encodeName(target).constData()) == 0;
}

// Makes the helper's output folder anew and empty.
bool PrepareTemp(RunContext& ctx, const QString& temp) {
    Add(ctx, QString());
    Add(ctx, QStringLiteral("Temporär:  ") + temp);
    if (QFileInfo::exists(temp)) {
        Indented(ctx, QStringLiteral("... vorhanden."));
        Wait(1000);
        if (!DeleteTree(temp)) {
            Add(ctx, QStringLiteral("Fehler:    ... konnte nicht gelöscht werden."));
            return false;
        }
        Indented(ctx, QStringLiteral("... gelöscht."));
    }
    Wait(500);
    if (!QFileInfo::exists(temp)) {
        Wait(500);
        QDir().mkpath(temp);
    }
    if (!QFileInfo(temp).isDir()) {
        Add(ctx, QStringLiteral("Fehler:    ... konnte nicht angelegt werden."));
        return false;
    }
    Indented(ctx, QStringLiteral("... angelegt."));
    return true;
}

// The expected size, the free-space check, the gauge and the log file before
// the helper runs. False when the user stops for lack of space.
bool PrepareRun(RunContext& ctx, const QString& ripFolder, qint64 estimateKB, ToolCall& call) {
    call = Guarded(call, {TempFolderOf(ripFolder)}, estimateKB);
    SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Voraussichtlich %1.0n MB"), estimateKB);
    if (SpaceFor(ctx, ripFolder, estimateKB) != Outcome::Done) return false;
    ctx.progress().showGauge(estimateKB);
    SaveLogFile(ctx);
    return true;
}

qint64 Estimate(qint64 bytes, double factor) {
    return std::llround(static_cast<double>(qMax<qint64>(bytes, 0) / 1024) * factor);
}

// The MPEG a disc can hold: its sectors, each with a form-2 payload.
qint64 DiscEstimateKB(const QString& device) {
    return Estimate(MediumBytes(device) / kDeviceSectorBytes * kMpegSectorBytes, 0.988);
}

// Runs the helper on a disc; the gauge follows whichever main track it writes.
Outcome RunFollowingTrack(RunContext& ctx, const ToolCall& call, const QString& temp) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout,
                     [&] { ctx.progress().setGaugePosition(FileSizeKB(temp + FoundTrack(temp))); });
    poll.start(1000);
    return RunHidden(ctx, call);
}

void RemoveTemp(RunContext& ctx, const QString& temp) {
    Add(ctx, QString());
    Add(ctx, QStringLiteral("Temporär:  ") + temp);
    if (!QFileInfo::exists(temp)) return;
    Indented(ctx, QStringLiteral("... gefunden."));
    if (DeleteTree(temp))
        Indented(ctx, QStringLiteral("... gelöscht."));
    else
        Add(ctx, QStringLiteral("Fehler:    ... konnte nicht gelöscht werden."));
}

// What follows the move of the track to its target: its size, its chapters,
// the source list and the removal of the output folder.
bool Finish(RunContext& ctx, const RipJob& job, const QString& target, const QString& temp) {
    SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Tatsächlich %1.0n MB"), FileSizeKB(target));
    if (FileExists(JoinPath(temp, QStringLiteral("svcd.xml"))) ||
        FileExists(JoinPath(temp, QStringLiteral("vcd.xml"))))
        ReadRipChapters(ctx, temp, target);
    if (ctx.settings().ripAddToList) {
        Add(ctx, QString());
        if (job.addRippedFile && job.addRippedFile(target))
            Add(ctx, QStringLiteral("MPEGListe: Die Datei wurde in die Liste eingefügt"));
        else
            Add(ctx, QStringLiteral("MPEGListe: Die Datei konnte nicht in die Liste eingefügt werden"));
    }
    RemoveTemp(ctx, temp);
    Add(ctx, QString());
    return true;
}

}  // namespace

CommandPlan DiscRipPlan(const QString& helper, const QString& temp, const QString& address) {
    CommandPlan plan{helper};
    // The log's argument text begins with a blank.
    plan.shownAs(QStringLiteral("/o"), QStringLiteral(" /o")).quoted(temp);
    return plan.arg(QStringLiteral("/c"))
        .arg(address)
        .arg(QStringLiteral("/d"))
        .arg(QStringLiteral("GENERIC"));
}

CommandPlan ExtractionPlan(const QString& helper, const QString& temp, const QString& image) {
    const QString extension = QFileInfo(image).suffix().toLower();
    QString option;
    if (extension == QLatin1String("bin"))
        option = QStringLiteral("/b");
    else if (extension == QLatin1String("nrg"))
        option = QStringLiteral("/n");
    CommandPlan plan{helper};
    if (option.isEmpty()) return plan;
    // The image path stands unquoted at the end, as the helper expects it.
    plan.shownAs(QStringLiteral("/o"), QStringLiteral(" /o")).quoted(temp);
    return plan.arg(option).arg(image);
}

Outcome RipDiscs(RunContext& ctx, const QStringList& entries, const RipJob& job) {
    if (!BeginAcquisition(ctx)) return Outcome::Failed;
    QStringList discs;
    for (const QString& entry : entries)
        if (!entry.contains(NoMediumText())) discs << entry;
    if (discs.isEmpty()) {
        ctx.dialogs().tell(Dialogs::Kind::Information,
                           QStringLiteral("Es sind keine Datenträger eingelegt."));
        Add(ctx, QStringLiteral("Fehler:    Es sind keine Datenträger eingelegt."));
        return Outcome::Failed;
    }
    Outcome outcome = Outcome::Done;
    for (int k = 0; k < discs.size(); ++k) {
        if (AbortBetweenItems(ctx)) return Outcome::Aborted;
        if (RipDisc(ctx, discs[k], k, job)) continue;
        if (AbortBetweenItems(ctx)) return Outcome::Aborted;
        Add(ctx, QStringLiteral("Rippen:    Beim Extrahieren des Images"));
        Indented(ctx, discs[k]);
        Indented(ctx, QStringLiteral("ist ein Fehler aufgetreten."));
        outcome = Outcome::Failed;
    }
    return outcome;
}

bool RipDisc(RunContext& ctx, const QString& entry, int index, const RipJob& job) {
    const DriveEntryParts drive = ParseDriveEntry(entry);
    const QString rip = RipFolder(ctx);
    const QString temp = TempFolderOf(rip);
    Add(ctx, QStringLiteral("Quelle:    ") + entry);
    const QString target = DiscTargetPath(rip, job.ripName.isEmpty() ? drive.text : job.ripName, index);
    if (!MayReplaceTarget(ctx, target)) return false;
    const QString address = QString(drive.address).replace(QLatin1Char(':'), QLatin1Char(','));
    const ToolCall call = DiscRipPlan(Helper(ctx), temp, address).call();
    if (!PrepareTemp(ctx, temp)) return false;
    Add(ctx, QString());
    ToolCall guarded = call;
    if (!PrepareRun(ctx, rip, DiscEstimateKB(drive.device), guarded)) return false;

    // The disc's files are not mounted: the main track is the one the helper wrote.
    const Outcome outcome = RunFollowingTrack(ctx, guarded, temp);
    if (outcome == Outcome::Aborted) return false;
    const QString track = FoundTrack(temp);
    if (track.isEmpty()) {
        Add(ctx, QStringLiteral("Fehler:    Die Quelle ist keine (S)VCD."));
        return false;
    }
    // A disc may hold further tracks: only an empty main track is known to be wrong.
    if (outcome == Outcome::Failed || !ResultComplete(ctx, {temp + track}, 0)) return false;

    Add(ctx, QString());
    Add(ctx, QStringLiteral("Ziel:      ") + target);
    if (!MoveToTarget(temp + track, target)) {
        Add(ctx, QStringLiteral("Fehler:    ... Zieldatei konnte nicht angelegt werden."));
        return false;
    }
    Indented(ctx, QStringLiteral("... Zieldatei angelegt."));
    return Finish(ctx, job, target, temp);
}

Outcome ExtractImages(RunContext& ctx, const QStringList& images, const RipJob& job) {
    if (!BeginAcquisition(ctx)) return Outcome::Failed;
    Outcome outcome = Outcome::Done;
    for (int i = 0; i < images.size(); ++i) {
        if (AbortBetweenItems(ctx)) return Outcome::Aborted;
        if (ExtractImage(ctx, images[i], i, job)) continue;
        if (AbortBetweenItems(ctx)) return Outcome::Aborted;
        Add(ctx, QStringLiteral("Extract:   Beim Extrahieren des Images"));
        Indented(ctx, images[i]);
        Indented(ctx, QStringLiteral("ist ein Fehler aufgetreten."));
        Add(ctx, QString());
        outcome = Outcome::Failed;
    }
    return outcome;
}

bool ExtractImage(RunContext& ctx, const QString& image, int index, const RipJob& job) {
    const QString rip = RipFolder(ctx);
    const QString temp = TempFolderOf(rip);
    Add(ctx, QStringLiteral("Quelle:    ") + image);
    const QString target = ImageTargetPath(rip, image, index);
    if (!MayReplaceTarget(ctx, target)) return false;
    const QString track = ImageTrack(image);
    ToolCall call = ExtractionPlan(Helper(ctx), temp, image).call(temp + track);
    if (!PrepareTemp(ctx, temp)) return false;
    Add(ctx, QString());
    if (!PrepareRun(ctx, rip, Estimate(FileSizeOf(image), 0.992), call)) return false;
    if (RunHidden(ctx, call) != Outcome::Done) return false;

    const QString extract = temp + track;
    Add(ctx, QString());
    Add(ctx, QStringLiteral("Extrakt:   ") + extract);
    if (!FileExists(extract)) {
        Add(ctx, QStringLiteral("Fehler:    ... nicht gefunden."));
        return false;
    }
    Indented(ctx, QStringLiteral("... gefunden."));
    if (!ResultComplete(ctx, {extract}, 0)) return false;
    Add(ctx, QStringLiteral("Ziel:      ") + target);
    if (!MoveToTarget(extract, target)) {
        Add(ctx, QStringLiteral("Fehler:    ... Zieldatei konnte nicht verschoben werden."));
        return false;
    }
    Indented(ctx, QStringLiteral("... verschoben und umbenannt."));
    return Finish(ctx, job, target, temp);
}
