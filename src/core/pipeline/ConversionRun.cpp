#include "pipeline/ConversionRun.h"

#include <QFileInfo>
#include <functional>

#include "base/FileHelpers.h"
#include "base/Format.h"
#include "pipeline/Author.h"
#include "pipeline/Brennen.h"
#include "pipeline/Demuxen.h"
#include "pipeline/DiscCheck.h"
#include "pipeline/Image.h"
#include "pipeline/Muxen.h"
#include "pipeline/RunSupport.h"
#include "pipeline/SizeEstimate.h"
#include "pipeline/SourceGuard.h"
#include "pipeline/Upmix.h"
#include "pipeline/WorkFiles.h"
#include "platform/Paths.h"
#include "platform/Product.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"

namespace {

// Stage indexes of the stage list: a step runs when the chosen index is not
// above its own (-1, nothing chosen, runs everything).
enum Stage { kDemux = 0, kUpmix = 1, kMux = 2, kAuthor = 3, kImage = 4, kDecrypter = 5 };

void StartHeader(RunContext& ctx) {
    Add(ctx,
        QStringLiteral("Tavrolin  - v") + ProgramVersion() + QStringLiteral(" - ") + ProductWebAddress());
    Add(ctx, ctx.controls().libraryText);
    Add(ctx, QString());
    Add(ctx, NowText() + QStringLiteral(" - Start"));
    Add(ctx, QStringLiteral("============================="));
}

void ChooseRunProjectFile(RunContext& ctx) {
    RunState& run = ctx.state();
    run.runProjectFile = JoinPath(ctx.folders().stateDir, QStringLiteral("Projekt-Temp.tvpr"));
    const ProgramSettings settings = ctx.settings();
    if (!settings.ownProjectName) return;
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Projektdatei speichern");
    request.filter = QStringLiteral("Projekt (*.tvpr)|*.tvpr");
    request.folder = settings.projects;
    request.fileName = run.runProjectFile;
    const QString chosen = ctx.dialogs().saveFile(request);
    if (chosen.isEmpty()) return;
    run.runProjectFile = ChangeFileExt(chosen, QStringLiteral(".tvpr"));
    ctx.setProjectFolder(QFileInfo(run.runProjectFile).absolutePath());
}

void ProjectBackup(RunContext& ctx) {
    ChooseRunProjectFile(ctx);
    const QString file = ctx.state().runProjectFile;
    Add(ctx, QStringLiteral("Projekt:   ") + file);
    Indented(ctx, ctx.saveSettings(file, false)
                      ? QStringLiteral("Programmeinstellungen gesichert.")
                      : QStringLiteral("Programmeinstellungen konnten nicht gesichert werden."));
    Indented(ctx, ctx.saveProject(file)
                      ? QStringLiteral("Quelleneigenschaften gesichert.")
                      : QStringLiteral("Quelleneigenschaften konnten nicht gesichert werden."));
    StateWrite(ctx, 1);
}

void ToolsBlock(RunContext& ctx, const ProgramSettings& s) {
    if (s.hideToolPaths) return;
    SectionHeader(ctx, QStringLiteral(" - Tools"));
    const std::pair<const char*, Tool> tools[] = {
        {"mpgtx:     ", Tool::mpgtx},     {"jrDMUX:    ", Tool::jrDMUX},    {"BeSweet:   ", Tool::BeSweet},
        {"MPlex:     ", Tool::MPlex},     {"DVDAuthor: ", Tool::DVDauthor}, {"mkisofs:   ", Tool::mkisofs},
        {"DVDDec.:   ", Tool::Decrypter}, {"ImgTool:   ", Tool::ImgTool}};
    for (const auto& [label, tool] : tools)
        Add(ctx, QLatin1String(label) + s.tools[tool]);
    StateWrite(ctx, 2);
}

void SettingsBlock(RunContext& ctx, const ProgramSettings& s, const ControlState& c) {
    SectionHeader(ctx, QStringLiteral(" - Einstellungen"));
    if (s.singleStep) Add(ctx, QStringLiteral("- Einzelschrittbestätigung."));
    if (s.editScript) Add(ctx, QStringLiteral("- XML-Script bearbeiten."));
    const QString policies[] = {QStringLiteral("- Temporäre Dateien sofort löschen."),
                                QStringLiteral("- Temporäre Dateien nach Abschluss löschen."),
                                QStringLiteral("- Temporäre Dateien nicht löschen.")};
    if (s.tempPolicy >= 0 && s.tempPolicy < 3) Add(ctx, policies[s.tempPolicy]);
    Add(ctx, QStringLiteral("- Prozesspriorität: ") + c.priorityText);
    if (s.variant1) Add(ctx, QStringLiteral("- Menüvariante 1."));
    if (s.variant2) Add(ctx, QStringLiteral("- Menüvariante 2."));
    if (c.imageEnabled && s.image) Add(ctx, QStringLiteral("- Image erstellen."));
    if (c.splitEnabled && s.split) Add(ctx, QStringLiteral("- Image splitten."));
    if (s.burn) {
        Add(ctx, QStringLiteral("- DVD brennen."));
        if (s.decrypter) Add(ctx, QStringLiteral("  Brennen mit DVD Decrypter."));
        if (s.imgTool) Add(ctx, QStringLiteral("  Brennen mit ImgTool Burn."));
        Add(ctx, QStringLiteral("  Label:   ") + s.label);
        Add(ctx, QStringLiteral("  Brenner: ") + c.burnerText);
        if (c.speedEnabled) Add(ctx, QStringLiteral("  Speed:   ") + c.speedText);
        if (s.erase) Add(ctx, QStringLiteral("  RWs ohne Nachfrage löschen."));
        if (s.eject && c.ejectEnabled) Add(ctx, QStringLiteral("  DVD nach dem Brennen nicht auswerfen."));
        if (s.burnLog && c.logEnabled) Add(ctx, QStringLiteral("  Logdatei speichern."));
    }
    Add(ctx, QStringLiteral("- Beginne mit ") + c.stageText);
    StateWrite(ctx, 3);
}

void FoldersBlock(RunContext& ctx, const ProgramSettings& s) {
    SectionHeader(ctx, QStringLiteral(" - Pfade"));
    Add(ctx, QStringLiteral("Arbeit:    ") + s.work);
    Add(ctx, QStringLiteral("DVDRoot:   ") + s.dvdRoot);
    StateWrite(ctx, 4);
}

void SourceBlock(RunContext& ctx, int i, const MPEGInfo& r) {
    SectionHeader(ctx, QStringLiteral(" - Quelle ") + QString::number(i));
    if (r.Elementar) {
        Add(ctx, QStringLiteral("Dateien:   ") + r.Datei);
        Indented(ctx, r.TonDatei[0]);
        if (!r.TonDatei[1].isEmpty()) Indented(ctx, r.TonDatei[1]);
    } else {
        Add(ctx, QStringLiteral("Datei:     ") + r.Datei);
    }
    if (r.Format.isEmpty()) {
        Add(ctx, QStringLiteral("Keine Informationen"));
        return;
    }
    Add(ctx, QStringLiteral("Video:"));
    Add(ctx, QStringLiteral("  Format:  ") + r.Format);
    Add(ctx,
        QStringLiteral("  Länge:   ") + (r.Spieldauer.isEmpty() ? QStringLiteral("Nicht verfügbar")
                                                                : SecondsToClock(r.Spieldauer.toLongLong())));
    Add(ctx, QStringLiteral("  Bild:    ") + r.Bildgroesse + QStringLiteral(" @ ") + r.Bildwiederholrate +
                 QStringLiteral(" fps"));
    Add(ctx, QStringLiteral("  AR:      ") + r.AspectRatio);
    const int tracks = qMin(r.trackCount(), 2);
    for (int j = 0; j < tracks; ++j) {
        Add(ctx, QString::asprintf("Audio %.1d:", j));
        Add(ctx, QStringLiteral("  Format:  ") + TableText(AudioFormatTable(), r.TonFormat[j]));
        Add(ctx, QStringLiteral("  Bitrate: ") + TableText(BitrateTable(), r.TonBitrate[j]) +
                     QStringLiteral(" @ ") + r.TonAbtastrate[j]);
    }
    Add(ctx, QStringLiteral("Kapitel:"));
    Add(ctx, QStringLiteral("  01:      00:00:00.000"));
    if (!r.Kapitel.isEmpty()) LogChapterList(ctx, r.Kapitel);
    if (r.NavPacks) {
        Add(ctx, QStringLiteral("Hinweis:"));
        Add(ctx, QStringLiteral("  Navigationspacks gefunden."));
    }
}

void MenuLines(RunContext& ctx, const ProgramSettings& s) {
    if (s.variant1) Add(ctx, QStringLiteral("Hauptmenü: ") + s.menu1);
    if (s.variant2) {
        Add(ctx, QStringLiteral("Hauptmenü: ") + s.menu2);
        Add(ctx, QStringLiteral("Untermenü: ") + s.menu3);
    }
}

void StructureBlock(RunContext& ctx, const ProgramSettings& s) {
    SectionHeader(ctx, QStringLiteral(" - DVD Struktur"));
    MenuLines(ctx, s);
    const SourceTable& table = ctx.sources();
    Add(ctx, QStringLiteral("VTS 1:     ") + table[1].Datei);
    for (int i = 2; i <= table.count(); ++i) {
        if (table[i].VTS == table[i - 1].VTS)
            Indented(ctx, table[i].Datei);
        else
            Add(ctx, QString::asprintf("VTS %.1d:     ", table[i].VTS) + table[i].Datei);
    }
    SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Voraussichtlich etwa %1.0n MB"), DvdEstimateKB(table, s));
    for (const QString& warning : StartWarnings(table, s))
        Add(ctx, QStringLiteral("Hinweis:   ") + warning);
    StateWrite(ctx, 6);
}

void Header(RunContext& ctx) {
    StartHeader(ctx);
    ProjectBackup(ctx);
    const ProgramSettings settings = ctx.settings();
    ToolsBlock(ctx, settings);
    SettingsBlock(ctx, settings, ctx.controls());
    FoldersBlock(ctx, settings);
    for (int i = 1; i <= ctx.sources().count(); ++i)
        SourceBlock(ctx, i, ctx.sources()[i]);
    MenuLines(ctx, settings);
    StateWrite(ctx, 5);
    StructureBlock(ctx, settings);
}

// Deletes the intermediate files after authoring ("Nach Muxen löschen").
Outcome CleanUp(RunContext& ctx) {
    if (const Outcome go = ConfirmStep(ctx, QStringLiteral("Temporäre Dateien löschen."));
        go != Outcome::Done)
        return go;
    Add(ctx, QStringLiteral("Hinweis:   Dateien löschen."));
    const QString work = ctx.settings().work;
    const SourceTable& table = ctx.sources();
    for (int i = 1; i <= table.count(); ++i) {
        const MPEGInfo& r = table[i];
        const int tracks = qMin(r.trackCount(), 2);
        QStringList files{WorkFiles::DemuxVideo(work, i, r.Format)};
        for (int j = 0; j < tracks; ++j)
            files << WorkFiles::DemuxAudio(work, i, j, r.TonFormat[j]);
        for (int j = 0; j < tracks; ++j)
            files << WorkFiles::Upmixed(work, i, j);
        files << WorkFiles::Muxed(work, i);
        for (const QString& file : files) {
            if (file.isEmpty()) continue;
            Add(ctx, QStringLiteral("Datei:     ") + file);
            if (!FileExists(file)) {
                Indented(ctx, QStringLiteral("... nicht gefunden"));
                continue;
            }
            Indented(ctx, QStringLiteral("... gefunden"));
            const Removal removal = DeleteRunFile(ctx, file);
            if (removal != Removal::SourceKept)
                Indented(ctx, removal == Removal::Gone ? QStringLiteral("... gelöscht.")
                                                       : QStringLiteral("... nicht gelöscht."));
        }
    }
    ctx.state().processingState = 402;
    StateWrite(ctx, 402);
    return DoneIf(SaveLogFile(ctx));
}

// What must hold before the first step: nothing the run writes in the working
// folder is a source's own file, and no title set mixes MPEG audio and AC-3 on
// the disc (a loaded project keeps its stored title sets). False, with the
// reason logged, ends the run.
bool StartChecks(RunContext& ctx) {
    const QString work = ctx.settings().work;
    const SourceTable& table = ctx.sources();
    QStringList planned{WorkFiles::Script(work)};
    for (int i = 1; i <= table.count(); ++i)
        planned << PlannedFiles(work, i, table[i]);
    for (const QString& file : planned) {
        const QString source = SourceFileAt(table, file);
        if (source.isEmpty()) continue;
        Add(ctx, QStringLiteral("Fehler:    Die Quelle ") + source +
                     QStringLiteral(" würde von diesem Lauf überschrieben."));
        Indented(ctx, QStringLiteral("Bitte einen anderen Arbeits-Ordner wählen."));
        return false;
    }
    const int mixed = MixedTitleSet(table);
    if (mixed == 0) return true;
    Add(ctx,
        QString::asprintf("Fehler:    Das VTS %d hätte auf der DVD Tonspuren verschiedener Formate.", mixed));
    Indented(ctx, QStringLiteral("Bitte die DVD-Struktur auf der Registerkarte Authoring neu einteilen."));
    return false;
}

// Runs one step under its section header; false, with the end block written,
// when it did not get done.
bool Step(RunContext& ctx, const QString& header, const std::function<Outcome(RunContext&)>& step,
          bool doubleRule = false) {
    SectionHeader(ctx, header, doubleRule);
    if (step(ctx) == Outcome::Done) return true;
    LogRunEnd(ctx);
    return false;
}

// Whether the user asked to abort between two steps; if so, the run ends.
bool EndedForAbort(RunContext& ctx) {
    if (!ctx.state().abortRequested) return false;
    Add(ctx, AbortLine());
    LogRunEnd(ctx);
    return true;
}

// After the end block: the computer is shut down and the program ends. A
// refused request is logged; the window stays, idle.
bool ShutDown(RunContext& ctx) {
    if (ctx.shutdown()) return true;
    Add(ctx, QStringLiteral("Fehler:    Das System hat das Herunterfahren abgelehnt."));
    SaveLogFile(ctx);
    return false;
}

void SaveSettingsBeforeShutdown(RunContext& ctx) {
    const bool saved = ctx.saveSettings(ctx.folders().settingsFile, true);
    Add(ctx, saved ? QStringLiteral("INI:       Programmeinstellungen gesichert.")
                   : QStringLiteral("INI:       Programmeinstellungen konnten nicht gesichert werden."));
}

}  // namespace

