#include "pipeline/Upmix.h"

#include <QFile>
#include <QTextStream>
#include <QThread>
#include <cmath>
#include <deque>
#include <memory>

#include "base/FileHelpers.h"
#include "base/ToolPool.h"
#include "pipeline/LogBlockContext.h"
#include "pipeline/RunSupport.h"
#include "pipeline/SizeEstimate.h"
#include "pipeline/SourceGuard.h"
#include "pipeline/WorkFiles.h"
#include "platform/Paths.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"

CommandPlan BeSweetPlan(const QString& besweet, const QString& input, const QString& output,
                        const QString& logFile, const QString& bitrate) {
    CommandPlan plan{besweet};
    plan.arg(QStringLiteral("-core(")).arg(QStringLiteral("-input")).quoted(input);
    plan.arg(QStringLiteral("-output")).quoted(output).arg(QStringLiteral("-logfile")).quoted(logFile);
    plan.arg(QStringLiteral(")"));
    for (const char* word : {"-shibatch(", "--rate", "48000", ")", "-2lame(", "-m", "s", "-b"})
        plan.arg(QLatin1String(word));
    return plan.arg(bitrate).arg(QStringLiteral("-e")).arg(QStringLiteral(")"));
}

namespace {

constexpr int kBase = 200;

// Copies the tool's own log into the run log and deletes it.
void CopyToolLog(RunContext& ctx, const QString& logFile, bool success) {
    QFile file(logFile);
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

QString TrackInput(const QString& work, const MPEGInfo& source, int i, int j) {
    const QString extension = source.TonFormat[j] == 1 ? QStringLiteral(".ac3") : QStringLiteral(".mp2");
    return source.Elementar ? source.TonDatei[j]
                            : work + QStringLiteral("/svcd-%1-%2").arg(i).arg(j) + extension;
}

// The size of every output the step will write, for one free-space check.
qint64 StepEstimate(RunContext& ctx) {
    const QString work = ctx.settings().work;
    qint64 sum = 0;
    for (int i = 1; i <= ctx.sources().count(); ++i) {
        const MPEGInfo& source = ctx.sources()[i];
        if (source.NavPacks || UnitDone(ctx.state(), kBase + i)) continue;
        for (int j = 0; j < qMin(source.trackCount(), 2); ++j)
            if (!TrackUsableAsIs(source, j))
                sum += UpmixEstimateKB(FileSizeKB(TrackInput(work, source, i, j)), source, j);
    }
    return sum;
}

// One piece of the step's work in the order of a sequential run: a track, or a
// source without a track to run. What comes before and from its tool is written
// ahead into its own block; the rest follows when its turn comes.
struct Unit {
    enum class Kind { Lines, Stop, Tool };
    Unit(RunContext& ctx, int source, int track) : ahead(ctx), i(source), j(track) {}
    LogBlockContext ahead;
    int i, j;
    Kind kind = Kind::Lines;
    bool aborted = false;       // stopped before its track began
    bool lastOfSource = false;  // its end records the source's state
    bool ended = true;
    Outcome outcome = Outcome::Done;
    QString input, output, logFile;
    qint64 estimateKB = 0;
};

class UpmixRun {
  public:
    UpmixRun(RunContext& ctx, int tools, qint64 estimate)
        : ctx_(ctx), pool_(ctx.runner(), ctx.progress()), tools_(tools), estimate_(estimate) {}
    ~UpmixRun() {
        if (gauge_) ctx_.progress().hideGauge();
    }
    Outcome run();

  private:
    Outcome finishEnded();
    bool prepareNext();
    void prepareTrack(Unit& unit);
    void startTool(Unit& unit, const QString& bitrate);
    Outcome finish(Unit& unit);
    void deleteInputs(const MPEGInfo& source);

    RunContext& ctx_;
    ToolPool pool_;
    const int tools_;
    std::deque<std::unique_ptr<Unit>> units_;  // begun, their turn not yet come
    int source_ = 1;
    int track_ = 0;
    bool stopStarting_ = false;
    QStringList doneInputs_;  // of the source's finished tracks, deleted with its state
    const qint64 estimate_;   // of the whole step: the gauge's maximum
    bool gauge_ = false;      // shown when the first tool starts
};

Outcome UpmixRun::run() {
    for (;;) {
        Outcome outcome = finishEnded();
        while (outcome == Outcome::Done && !stopStarting_ && pool_.running() < tools_ && prepareNext()) {
        }
        if (outcome == Outcome::Done) outcome = finishEnded();
        if (outcome != Outcome::Done) {
            // A failure or an abort stops the step once the running tools have ended.
            stopStarting_ = true;
            while (pool_.running() > 0)
                pool_.wait();
            return outcome;
        }
        if (units_.empty() && source_ > ctx_.sources().count()) return Outcome::Done;
        pool_.wait();
    }
}

// Writes, in order, every unit whose turn has come, until one stops the step.
Outcome UpmixRun::finishEnded() {
    while (!units_.empty() && units_.front()->ended) {
        const std::unique_ptr<Unit> unit = std::move(units_.front());
        units_.pop_front();
        if (const Outcome outcome = finish(*unit); outcome != Outcome::Done) return outcome;
    }
    return Outcome::Done;
}

// Begins the next unit in the order of a sequential run; false when none is left.
bool UpmixRun::prepareNext() {
    if (source_ > ctx_.sources().count()) return false;
    const int i = source_;
    auto unit = std::make_unique<Unit>(ctx_, i, track_);
    Unit& u = *unit;
    units_.push_back(std::move(unit));
    if (track_ == 0) {
        const UnitStart start = BeginSourceUnit(u.ahead, i, kBase);
        if (start != UnitStart::Run || ctx_.sources()[i].trackCount() <= 0) {
            u.kind = start == UnitStart::Stop ? Unit::Kind::Stop : Unit::Kind::Lines;
            stopStarting_ = start == UnitStart::Stop;
            ++source_;
            return true;
        }
    }
    u.lastOfSource = track_ + 1 >= qMin(ctx_.sources()[i].trackCount(), 2);
    if (u.lastOfSource) {
        ++source_;
        track_ = 0;
    } else {
        ++track_;
    }
    prepareTrack(u);
    if (u.kind == Unit::Kind::Stop) stopStarting_ = true;
    return true;
}

void UpmixRun::prepareTrack(Unit& u) {
    RunContext& ctx = u.ahead;
    const MPEGInfo& source = ctx.sources()[u.i];
    const QString work = ctx.settings().work;
    u.kind = Unit::Kind::Stop;
    ctx.state().processingState = kBase + u.i;
    u.aborted = ctx.state().abortRequested;
    if (u.aborted) return;
    u.input = TrackInput(work, source, u.i, u.j);
    Add(ctx, QStringLiteral("Von:       ") + u.input);
    if (!FileExists(u.input)) return SourceMissing(ctx, u.input);
    Indented(ctx, QStringLiteral("... gefunden."));
    if (TrackUsableAsIs(source, u.j)) {
        Indented(ctx, QStringLiteral("... Upmix nicht notwendig."));
        u.kind = Unit::Kind::Lines;
        return;
    }
    Indented(ctx, QStringLiteral("... Upmix notwendig."));
    u.output = WorkFiles::Upmixed(work, u.i, u.j);
    Add(ctx, QStringLiteral("Nach:      ") + u.output);
    if (!DeleteOldOutput(ctx, u.output)) return;
    if (!FileExists(ctx.settings().tools[Tool::BeSweet])) {
        Add(ctx, QStringLiteral("Fehler:    Die BeSweet.exe wurde nicht gefunden."));
        return;
    }
    const QString bitrate = TableText(BitrateTable(), source.DVDBitrate[u.j], QString());
    if (bitrate.isEmpty()) {
        Add(ctx, QStringLiteral("Fehler:    Für die Tonspur %1 ist keine DVD-Bitrate eingestellt.").arg(u.j));
        return;
    }
    u.estimateKB = UpmixEstimateKB(FileSizeKB(u.input), source, u.j);
    SizeLine(ctx, lmAdd, QStringLiteral("Größe:     Voraussichtlich %1.0n MB"), u.estimateKB);
    startTool(u, bitrate);
}

void UpmixRun::startTool(Unit& u, const QString& bitrate) {
    RunContext& ctx = u.ahead;
    const ProgramSettings s = ctx.settings();
    Add(ctx, QString());
    StartBanner(ctx, QStringLiteral("BeSweet"));
    if (!gauge_) ctx.progress().showGauge(estimate_);
    gauge_ = true;
    u.kind = Unit::Kind::Tool;
    u.logFile = WorkFiles::UpmixLog(s.work, u.i, u.j);
    const CommandPlan plan = BeSweetPlan(s.tools[Tool::BeSweet], u.input, u.output, u.logFile, bitrate);
    const ToolCall call = Guarded(plan.call(u.output), {u.output}, u.estimateKB);
    u.ended = false;
    const auto ended = [this, &u](bool ok, bool killed) {
        u.ended = true;
        u.outcome = killed ? Outcome::Aborted : DoneIf(ok);
        if (u.outcome != Outcome::Done) stopStarting_ = true;  // a failure starts no further tool
    };
    if (!pool_.start(call, s.priority, ctx.log(), ended)) ended(false, false);
}

// The unit's turn: its block into the run log, then what follows its tool.
Outcome UpmixRun::finish(Unit& u) {
    u.ahead.flush();
    if (u.aborted) {
        ctx_.state().processingState = kBase + u.i;
        StoppedForAbort(ctx_);
        return Outcome::Aborted;
    }
    if (u.kind == Unit::Kind::Stop) return Outcome::Failed;
    if (u.kind == Unit::Kind::Tool) {
        EndBanner(ctx_, EndLine(QStringLiteral("BeSweet")));
        Add(ctx_, QString());
        const bool success = u.outcome == Outcome::Done;
        if (success)
            SizeLine(ctx_, lmAdd, QStringLiteral("Größe:     Tatsächlich %1.0n MB"), FileSizeKB(u.output));
        CopyToolLog(ctx_, u.logFile, success);
        if (u.outcome == Outcome::Aborted) Add(ctx_, AbortLine());
        if (!success) return u.outcome;
        if (!ResultComplete(ctx_, {u.output}, MinimumResultKB(u.estimateKB))) return Outcome::Failed;
        doneInputs_ << u.input;
    }
    if (!u.lastOfSource) return Outcome::Done;
    // A source counts as done only when all its tracks are; until then a resume
    // needs every input of it.
    if (ctx_.settings().tempPolicy == kDeleteAtOnce) deleteInputs(ctx_.sources()[u.i]);
    doneInputs_.clear();
    StateWrite(ctx_, kBase + u.i);
    return Outcome::Done;
}

void UpmixRun::deleteInputs(const MPEGInfo& source) {
    for (const QString& input : doneInputs_) {
        if (source.Elementar)
            Add(ctx_, QStringLiteral("Löschen:   Originaldateien werden nicht gelöscht."));
        else if (DeleteRunFile(ctx_, input, 10, 200) != Removal::SourceKept)
            ReportDeletion(ctx_, input);
    }
}

}  // namespace

Outcome Upmix(RunContext& ctx) {
    return UpmixWithTools(ctx, ctx.settings().singleStep ? 1 : qMax(1, QThread::idealThreadCount()));
}

Outcome UpmixWithTools(RunContext& ctx, int tools) {
    if (const Outcome go = ConfirmStep(ctx, QStringLiteral("Audio Upmix")); go != Outcome::Done) return go;
    const qint64 estimate = StepEstimate(ctx);
    if (estimate > 0) {
        SizeLine(ctx, lmAdd, QStringLiteral("Benötigt:  Voraussichtlich etwa %1.0n MB"), estimate);
        if (const Outcome room = SpaceFor(ctx, ctx.settings().work, estimate); room != Outcome::Done)
            return room;
    }
    if (const Outcome outcome = UpmixRun(ctx, qMax(1, tools), estimate).run(); outcome != Outcome::Done)
        return outcome;
    return DoneIf(SaveLogFile(ctx));
}
