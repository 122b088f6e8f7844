#include "pipeline/Author.h"

#include <QDir>
#include <QFile>

#include "base/FileHelpers.h"
#include "base/FileWrite.h"
#include "base/Format.h"
#include "pipeline/AuthorScript.h"
#include "pipeline/Image.h"
#include "pipeline/RunSupport.h"
#include "pipeline/SizeEstimate.h"
#include "pipeline/SourceGuard.h"
#include "pipeline/WorkFiles.h"
#include "platform/Paths.h"
#include "sources/SourceTable.h"

namespace {

// The entries of folder whose name is name in any letter case ("VIDEO_TS", "video_ts").
QStringList EntriesIgnoringCase(const QString& folder, const QString& name) {
    QStringList found;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) found << JoinPath(folder, entry);
    return found;
}

QString EntryIgnoringCase(const QString& folder, const QString& name) {
    return EntriesIgnoringCase(folder, name).value(0);
}

// Whether the user asked to abort; if so, logs it and resumes at the current unit.
bool StoppedHereForAbort(RunContext& ctx) {
    RunState& run = ctx.state();
    if (!run.abortRequested) return false;
    Add(ctx, AbortLine());
    run.resumePoint = run.processingState;
    return true;
}

// Removes an old video_ts or audio_ts folder in every letter case (dvdauthor would
// add its titles to one left behind). False when one could not be removed.
bool RemoveOld(RunContext& ctx, const QString& dvd, const QString& name) {
    const QStringList folders = EntriesIgnoringCase(dvd, name);
    if (folders.isEmpty()) {
        Indented(ctx, JoinPath(dvd, name) + QStringLiteral(" nicht gefunden."));
        return true;
    }
    for (const QString& folder : folders) {
        Indented(ctx, folder + QStringLiteral(" gefunden."));
        if (DeleteRunFile(ctx, folder) != Removal::Gone) {
            Add(ctx,
                QStringLiteral("Fehler:    ") + folder + QStringLiteral(" konnte nicht gelöscht werden."));
            return false;
        }
        Wait(2000);
        Indented(ctx, QStringLiteral("... gelöscht."));
        LogFreeSpace(ctx, dvd);
    }
    return true;
}

bool PrepareScriptFile(RunContext& ctx, const QString& script) {
    Add(ctx, QStringLiteral("XML-Datei: ") + script);
    if (!DeleteOldOutput(ctx, script)) return false;
    Add(ctx, QString());
    return true;
}

bool SaveScript(RunContext& ctx, const QString& path, const QStringList& lines) {
    QByteArray data;
    for (const QString& line : lines)
        data += line.toUtf8() + "\r\n";
    if (WriteFileWhole(path, data)) return true;
    Add(ctx,
        QStringLiteral("Fehler:    Die Datei ") + path + QStringLiteral(" konnte nicht gespeichert werden."));
    return false;
}

void CopyScriptToLog(RunContext& ctx, const QStringList& lines) {
    Add(ctx, QString());
    Add(ctx, QStringLiteral(">=================="));
    Add(ctx, QStringLiteral("> XML-Script"));
    Add(ctx, QStringLiteral(">--------------------"));
    for (const QString& line : lines)
        Add(ctx, QStringLiteral("> ") + line);
    Add(ctx, QStringLiteral(">--------------------"));
    Add(ctx, QStringLiteral("> XML-Script"));
    Add(ctx, QStringLiteral(">=================="));
}

qint64 EstimateKB(RunContext& ctx, const ProgramSettings& s) {
    qint64 sum = 0;
    const SourceTable& table = ctx.sources();
    for (int i = 1; i <= table.count(); ++i)
        sum += FileSizeKB(AuthorVideoFile(s.work, i, table[i]));
    return AuthorEstimateKB(sum, s);
}

qint64 ActualKB(const QString& dvd, int titleSets) {
    const QString videoTs = EntryIgnoringCase(dvd, QStringLiteral("video_ts"));
    if (videoTs.isEmpty()) return 0;
    qint64 sum = FileSizeKB(EntryIgnoringCase(videoTs, QStringLiteral("video_ts.vob")));
    for (int v = 1; v <= titleSets; ++v)
        for (int part = 1; part <= 9; ++part)
            sum += FileSizeKB(EntryIgnoringCase(videoTs, QString::asprintf("vts_%.2d_%.1d.vob", v, part)));
    return sum;
}

// The first title's video file that is missing; empty when all are there.
QString MissingInput(RunContext& ctx, const QString& work) {
    const SourceTable& table = ctx.sources();
    for (int i = 1; i <= table.count(); ++i)
        if (!FileExists(AuthorVideoFile(work, i, table[i]))) return AuthorVideoFile(work, i, table[i]);
    return QString();
}

// The files a complete DVD structure has: the video manager and the first part
// of every title set, then the further parts that were written.
QStringList DvdFiles(const QString& dvd, int titleSets) {
    QString videoTs = EntryIgnoringCase(dvd, QStringLiteral("video_ts"));
    if (videoTs.isEmpty()) videoTs = JoinPath(dvd, QStringLiteral("VIDEO_TS"));
    const auto file = [&](const QString& name) {
        const QString found = EntryIgnoringCase(videoTs, name);
        return found.isEmpty() ? JoinPath(videoTs, name.toUpper()) : found;
    };
    QStringList files{file(QStringLiteral("video_ts.ifo"))};
    for (int v = 1; v <= titleSets; ++v)
        for (int part = 1; part <= 9; ++part) {
            const QString vob = file(QString::asprintf("vts_%.2d_%.1d.vob", v, part));
            if (part == 1 || FileExists(vob)) files << vob;
        }
    return files;
}

