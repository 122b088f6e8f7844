#include "pipeline/Image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "base/FileHelpers.h"
#include "pipeline/RunSupport.h"
#include "platform/Paths.h"

bool HasVideoManager(const QString& dvd) {
    QDir folder(dvd);
    for (const QString& name : {QStringLiteral("video_ts"), QStringLiteral("video_ts.ifo")}) {
        const QStringList entries = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        auto found = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
            return entry.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (found == entries.end()) return false;
        folder.setPath(folder.filePath(*found));
    }
    return QFileInfo(folder.path()).isFile();
}

namespace {

QString SplitPart(const QString& image, int part) {
    return image + QString::asprintf("_%.2d", part);
}

// The image itself when it exists, else its split parts that exist.
QStringList ImageFiles(const QString& image) {
    if (FileExists(image)) return {image};
    QStringList parts;
    for (int part = 0; part < 100 && FileExists(SplitPart(image, part)); ++part)
        parts << SplitPart(image, part);
    return parts;
}

void RemoveFiles(const QStringList& files) {
    for (const QString& file : files)
        QFile::remove(file);
}

// Gives the image written under its temporary name its own name.
bool Rename(const QString& temporary, const QString& image) {
    for (const QString& file : ImageFiles(temporary))
        if (!QFile::rename(file, image + file.mid(temporary.size()))) return false;
    return true;
}

}  // namespace

CommandPlan MkisofsPlan(const QString& mkisofs, const QString& label, bool split, const QString& image,
                        const QString& written, const QString& dvd) {
    CommandPlan plan{mkisofs};
    // The log's argument text begins with a blank.
    plan.shownAs(QStringLiteral("-dvd-video"), QStringLiteral(" -dvd-video"));
    plan.arg(QStringLiteral("-V")).quoted(label);
    if (split) plan.arg(QStringLiteral("-split-output"));
    plan.arg(QStringLiteral("-o")).shownAs(written, QLatin1Char('"') + image + QLatin1Char('"'));
    return plan.quoted(dvd);
}

qint64 ImageSizeKB(const QString& image) {
    qint64 sum = 0;
    for (const QString& file : ImageFiles(image))
        sum += FileSizeKB(file);
    return sum;
}

Outcome MakeImage(RunContext& ctx) {
    if (const Outcome go = ConfirmStep(ctx, QStringLiteral("Image erstellen")); go != Outcome::Done)
        return go;
    const ProgramSettings s = ctx.settings();
    const QString dvd = s.dvdRoot;
    Add(ctx, QStringLiteral("Wurzel:    ") + dvd);
    if (!HasVideoManager(dvd)) {
        Add(ctx, QStringLiteral("Fehler:    ... nicht gefunden."));
        return Outcome::Failed;
    }
    Indented(ctx, QStringLiteral("... gefunden."));
    const QString image = s.isoPath;
    Add(ctx, QStringLiteral("Image:     ") + image);
    if (image.isEmpty()) {
        Add(ctx, QStringLiteral("Fehler:    Es wurde nicht angegeben, in welche Datei das Image"));
        Indented(ctx, QStringLiteral("gespeichert werden soll."));
        return Outcome::Failed;
    }
    if (!DeleteOldOutput(ctx, image)) return Outcome::Failed;
    const bool split = ctx.controls().splitEnabled && s.split;
    // Old parts of a split image would be counted as part of the new one.
    for (int part = 0; part < 100 && FileExists(SplitPart(image, part)); ++part)
        if (!DeleteOldOutput(ctx, SplitPart(image, part))) return Outcome::Failed;
    // Written under a temporary name, the image gets its name only when complete.
    const QString temporary = image + QStringLiteral(".part");
    RemoveFiles(ImageFiles(temporary));
    const qint64 estimate = std::llround(DirSize(dvd, true) / 1024.0) + 1;
    SizeLine(ctx, lmIndent, QStringLiteral("Voraussichtliche Größe %1.0n MB"), estimate);
    if (const Outcome room = SpaceFor(ctx, QFileInfo(image).absolutePath(), estimate); room != Outcome::Done)
        return room;

    const QString mkisofs = s.tools[Tool::mkisofs];
    const CommandPlan plan = MkisofsPlan(mkisofs, s.label, split, image, temporary, dvd);
    Add(ctx, QStringLiteral("Befehl:    ") + plan.commandLine());
    Add(ctx, QString());
    StartBanner(ctx, QStringLiteral("MKISOFS"));
    // The version query's result does not count, but an abort during it does.
    Outcome outcome = RunPiped(ctx, VersionQuery(mkisofs).call());
    Add(ctx, QString());
    if (outcome != Outcome::Aborted)
        outcome =
            RunPiped(ctx, Guarded(plan.call(), {temporary, temporary + QStringLiteral("_*")}, estimate));
    if (outcome != Outcome::Done) {
        RemoveFiles(ImageFiles(temporary));
        EndBanner(ctx, QStringLiteral(" \\\\ MKISOFS - Ende"));
        Add(ctx, QString());
        if (outcome == Outcome::Aborted) Add(ctx, AbortLine());
        return outcome;
    }
    EndBanner(ctx, QStringLiteral(" \\\\  MKOSOFS - Ende"));
    Add(ctx, QString());
    SizeLine(ctx, lmAdd, QStringLiteral("Benötigt:  Tatsächlich %1.0n MB"), ImageSizeKB(temporary));
    const QStringList written = ImageFiles(temporary);
    if (!ResultComplete(ctx, written.isEmpty() ? QStringList{image} : written, MinimumResultKB(estimate))) {
        RemoveFiles(written);
        return Outcome::Failed;
    }
    if (!Rename(temporary, image)) {
        Add(ctx, QStringLiteral("Fehler:    Das Image konnte nicht unter ") + image +
                     QStringLiteral(" gespeichert werden."));
        return Outcome::Failed;
    }
    StateWrite(ctx, 501);
    return DoneIf(SaveLogFile(ctx));
}