void LogChapterList(RunContext& ctx, const QString& kapitel) {
    const QStringList marks = kapitel.split(QLatin1Char(','));
    for (int k = 0; k < marks.size(); ++k)
        Add(ctx, QString::asprintf("  %.2d:      ", k + 2) + marks[k]);
}

bool RunConversion(RunContext& ctx) {
    ctx.enterRunning();
    if (ctx.sources().isEmpty()) {
        Add(ctx, QStringLiteral("Fehler:     Keine Dateien zum Bearbeiten gefunden."));
        LogRunEnd(ctx);
        return false;
    }
    Header(ctx);
    if (!StartChecks(ctx)) {
        LogRunEnd(ctx);
        return false;
    }

    const int stage = ctx.controls().stageIndex;
    if (stage <= kDemux && !Step(ctx, QStringLiteral(" - Demuxen:"), Demultiplex)) return false;
    if (stage <= kUpmix && !Step(ctx, QStringLiteral(" - Audio Upmix:"), Upmix)) return false;
    if (stage <= kMux && !Step(ctx, QStringLiteral(" - Muxen:"), Multiplex)) return false;
    if (stage <= kAuthor && !Step(ctx, QStringLiteral(" - Authoring:"), Author, true)) return false;
    if (ctx.settings().tempPolicy == kDeleteAfterMux && stage <= kAuthor && CleanUp(ctx) != Outcome::Done) {
        LogRunEnd(ctx);
        return false;
    }
    if (EndedForAbort(ctx)) return false;

    if (stage <= kImage) {
        if (ctx.controls().imageEnabled && ctx.settings().image &&
            !Step(ctx, QStringLiteral(" - Image erstellen:"), MakeImage))
            return false;
        const ProgramSettings s = ctx.settings();
        if (s.imgTool && s.burn) {
            // An abort while the image was made must never lead to a burn.
            if (EndedForAbort(ctx)) return false;
            if (!Step(ctx, QStringLiteral(" - DVD brennen:"), BurnWithImgTool)) return false;
            if (ctx.settings().shutdown) {
                SaveSettingsBeforeShutdown(ctx);
                LogRunEnd(ctx);
                return ShutDown(ctx);
            }
        }
    }
    if (EndedForAbort(ctx)) return false;
    const ProgramSettings s = ctx.settings();
    if (s.decrypter && s.burn) {
        if (!Step(ctx, QStringLiteral(" - Image brennen:"), BurnWithDecrypter)) return false;
        if (ctx.settings().shutdown) {
            SaveSettingsBeforeShutdown(ctx);
            LogRunEnd(ctx);
            Add(ctx, QStringLiteral("Herunterfahren."));
            return ShutDown(ctx);
        }
    }
    LogRunEnd(ctx);
    return true;
}