void DeleteProgramStreams(RunContext& ctx, const QString& work) {
    LogFreeSpace(ctx, work);
    const SourceTable& table = ctx.sources();
    for (int i = 1; i <= table.count(); ++i) {
        if (table[i].NavPacks) continue;  // its own file went onto the DVD
        const QString path = WorkFiles::Muxed(work, i);
        if (DeleteRunFile(ctx, path, 10, 200) != Removal::SourceKept) ReportDeletion(ctx, path);
    }
}

}  // namespace

CommandPlan DvdauthorPlan(const QString& dvdauthor, const QString& script) {
    CommandPlan plan{dvdauthor};
    plan.environment << QStringLiteral("VIDEO_FORMAT=PAL");
    return plan.arg(QStringLiteral("-x")).quoted(script);
}

Outcome Author(RunContext& ctx) {
    if (const Outcome go = ConfirmStep(ctx, QStringLiteral("Authoring")); go != Outcome::Done) return go;
    if (StoppedHereForAbort(ctx)) return Outcome::Aborted;
    ProgramSettings s = ctx.settings();
    const QString dvd = s.dvdRoot;
    RunState& run = ctx.state();
    Add(ctx, QStringLiteral("Wurzel:    ") + dvd);
    // The inputs are checked before the old structure goes: a resumed run
    // whose inputs were deleted after authoring keeps the finished DVD.
    if (const QString missing = MissingInput(ctx, s.work); !missing.isEmpty()) {
        if (run.resumePoint < 402 || !HasVideoManager(dvd))
            return SourceMissing(ctx, missing), Outcome::Failed;
        Add(ctx, QStringLiteral("Hinweis:   ") + missing + QStringLiteral(" ist nicht mehr vorhanden."));
        Indented(ctx, QStringLiteral("Das Authoring wurde bereits abgeschlossen, die DVD-Struktur bleibt."));
        run.processingState = 402;
        StateWrite(ctx, 402);
        return Outcome::Done;
    }
    Add(ctx, QStringLiteral("Prüfung:   Alte DVD-Struktur vorhanden?"));
    if (!RemoveOld(ctx, dvd, QStringLiteral("video_ts")) || !RemoveOld(ctx, dvd, QStringLiteral("audio_ts")))
        return Outcome::Failed;
    run.processingState = 400;
    StateWrite(ctx, 400);

    const QString dvdauthor = s.tools[Tool::DVDauthor];
    if (!FileExists(dvdauthor)) {
        Add(ctx, QStringLiteral("Fehler:    Die dvdauthor.exe wurde nicht gefunden."));
        return Outcome::Failed;
    }
    QDir().mkpath(dvd);
    if (!QFileInfo(dvd).isDir()) {
        Add(ctx,
            QStringLiteral("Fehler:    Das Verzeichnis ") + dvd + QStringLiteral(" wurde nicht gefunden."));
        return Outcome::Failed;
    }
    const QString script = WorkFiles::Script(s.work);
    if (!PrepareScriptFile(ctx, script)) return Outcome::Failed;
    if (StoppedHereForAbort(ctx)) return Outcome::Aborted;

    QStringList lines;
    if (!BuildAuthorScript(ctx, lines)) return Outcome::Failed;
    if (s.editScript) {
        Add(ctx, NowText() + QStringLiteral(" - Fenster XML Edit göffnet."));
        ctx.editScript(lines);
        Add(ctx, NowText() + QStringLiteral(" - Fenster XML Edit geschlossen."));
    }
    if (!SaveScript(ctx, script, lines)) return Outcome::Failed;
    CopyScriptToLog(ctx, lines);
    run.processingState = 401;
    StateWrite(ctx, 401);
    if (StoppedHereForAbort(ctx)) return Outcome::Aborted;

    const qint64 estimate = EstimateKB(ctx, s);
    SizeLine(ctx, lmAdd, QStringLiteral("Benötigt:  Voraussichtlich etwa %1.0n MB"), estimate);
    if (const Outcome room = SpaceFor(ctx, dvd, estimate); room != Outcome::Done) return room;
    const CommandPlan plan = DvdauthorPlan(dvdauthor, script);
    Add(ctx, QStringLiteral("Befehl:    ") + plan.commandLine());
    Add(ctx, QString());
    StartBanner(ctx, QStringLiteral("DVDauthor"));
    const Outcome outcome =
        RunPiped(ctx, Guarded(plan.call(), {JoinPath(dvd, QStringLiteral("VIDEO_TS"))}, estimate));
    EndBanner(ctx, EndLine(QStringLiteral("DVDauthor")));
    Add(ctx, QString());
    if (outcome == Outcome::Aborted) Add(ctx, AbortLine());
    if (outcome != Outcome::Done) return outcome;

    const SourceTable& table = ctx.sources();
    const int titleSets = table[table.count()].VTS;
    SizeLine(ctx, lmAdd, QStringLiteral("Benötigt:  Tatsächlich %1.0n MB"), ActualKB(dvd, titleSets));
    if (!ResultComplete(ctx, DvdFiles(dvd, titleSets), MinimumResultKB(estimate))) return Outcome::Failed;
    if (ctx.settings().tempPolicy == kDeleteAtOnce) DeleteProgramStreams(ctx, s.work);
    run.processingState = 402;
    StateWrite(ctx, 402);
    return Outcome::Done;
}
